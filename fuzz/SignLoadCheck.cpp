#include "fuzz/SignLoadCheck.h"

#include "examples/signs/SignData.h"
#include "fuzz/ArchiveLoadCheck.h"

namespace {

// A .sign file's contents as the demo's document stores and loads them.
struct SignFile {
  SignSettings settings;
  void Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
      StoreSign(ar, settings);
    } else {
      settings = LoadSign(ar);
    }
  }
  void DeleteContents() { settings = SignSettings(); }
};

bool IsSound(const SignFile& file) { return file.settings.IsValid(); }

}  // namespace

const char* CheckSignLoad(const uint8_t* data, size_t size) {
  return CheckArchiveLoad<SignFile>(data, size, &IsSound);
}
