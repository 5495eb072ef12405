#include "controls/Rubberband.h"

#include "afx/wnd/AfxDpi.h"

#include <algorithm>
#include <cstdlib>

using namespace varnel::controls;

CRubberband::CRubberband(CWnd* pWnd, UINT nFlags) : m_nFlags(nFlags), m_pWnd(pWnd) {}

namespace {

// Lets pending paints through so that the band is drawn over an up-to-date
// window.
void DispatchPendingPaints() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE)) {
    if (!::GetMessageA(&msg, nullptr, WM_PAINT, WM_PAINT)) {
      AfxPostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    ::DispatchMessageA(&msg);
  }
}

// A mouse message's position in screen coordinates: its client position
// in the window it went to.
CPoint ScreenPointOf(const MSG& msg) {
  POINT pt = {static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
  ::ClientToScreen(msg.hwnd, &pt);
  return pt;
}

}  // namespace

void CRubberband::Begin(CPoint point) {
  m_ptStart = m_ptCurrent = point;
  m_rect.SetRect(point.x, point.y, point.x, point.y);
  m_rectLast.SetRectEmpty();
  m_sizeLast = CSize(0, 0);
  m_pDC = m_pWnd->GetDCEx(nullptr, DCX_CACHE);
  m_pWnd->SetCapture();
}

void CRubberband::End() {
  ::ReleaseCapture();
  m_pWnd->ReleaseDC(m_pDC);
  m_pDC = nullptr;
}

int CRubberband::DoRubberband(UINT& nFlags, CPoint& point, CRect* pRect) {
  DispatchPendingPaints();
  if (::GetCapture() != nullptr) return 0;
  Begin(point);
  m_pWnd->ClientToScreen(&point);
  Move(0, point);
  const UINT nResult = Track(true);
  DrawRubberband(TRUE);
  End();
  if (pRect != nullptr) *pRect = m_rect;
  nFlags = m_nKeyFlags;
  point = m_ptCurrent;
  return nResult == RBT_LEFTUP || nResult == RBT_RIGHT ? 1 : 0;
}

int CRubberband::DoRubberband(UINT& nFlags, CPoint point, CArray<CPoint, CPoint&>& points) {
  DispatchPendingPaints();
  if (::GetCapture() != nullptr) return 0;
  Begin(point);
  points.Add(point);
  CPoint screen = point;
  m_pWnd->ClientToScreen(&screen);
  Move(0, screen);

  UINT nResult = RBT_CANCEL;
  for (UINT nLast = RBT_CANCEL;; nLast = nResult) {
    nResult = Track(nLast != RBT_LEFTUP);
    if (nResult == RBT_NEWANCHOR) {
      // A new polyline; the one drawn so far stays on screen.
      m_ptCurrent = m_ptStart;
      m_rect.SetRect(m_ptStart.x, m_ptStart.y, m_ptStart.x, m_ptStart.y);
      m_rectLast.SetRectEmpty();
      CPoint separator(-1, -1);
      points.Add(separator);
      points.Add(m_ptStart);
      screen = m_ptStart;
      m_pWnd->ClientToScreen(&screen);
      Move(0, screen);
      continue;
    }
    // The segment stays as last drawn: its end is the next vertex.
    m_rect = m_rectLast;
    m_ptStart = m_ptCurrent = CPoint(m_rect.right, m_rect.bottom);
    m_sizeLast = CSize(0, 0);
    if (nResult == RBT_LEFTUP) {
      points.Add(m_ptStart);
    } else if (nResult != RBT_SAMEANCHOR) {
      break;
    }
  }
  DrawRubberband(TRUE);
  End();
  nFlags = m_nKeyFlags;
  return nResult == RBT_RIGHT ? 1 : 0;
}

UINT CRubberband::Track(bool bFollowMouse) {
  if (::GetCapture() != m_pWnd->m_hWnd) return RBT_CANCEL;
  for (;;) {
    MSG msg;
    if (::GetMessageA(&msg, nullptr, 0, 0) <= 0) {
      // The host's own loop must still see the quit message.
      AfxPostQuitMessage(static_cast<int>(msg.wParam));
      return RBT_CANCEL;
    }
    switch (msg.message) {
      case WM_LBUTTONUP:
        return RBT_LEFTUP;
      case WM_KEYDOWN:
        if (msg.wParam == VK_ESCAPE) return RBT_CANCEL;
        break;  // other keys are swallowed
      case WM_MOUSEMOVE:
        if (bFollowMouse) Move(static_cast<UINT>(msg.wParam), ScreenPointOf(msg));
        break;
      case WM_LBUTTONDOWN: {
        CPoint press = ScreenPointOf(msg);
        m_pWnd->ScreenToClient(&press);
        if (IsSameAnchor(m_ptStart, press, Pixels(kRubberbandSameAnchorReach))) {
          return RBT_SAMEANCHOR;
        }
        m_ptStart = press;
        return RBT_NEWANCHOR;
      }
      case WM_RBUTTONDOWN:
      case WM_RBUTTONUP:
        return RBT_RIGHT;
      default:
        ::DispatchMessageA(&msg);
        break;
    }
    if (::GetCapture() != m_pWnd->m_hWnd) return RBT_CANCEL;
  }
}

void CRubberband::Move(UINT nFlags, CPoint point) {
  m_pWnd->ScreenToClient(&point);
  point = ConstrainToAnchor(m_ptStart, point, m_nFlags, nFlags);
  if ((m_nFlags & RBS_AUTOSCROLL) != 0 && m_pWnd->IsKindOf(RUNTIME_CLASS(CView))) {
    AutoScroll(point);
  }
  m_ptCurrent = point;
  m_nKeyFlags = nFlags;
  if ((m_nFlags & RBS_RECT) != 0) {
    m_rect.SetRect(std::min(m_ptStart.x, point.x), std::min(m_ptStart.y, point.y),
                   std::max(m_ptStart.x, point.x), std::max(m_ptStart.y, point.y));
  } else {
    m_rect.SetRect(m_ptStart.x, m_ptStart.y, point.x, point.y);
  }
  DrawRubberband(FALSE);
}

void CRubberband::AutoScroll(CPoint& point) {
  CRect client;
  m_pWnd->GetClientRect(&client);
  const CSize scroll = AutoScrollAmount(client, point);
  if (scroll.cx == 0 && scroll.cy == 0) return;
  DrawRubberband(TRUE);
  // The view may move its content by less than asked (at the end of its
  // range) or by other than asked (to its own steps): the anchor follows
  // the content by what it really moved.
  CSize moved;
  if (!static_cast<CView*>(m_pWnd)->ScrollContentBy(scroll, &moved)) return;
  m_pWnd->UpdateWindow();
  MSG msg;
  if ((std::abs(scroll.cy) > 3 || std::abs(scroll.cx) > 3) &&
      !::PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE)) {
    // A new mouse move comes, so the view keeps scrolling while the
    // mouse is held still outside.
    CPoint screen = point;
    m_pWnd->ClientToScreen(&screen);
    ::SetCursorPos(screen.x, screen.y);
  }
  m_ptStart -= moved;
  point -= scroll;  // back onto the edge the pointer left by
}

// Read at each use: a band tracked while its window moves to a monitor of
// another density takes the new one at the next move.
LONG CRubberband::Pixels(LONG n96) const {
  return RubberbandPixels(n96, AfxGetWindowDpi(m_pWnd->m_hWnd));
}

void CRubberband::DrawRubberband(int bRemove) {
  const int t = bRemove ? 0 : Pixels(kRubberbandWidth);
  if ((m_nFlags & RBS_RECT) != 0) {
    m_pDC->DrawDragRect(&m_rect, CSize(t, t), &m_rectLast, m_sizeLast, nullptr, nullptr);
  } else {
    DrawDragLine(m_pDC, &m_rect, CSize(t, t), &m_rectLast, m_sizeLast);
  }
  m_rectLast = m_rect;
  m_sizeLast = CSize(t, t);
}

void CRubberband::DrawDragLine(CDC* pDC, RECT* lpRect, SIZE size, RECT* lpRectLast,
                               SIZE sizeLast) {
  pDC->SetROP2(R2_XORPEN);
  auto drawLine = [pDC](const RECT& rc, int nWidth) {
    CPen pen(PS_SOLID, nWidth, RGB(192, 192, 192));
    CPen* pOld = pDC->SelectObject(&pen);
    pDC->MoveTo(rc.left, rc.top);
    pDC->LineTo(rc.right, rc.bottom);
    pDC->SelectObject(pOld);
  };
  if (lpRectLast != nullptr && sizeLast.cx != 0) drawLine(*lpRectLast, sizeLast.cx);
  if (lpRect != nullptr && size.cx != 0) drawLine(*lpRect, size.cx);
}
