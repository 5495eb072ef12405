// The tour's steps on a monitor of another density: the frame is told as
// the system tells a program aware of each monitor's density (WM_DPICHANGED
// with the new density and the rectangle that keeps the frame as large to
// the eye), and back again. The view's scale follows the density, so that
// the zoom figure (world inches to screen inches) stays; it shows the same
// part of the sign where the view grew as the density did (Wine's caption,
// menu and bars keep their size, so here the view grows more in height),
// and the same again once back.
#include "SignTour.h"

#include <cstdlib>

namespace tour {

namespace {

UINT g_nDpiBefore = 0;
CRect g_rcFrameBefore;
CRect g_rcWindowBefore;
double g_dZoomBefore = 0;

// Sends the frame to a monitor of density nDpi: its rectangle grows about
// its top-left corner as the density does.
void MoveToDensity(UINT nDpi) {
  const UINT nNow = AfxGetWindowDpi(Frame()->m_hWnd);
  CRect rc;
  Frame()->GetWindowRect(&rc);
  CRect rcSuggested(rc.TopLeft(), CSize(::MulDiv(rc.Width(), static_cast<int>(nDpi), static_cast<int>(nNow)),
                                        ::MulDiv(rc.Height(), static_cast<int>(nDpi), static_cast<int>(nNow))));
  Frame()->SendMessage(WM_DPICHANGED, MAKEWPARAM(nDpi, nDpi), reinterpret_cast<LPARAM>(&rcSuggested));
}

// The same rectangle, but for a world unit's rounding on each side.
bool SameWindow(const CRect& rc, const CRect& rcBefore) {
  return rc.left == rcBefore.left && rc.bottom == rcBefore.bottom &&
         std::abs(rc.right - rcBefore.right) <= 1 && std::abs(rc.top - rcBefore.top) <= 1;
}

}  // namespace

std::vector<TourStep> MonitorSteps() {
  return {
      {"denser-monitor",
       [] {
         g_nDpiBefore = AfxGetWindowDpi(Frame()->m_hWnd);
         Frame()->GetWindowRect(&g_rcFrameBefore);
         g_rcWindowBefore = View()->Window();
         g_dZoomBefore = View()->ZoomPercent();
         MoveToDensity(g_nDpiBefore * 5 / 4);
       },
       [] {
         CRect rc;
         Frame()->GetWindowRect(&rc);
         Expect(AfxGetWindowDpi(View()->m_hWnd) == g_nDpiBefore * 5 / 4 &&
                    rc.Width() == ::MulDiv(g_rcFrameBefore.Width(), 5, 4),
                "on a monitor of " + std::to_string(g_nDpiBefore * 5 / 4) +
                    " dots per inch the frame took the suggested rectangle (" +
                    std::to_string(rc.Width()) + " x " + std::to_string(rc.Height()) + ")");
         const CRect rcWindow = View()->Window();
         Expect(rcWindow.left == g_rcWindowBefore.left &&
                    rcWindow.bottom == g_rcWindowBefore.bottom &&
                    Near(View()->ZoomPercent(), g_dZoomBefore, g_dZoomBefore / 1000),
                "the scale followed the density: the zoom figure stays at " +
                    std::to_string(View()->ZoomPercent()) + " %, the view shows " +
                    Describe(rcWindow) + " (" + Describe(g_rcWindowBefore) + " before)");
         Picture(Frame()->m_hWnd, "denser-monitor");
       }},
      {"monitor-back",
       [] { MoveToDensity(g_nDpiBefore); },
       [] {
         CRect rc;
         Frame()->GetWindowRect(&rc);
         Expect(rc == g_rcFrameBefore && SameWindow(View()->Window(), g_rcWindowBefore),
                "back on the first monitor: the frame as it was, the view showing " +
                    Describe(View()->Window()));
       }},
  };
}

}  // namespace tour
