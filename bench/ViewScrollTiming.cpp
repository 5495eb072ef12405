// Timing of one line scroll of a world view that draws 5,000 filled
// polygons, run by hand under Wine (not a test): the view's own scroll,
// which moves the pixels already drawn and repaints the uncovered strip,
// against setting the same window with a full redraw. Each figure is the
// median of kRepetitions scrolls after one warm-up, both variants in turn
// in every round (down, then back up). The painted area is the clip boxes
// OnDraw received. Both variants must leave the same pixels: checked first.
// Both also set the window, which redraws the scroll bars; that part is
// timed on its own (SetWindow without a repaint) and shown beside the rest.
#include "Varnel.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRepetitions = 41;
constexpr int kColumns = 100;
constexpr int kRows = 50;
constexpr int kCorners = 6;
constexpr int kViewWidth = 800;
constexpr int kViewHeight = 600;
constexpr LONG kUnitsPerPixel = 50;  // a line (1/15 of the window) is 40 pixels exactly

using Clock = std::chrono::steady_clock;

// The process's processor time (user and kernel), in seconds: the work of
// the program itself, without the waits on the X server.
double CpuSeconds() {
  FILETIME created, exited, kernel, user;
  ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto seconds = [](const FILETIME& t) {
    return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                               t.dwLowDateTime) * 1e-7;
  };
  return seconds(kernel) + seconds(user);
}

double Median(std::vector<double> samples) {
  samples.erase(samples.begin());  // the warm-up
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() / 2];
}

class CPolygonView : public CViewW {
 public:
  CPolygonView() {
    // Hexagons of radius 10 pixels on a grid over the maximum window.
    const LONG cell = 1000;
    for (int row = 0; row < kRows; ++row) {
      for (int col = 0; col < kColumns; ++col) {
        const LONG cx = col * cell + cell / 2;
        const LONG cy = row * cell * 2 + cell / 2;
        const LONG r = 10 * kUnitsPerPixel;
        const POINT hex[kCorners] = {{cx - r, cy},         {cx - r / 2, cy + r}, {cx + r / 2, cy + r},
                                     {cx + r, cy},         {cx + r / 2, cy - r}, {cx - r / 2, cy - r}};
        m_world.insert(m_world.end(), hex, hex + kCorners);
      }
    }
    m_logical.resize(m_world.size());
  }
  long long paintedArea = 0;
  // Draw only the polygons that reach into the clip box, as a host that
  // culls does; otherwise every polygon is drawn and GDI clips them.
  bool bCull = false;

  void OnDraw(CDC* pDC) override {
    CRect clip;
    pDC->GetClipBox(&clip);
    pDC->LPtoDP(&clip);
    clip.NormalizeRect();
    paintedArea += static_cast<long long>(clip.Width()) * clip.Height();
    const int nSaved = pDC->SaveDC();
    pDC->SetMapMode(MM_TEXT);
    pDC->SetWindowOrg(0, 0);
    pDC->SetViewportOrg(0, 0);
    pDC->FillSolidRect(&clip, RGB(255, 255, 255));
    pDC->RestoreDC(nSaved);

    WPtoLP(pDC, m_world.data(), m_logical.data(), static_cast<int>(m_world.size()));
    CRect logicalClip;
    pDC->GetClipBox(&logicalClip);
    logicalClip.NormalizeRect();
    CBrush brush(RGB(40, 90, 200));
    CBrush* pOld = pDC->SelectObject(&brush);
    for (size_t i = 0; i < m_logical.size(); i += kCorners) {
      if (bCull && !Reaches(&m_logical[i], logicalClip)) continue;
      pDC->Polygon(&m_logical[i], kCorners);
    }
    pDC->SelectObject(pOld);
  }

 private:
  static bool Reaches(const POINT* p, const CRect& clip) {
    LONG l = p[0].x, r = p[0].x, b = p[0].y, t = p[0].y;
    for (int k = 1; k < kCorners; ++k) {
      l = std::min(l, p[k].x);
      r = std::max(r, p[k].x);
      b = std::min(b, p[k].y);
      t = std::max(t, p[k].y);
    }
    return r >= clip.left && l <= clip.right && t >= clip.top && b <= clip.bottom;
  }

  std::vector<POINT> m_world;
  std::vector<POINT> m_logical;
};

void Pump() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

std::vector<COLORREF> ClientPixels(CWnd* pWnd) {
  CClientDC dc(pWnd);
  std::vector<COLORREF> pixels;
  pixels.reserve(kViewWidth * kViewHeight);
  for (int y = 0; y < kViewHeight; y += 3)
    for (int x = 0; x < kViewWidth; x += 3) pixels.push_back(dc.GetPixel(x, y));
  return pixels;
}

template <class Shift, class Redraw>
void Measure(const char* what, bool same, Shift shift, Redraw redraw, const CRect& start,
             const CRect& below, CPolygonView& view) {
  const UINT kDown = 255 | (SB_LINEDOWN << 8);
  const UINT kUp = 255 | (SB_LINEUP << 8);
  std::vector<double> shiftTimes, redrawTimes, barTimes;
  double shiftCpu = 0, redrawCpu = 0;
  long long shiftArea = 0, redrawArea = 0;
  for (int round = 0; round <= kRepetitions; ++round) {
    for (UINT code : {kDown, kUp}) {
      view.paintedArea = 0;
      const double c0 = CpuSeconds();
      const Clock::time_point t0 = Clock::now();
      shift(code);
      shiftTimes.push_back(std::chrono::duration<double>(Clock::now() - t0).count());
      shiftCpu += CpuSeconds() - c0;
      shiftArea = view.paintedArea;
    }
    for (const CRect* window : {&below, &start}) {
      view.paintedArea = 0;
      const double c0 = CpuSeconds();
      const Clock::time_point t0 = Clock::now();
      redraw(*window);
      redrawTimes.push_back(std::chrono::duration<double>(Clock::now() - t0).count());
      redrawCpu += CpuSeconds() - c0;
      redrawArea = view.paintedArea;
    }
    // What both share: the window set and the bars redrawn, nothing painted.
    for (const CRect* window : {&below, &start}) {
      const Clock::time_point t0 = Clock::now();
      view.SetWindow(*window, false, CSize(0, 0), CSize(0, 0));
      barTimes.push_back(std::chrono::duration<double>(Clock::now() - t0).count());
    }
  }
  const double bars = Median(barTimes);
  std::printf("one line scroll (40 px) of a %d x %d view of %d hexagons, %s; medians of %d\n",
              kViewWidth, kViewHeight, kColumns * kRows, what, 2 * kRepetitions);
  std::printf("  same pixels both ways: %s\n", same ? "yes" : "NO");
  std::printf("  shift and repaint the strip  %8.3f ms  painted %lld px\n",
              Median(shiftTimes) * 1e3, shiftArea);
  std::printf("  invalidate the whole view    %8.3f ms  painted %lld px\n",
              Median(redrawTimes) * 1e3, redrawArea);
  std::printf("  ratio full / strip           %8.2f\n", Median(redrawTimes) / Median(shiftTimes));
  const double n = 2.0 * (kRepetitions + 1);
  std::printf("  processor time of this process: strip %.3f ms, full %.3f ms, ratio %.2f\n",
              shiftCpu / n * 1e3, redrawCpu / n * 1e3, redrawCpu / shiftCpu);
  std::printf("  of which the bars' update    %8.3f ms (both); beyond it: strip %.3f ms, full "
              "%.3f ms, ratio %.2f\n",
              bars * 1e3, (Median(shiftTimes) - bars) * 1e3, (Median(redrawTimes) - bars) * 1e3,
              (Median(redrawTimes) - bars) / (Median(shiftTimes) - bars));
}

}  // namespace

int main() {
  CWinApp app("ViewScrollTiming");
  auto* frame = new CFrameWnd;
  auto* view = new CPolygonView;
  const int cx = kViewWidth + ::GetSystemMetrics(SM_CXVSCROLL);
  const int cy = kViewHeight + ::GetSystemMetrics(SM_CYHSCROLL);
  frame->Create(nullptr, "View scroll timing", WS_POPUP, CRect(0, 0, cx, cy));
  view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL,
               CRect(0, 0, 10, 10), frame, AFX_IDW_PANE_FIRST);
  frame->SetActiveView(view);
  frame->RecalcLayout();
  frame->ShowWindow(SW_SHOW);
  view->SetWindowMax(CRect(0, kRows * 2000, kColumns * 1000, 0), false);
  const CRect start(0, 60000, kViewWidth * kUnitsPerPixel, 60000 - kViewHeight * kUnitsPerPixel);
  view->SetWindow(start, true, CSize(0, 0), CSize(0, 0));
  view->UpdateWindow();
  Pump();
  CRect rcView;
  view->GetView(&rcView);
  if (rcView.Width() != kViewWidth || rcView.Height() != kViewHeight) {
    std::printf("the view is %d x %d, not %d x %d\n", rcView.Width(), rcView.Height(), kViewWidth,
                kViewHeight);
    return 1;
  }
  const UINT kDown = 255 | (SB_LINEDOWN << 8);
  const UINT kUp = 255 | (SB_LINEUP << 8);
  const CRect below(start.left, start.top - 2000, start.right, start.bottom - 2000);

  // The shift and the strip, and the full redraw, as the view does them.
  auto shift = [&](UINT code) { view->OnScroll(code, 0, TRUE); };
  auto redraw = [&](const CRect& window) {
    view->SetWindow(window, true, CSize(0, 0), CSize(0, 0));
    view->UpdateWindow();
  };

  bool bSame = true;
  for (bool bCull : {false, true}) {
    view->bCull = bCull;
    redraw(start);
    shift(kDown);
    const std::vector<COLORREF> shifted = ClientPixels(view);
    shift(kUp);
    redraw(below);
    const bool same = shifted == ClientPixels(view);
    bSame = bSame && same;
    redraw(start);
    Measure(bCull ? "culling to the clip box" : "drawing every polygon", same, shift, redraw, start,
            below, *view);
  }
  frame->DestroyWindow();
  return bSame ? 0 : 1;
}
