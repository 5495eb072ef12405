#include "fuzz/SketchLoadCheck.h"

#include "afx/base/AfxMemFile.h"
#include "fuzz/SketchDocument.h"

#include <vector>

namespace {

enum class Outcome { kLoaded, kRefused, kOtherException };

Outcome Load(const std::vector<BYTE>& bytes, CSketchDocument& document) {
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

std::vector<BYTE> Store(CSketchDocument& document) {
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

}  // namespace

const char* CheckSketchLoad(const uint8_t* data, size_t size) {
  CSketchDocument document;
  const Outcome outcome = Load(std::vector<BYTE>(data, data + size), document);
  if (outcome == Outcome::kOtherException) return "refused with an exception other than CArchiveException";
  if (outcome == Outcome::kRefused) return nullptr;

  const std::vector<BYTE> stored = Store(document);
  CSketchDocument again;
  if (Load(stored, again) != Outcome::kLoaded) return "what it stored did not load";
  if (Store(again) != stored) return "what it stored loaded to a different document";
  return nullptr;
}
