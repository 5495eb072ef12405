#include "afx/ui/AfxStatusBar.h"

#include "afx/app/AfxApp.h"

#include <commctrl.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

namespace {

// Space around a pane's text, in pixels.
constexpr int kPaneBorder = 6;

// Enables (shows), pops out (checks) and fills one pane.
class CStatusCmdUI : public CCmdUI {
 public:
  void Enable(BOOL bOn) override {
    m_bEnableChanged = TRUE;
    auto* pBar = static_cast<CStatusBar*>(m_pOther);
    const int nIndex = static_cast<int>(m_nIndex);
    const UINT nOld = pBar->GetPaneStyle(nIndex);
    const UINT nNew = bOn ? nOld & ~static_cast<UINT>(SBPS_DISABLED) : nOld | SBPS_DISABLED;
    if (nNew != nOld) pBar->SetPaneStyle(nIndex, nNew);
  }
  void SetCheck(int nCheck) override {
    auto* pBar = static_cast<CStatusBar*>(m_pOther);
    const int nIndex = static_cast<int>(m_nIndex);
    const UINT nOld = pBar->GetPaneStyle(nIndex);
    const UINT nNew = nCheck != 0 ? nOld | SBPS_POPOUT : nOld & ~static_cast<UINT>(SBPS_POPOUT);
    if (nNew != nOld) pBar->SetPaneStyle(nIndex, nNew);
  }
  void SetText(LPCSTR lpszText) override {
    static_cast<CStatusBar*>(m_pOther)->SetPaneText(static_cast<int>(m_nIndex), lpszText);
  }
};

}  // namespace

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
  return CreateEx(pParentWnd, 0, dwStyle, nID);
}

BOOL CStatusBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID) {
  if (pParentWnd == nullptr) return FALSE;
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&icc);
  DWORD dwWindowStyle = TakeBarStyle(dwStyle) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NORESIZE |
                        CCS_NODIVIDER | WS_CHILD;
  // A frame that can be resized gets the grip in the corner.
  if ((pParentWnd->GetStyle() & WS_THICKFRAME) != 0) dwWindowStyle |= SBARS_SIZEGRIP;
  if (!CWnd::CreateEx(0, STATUSCLASSNAMEA, nullptr, dwWindowStyle, 0, 0, 0, 0, pParentWnd->m_hWnd,
                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)))) {
    return FALSE;
  }
  // Measured and drawn in the same font.
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)));
  if (CFrameWnd* pFrame = GetDockingFrame()) pFrame->RecalcLayout();
  return TRUE;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount) {
  if (nIDCount < 0) return FALSE;
  BOOL bOk = TRUE;
  m_panes.assign(static_cast<size_t>(nIDCount), Pane());
  for (int i = 0; i < nIDCount; ++i) {
    Pane& pane = m_panes[static_cast<size_t>(i)];
    pane.nID = lpIDArray != nullptr ? lpIDArray[i] : ID_SEPARATOR;
    if (pane.nID == ID_SEPARATOR) {
      // The first pane holds the messages: it takes the room left.
      if (i == 0) pane.nStyle = SBPS_NOBORDERS | SBPS_STRETCH;
      continue;
    }
    if (!AfxLoadString(pane.nID, pane.strText)) bOk = FALSE;
    pane.cxText = TextWidth(pane.strText);
  }
  m_nCount = nIDCount;
  UpdateParts();
  return bOk;
}

int CStatusBar::TextWidth(LPCSTR lpszText) const {
  if (m_hWnd == nullptr) return 0;
  const HDC hDC = ::GetDC(m_hWnd);
  auto hFont = reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
  if (hFont == nullptr) hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  const HGDIOBJ hOld = ::SelectObject(hDC, hFont);
  SIZE size = {0, 0};
  ::GetTextExtentPoint32A(hDC, lpszText, ::lstrlenA(lpszText), &size);
  ::SelectObject(hDC, hOld);
  ::ReleaseDC(m_hWnd, hDC);
  return size.cx;
}

void CStatusBar::UpdateParts() {
  if (m_hWnd == nullptr) return;
  const int nPanes = static_cast<int>(m_panes.size());
  int borders[3] = {0, 0, 0};  // horizontal, vertical, between panes
  SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
  CRect rcClient;
  GetClientRect(&rcClient);
  int cxGrip = (GetStyle() & SBARS_SIZEGRIP) != 0 ? ::GetSystemMetrics(SM_CXVSCROLL) : 0;
  // What the stretching panes share: the width less the fixed panes and
  // the gaps between panes.
  int cxFixed = 0, nStretch = 0;
  for (const Pane& pane : m_panes) {
    if ((pane.nStyle & SBPS_STRETCH) != 0) {
      ++nStretch;
    } else {
      cxFixed += pane.cxText + kPaneBorder;
    }
  }
  const int cxFree = std::max(0, rcClient.Width() - 2 * borders[0] - cxGrip - cxFixed -
                                     std::max(0, nPanes - 1) * borders[2]);
  std::vector<int> rights(static_cast<size_t>(std::max(1, nPanes)));
  int x = borders[0], nStretchSeen = 0;
  for (int i = 0; i < nPanes; ++i) {
    const Pane& pane = m_panes[static_cast<size_t>(i)];
    int cx = pane.cxText + kPaneBorder;
    if ((pane.nStyle & SBPS_STRETCH) != 0) {
      // The last stretching pane takes what the division leaves over.
      ++nStretchSeen;
      cx = nStretchSeen < nStretch ? cxFree / nStretch : cxFree - (nStretch - 1) * (cxFree / nStretch);
    }
    rights[static_cast<size_t>(i)] = x + cx;
    x += cx + borders[2];
  }
  if (nPanes == 0) rights[0] = -1;  // one empty part across the bar
  SendMessage(SB_SETPARTS, static_cast<WPARAM>(std::max(1, nPanes)),
              reinterpret_cast<LPARAM>(rights.data()));
  for (int i = 0; i < nPanes; ++i) ShowPane(i);
}

void CStatusBar::ShowPane(int nIndex) {
  if (m_hWnd == nullptr || !IsPane(nIndex)) return;
  const Pane& pane = m_panes[static_cast<size_t>(nIndex)];
  WPARAM nHow = static_cast<WPARAM>(nIndex);
  if ((pane.nStyle & SBPS_NOBORDERS) != 0) nHow |= SBT_NOBORDERS;
  if ((pane.nStyle & SBPS_POPOUT) != 0) nHow |= SBT_POPOUT;
  const LPCSTR lpszShown = (pane.nStyle & SBPS_DISABLED) != 0 ? "" : static_cast<LPCSTR>(pane.strText);
  SendMessage(SB_SETTEXTA, nHow, reinterpret_cast<LPARAM>(lpszShown));
}

int CStatusBar::CommandToIndex(UINT nIDFind) const {
  for (size_t i = 0; i < m_panes.size(); ++i) {
    if (m_panes[i].nID == nIDFind) return static_cast<int>(i);
  }
  return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const {
  return IsPane(nIndex) ? m_panes[static_cast<size_t>(nIndex)].nID : ID_SEPARATOR;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const {
  *lpRect = RECT{0, 0, 0, 0};
  ::SendMessageA(m_hWnd, SB_GETRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect));
}

CString CStatusBar::GetPaneText(int nIndex) const {
  return IsPane(nIndex) ? m_panes[static_cast<size_t>(nIndex)].strText : CString();
}

void CStatusBar::GetPaneText(int nIndex, CString& rString) const { rString = GetPaneText(nIndex); }

BOOL CStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate) {
  if (!IsPane(nIndex)) return FALSE;
  Pane& pane = m_panes[static_cast<size_t>(nIndex)];
  const CString text(lpszNewText != nullptr ? lpszNewText : "");
  if (pane.strText == text) return TRUE;
  pane.strText = text;
  ShowPane(nIndex);
  if (bUpdate) UpdateWindow();
  return TRUE;
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const {
  const Pane pane = IsPane(nIndex) ? m_panes[static_cast<size_t>(nIndex)] : Pane();
  nID = pane.nID;
  nStyle = pane.nStyle;
  cxWidth = pane.cxText;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth) {
  if (!IsPane(nIndex)) return;
  Pane& pane = m_panes[static_cast<size_t>(nIndex)];
  pane.nID = nID;
  pane.nStyle = nStyle;
  pane.cxText = cxWidth;
  UpdateParts();
}

UINT CStatusBar::GetPaneStyle(int nIndex) const {
  return IsPane(nIndex) ? m_panes[static_cast<size_t>(nIndex)].nStyle : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle) {
  if (!IsPane(nIndex)) return;
  Pane& pane = m_panes[static_cast<size_t>(nIndex)];
  if (pane.nStyle == nStyle) return;
  const bool bWidthChanged = ((pane.nStyle ^ nStyle) & SBPS_STRETCH) != 0;
  pane.nStyle = nStyle;
  if (bWidthChanged) {
    UpdateParts();
  } else {
    ShowPane(nIndex);
  }
}

CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  // The font's height, the control's borders and the panes' own edges.
  TEXTMETRICA tm = {};
  if (m_hWnd != nullptr) {
    const HDC hDC = ::GetDC(m_hWnd);
    auto hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    const HGDIOBJ hOld = ::SelectObject(hDC, hFont != nullptr ? hFont : ::GetStockObject(DEFAULT_GUI_FONT));
    ::GetTextMetricsA(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
  }
  int borders[3] = {0, 0, 0};
  if (m_hWnd != nullptr) SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
  const int cy = tm.tmHeight + 2 * borders[1] + 4 + m_cyTopBorder + m_cyBottomBorder;
  return Stretched(bHorz ? CSize(0, cy) : CSize(cy, 0), bStretch, bHorz);
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL /*bDisableIfNoHndler*/) {
  // A pane without a handler keeps its state: panes are never greyed for
  // want of one.
  CStatusCmdUI state;
  state.m_pOther = this;
  state.m_nIndexMax = static_cast<UINT>(m_panes.size());
  for (size_t i = 0; i < m_panes.size(); ++i) {
    if (m_panes[i].nID == ID_SEPARATOR) continue;
    state.m_nIndex = static_cast<UINT>(i);
    state.m_nID = m_panes[i].nID;
    state.DoUpdate(pTarget, FALSE);
  }
}

LRESULT CStatusBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE: {
      const LRESULT result = CControlBar::WindowProc(message, wParam, lParam);
      UpdateParts();
      return result;
    }
    case WM_SETTEXT:  // the window's text is the first pane's
      SetPaneText(0, reinterpret_cast<LPCSTR>(lParam), FALSE);
      return TRUE;
    default:
      return CControlBar::WindowProc(message, wParam, lParam);
  }
}
