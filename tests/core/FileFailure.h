// What a file operation's failure says: the cause of the CFileException f
// throws, for the tests of memory files, system files and safe saves.
#pragma once

#include "afx/base/AfxFile.h"

// The CFileException's cause, or -1 when f throws none.
template <class F>
int FileFailure(F f) {
  try {
    f();
  } catch (CFileException* e) {
    const int cause = e->m_cause;
    e->Delete();
    return cause;
  }
  return -1;
}
