#include "afx/ui/AfxPropertySheet.h"

#include "afx/wnd/AfxModalOwner.h"

#include <commctrl.h>

#include <algorithm>

// ---- CPropertyPage --------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) {
  Construct(nIDTemplate, nIDCaption);
}

CPropertyPage::CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption) {
  m_lpszTemplateName = lpszTemplateName;
  if (nIDCaption != 0) AfxLoadString(nIDCaption, m_strCaption);
}

CPropertyPage::CPropertyPage(LPCDLGTEMPLATE lpTemplate, LPCSTR lpszCaption) {
  m_lpDialogTemplate = lpTemplate;
  if (lpszCaption != nullptr) m_strCaption = lpszCaption;
}

void CPropertyPage::Construct(UINT nIDTemplate, UINT nIDCaption) {
  m_lpszTemplateName = MAKEINTRESOURCEA(nIDTemplate);
  if (nIDCaption != 0) AfxLoadString(nIDCaption, m_strCaption);
}

BOOL CPropertyPage::OnSetActive() { return TRUE; }
BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }
void CPropertyPage::OnOK() {}
void CPropertyPage::OnCancel() {}
BOOL CPropertyPage::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CPropertyPage::CreatePage(HWND hWndSheet) {
  if (!CreateDlgIndirect(LoadTemplate(), hWndSheet)) return FALSE;
  // A page template drawn as a popup becomes a child control of the sheet.
  const DWORD dwStyle = GetStyle();
  if ((dwStyle & WS_CHILD) == 0) {
    const DWORD dwFrame = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME;
    ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>((dwStyle & ~dwFrame) | WS_CHILD));
    ::SetParent(m_hWnd, hWndSheet);
  }
  ModifyStyleEx(0, WS_EX_CONTROLPARENT, SWP_FRAMECHANGED);
  if (m_strCaption.IsEmpty()) GetWindowText(m_strCaption);
  ShowWindow(SW_HIDE);
  return TRUE;
}

// ---- CPropertySheet --------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
  ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
  ON_NOTIFY(TCN_SELCHANGING, AFX_IDC_TAB_CONTROL, OnTabSelChanging)
  ON_NOTIFY(TCN_SELCHANGE, AFX_IDC_TAB_CONTROL, OnTabSelChange)
  ON_COMMAND(IDOK, OnOK)
  ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_nActivePage(static_cast<int>(iSelectPage)),
      m_strCaption(pszCaption != nullptr ? pszCaption : ""),
      m_pParentWnd(pParentWnd) {}

void CPropertySheet::AddPage(CPropertyPage* pPage) { m_pages.push_back(pPage); }

CPropertyPage* CPropertySheet::GetPage(int nPage) const {
  if (nPage < 0 || nPage >= GetPageCount()) return nullptr;
  return m_pages[static_cast<size_t>(nPage)];
}

BOOL CPropertySheet::CreateSheet(HWND hWndParent, DWORD dwStyle, DWORD dwExStyle) {
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_TAB_CLASSES};
  ::InitCommonControlsEx(&icc);
  // Laid out again once the pages' sizes are known (LayOut).
  CDlgTemplate sheet(dwStyle, 0, 0, 200, 150, m_strCaption, dwExStyle | WS_EX_CONTROLPARENT);
  sheet.AddItem(WC_TABCONTROLA, WS_TABSTOP, 4, 4, 192, 120, AFX_IDC_TAB_CONTROL);
  sheet.AddItem("BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, 90, 130, 50, 14, IDOK, "OK");
  sheet.AddItem("BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 146, 130, 50, 14, IDCANCEL, "Cancel");
  AfxHookWindowCreate(this);
  const HWND hWnd = ::CreateDialogIndirectParamA(AfxGetInstanceHandle(), sheet.Get(), hWndParent,
                                                 &AfxDlgProc, 0);
  AfxUnhookWindowCreate();
  return hWnd != nullptr;
}

LRESULT CPropertySheet::HandleInitDialog(WPARAM, LPARAM) {
  CWnd* pTab = GetTabControl();
  for (int i = 0; i < GetPageCount(); ++i) {
    CPropertyPage* pPage = m_pages[static_cast<size_t>(i)];
    pPage->m_pParentWnd = this;
    if (!pPage->CreatePage(m_hWnd)) continue;
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = pPage->m_strCaption.GetBuffer(pPage->m_strCaption.GetLength());
    pTab->SendMessage(TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    pPage->m_strCaption.ReleaseBuffer();
  }
  LayOut();
  const int nActive = m_nActivePage;
  m_nActivePage = -1;
  SetActivePage(nActive < GetPageCount() ? nActive : 0);
  return TRUE;
}

// Pages at their template size inside the tab control's display area,
// the buttons below on the right, the frame around it all. Pixels.
void CPropertySheet::LayOut() {
  const int kMargin = 7;
  const int kButtonWidth = 75;
  const int kButtonHeight = 23;
  SIZE sizePage = {0, 0};
  for (CPropertyPage* pPage : m_pages) {
    if (pPage->m_hWnd == nullptr) continue;
    RECT rc;
    pPage->GetWindowRect(&rc);
    sizePage.cx = std::max(sizePage.cx, rc.right - rc.left);
    sizePage.cy = std::max(sizePage.cy, rc.bottom - rc.top);
  }
  CWnd* pTab = GetTabControl();
  RECT rcTab = {0, 0, sizePage.cx, sizePage.cy};
  pTab->SendMessage(TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&rcTab));
  ::OffsetRect(&rcTab, kMargin - rcTab.left, kMargin - rcTab.top);
  pTab->MoveWindow(&rcTab, FALSE);
  RECT rcDisplay = rcTab;
  pTab->SendMessage(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rcDisplay));
  for (CPropertyPage* pPage : m_pages) {
    if (pPage->m_hWnd == nullptr) continue;
    // Right after the tab control in the tab order, before the buttons.
    pPage->SetWindowPos(pTab, rcDisplay.left, rcDisplay.top, sizePage.cx, sizePage.cy,
                        SWP_NOACTIVATE);
  }
  const int yButtons = rcTab.bottom + kMargin;
  const int xCancel = rcTab.right - kButtonWidth;
  GetDlgItem(IDCANCEL)->MoveWindow(xCancel, yButtons, kButtonWidth, kButtonHeight, FALSE);
  GetDlgItem(IDOK)->MoveWindow(xCancel - 6 - kButtonWidth, yButtons, kButtonWidth, kButtonHeight,
                               FALSE);
  RECT rcFrame = {0, 0, rcTab.right + kMargin, yButtons + kButtonHeight + kMargin};
  ::AdjustWindowRectEx(&rcFrame, GetStyle(), FALSE, GetExStyle());
  SetWindowPos(nullptr, 0, 0, rcFrame.right - rcFrame.left, rcFrame.bottom - rcFrame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CPropertySheet::SetActivePage(int nPage) {
  CPropertyPage* pNew = GetPage(nPage);
  if (pNew == nullptr || pNew->m_hWnd == nullptr) return FALSE;
  if (nPage == m_nActivePage) return TRUE;
  if (CPropertyPage* pOld = GetActivePage()) {
    if (pOld->m_hWnd != nullptr) pOld->ShowWindow(SW_HIDE);
  }
  m_nActivePage = nPage;
  GetTabControl()->SendMessage(TCM_SETCURSEL, static_cast<WPARAM>(nPage));
  pNew->OnSetActive();
  pNew->ShowWindow(SW_SHOW);
  return TRUE;
}

void CPropertySheet::OnTabSelChanging(NMHDR*, LRESULT* pResult) {
  CPropertyPage* pActive = GetActivePage();
  *pResult = pActive != nullptr && !pActive->OnKillActive();  // TRUE keeps the page
}

void CPropertySheet::OnTabSelChange(NMHDR*, LRESULT* pResult) {
  SetActivePage(static_cast<int>(GetTabControl()->SendMessage(TCM_GETCURSEL)));
  *pResult = 0;
}

void CPropertySheet::OnOK() {
  CPropertyPage* pActive = GetActivePage();
  if (pActive != nullptr && !pActive->OnKillActive()) return;
  for (CPropertyPage* pPage : m_pages) {
    if (pPage->m_hWnd != nullptr) pPage->OnOK();
  }
  EndDialog(IDOK);
}

void CPropertySheet::OnCancel() {
  for (CPropertyPage* pPage : m_pages) {
    if (pPage->m_hWnd != nullptr) pPage->OnCancel();
  }
  EndDialog(IDCANCEL);
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
  return ::IsDialogMessageA(m_hWnd, pMsg);
}

int CPropertySheet::DoModal() {
  AfxModalOwner owner(m_pParentWnd);
  m_nModalResult = -1;
  m_nModalState = kModalRunning;
  const DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
  if (CreateSheet(owner.m_hWnd, dwStyle, 0)) RunModalLoop();
  m_nModalState = kModalIdle;
  owner.Restore(m_hWnd);
  if (m_hWnd != nullptr) DestroyWindow();
  return m_nModalResult;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle) {
  if (dwStyle == static_cast<DWORD>(-1)) {
    dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
  }
  m_pParentWnd = pParentWnd;
  return CreateSheet(pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr, dwStyle, dwExStyle);
}

void CPropertySheet::EndDialog(int nEndID) {
  if (m_nModalState != kModalIdle) {
    EndModalLoop(nEndID);
  } else {
    DestroyWindow();
  }
}
