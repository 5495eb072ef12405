// The world view on real windows with real scroll bars: the resize that a
// bar shown or hidden delivers in the middle of a bar update, the fit loops
// that settle on it, scale modes, the resize choices, and the prepared
// device context checked by its mapping and by pixels.
#include "TestViewW.h"

#include <gtest/gtest.h>

#include <climits>

using namespace varnel::view;

namespace {

const CRect kMax(0, 10000, 10000, 0);  // world: (left, top, right, bottom)

class ViewWTest : public ::testing::Test {
 protected:
  void Make(int cx, int cy, DWORD dwStyle) {
    vf = MakeViewInFrame(cx, cy, dwStyle);
    view = vf.view;
  }
  void TearDown() override {
    if (vf.frame != nullptr) vf.frame->DestroyWindow();
    vf.frame = nullptr;
    PumpPending();
  }
  // The window the arithmetic gives for a fit of rc to a view size.
  static CRect Fitted(CRect rc, unsigned int fit, CSize viewSize) {
    FitRectToView(rc, fit, true, viewSize, {5000, 5000});
    return rc;
  }
  void ExpectBarsMatchTheWindow() { EXPECT_TRUE(BarsMatchTheWindow(*view)); }

  ViewInFrame vf{nullptr, nullptr};
  CTestViewW* view = nullptr;
};

TEST_F(ViewWTest, BarsShownAndHiddenReenterTheResizeAndTheFitSettles) {
  Make(400, 300, WS_HSCROLL | WS_VSCROLL);
  EXPECT_TRUE(view->HorzBar());
  EXPECT_TRUE(view->VertBar());
  CREATESTRUCTA cs = {};
  view->PreCreateWindow(cs);
  EXPECT_TRUE(view->HorzBar() && view->VertBar()) << "a creation without the styles clears nothing";

  view->SetWindowMax(kMax, true);  // the window equals the maximum: both bars go
  const CSize full = view->Client().Size();
  EXPECT_EQ(full, CSize(400, 300));
  EXPECT_FALSE(BarVisible(*view, SB_HORZ));

  // A smaller window shows both bars; each one resizes the view while the
  // bars are being updated, and a second pass fits the final view.
  view->nResizeDuringBarUpdate = 0;
  view->nSetWindow = 0;
  view->nBarSets[0] = view->nBarSets[1] = 0;
  CRect rc(0, 5000, 5000, 0);
  view->SetScaleToWindow(&rc, true);
  EXPECT_EQ(view->nResizeDuringBarUpdate, 2) << "one resize per bar shown, inside UpdateBars";
  EXPECT_EQ(view->nBarSets[0], 1) << "each bar set once, for the window the fit settled on";
  EXPECT_EQ(view->nBarSets[1], 1);
  const CSize narrowed = view->Client().Size();
  EXPECT_LT(narrowed.cx, full.cx);
  EXPECT_LT(narrowed.cy, full.cy);
  EXPECT_EQ(view->nSetWindow, 2);
  EXPECT_EQ(view->Window(), Fitted(Fitted(rc, 3, full), 3, narrowed));
  EXPECT_EQ(rc, CRect(0, 5000, 5000, 0)) << "the caller's rectangle is left alone";
  EXPECT_EQ(view->ViewPrev().Size(), CSize(full.cx, narrowed.cy)) << "the second resize's previous view";
  ExpectBarsMatchTheWindow();

  // Back to the maximum window: both bars go, the view grows back.
  view->nResizeDuringBarUpdate = 0;
  view->SetWindowToFit(SCALE_FIT_NONE);
  EXPECT_EQ(view->nResizeDuringBarUpdate, 2);
  EXPECT_EQ(view->nBarSets[0] + view->nBarSets[1], 2) << "hidden bars are not set";
  EXPECT_EQ(view->Window(), kMax);
  EXPECT_EQ(view->Client().Size(), full);
  ExpectBarsMatchTheWindow();
}

TEST_F(ViewWTest, ScaleModesRefitOnlyWhenTheFitBitsChange) {
  Make(400, 300, WS_HSCROLL | WS_VSCROLL);
  view->SetWindowMax(kMax, true);
  EXPECT_EQ(view->ScaleMode(), 16u);

  view->nSetWindow = 0;
  view->SetScaleMode(19);  // fit both: the maximum window grown to 4:3, no bars
  EXPECT_EQ(view->Window(), CRect(0, 10000, 13333, 0));
  EXPECT_EQ(view->nSetWindow, 1);
  ExpectBarsMatchTheWindow();

  view->nSetWindow = 0;
  view->SetScaleMode(3);  // only the keep-scale bit changes: stored, nothing refitted
  EXPECT_EQ(view->ScaleMode(), 3u);
  EXPECT_EQ(view->nSetWindow, 0);
  view->SetScaleMode(19);
  view->SetScaleMode(16);  // no fit: the maximum window itself
  EXPECT_EQ(view->Window(), kMax);

  // Fit width: the window is shorter than the maximum, so the vertical bar
  // shows; the fit runs again for the narrower view (the resize inside the
  // bar update leaves the refit to it).
  view->nSetWindow = 0;
  view->nBarSets[1] = 0;
  view->SetScaleMode(SCALE_FIT_WIDTH);
  const CSize size = view->Client().Size();
  EXPECT_LT(size.cx, 400);
  EXPECT_EQ(size.cy, 300);
  EXPECT_EQ(view->Window(), Fitted(kMax, 1, size));
  EXPECT_EQ(view->nSetWindow, 2) << "a pass for each view size";
  EXPECT_EQ(view->nBarSets[1], 1) << "the bar set once, when the fit settled";
  ExpectBarsMatchTheWindow();

  // A resize of the frame refits the maximum window to the new view.
  ResizeFrame(vf, 500, 300);
  EXPECT_EQ(view->Window(), Fitted(kMax, 1, view->Client().Size()));
  ExpectBarsMatchTheWindow();
}

// Fit width with only a vertical bar, in a frame where the bar's own width
// decides: without it the window is short enough to need it, with it tall
// enough not to. No window of that fit settles; whichever way the bar
// stood at the start, the view ends showing the maximum window fitted both
// ways, with no bar and nothing out of reach.
TEST_F(ViewWTest, AFitWhoseBarFlipsBackAndForthEndsWithTheBarsMatching) {
  for (bool bBarFirst : {true, false}) {
    SCOPED_TRACE(bBarFirst ? "the bar shown at the start" : "the bar hidden at the start");
    Make(400, 300, WS_VSCROLL);
    const int barWidth = ::GetSystemMetrics(SM_CXVSCROLL);
    const LONG tallWithBar = MulDiv(10000, 300, 400 - barWidth);
    const CRect max(0, (ScrollUnits(tallWithBar) + 1) * 10, 10000, 0);
    ASSERT_TRUE(VertBarValues({0, 7500, 10000, 0}, max).bShow) << "no bar: it is needed";
    ASSERT_FALSE(VertBarValues({0, tallWithBar, 10000, 0}, max).bShow) << "bar: not needed";

    if (bBarFirst) {
      ASSERT_TRUE(BarVisible(*view, SB_VERT)) << "a new window shows its bar";
      view->SetWindowMax(max, false);
    } else {
      view->SetWindowMax(max, false);
      view->SetWindow(max, true, {0, 0}, {0, 0});
      ASSERT_FALSE(BarVisible(*view, SB_VERT));
    }
    view->nResize = 0;
    view->SetScaleMode(SCALE_FIT_WIDTH);
    EXPECT_GE(view->nResize, 2) << "the bar did flip";
    EXPECT_FALSE(BarVisible(*view, SB_VERT));
    EXPECT_EQ(view->Client().Size(), CSize(400, 300));
    EXPECT_EQ(view->Window(), Fitted(max, SCALE_FIT_BOTH, CSize(400, 300)));
    ExpectBarsMatchTheWindow();
    EXPECT_TRUE(EveryPartReachable(*view));

    // A resize refits the same way, and a fit that can settle still does.
    ResizeFrame(vf, 400, 301);
    ExpectBarsMatchTheWindow();
    EXPECT_TRUE(EveryPartReachable(*view));
    view->SetWindowMax(CRect(0, 20000, 10000, 0), true);
    view->SetWindowToFit(SCALE_FIT_WIDTH);
    EXPECT_TRUE(BarVisible(*view, SB_VERT));
    EXPECT_EQ(view->Window(), Fitted(CRect(0, 20000, 10000, 0), 1, view->Client().Size()));
    ExpectBarsMatchTheWindow();
    TearDown();
  }
}

// One SetWindow that makes both bars appear: each resizes the view, the
// kept scale narrows the window, and both bars then belong to the window
// the second resize left (the horizontal bar's page is not the first
// window's).
TEST_F(ViewWTest, BarsThatAppearTogetherBothMatchTheFinalWindow) {
  Make(400, 300, WS_HSCROLL | WS_VSCROLL);
  const CRect max(0, 7500, 10000, 0);
  view->SetWindowSizeMin(CSize(1000, 1000));
  view->SetWindowMax(max, false);
  view->SetWindow(max, true, {0, 0}, {0, 0});
  ASSERT_FALSE(BarVisible(*view, SB_HORZ));
  ASSERT_EQ(view->Client().Size(), CSize(400, 300));
  view->CenterOnPointW(CPoint(5000, 3750), 0.5);
  EXPECT_EQ(view->nBarSets[0], 1) << "set once, after the resizes";
  EXPECT_EQ(view->nBarSets[1], 1);
  const CSize narrowed = view->Client().Size();
  ASSERT_LT(narrowed.cx, 400);
  ASSERT_LT(narrowed.cy, 300);
  EXPECT_EQ(view->Window(), CRect(2500, 1875 + MulDiv(3750, narrowed.cy, 300),
                                   2500 + MulDiv(5000, narrowed.cx, 400), 1875))
      << "the scale kept, the origin corner too";
  ExpectBarsMatchTheWindow();
  EXPECT_EQ(BarInfo(*view, SB_HORZ).nPage,
            static_cast<UINT>(HorzBarValues(view->Window(), max).nPage));
  EXPECT_EQ(view->ViewPrev().Size(), CSize(400, 300)) << "the view before both resizes";
}

// Growing a zoomed view a pixel at a time keeps its scale exactly, at
// scales that are not whole units a pixel; a pane narrowed to a pixel and
// widened again comes back to its window.
TEST_F(ViewWTest, ALiveResizeKeepsTheScaleExactly) {
  Make(600, 450, 0);
  view->SetWindowMax(CRect(-1000000, 1000000, 1000000, -1000000), false);
  const struct {
    CRect window;
    const char* scale;
  } cases[] = {{CRect(0, 56, 75, 0), "8 pixels a unit"},
               {CRect(-3, 267, 357, -3), "0.6 units a pixel"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.scale);
    ResizeFrame(vf, 600, 450);
    view->SetWindow(c.window, true, {0, 0}, {0, 0});
    view->PushZoom();
    for (int w = 601; w <= 1200; ++w) ResizeFrame(vf, w, 450);
    ASSERT_EQ(view->View().Size(), CSize(1200, 450));
    EXPECT_EQ(view->Window(), CRect(c.window.left, c.window.top, c.window.left + 2 * c.window.Width(),
                                     c.window.bottom));
    for (int w = 1199; w >= 1; w -= 7) ResizeFrame(vf, w, 450 - w % 5);
    ResizeFrame(vf, 600, 450);
    EXPECT_EQ(view->Window(), c.window);
  }
}

// Zoomed in with the rubber band while the bars appear, and back out with
// the bars gone: the window the round trip started from, every time, in a
// view of odd size.
TEST_F(ViewWTest, AZoomRoundTripReturnsToItsWindow) {
  Make(788, 550, WS_HSCROLL | WS_VSCROLL);
  view->SetWindowMax(CRect(0, 11000, 16000, 0), false);
  view->SetScaleMode(SCALE_FIT_BOTH | SCALE_KEEP_SCALE);
  const CRect start = view->Window();
  ASSERT_FALSE(BarVisible(*view, SB_HORZ));
  ASSERT_EQ(start, Fitted(CRect(0, 11000, 16000, 0), 3, CSize(788, 550)));
  for (int trip = 0; trip < 3; ++trip) {
    SCOPED_TRACE(trip);
    CRect drag(211, 97, 488, 301);
    view->ZoomIn(&drag, false);
    ASSERT_TRUE(BarVisible(*view, SB_HORZ) && BarVisible(*view, SB_VERT));
    ExpectBarsMatchTheWindow();
    if (trip == 0) {
      view->ZoomOut(true);
    } else if (trip == 1) {
      view->ZoomOutToTop(false);
    } else {
      CPoint pt(300, 200);
      view->ClientToScreen(&pt);
      view->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, static_cast<WORD>(-120)),
                        MAKELPARAM(pt.x, pt.y));
    }
    EXPECT_FALSE(view->IsZoomed());
    EXPECT_EQ(view->Window(), start);
    ExpectBarsMatchTheWindow();
  }
}

// Rectangles whose width or height would wrap are refused.
TEST_F(ViewWTest, RefusesWindowsBeyondTheCoordinateRange) {
  Make(400, 300, WS_HSCROLL | WS_VSCROLL);
  view->SetWindowMax(kMax, false);
  view->SetWindow(CRect(0, 5000, 5000, 0), true, {0, 0}, {0, 0});
  const CRect window = view->Window();
  view->SetWindowMax(CRect(-1, 10000, INT_MAX, 0), true);  // 2^31 wide: would fit to -1
  EXPECT_EQ(view->WindowMax(), kMax);
  view->SetWindow(CRect(0, INT_MAX, 100, -2), true, {0, 0}, {0, 0});
  EXPECT_EQ(view->Window(), window);
  ExpectBarsMatchTheWindow();
  view->SetWindowMax(CRect(-1000000000, 1000000000, 1000000000, -1000000000), true);
  EXPECT_EQ(view->WindowMax().Width(), 2000000000) << "the widest that fits is taken";
}

TEST_F(ViewWTest, ResizeKeepsTheScaleRefitsOrLeavesTheWindow) {
  Make(400, 300, 0);
  view->SetWindowMax(CRect(-100000, 100000, 100000, -100000), false);

  // Unzoomed, default mode: only the view follows.
  view->SetWindow(kMax, true, {0, 0}, {0, 0});
  ResizeFrame(vf, 800, 300);
  EXPECT_EQ(view->View(), CRect(0, 0, 800, 300));
  EXPECT_EQ(view->Window(), kMax);
  EXPECT_EQ(view->PageDev(), CSize(380, 285)) << "pixel sizes not recomputed";

  // Zoomed, keep scale: the window grows with the view, origin corner fixed.
  ResizeFrame(vf, 400, 300);
  view->PushZoom();
  ResizeFrame(vf, 800, 300);
  EXPECT_EQ(view->ViewPrev(), CRect(0, 0, 400, 300));
  EXPECT_EQ(view->Window(), CRect(0, 10000, 20000, 0));

  // Zoomed, no keep-scale bit: refitted both ways around the origin corner.
  view->SetScaleMode(0);
  ResizeFrame(vf, 400, 300);
  view->SetWindow(CRect(0, 7500, 10000, 0), true, {0, 0}, {0, 0});
  ResizeFrame(vf, 200, 300);
  EXPECT_EQ(view->Window(), CRect(0, 15000, 10000, 0));
  ResizeFrame(vf, 400, 300);
  EXPECT_EQ(view->Window(), CRect(0, 15000, 20000, 0));

  // A client area no larger than the border changes nothing.
  view->SetViewBorder(CRect(10, 10, 10, 10));
  const CRect before = view->View();
  ResizeFrame(vf, 15, 300);
  EXPECT_EQ(view->View(), before);
  EXPECT_EQ(view->ViewPrev().Size(), CSize(200, 300));
  EXPECT_EQ(view->Window(), CRect(0, 15000, 20000, 0));
}

// The frame told of a monitor of another density takes the rectangle the
// system suggests, and its descendants read the new density. A zoomed view
// that keeps its scale through resizes lets the scale follow the density
// instead: the window keeps its origin corner and shows the world inches
// per screen inch it showed (its world rectangle, but for the rounding of
// the view's pixels), and the trip back returns to it. A view that fits
// the maximum window fits it to its new size. The notifications the system
// itself sends the view on some systems, before and after the frame's,
// count once.
TEST_F(ViewWTest, ANewDensityKeepsTheWorldRectangleInView) {
  Make(401, 301, 0);
  view->SetWindowMax(CRect(-100000, 100000, 100000, -100000), false);
  const UINT dpi = AfxGetWindowDpi(vf.frame->m_hWnd);
  ASSERT_EQ(AfxGetWindowDpi(view->m_hWnd), dpi);
  const CRect shown(0, 7525, 10025, 0);  // 25 units a pixel
  view->SetWindow(shown, true, {0, 0}, {0, 0});
  view->PushZoom();
  UINT now = dpi;
  auto changeTo = [&](UINT newDpi, bool bSystemToo) {
    CRect frame;
    vf.frame->GetWindowRect(&frame);
    CRect suggested(frame.TopLeft(), CSize(::MulDiv(frame.Width(), newDpi, now),
                                           ::MulDiv(frame.Height(), newDpi, now)));
    if (bSystemToo) view->SendMessage(WM_DPICHANGED_BEFOREPARENT);
    vf.frame->SendMessage(WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi),
                          reinterpret_cast<LPARAM>(&suggested));
    if (bSystemToo) view->SendMessage(WM_DPICHANGED_AFTERPARENT);
    now = newDpi;
    CRect placed;
    vf.frame->GetWindowRect(&placed);
    EXPECT_EQ(placed, suggested);
    EXPECT_EQ(AfxGetWindowDpi(view->m_hWnd), newDpi);
  };
  const struct {
    UINT dpi;
    bool bSystemToo;
  } steps[] = {{dpi * 5 / 4, false}, {dpi * 2, true}, {dpi, false}};
  for (const auto& s : steps) {
    SCOPED_TRACE(s.dpi);
    const UINT before = now;
    const CRect rcBefore = view->Window();
    const CSize viewBefore = view->View().Size();
    changeTo(s.dpi, s.bSystemToo);
    const CRect rc = view->Window();
    const CSize viewAfter = view->View().Size();
    // World units per pixel times the density: world units per inch.
    const double unitsPerInchBefore = static_cast<double>(rcBefore.Width()) / viewBefore.cx * before;
    const double unitsPerInch = static_cast<double>(rc.Width()) / viewAfter.cx * s.dpi;
    EXPECT_NEAR(unitsPerInch, unitsPerInchBefore, 0.5 * s.dpi / viewAfter.cx);
    EXPECT_NEAR(static_cast<double>(rc.top) / viewAfter.cy * s.dpi,
                static_cast<double>(rcBefore.top) / viewBefore.cy * before, 0.5 * s.dpi / viewAfter.cy);
    EXPECT_EQ(CPoint(rc.left, rc.bottom), CPoint(rcBefore.left, rcBefore.bottom));
    EXPECT_EQ(view->ZoomCount(), 1);
  }
  EXPECT_EQ(view->View().Size(), CSize(401, 301));
  EXPECT_EQ(view->Window(), shown) << "back at the first density, the first window";

  view->ZoomOutToTop(true);
  view->SetWindowMax(kMax, false);
  view->SetScaleMode(SCALE_FIT_BOTH | SCALE_KEEP_SCALE);
  changeTo(dpi * 3 / 2, false);
  EXPECT_EQ(view->Window(), Fitted(kMax, SCALE_FIT_BOTH, view->View().Size()));
  changeTo(dpi, false);
}

// The world window on the view's pixels, in a view of a width where Wine's
// isotropic mode moves the viewport extent.
class PreparedContextTest : public ViewWTest {
 protected:
  void SetUp() override {
    Make(720, 520, 0);
    view->SetViewBorder(CRect(10, 20, 30, 40));
    ResizeFrame(vf, 720, 520);
    view->SetWindowMax(CRect(-1000000, 1000000, 1000000, -1000000), false);
    view->SetWindow(window, false, {0, 0}, {0, 0});
    view->SetBrushOrigin(POINT{3, 5});
  }
  const CRect window{-500, 9000, 19500, -1000};
};

TEST_F(PreparedContextTest, MapsTheWindowOntoTheView) {
  const CRect v = view->View();
  ASSERT_EQ(v, CRect(10, 20, 690, 480));
  CClientDC dc(view);
  view->OnPrepareDC(&dc);
  const CPoint wo = dc.GetWindowOrg(), vo = dc.GetViewportOrg(), bo = dc.GetBrushOrg();
  const CSize we = dc.GetWindowExt(), ve = dc.GetViewportExt();
  const tagPOINT o = GetWorldOrg(&dc), e = GetWorldExt(&dc);
  EXPECT_EQ((std::vector<LONG>{dc.GetMapMode(), wo.x, wo.y, we.cx, we.cy, vo.x, vo.y, ve.cx, ve.cy,
                               o.x, o.y, e.x, e.y, bo.x, bo.y}),
            (std::vector<LONG>{MM_ANISOTROPIC, 10, 20, 680, 460, 10, 480, 680, -460, -500, -1000,
                               20000, 10000, 3, 5}));

  HRGN hClip = ::CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(::GetClipRgn(dc.m_hDC, hClip), 1);
  CRect box;
  ::GetRgnBox(hClip, &box);
  ::DeleteObject(hClip);
  EXPECT_EQ(box, CRect(10, 20, 691, 481)) << "the view and one pixel to the right and below";

  // The isotropic mode would not have kept these extents here.
  CClientDC iso(view);
  iso.SetMapMode(MM_ISOTROPIC);
  iso.SetWindowExt(680, 460);
  iso.SetViewportExt(680, -460);
  EXPECT_NE(iso.GetViewportExt(), CSize(680, -460)) << "pick a size Wine adjusts";
}

TEST_F(PreparedContextTest, WorldPointsLandOnTheStatedPixels) {
  const COLORREF kInk = RGB(200, 0, 100);
  const CRect v = view->View();
  const POINT world[] = {{-500, 9000},   // the window's corners
                         {19500, -1000},
                         {-500, -1000},
                         {19500, 9000},
                         {5000, 2500},
                         {12345, 6789}};
  {
    CClientDC dc(view);
    dc.FillSolidRect(0, 0, 720, 520, RGB(255, 255, 255));
    view->OnPrepareDC(&dc);
    for (POINT w : world) {
      POINT logical;
      WPtoLP(&dc, &w, &logical, 1);
      dc.SetPixel(logical.x, logical.y, kInk);
    }
  }
  CClientDC plain(view);
  for (POINT w : world) {
    const int x = v.left + MulDiv(w.x - window.left, v.Width(), window.Width());
    const int y = v.bottom - MulDiv(w.y - window.bottom, v.Height(), window.top - window.bottom);
    EXPECT_EQ(plain.GetPixel(x, y), kInk) << w.x << ", " << w.y << " at " << x << ", " << y;
  }
  EXPECT_EQ(plain.GetPixel(v.left, v.top), kInk) << "left, top on the view's top-left pixel";
  EXPECT_EQ(plain.GetPixel(v.right, v.bottom), kInk) << "right, bottom on the view's bottom-right";

  // Nothing lands outside the view enlarged by one pixel.
  {
    CClientDC dc(view);
    view->OnPrepareDC(&dc);
    dc.SetMapMode(MM_TEXT);
    dc.SetWindowOrg(0, 0);
    dc.SetViewportOrg(0, 0);
    dc.FillSolidRect(0, 0, 720, 520, kInk);
  }
  EXPECT_EQ(plain.GetPixel(v.right, v.bottom), kInk);
  EXPECT_NE(plain.GetPixel(v.right + 1, v.bottom), kInk);
  EXPECT_NE(plain.GetPixel(v.left - 1, v.top), kInk);
  EXPECT_NE(plain.GetPixel(v.left, v.bottom + 1), kInk);
}

TEST_F(PreparedContextTest, PrintPreviewAddsNoClip) {
  CClientDC dc(view);
  CPrintInfo info;
  info.m_bPreview = TRUE;
  view->OnPrepareDC(&dc, &info);
  HRGN hClip = ::CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(::GetClipRgn(dc.m_hDC, hClip), 0) << "no clip region";
  ::DeleteObject(hClip);
  EXPECT_EQ(dc.GetViewportOrg(), CPoint(10, 480));
}

}  // namespace
