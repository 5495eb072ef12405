// Strings from the string tables: the application's first, then each
// registered extension library's, then the framework's own prompts.
#include "afx/AfxDataExchange.h"
#include "afx/AfxModule.h"

namespace {

HMODULE FrameworkModule() {
  HMODULE hModule = nullptr;
  ::GetModuleHandleExA(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCSTR>(&FrameworkModule), &hModule);
  return hModule;
}

// The whole string, whatever its length: LoadStringW with no buffer hands
// out the string table's own characters, which are then converted as
// LoadStringA would.
BOOL LoadFrom(HINSTANCE hInstance, UINT nID, CString& rString) {
  const WCHAR* pText = nullptr;
  const int nWide = ::LoadStringW(hInstance, nID, reinterpret_cast<LPWSTR>(&pText), 0);
  if (nWide <= 0 || pText == nullptr) return FALSE;
  const int nLength = ::WideCharToMultiByte(CP_ACP, 0, pText, nWide, nullptr, 0, nullptr, nullptr);
  if (nLength <= 0) return FALSE;
  CString text;
  ::WideCharToMultiByte(CP_ACP, 0, pText, nWide, text.GetBuffer(nLength), nLength, nullptr,
                        nullptr);
  text.ReleaseBuffer(nLength);
  rString = text;
  return TRUE;
}

}  // namespace

BOOL AfxLoadString(UINT nID, CString& rString) {
  if (LoadFrom(AfxGetResourceHandle(), nID, rString)) return TRUE;
  for (CDynLinkLibrary* pLibrary = AfxGetModuleState()->m_libraryList; pLibrary != nullptr;
       pLibrary = pLibrary->m_pNextDLL) {
    if (pLibrary->m_hResource != nullptr && LoadFrom(pLibrary->m_hResource, nID, rString)) {
      return TRUE;
    }
  }
  // Our own prompts, also when the library could not register itself.
  if (LoadFrom(FrameworkModule(), nID, rString)) return TRUE;
  rString.Empty();
  return FALSE;
}

BOOL CString::LoadString(UINT nID) { return AfxLoadString(nID, *this); }
