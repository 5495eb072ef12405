// Timing of one line scroll of a world view that draws 5,000 filled
// polygons, run by hand under Wine (not a test): the view's own scroll,
// which moves the pixels already drawn and repaints the uncovered strip,
// against setting the same window with a full redraw. Each figure is the
// median of kRepetitions scrolls after one warm-up, both variants in turn
// in every round (down, then back up). The painted area is the clip boxes
// OnDraw received. Both variants must leave the same pixels: checked first.
// Both also set the window, which sets the scroll bars: the bar updates
// (the view's SetBarInfo) are timed inside each scroll and shown beside
// the rest. Then a smooth scroll of a page, down and back up, by the host
// that culls: the processor time and the wall time of each step (from one
// repaint of a step to the next), the slowest step shown. Last, one bar's
// redraw alone: the view's own bar against a scroll-bar control (what a
// view given control bars through GetScrollBarCtrl redraws), and whether
// a theme draws them. Under Wine the theme, not the kind of bar, decides
// what a bar costs: its bars are drawn from images, each part through
// GdiTransparentBlt, about 2 ms a bar; plain bars take a few hundredths.
#include "Varnel.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRepetitions = 41;
constexpr int kSmoothRepetitions = 60;
constexpr int kColumns = 100;
constexpr int kRows = 50;
constexpr int kCorners = 6;
constexpr int kViewWidth = 800;
constexpr int kViewHeight = 600;
constexpr LONG kUnitsPerPixel = 50;  // a line (1/15 of the window) is 40 pixels exactly

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point t0) {
  return std::chrono::duration<double>(Clock::now() - t0).count();
}

double Seconds(const FILETIME& t) {
  return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                             t.dwLowDateTime) * 1e-7;
}

// The process's processor time (user and kernel), in seconds: the work of
// the program itself, without the waits on the X server.
double CpuSeconds() {
  FILETIME created, exited, kernel, user;
  ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
  return Seconds(kernel) + Seconds(user);
}

// The same for this thread. Wine counts both in the system's clock ticks
// (10 ms here): a short interval reads as 0 or a tick, and only the mean
// over many repetitions tells its length.
double ThreadCpuSeconds() {
  FILETIME created, exited, kernel, user;
  ::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user);
  return Seconds(kernel) + Seconds(user);
}

double Median(std::vector<double> samples) {
  samples.erase(samples.begin());  // the warm-up
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() / 2];
}

// A moment of a smooth scroll: when a step's repaint ended.
struct Mark {
  Clock::time_point wall;
  double cpu;
};

Mark Now() { return Mark{Clock::now(), ThreadCpuSeconds()}; }

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
  // The bar updates so far and the time they took, and OnDraw's time.
  int nBarSets = 0;
  double barSeconds = 0;
  double drawSeconds = 0;
  // When set, every repaint's end is appended.
  std::vector<Mark>* pMarks = nullptr;

  void OnDraw(CDC* pDC) override {
    const Clock::time_point t0 = Clock::now();
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
    drawSeconds += SecondsSince(t0);
    if (pMarks != nullptr) pMarks->push_back(Now());
  }

 protected:
  void SetBarInfo(int nBar, SCROLLINFO* pInfo, BOOL bRedraw) override {
    const Clock::time_point t0 = Clock::now();
    CViewW::SetBarInfo(nBar, pInfo, bRedraw);
    barSeconds += SecondsSince(t0);
    ++nBarSets;
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

// One kind of scroll's samples: its time, the bar updates' and OnDraw's
// time inside it, and the processor time and counts of the last one.
struct Samples {
  std::vector<double> times, barTimes, drawTimes;
  double cpu = 0;
  long long area = 0;
  int nBarSets = 0;

  template <class Act>
  void Take(CPolygonView& view, Act act) {
    view.paintedArea = 0;
    const double bars0 = view.barSeconds, draw0 = view.drawSeconds;
    const int nSets0 = view.nBarSets;
    const double c0 = CpuSeconds();
    const Clock::time_point t0 = Clock::now();
    act();
    times.push_back(SecondsSince(t0));
    cpu += CpuSeconds() - c0;
    barTimes.push_back(view.barSeconds - bars0);
    drawTimes.push_back(view.drawSeconds - draw0);
    nBarSets = view.nBarSets - nSets0;
    area = view.paintedArea;
  }
};

template <class Shift, class Redraw>
void Measure(const char* what, bool same, Shift shift, Redraw redraw, const CRect& start,
             const CRect& below, CPolygonView& view) {
  const UINT kDown = 255 | (SB_LINEDOWN << 8);
  const UINT kUp = 255 | (SB_LINEUP << 8);
  Samples strip, full;
  for (int round = 0; round <= kRepetitions; ++round) {
    for (UINT code : {kDown, kUp}) strip.Take(view, [&] { shift(code); });
    for (const CRect* window : {&below, &start}) full.Take(view, [&] { redraw(*window); });
  }
  const double stripTime = Median(strip.times), fullTime = Median(full.times);
  const double stripBars = Median(strip.barTimes), fullBars = Median(full.barTimes);
  std::printf("one line scroll (40 px) of a %d x %d view of %d hexagons, %s; medians of %d\n",
              kViewWidth, kViewHeight, kColumns * kRows, what, 2 * kRepetitions);
  std::printf("  same pixels both ways: %s\n", same ? "yes" : "NO");
  std::printf("  shift and repaint the strip  %8.3f ms  painted %lld px\n", stripTime * 1e3,
              strip.area);
  std::printf("  invalidate the whole view    %8.3f ms  painted %lld px\n", fullTime * 1e3,
              full.area);
  std::printf("  strip / full                 %8.2f\n", stripTime / fullTime);
  const double n = 2.0 * (kRepetitions + 1);
  std::printf("  processor time of this process: strip %.3f ms, full %.3f ms, strip / full %.2f\n",
              strip.cpu / n * 1e3, full.cpu / n * 1e3, strip.cpu / full.cpu);
  std::printf("  bar updates: strip %d taking %.3f ms (%.0f%%), full %d taking %.3f ms (%.0f%%)\n",
              strip.nBarSets, stripBars * 1e3, 100 * stripBars / stripTime, full.nBarSets,
              fullBars * 1e3, 100 * fullBars / fullTime);
  std::printf("  beyond the bars: strip %.3f ms, full %.3f ms, strip / full %.2f\n",
              (stripTime - stripBars) * 1e3, (fullTime - fullBars) * 1e3,
              (stripTime - stripBars) / (fullTime - fullBars));
  std::printf("  of which OnDraw: strip %.3f ms, full %.3f ms\n", Median(strip.drawTimes) * 1e3,
              Median(full.drawTimes) * 1e3);
}

// A smooth scroll of a page down and back up, kSmoothRepetitions times:
// each step's processor time (mean) and wall time (median), the slowest
// step by processor time shown, and the longest step seen.
void MeasureSmooth(bool same, CPolygonView& view) {
  const UINT kDown = 255 | (SB_PAGEDOWN << 8);
  const UINT kUp = 255 | (SB_PAGEUP << 8);
  std::vector<double> stepCpu;                 // sums, per step
  std::vector<std::vector<double>> stepWalls;  // per step
  std::vector<double> barTimes;
  int nSteps = 0, nBarSets = 0, nScrolls = 0;
  bool bSameSteps = true;
  double longest = 0;
  std::vector<Mark> marks;
  view.pMarks = &marks;
  for (int round = 0; round < kSmoothRepetitions; ++round) {
    for (UINT code : {kDown, kUp}) {
      marks.clear();
      const double bars0 = view.barSeconds;
      const int nSets0 = view.nBarSets;
      const Mark begin = Now();
      view.OnScroll(code, 0, TRUE);
      if (marks.empty()) continue;
      marks.back() = Now();  // the last step ends when the scroll returns
      barTimes.push_back(view.barSeconds - bars0);
      nBarSets = view.nBarSets - nSets0;
      if (nSteps == 0) {
        nSteps = static_cast<int>(marks.size());
        stepCpu.assign(marks.size(), 0.0);
        stepWalls.assign(marks.size(), {});
      }
      if (static_cast<int>(marks.size()) != nSteps) {
        bSameSteps = false;
        continue;
      }
      ++nScrolls;
      Mark from = begin;
      for (size_t i = 0; i < marks.size(); ++i) {
        const double wall = std::chrono::duration<double>(marks[i].wall - from.wall).count();
        stepCpu[i] += marks[i].cpu - from.cpu;
        stepWalls[i].push_back(wall);
        longest = std::max(longest, wall);
        from = marks[i];
      }
    }
  }
  view.pMarks = nullptr;
  if (nScrolls == 0) {
    std::printf("smooth scroll of a page: no steps seen\n");
    return;
  }
  size_t slowest = 0;
  double total = 0;
  for (size_t i = 0; i < stepCpu.size(); ++i) {
    total += stepCpu[i];
    if (stepCpu[i] > stepCpu[slowest]) slowest = i;
  }
  std::vector<double> slowestWalls = stepWalls[slowest];
  slowestWalls.insert(slowestWalls.begin(), 0.0);  // Median drops the first
  barTimes.insert(barTimes.begin(), 0.0);
  std::printf("smooth scroll of a page (%d steps), culling to the clip box; %d scrolls\n", nSteps,
              nScrolls);
  std::printf("  same pixels as a full redraw: %s%s\n", same ? "yes" : "NO",
              bSameSteps ? "" : "; the number of steps varied");
  std::printf("  processor time a step: mean %.3f ms, slowest step (%zu) %.3f ms\n",
              total / nScrolls / nSteps * 1e3, slowest + 1, stepCpu[slowest] / nScrolls * 1e3);
  std::printf("  wall time of that step %.3f ms (median); longest step seen %.3f ms\n",
              Median(slowestWalls) * 1e3, longest * 1e3);
  std::printf("  bar updates a scroll: %d taking %.3f ms (median)\n", nBarSets,
              Median(barTimes) * 1e3);
}

// Whether a theme draws the windows' parts (uxtheme's IsThemeActive).
bool ThemeActive() {
  const HMODULE hUxTheme = ::LoadLibraryA("uxtheme.dll");
  if (hUxTheme == nullptr) return false;
  using IsThemeActiveFn = BOOL(WINAPI*)();
  const auto isActive = reinterpret_cast<IsThemeActiveFn>(
      reinterpret_cast<void (*)()>(::GetProcAddress(hUxTheme, "IsThemeActive")));
  return isActive != nullptr && isActive() != FALSE;
}

// One bar's redraw for a changed position (half a page away and back):
// the view's own vertical bar and a control with the same values over the
// frame, in turn. The view's bar is left as it was.
void MeasureBarRedraw(CWnd& view, CWnd& frame) {
  SCROLLINFO shown = {};
  shown.cbSize = sizeof shown;
  shown.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  ::GetScrollInfo(view.GetSafeHwnd(), SB_VERT, &shown);
  CScrollBar ctrl;
  ctrl.Create(WS_CHILD | WS_VISIBLE | SBS_VERT,
              CRect(0, 0, ::GetSystemMetrics(SM_CXVSCROLL), kViewHeight), &frame, 1);
  ctrl.SetScrollInfo(&shown, TRUE);
  const int half = static_cast<int>(shown.nPage / 2);
  const int away = shown.nPos - half >= shown.nMin ? shown.nPos - half : shown.nPos + half;
  SCROLLINFO pos = {};
  pos.cbSize = sizeof pos;
  pos.fMask = SIF_POS;
  std::vector<double> own, control;
  for (int i = 0; i < 2 * (kRepetitions + 1); ++i) {  // ends where it began
    pos.nPos = i % 2 == 0 ? away : shown.nPos;
    Clock::time_point t0 = Clock::now();
    ::SetScrollInfo(view.GetSafeHwnd(), SB_VERT, &pos, TRUE);
    own.push_back(SecondsSince(t0));
    t0 = Clock::now();
    ctrl.SetScrollInfo(&pos, TRUE);
    control.push_back(SecondsSince(t0));
  }
  ctrl.DestroyWindow();
  const double ownTime = Median(own), controlTime = Median(control);
  std::printf("one redraw of a scroll bar whose position changed; medians of %d\n",
              2 * kRepetitions + 1);
  std::printf("  scroll bars themed: %s\n", ThemeActive() ? "yes" : "no");
  std::printf("  the view's own bar           %8.3f ms\n", ownTime * 1e3);
  std::printf("  a scroll-bar control         %8.3f ms  control / own %.2f\n", controlTime * 1e3,
              controlTime / ownTime);
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

  // The smooth scroll, culling: its end against a full redraw of its window.
  view->SetSmoothScroll(true);
  redraw(start);
  view->OnScroll(255 | (SB_PAGEDOWN << 8), 0, TRUE);
  const std::vector<COLORREF> smoothed = ClientPixels(view);
  CRect rcEnd;
  view->GetWindow(&rcEnd);
  redraw(rcEnd);
  const bool same = smoothed == ClientPixels(view);
  bSame = bSame && same;
  redraw(start);
  MeasureSmooth(same, *view);
  MeasureBarRedraw(*view, *frame);

  frame->DestroyWindow();
  return bSame ? 0 : 1;
}
