// CViewW's scrolling: scroll-bar messages, world and pixel distances,
// positions, and the moving of the pixels already drawn.
#include "view/ViewW.h"
#include "view/ViewWInternal.h"

#include "afx/ui/AfxControls.h"

using namespace varnel::view;

namespace {

constexpr UINT kNoCode = kNoScrollCode;

}  // namespace

bool CViewW::SetSmoothScroll(bool bSmooth) {
  const bool bOld = m_bSmoothScroll;
  m_bSmoothScroll = bSmooth;
  return bOld;
}

// A bar control standing in for the window's own bar (a splitter's shared
// bar) decides by being enabled; without one, the window's scroll style.
bool CViewW::IsDirectionAvailable(int nBar) const {
  if (const CScrollBar* pBar = GetScrollBarCtrl(nBar)) return pBar->IsWindowEnabled() != FALSE;
  return (GetStyle() & (nBar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) != 0;
}

int CViewW::MessagePosition(int nBar, UINT nSBCode, UINT nPos) {
  if (nSBCode != SB_THUMBTRACK && nSBCode != SB_THUMBPOSITION) return static_cast<int>(nPos);
  // The message carries only 16 bits of the position.
  SCROLLINFO info = {};
  GetScrollInfo(nBar, &info, SIF_TRACKPOS);
  return info.nTrackPos;
}

void CViewW::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* /*pScrollBar*/) {
  OnScroll(nSBCode | (kNoCode << 8), static_cast<UINT>(MessagePosition(SB_HORZ, nSBCode, nPos)),
           TRUE);
}

void CViewW::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* /*pScrollBar*/) {
  OnScroll(kNoCode | (nSBCode << 8), static_cast<UINT>(MessagePosition(SB_VERT, nSBCode, nPos)),
           TRUE);
}

BOOL CViewW::OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll) {
  const tagSIZE d = ScrollCodeDistance(nScrollCode, static_cast<int>(nPos), m_sizeLine,
                                       m_sizePage, m_rcWindow, m_rcWindowMax);
  if (d.cx == 0 && d.cy == 0) return FALSE;
  const BOOL bMoved = OnScrollByW(CSizeW{d.cx, d.cy}, bDoScroll);
  if (bMoved && bDoScroll) UpdateWindow();
  return bMoved;
}

int CViewW::OnScrollByW(CSizeW sizeScroll, int bDoScroll) {
  const tagSIZE px = WorldToPixelDistance(tagSIZE{sizeScroll.cx, sizeScroll.cy}, GetViewSize(),
                                          GetWindowSize());
  return OnScrollBy(CSize(px), bDoScroll);
}

BOOL CViewW::OnScrollBy(CSize sizeScroll, BOOL bDoScroll) {
  CSize d = sizeScroll;
  if (!IsDirectionAvailable(SB_VERT)) d.cy = 0;
  if (!IsDirectionAvailable(SB_HORZ)) d.cx = 0;
  if (d.cx == 0 && d.cy == 0) return FALSE;

  // The window moves by whole units and the pixels by what that move is in
  // whole pixels on the canvas: the two stay in step, scroll after scroll,
  // also where the maximum window cuts the move short.
  tagRECT target = WindowScrolledBy(m_rcWindow, GetViewSize(), d);
  CheckRange(target);
  if (::EqualRect(&target, &m_rcWindow)) return FALSE;
  if (!bDoScroll) return TRUE;

  const CSize moved(PixelsBetween(m_rcWindow, target, GetViewSize()));
  const BarHold hold(*this);  // the bars are set once, for the target
  if (m_bSmoothScroll && IsSmoothDistance(moved, m_sizePageDev)) {
    ScrollSmoothly(target, moved);
  } else {
    ShiftWindow(moved);
  }
  SetWindow(target, false, sizeDefault, sizeDefault);
  SetScrolledBy(moved);
  return TRUE;
}

// Each step shows its part of the way at once; the remainder is left to
// the ordinary paint, and the bars are set at the end (OnScrollBy holds
// them: a bar's redraw at every step would cost more than the step). The
// steps' windows lie on the canvas between start and target, and each
// moves the pixels by its own canvas distance, so that they add up to the
// whole move.
void CViewW::ScrollSmoothly(const tagRECT& target, CSize size) {
  const tagRECT start = m_rcWindow;
  CSize done(0, 0);
  for (const SmoothMove& move : PlanSmoothScroll(size, m_sizeLineDev, m_sizePageDev)) {
    done += CSize(move.d);
    const tagRECT from = m_rcWindow;
    const tagRECT to = done == size ? target : WindowScrolledBy(start, GetViewSize(), done);
    SetWindow(to, false, sizeDefault, sizeDefault);
    ShiftWindow(CSize(PixelsBetween(from, m_rcWindow, GetViewSize())));
    if (move.bRepaint) UpdateWindow();
  }
}

void CViewW::ScrollToPositionW(CPointW pt) {
  const tagPOINT to = ClampScrollTarget(tagPOINT{pt.x, pt.y}, m_rcWindow, m_rcWindowMax);
  const CSizeW d{AfxWrapSub(to.x, m_rcWindow.left), AfxWrapSub(to.y, m_rcWindow.top)};
  if (OnScrollByW(d, TRUE)) UpdateWindow();
}

void CViewW::ShiftWindow(CSize size) {
  m_ptBrushOrg.x = ShiftBrushOrigin(m_ptBrushOrg.x, size.cx);
  m_ptBrushOrg.y = ShiftBrushOrigin(m_ptBrushOrg.y, size.cy);
  const bool bBorder = m_rcViewBorder.left != 0 || m_rcViewBorder.top != 0 ||
                       m_rcViewBorder.right != 0 || m_rcViewBorder.bottom != 0;
  // With a border only the view moves (and the pixel the window's right
  // and bottom edges land on); without one the whole client area.
  CRect rcClip(m_rcView);
  rcClip.right = AfxWrapAdd(rcClip.right, 1);
  rcClip.bottom = AfxWrapAdd(rcClip.bottom, 1);
  ScrollWindowEx(AfxWrapNeg(size.cx), AfxWrapNeg(size.cy), nullptr, bBorder ? &rcClip : nullptr,
                 nullptr, nullptr, SW_INVALIDATE | SW_ERASE);
}
