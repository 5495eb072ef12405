#include "afx/ui/AfxControlBar.h"

#include "afx/ui/AfxDialog.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

DWORD CControlBar::TakeBarStyle(DWORD dwStyle) {
  m_dwStyle = dwStyle & static_cast<DWORD>(CBRS_ALL);
  return dwStyle & ~static_cast<DWORD>(CBRS_ALL);
}

void CControlBar::SetBarStyle(DWORD dwStyle) {
  if (m_dwStyle == dwStyle) return;
  m_dwStyle = dwStyle;
  if (CFrameWnd* pFrame = GetDockingFrame()) pFrame->RecalcLayout();
}

void CControlBar::EnableDocking(DWORD dwDockStyle) {
  m_dwDockStyle = dwDockStyle & static_cast<DWORD>(CBRS_ALIGN_ANY);
}

CFrameWnd* CControlBar::GetDockingFrame() const {
  if (m_pDockSite != nullptr) return m_pDockSite;
  return GetParentFrame();
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom) {
  m_cxLeftBorder = cxLeft;
  m_cyTopBorder = cyTop;
  m_cxRightBorder = cxRight;
  m_cyBottomBorder = cyBottom;
}

void CControlBar::SetBorders(LPCRECT lpRect) {
  SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

CRect CControlBar::GetBorders() const {
  return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
}

CSize CControlBar::Stretched(CSize size, BOOL bStretch, BOOL bHorz) {
  if (bStretch) {
    if (bHorz) {
      size.cx = 32767;
    } else {
      size.cy = 32767;
    }
  }
  return size;
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  // Without contents of its own a bar is only its borders.
  return Stretched(CSize(m_cxLeftBorder + m_cxRightBorder, m_cyTopBorder + m_cyBottomBorder),
                   bStretch, bHorz);
}

void CControlBar::ShowPrompt(UINT nID) {
  CFrameWnd* pFrame = GetDockingFrame();
  if (pFrame == nullptr) return;
  pFrame->SendMessage(WM_SETMESSAGESTRING, nID != 0 ? nID : AFX_IDS_IDLEMESSAGE);
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_IDLEUPDATECMDUI) {
    // Hidden bars wait until they are shown.
    CFrameWnd* pTarget = GetDockingFrame();
    if (pTarget != nullptr && IsVisible()) {
      OnUpdateCmdUI(pTarget, wParam != 0 && pTarget->m_bAutoMenuEnable);
    }
    return 0;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CControlBar::OnCommand(WPARAM wParam, LPARAM lParam) {
  CFrameWnd* pFrame = GetDockingFrame();
  if (pFrame == nullptr) return CWnd::OnCommand(wParam, lParam);
  pFrame->SendMessage(WM_COMMAND, wParam, lParam);
  return TRUE;
}

void CControlBar::PostNcDestroy() {
  if (m_bAutoDelete) delete this;
}

// ---- CDialogBar ---------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

BOOL CDialogBar::Create(CWnd* pParentWnd, LPCSTR lpszTemplateName, UINT nStyle, UINT nID) {
  const HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
  const HRSRC hResource = ::FindResourceA(hInst, lpszTemplateName, RT_DIALOG);
  const HGLOBAL hTemplate = hResource != nullptr ? ::LoadResource(hInst, hResource) : nullptr;
  if (hTemplate == nullptr) return FALSE;
  return CreateIndirect(pParentWnd, static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate)),
                        nStyle, nID);
}

BOOL CDialogBar::Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID) {
  return Create(pParentWnd, MAKEINTRESOURCEA(nIDTemplate), nStyle, nID);
}

BOOL CDialogBar::CreateIndirect(CWnd* pParentWnd, LPCDLGTEMPLATE lpTemplate, UINT nStyle,
                                UINT nID) {
  if (pParentWnd == nullptr || lpTemplate == nullptr || m_hWnd != nullptr) return FALSE;
  const DWORD dwWindowStyle = TakeBarStyle(nStyle);
  AfxHookWindowCreate(this);
  const HWND hWnd = ::CreateDialogIndirectParamA(AfxGetInstanceHandle(), lpTemplate,
                                                 pParentWnd->m_hWnd, &AfxDlgProc, 0);
  AfxUnhookWindowCreate();
  if (hWnd == nullptr) return FALSE;
  SetDlgCtrlID(static_cast<int>(nID));
  CRect rc;
  GetWindowRect(&rc);
  m_sizeDefault = rc.Size();
  // The template says what the bar is made of; whether it shows, the style.
  ShowWindow((dwWindowStyle & WS_VISIBLE) != 0 ? SW_SHOWNOACTIVATE : SW_HIDE);
  m_nCount = 0;
  for (HWND h = ::GetWindow(hWnd, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
    ++m_nCount;
  }
  if (CFrameWnd* pFrame = GetDockingFrame()) pFrame->RecalcLayout();
  return TRUE;
}

CSize CDialogBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  return Stretched(m_sizeDefault, bStretch, bHorz);
}

namespace {

// A dialog bar's control stands for its command: the base CCmdUI enables
// it and checks it (BM_SETCHECK); its text changes only when it differs,
// so that an update at every idle time does not redraw it.
class CDialogBarCmdUI : public CCmdUI {
 public:
  void SetText(LPCSTR lpszText) override {
    CString current;
    m_pOther->GetWindowText(current);
    if (current != lpszText) m_pOther->SetWindowText(lpszText);
  }
};

}  // namespace

void CDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
  for (HWND h = ::GetWindow(m_hWnd, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
    const int nID = ::GetDlgCtrlID(h);
    if (nID <= 0 || nID == 0xFFFF) continue;  // static text has no command
    CDialogBarCmdUI state;
    state.m_pOther = CWnd::FromHandle(h);
    state.m_nID = static_cast<UINT>(nID);
    state.DoUpdate(pTarget, bDisableIfNoHndler);
  }
}

BOOL CDialogBar::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE) {
    if (CFrameWnd* pFrame = GetDockingFrame()) pFrame->SendMessage(WM_COMMAND, IDCANCEL);
    return TRUE;
  }
  return CControlBar::PreTranslateMessage(pMsg);
}
