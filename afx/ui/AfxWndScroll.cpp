// CWnd's scroll bars: its own, or a scroll-bar control standing in for
// one (GetScrollBarCtrl), which the members then act on.
#include "afx/ui/AfxControls.h"

#include <algorithm>

// ---- scroll bars ------------------------------------------------------------------------

CScrollBar* CWnd::GetScrollBarCtrl(int) const { return nullptr; }

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw) {
  lpScrollInfo->cbSize = sizeof(SCROLLINFO);
  if (CScrollBar* pBar = GetScrollBarCtrl(nBar)) {
    return pBar->SetScrollInfo(lpScrollInfo, bRedraw);
  }
  ::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw);
  return TRUE;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) {
  lpScrollInfo->cbSize = sizeof(SCROLLINFO);
  lpScrollInfo->fMask = nMask;
  if (CScrollBar* pBar = GetScrollBarCtrl(nBar)) return pBar->GetScrollInfo(lpScrollInfo, nMask);
  return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}

int CWnd::GetScrollPos(int nBar) const {
  if (CScrollBar* pBar = GetScrollBarCtrl(nBar)) return pBar->GetScrollPos();
  return ::GetScrollPos(m_hWnd, nBar);
}

int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw) {
  if (CScrollBar* pBar = GetScrollBarCtrl(nBar)) return pBar->SetScrollPos(nPos, bRedraw);
  return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw);
}

void CWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const {
  if (CScrollBar* pBar = GetScrollBarCtrl(nBar)) {
    pBar->GetScrollRange(lpMinPos, lpMaxPos);
  } else {
    ::GetScrollRange(m_hWnd, nBar, lpMinPos, lpMaxPos);
  }
}

void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw) {
  if (CScrollBar* pBar = GetScrollBarCtrl(nBar)) {
    pBar->SetScrollRange(nMinPos, nMaxPos, bRedraw);
  } else {
    ::SetScrollRange(m_hWnd, nBar, nMinPos, nMaxPos, bRedraw);
  }
}

int CWnd::GetScrollLimit(int nBar) {
  SCROLLINFO info = {};
  if (!GetScrollInfo(nBar, &info, SIF_RANGE | SIF_PAGE)) return 0;
  return info.nMax - std::max(static_cast<int>(info.nPage) - 1, 0);
}

void CWnd::ShowScrollBar(UINT nBar, BOOL bShow) {
  ::ShowScrollBar(m_hWnd, static_cast<int>(nBar), bShow);
}

void CWnd::EnableScrollBarCtrl(int nBar, BOOL bEnable) {
  if (nBar == SB_BOTH) {
    EnableScrollBarCtrl(SB_HORZ, bEnable);
    EnableScrollBarCtrl(SB_VERT, bEnable);
    return;
  }
  if (CScrollBar* pBar = GetScrollBarCtrl(nBar)) {
    pBar->EnableWindow(bEnable);
  } else {
    ::ShowScrollBar(m_hWnd, nBar, bEnable);
  }
}
