// CWinApp's services that need no window: the current application, the
// modules resources are looked up in, string resources and formatted
// strings, and the message boxes every prompt goes through.
#include "afx/app/AfxApp.h"

#include "afx/app/AfxModule.h"
#include "afx/app/AfxRecentFileList.h"
#include "afx/app/AfxRes.h"
#include "afx/base/AfxCommandLine.h"

#include <algorithm>
#include <atomic>

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

// The program file's name without its folder and extension.
CString ProgramName(HINSTANCE hInstance) {
  char path[MAX_PATH] = {};
  const DWORD nLength = ::GetModuleFileNameA(hInstance, path, MAX_PATH);
  const CString file(path, static_cast<int>(nLength < MAX_PATH ? nLength : 0));
  const CString name = file.Mid(std::max(file.ReverseFind('\\'), file.ReverseFind('/')) + 1);
  const int nDot = name.ReverseFind('.');
  return nDot > 0 ? name.Left(nDot) : name;
}

}  // namespace

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_pszAppName(lpszAppName), m_hInstance(::GetModuleHandleA(nullptr)), m_pPrevApp(g_pApp) {
  g_pApp = this;
  // The thread that makes the application object is its interface thread.
  AttachCurrentThread();
  m_bAutoDelete = FALSE;
  if (m_pszAppName == nullptr) {
    if (!m_strDefaultAppName.LoadString(AFX_IDS_APP_TITLE)) {
      m_strDefaultAppName = ProgramName(m_hInstance);
    }
    m_pszAppName = m_strDefaultAppName;
  }
}

CWinApp::~CWinApp() {
  for (CCmdTarget* pTemplate : m_templateList) delete pTemplate;
  delete m_pRecentFileList;
  ReleasePrinter();
  if (g_pApp == this) g_pApp = m_pPrevApp;
}

void CWinApp::SetCurrentHandles() {
  m_strExeName = ProgramName(m_hInstance);
  m_pszExeName = m_strExeName;
  if (m_pszAppName == nullptr) {
    m_strDefaultAppName = m_strExeName;
    if (!m_strDefaultAppName.LoadString(AFX_IDS_APP_TITLE)) m_strDefaultAppName = m_strExeName;
    m_pszAppName = m_strDefaultAppName;
  }
  if (m_pszProfileName == nullptr) {
    m_strProfileName = m_strExeName + ".INI";
    m_pszProfileName = m_strProfileName;
  }
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo) {
  const std::vector<CString> args = AfxSplitCommandLine(m_lpCmdLine);
  for (size_t i = 0; i < args.size(); ++i) {
    const char* pszParam = args[i];
    const BOOL bFlag = pszParam[0] == '-' || pszParam[0] == '/';
    rCmdInfo.ParseParam(bFlag ? pszParam + 1 : pszParam, bFlag, i + 1 == args.size());
  }
}

CWinApp* AfxGetApp() { return g_pApp; }

CWnd* AfxGetMainWnd() {
  // A thread with a main window of its own gets it; any other thread (a
  // worker) the application's.
  CWinThread* pThread = AfxGetThread();
  if (pThread != nullptr && pThread->GetMainWnd() != nullptr) return pThread->GetMainWnd();
  return g_pApp != nullptr ? g_pApp->GetMainWnd() : nullptr;
}

int CWinApp::ExitInstance() {
  SaveStdProfileSettings();
  return CWinThread::ExitInstance();
}

void AfxPostQuitMessage(int nExitCode) { ::PostQuitMessage(nExitCode); }

// ---- resources ----------------------------------------------------------------------

HINSTANCE AfxGetInstanceHandle() {
  return g_pApp != nullptr ? g_pApp->m_hInstance : ::GetModuleHandleA(nullptr);
}

namespace {
std::atomic<HINSTANCE> g_hResource{nullptr};  // AfxSetResourceHandle's module
}  // namespace

HINSTANCE AfxGetResourceHandle() {
  const HINSTANCE hResource = g_hResource.load();
  return hResource != nullptr ? hResource : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE hInstResource) { g_hResource.store(hInstResource); }

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
  const auto loaded = [&](HINSTANCE hModule) { return LoadFrom(hModule, nID, rString) != FALSE; };
  if (FirstResourceModule(loaded) != nullptr) return TRUE;
  // Our own prompts, also when the library could not register itself.
  if (LoadFrom(FrameworkModule(), nID, rString)) return TRUE;
  rString.Empty();
  return FALSE;
}

BOOL CString::LoadString(UINT nID) { return AfxLoadString(nID, *this); }

void CString::Format(UINT nFormatID, ...) {
  CString format;
  AfxLoadString(nFormatID, format);
  va_list args;
  va_start(args, nFormatID);
  FormatV(format, args);
  va_end(args);
}

void CString::FormatMessage(UINT nFormatID, ...) {
  CString format;
  AfxLoadString(nFormatID, format);
  va_list args;
  va_start(args, nFormatID);
  FormatMessageV(format, args);
  va_end(args);
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
