// The property the archive fuzzers check on every input, for any document
// with Serialize(CArchive&) and DeleteContents(): loading it from any
// bytes either succeeds or is refused with a CArchiveException (never a
// crash, a sanitizer report, a leak or another exception); a document
// that loaded is sound (isSound, when given) and stores to bytes that load
// back to a document storing the same bytes.
#pragma once

#include "afx/base/AfxArchive.h"
#include "afx/base/AfxMemFile.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace archive_check {

enum class Outcome { kLoaded, kRefused, kOtherException };

template <class Document>
Outcome Load(const std::vector<BYTE>& bytes, Document& document) {
  CMemFile file;
  if (!bytes.empty()) file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
  file.SeekToBegin();
  try {
    CArchive ar(&file, CArchive::load);
    document.Serialize(ar);
    ar.Close();
    return Outcome::kLoaded;
  } catch (CArchiveException* e) {
    e->Delete();
  } catch (CException* e) {
    e->Delete();
    document.DeleteContents();
    return Outcome::kOtherException;
  }
  document.DeleteContents();  // as a document does after a failed open
  return Outcome::kRefused;
}

template <class Document>
std::vector<BYTE> Store(Document& document) {
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    document.Serialize(ar);
    ar.Close();
  }
  std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
  file.SeekToBegin();
  if (!bytes.empty()) file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
  return bytes;
}

}  // namespace archive_check

// Null when the property holds for the input, else what went wrong.
template <class Document>
const char* CheckArchiveLoad(const uint8_t* data, size_t size,
                             bool (*isSound)(const Document&) = nullptr) {
  using namespace archive_check;
  Document document;
  const Outcome outcome = Load(std::vector<BYTE>(data, data + size), document);
  if (outcome == Outcome::kOtherException) {
    return "refused with an exception other than CArchiveException";
  }
  if (outcome == Outcome::kRefused) return nullptr;
  if (isSound != nullptr && !isSound(document)) return "what loaded is not sound";

  const std::vector<BYTE> stored = Store(document);
  Document again;
  if (Load(stored, again) != Outcome::kLoaded) return "what it stored did not load";
  if (Store(again) != stored) return "what it stored loaded to a different document";
  return nullptr;
}
