// CWinApp's services that need no window: the current application, the
// modules resources are looked up in, string resources and formatted
// strings, and the message boxes every prompt goes through.
#include "afx/app/AfxApp.h"

#include "afx/app/AfxModule.h"

namespace {

CWinApp* g_pApp = nullptr;

// The first module, of the application and then the registered extension
// libraries (newest first), for which found(hModule) holds; null when none.
template <class Found>
HINSTANCE FirstResourceModule(Found found) {
  const HINSTANCE hApp = AfxGetResourceHandle();
  if (found(hApp)) return hApp;
  for (CDynLinkLibrary* pLibrary = AfxGetModuleState()->m_libraryList; pLibrary != nullptr;
       pLibrary = pLibrary->m_pNextDLL) {
    const HINSTANCE hLibrary = pLibrary->m_hResource;
    if (hLibrary != nullptr && found(hLibrary)) return hLibrary;
  }
  return nullptr;
}

}  // namespace

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_pszAppName(lpszAppName), m_hInstance(::GetModuleHandleA(nullptr)) {
  g_pApp = this;
}

CWinApp::~CWinApp() {
  ReleasePrinter();
  if (g_pApp == this) g_pApp = nullptr;
}

CWinApp* AfxGetApp() { return g_pApp; }

CWnd* AfxGetMainWnd() { return g_pApp != nullptr ? g_pApp->m_pMainWnd : nullptr; }

int CWinApp::ExitInstance() { return static_cast<int>(m_nExitCode); }

void AfxPostQuitMessage(int nExitCode) { ::PostQuitMessage(nExitCode); }

// ---- resources ----------------------------------------------------------------------

HINSTANCE AfxGetInstanceHandle() {
  return g_pApp != nullptr ? g_pApp->m_hInstance : ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle() { return AfxGetInstanceHandle(); }

HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType) {
  const HINSTANCE hModule = FirstResourceModule([&](HINSTANCE hCandidate) {
    return ::FindResourceA(hCandidate, lpszName, lpszType) != nullptr;
  });
  return hModule != nullptr ? hModule : AfxGetResourceHandle();
}

HANDLE AfxLoadImageResource(LPCSTR lpszName, LPCSTR lpszType, UINT uImageType) {
  return ::LoadImageA(AfxFindResourceHandle(lpszName, lpszType), lpszName, uImageType, 0, 0,
                      LR_DEFAULTSIZE | LR_SHARED);
}

HICON CWinApp::LoadIcon(LPCSTR lpszResourceName) const {
  return static_cast<HICON>(AfxLoadImageResource(lpszResourceName, RT_GROUP_ICON, IMAGE_ICON));
}

HICON CWinApp::LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCEA(nIDResource)); }

HCURSOR CWinApp::LoadCursor(LPCSTR lpszResourceName) const {
  return static_cast<HCURSOR>(AfxLoadImageResource(lpszResourceName, RT_GROUP_CURSOR, IMAGE_CURSOR));
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const {
  return LoadCursor(MAKEINTRESOURCEA(nIDResource));
}

HICON CWinApp::LoadStandardIcon(LPCSTR lpszIconName) const {
  return ::LoadIconA(nullptr, lpszIconName);
}

HCURSOR CWinApp::LoadStandardCursor(LPCSTR lpszCursorName) const {
  return ::LoadCursorA(nullptr, lpszCursorName);
}

// ---- strings and message boxes ------------------------------------------------------

namespace {

HMODULE FrameworkModule() {
  HMODULE hModule = nullptr;
  ::GetModuleHandleExA(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCSTR>(&FrameworkModule), &hModule);
  return hModule;
}

BOOL LoadFrom(HINSTANCE hInstance, UINT nID, CString& rString) {
  char buffer[1024];
  const int nLength = ::LoadStringA(hInstance, nID, buffer, static_cast<int>(sizeof buffer));
  if (nLength <= 0) return FALSE;
  rString = CString(buffer, nLength);
  return TRUE;
}

}  // namespace

BOOL AfxLoadString(UINT nID, CString& rString) {
  const auto loaded = [&](HINSTANCE hModule) { return LoadFrom(hModule, nID, rString) != FALSE; };
  if (FirstResourceModule(loaded) != nullptr) return TRUE;
  // Our own prompts, also when the library could not register itself.
  if (LoadFrom(FrameworkModule(), nID, rString)) return TRUE;
  rString.Empty();
  return FALSE;
}

CString AfxFormatStrings(LPCSTR lpszFormat, const LPCSTR* rglpsz, int nString) {
  CString result;
  for (const char* p = lpszFormat; *p != '\0'; ++p) {
    if (p[0] == '%' && p[1] >= '1' && p[1] <= '9') {
      const int nIndex = p[1] - '1';
      if (nIndex < nString && rglpsz[nIndex] != nullptr) result += rglpsz[nIndex];
      ++p;
    } else {
      result += *p;
    }
  }
  return result;
}

void AfxFormatString1(CString& rString, UINT nIDS, LPCSTR lpsz1) {
  CString format;
  AfxLoadString(nIDS, format);
  rString = AfxFormatStrings(format, &lpsz1, 1);
}

void AfxFormatString2(CString& rString, UINT nIDS, LPCSTR lpsz1, LPCSTR lpsz2) {
  CString format;
  AfxLoadString(nIDS, format);
  const LPCSTR inserts[2] = {lpsz1, lpsz2};
  rString = AfxFormatStrings(format, inserts, 2);
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp) {
  if (CWinApp* pApp = AfxGetApp()) return pApp->DoMessageBox(lpszText, nType, nIDHelp);
  return ::MessageBoxA(::GetActiveWindow(), lpszText, nullptr, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
  CString prompt;
  AfxLoadString(nIDPrompt, prompt);
  if (nIDHelp == static_cast<UINT>(-1)) nIDHelp = nIDPrompt;
  return AfxMessageBox(prompt, nType, nIDHelp);
}
