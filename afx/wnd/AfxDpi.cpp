#include "afx/wnd/AfxDpi.h"

namespace {

// The window property that holds a top-level window's kept density.
constexpr const char* kDpiProperty = "Varnel.Dpi";

HWND TopLevelOf(HWND hWnd) {
  const HWND hRoot = ::GetAncestor(hWnd, GA_ROOT);
  return hRoot != nullptr ? hRoot : hWnd;
}

// GetDpiForWindow where the system has it (Windows 10 1607 and later),
// else 0.
UINT SystemDpiForWindow(HWND hWnd) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto pfn = reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
  return pfn != nullptr ? pfn(hWnd) : 0;
}

UINT DeviceDpi(HWND hWnd) {
  HDC hDC = ::GetDC(hWnd);
  if (hDC == nullptr) return 96;
  const int nDpi = ::GetDeviceCaps(hDC, LOGPIXELSY);
  ::ReleaseDC(hWnd, hDC);
  return nDpi > 0 ? static_cast<UINT>(nDpi) : 96;
}

}  // namespace

UINT AfxGetKeptWindowDpi(HWND hWnd) {
  if (hWnd == nullptr) return 0;
  return static_cast<UINT>(reinterpret_cast<UINT_PTR>(::GetPropA(TopLevelOf(hWnd), kDpiProperty)));
}

UINT AfxGetWindowDpi(HWND hWnd) {
  if (const UINT nKept = AfxGetKeptWindowDpi(hWnd)) return nKept;
  if (hWnd != nullptr) {
    if (const UINT nSystem = SystemDpiForWindow(hWnd)) return nSystem;
  }
  return DeviceDpi(hWnd);
}

void AfxSetWindowDpi(HWND hWnd, UINT nDpi) {
  if (hWnd == nullptr || TopLevelOf(hWnd) != hWnd) return;
  if (nDpi == 0) {
    ::RemovePropA(hWnd, kDpiProperty);
  } else {
    ::SetPropA(hWnd, kDpiProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(nDpi)));
  }
}

void AfxBeginDpiChange(CWnd* pWnd, UINT nDpi) {
  pWnd->SendMessageToDescendants(WM_DPICHANGED_BEFOREPARENT, 0, 0, TRUE, TRUE);
  if (nDpi != 0) AfxSetWindowDpi(pWnd->m_hWnd, nDpi);
}

void AfxEndDpiChange(CWnd* pWnd) {
  pWnd->SendMessageToDescendants(WM_DPICHANGED_AFTERPARENT, 0, 0, TRUE, TRUE);
}

void CDpiChange::Before(HWND hWnd) {
  if (m_nBefore == 0) m_nBefore = AfxGetWindowDpi(hWnd);
}

bool CDpiChange::After(HWND hWnd, UINT& nOld, UINT& nNew) {
  if (m_nBefore == 0) return false;
  nOld = m_nBefore;
  nNew = AfxGetWindowDpi(hWnd);
  m_nBefore = 0;
  return nOld != nNew;
}
