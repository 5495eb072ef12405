// The world view on real windows with real scroll bars: the resize that a
// bar shown or hidden delivers in the middle of a bar update, the fit loops
// that settle on it, scale modes, the resize choices, and the prepared
// device context checked by its mapping and by pixels.
#include "TestViewW.h"

#include <gtest/gtest.h>

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
    PumpPending();
  }
  // The window the arithmetic gives for a fit of rc to a view size.
  static CRect Fitted(CRect rc, unsigned int fit, CSize viewSize) {
    FitRectToView(rc, fit, true, viewSize, {5000, 5000});
    return rc;
  }
  // Each bar shows what the arithmetic says, or is hidden with it.
  void ExpectBarsMatchTheWindow() {
    for (int nBar : {SB_HORZ, SB_VERT}) {
      const BarValues v = nBar == SB_HORZ ? HorzBarValues(view->Window(), kMax)
                                          : VertBarValues(view->Window(), kMax);
      EXPECT_EQ(BarVisible(*view, nBar), v.bShow) << nBar;
      if (!v.bShow) continue;
      const SCROLLINFO info = BarInfo(*view, nBar);
      EXPECT_EQ((std::vector<LONG>{info.nMin, info.nMax, static_cast<LONG>(info.nPage), info.nPos}),
                (std::vector<LONG>{v.nMin, v.nMax, v.nPage, v.nPos}));
    }
    EXPECT_EQ(view->View(), view->Client()) << "the view follows the client area";
  }

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
  CRect rc(0, 5000, 5000, 0);
  view->SetScaleToWindow(&rc, true);
  EXPECT_EQ(view->nResizeDuringBarUpdate, 2) << "one resize per bar shown, inside UpdateBars";
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
  // shows; its resize refits inside the bar update (the nested fit sees a
  // still view) and the outer fit runs again for the narrower view.
  view->nSetWindow = 0;
  view->SetScaleMode(SCALE_FIT_WIDTH);
  const CSize size = view->Client().Size();
  EXPECT_LT(size.cx, 400);
  EXPECT_EQ(size.cy, 300);
  EXPECT_EQ(view->Window(), Fitted(kMax, 1, size));
  EXPECT_EQ(view->nSetWindow, 3) << "outer pass, nested refit, outer pass";
  ExpectBarsMatchTheWindow();

  // A resize of the frame refits the maximum window to the new view.
  ResizeFrame(vf, 500, 300);
  EXPECT_EQ(view->Window(), Fitted(kMax, 1, view->Client().Size()));
  ExpectBarsMatchTheWindow();
}

// Fit width with only a vertical bar, in a frame where the bar's own width
// decides: without it the window is short enough to need it, with it tall
// enough not to. The fit ends anyway, with the bar matching the view.
TEST_F(ViewWTest, AFitWhoseBarFlipsBackAndForthEnds) {
  Make(400, 300, WS_VSCROLL);
  const int barWidth = ::GetSystemMetrics(SM_CXVSCROLL);
  const LONG tallWithBar = MulDiv(10000, 300, 400 - barWidth);
  const CRect max(0, (ScrollUnits(tallWithBar) + 1) * 10, 10000, 0);
  ASSERT_TRUE(VertBarValues({0, 7500, 10000, 0}, max).bShow) << "no bar: it is needed";
  ASSERT_FALSE(VertBarValues({0, tallWithBar, 10000, 0}, max).bShow) << "bar: not needed";

  view->SetWindowMax(max, false);
  view->nSetWindow = 0;
  view->nResize = 0;
  view->SetScaleMode(SCALE_FIT_WIDTH);
  EXPECT_EQ(view->nSetWindow, 10) << "five passes, each with the refit nested in its resize";
  EXPECT_GE(view->nResize, 2) << "the bar did flip";
  const bool bar = BarVisible(*view, SB_VERT);
  EXPECT_EQ(view->Client().Size(), CSize(bar ? 400 - barWidth : 400, 300));
  EXPECT_EQ(view->View(), view->Client());
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
