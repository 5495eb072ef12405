// The archive's record of the classes and objects it has stored or loaded,
// by their numbers in the archive. Private to the archive's sources.
#pragma once

#include "afx/base/AfxArchive.h"

#include <unordered_map>
#include <vector>

// What a number read from a file names. An entry that is not what the tag
// claims (an object where a class is expected, an object whose loading
// failed) refuses the file instead of being used as the wrong thing.
struct CArchiveLoadedEntry {
  enum Kind { kClass, kObject, kDiscarded };
  Kind nKind;
  void* pItem;  // the CRuntimeClass or the CObject
  UINT nSchema;  // a class's schema as the file gave it
};

struct CArchiveMaps {
  // Storing: classes and objects to their numbers.
  std::unordered_map<const void*, DWORD> storeMap;
  // Loading: entry n is number n; entry 0 stands for null.
  std::vector<CArchiveLoadedEntry> loaded{{CArchiveLoadedEntry::kDiscarded, nullptr, 0}};
  DWORD nNextStoreIndex = 1;
  int nDepth = 0;  // objects being stored or loaded inside one another
};
