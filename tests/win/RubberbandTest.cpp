// The rubber-band tracker on a real window, with the user's mouse and key
// messages posted to the queue before tracking starts.
#include "DibCanvas.h"
#include "FrameworkTestApp.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// A white view that records the scrolls asked of it, and runs onApp when
// a WM_APP posted to it comes through the tracker's loop.
class CBandView : public CView {
 public:
  std::vector<CSize> scrolls;
  std::function<void()> onApp;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_APP && onApp) {
      onApp();
      return 0;
    }
    return CView::WindowProc(message, wParam, lParam);
  }
  void OnDraw(CDC* pDC) override { pDC->FillSolidRect(0, 0, 400, 400, RGB(255, 255, 255)); }
  BOOL OnScrollBy(CSize size, BOOL) override {
    scrolls.push_back(size);
    return TRUE;
  }
};

class RubberbandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(frame.Create(nullptr, "Band", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 200)));
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 100, 100), &frame,
                            AFX_IDW_PANE_FIRST));
    frame.SetActiveView(&view);
    frame.RecalcLayout();  // the view fills the frame: 200 x 200
    view.UpdateWindow();
    PumpPending();
    before = Pixels();
  }
  void TearDown() override {
    ::ReleaseCapture();
    frame.DestroyWindow();
    PumpPending();
  }

  void Post(UINT message, WPARAM wParam, int x, int y) {
    view.PostMessage(message, wParam, MAKELPARAM(x, y));
  }
  void Key(UINT vk) { view.PostMessage(WM_KEYDOWN, vk, 1); }
  // Every pixel of the view's top-left 120 x 120, copied out at once.
  std::vector<DWORD> Pixels() {
    DibCanvas canvas(120, 120);
    CClientDC dc(&view);
    canvas.dc().BitBlt(0, 0, 120, 120, &dc, 0, 0, SRCCOPY);
    std::vector<DWORD> pixels;
    for (int y = 0; y < 120; ++y) {
      for (int x = 0; x < 120; ++x) pixels.push_back(canvas.At(x, y));
    }
    return pixels;
  }

  CFrameWnd& frame = *new CFrameWnd;
  CBandView& view = *new CBandView;
  std::vector<DWORD> before;
};

TEST_F(RubberbandTest, RectangleEndsByLeftUpRightButtonOrEscape) {
  const struct {
    UINT nStyle;
    UINT endMessage;  // 0: Escape
    int expectedResult;
    CRect expectedRect;
  } cases[] = {
      {RBS_RECT, WM_LBUTTONUP, 1, CRect(20, 10, 50, 40)},
      {RBS_RECT, WM_RBUTTONDOWN, 1, CRect(20, 10, 50, 40)},
      {RBS_RECT, 0, 0, CRect(20, 10, 50, 40)},
      {0, WM_LBUTTONUP, 1, CRect(50, 40, 20, 10)},  // a line: anchor, then end
  };
  for (const auto& c : cases) {
    Post(WM_MOUSEMOVE, MK_LBUTTON, 30, 30);
    Post(WM_MOUSEMOVE, MK_LBUTTON | MK_CONTROL, 20, 10);
    if (c.endMessage != 0) {
      Post(c.endMessage, 0, 20, 10);
    } else {
      Key(VK_ESCAPE);
    }
    CRubberband band(&view, c.nStyle);
    UINT nFlags = 0;
    CPoint point(50, 40);
    CRect rect;
    EXPECT_EQ(band.DoRubberband(nFlags, point, &rect), c.expectedResult);
    EXPECT_EQ(rect, c.expectedRect);
    EXPECT_EQ(point, CPoint(20, 10));
    EXPECT_EQ(nFlags, static_cast<UINT>(MK_LBUTTON | MK_CONTROL));
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(band.m_pDC, nullptr);
    EXPECT_EQ(Pixels(), before) << "the band is gone from the screen";
  }
}

// The band is as wide as the density of the window it is tracked in makes
// it: measured while tracking, on two neighbouring columns crossing its top
// and bottom edges (the halftone pattern inverts every other pixel).
TEST_F(RubberbandTest, TheBandsWidthFollowsTheWindowsDensity) {
  const UINT dpi = AfxGetWindowDpi(frame.m_hWnd);
  for (const UINT newDpi : {dpi, dpi * 2}) {
    SCOPED_TRACE(newDpi);
    CRect rc;
    frame.GetWindowRect(&rc);
    frame.SendMessage(WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi), reinterpret_cast<LPARAM>(&rc));
    int inked = -1;
    view.onApp = [&] {
      const std::vector<DWORD> now = Pixels();
      inked = 0;
      for (int y = 0; y < 60; ++y) {
        for (int x : {35, 36}) inked += now[y * 120 + x] != before[y * 120 + x] ? 1 : 0;
      }
    };
    Post(WM_MOUSEMOVE, MK_LBUTTON, 20, 10);
    view.PostMessage(WM_APP);
    Post(WM_LBUTTONUP, 0, 20, 10);
    CRubberband band(&view, RBS_RECT);
    UINT nFlags = 0;
    CPoint point(50, 40);
    CRect rect;
    EXPECT_EQ(band.DoRubberband(nFlags, point, &rect), 1);
    EXPECT_EQ(inked, 2 * varnel::controls::RubberbandPixels(varnel::controls::kRubberbandWidth,
                                                            newDpi));
    EXPECT_EQ(Pixels(), before);
  }
  view.onApp = nullptr;
}

TEST_F(RubberbandTest, PolylinesGrowFromTheirLastVertexOrStartAnew) {
  // Press at A, drag, release (B), press near B, drag, release (C), right click.
  Post(WM_MOUSEMOVE, MK_LBUTTON, 30, 30);
  Post(WM_LBUTTONUP, 0, 31, 31);  // the vertex is where the segment was drawn
  Post(WM_MOUSEMOVE, 0, 70, 70);  // not followed between segments
  Post(WM_LBUTTONDOWN, MK_LBUTTON, 33, 35);
  Post(WM_MOUSEMOVE, MK_LBUTTON, 60, 40);
  Post(WM_LBUTTONUP, 0, 60, 40);
  Post(WM_RBUTTONDOWN, MK_RBUTTON, 60, 40);
  CRubberband band(&view, 0);
  CArray<CPoint, CPoint&> points;
  UINT nFlags = 0;
  EXPECT_EQ(band.DoRubberband(nFlags, CPoint(10, 10), points), 1);
  const std::vector<CPoint> first = {{10, 10}, {30, 30}, {60, 40}};
  ASSERT_EQ(points.GetSize(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(points[i], first[static_cast<size_t>(i)]);

  // Press far from B: a new polyline; Escape ends without the right button.
  points.RemoveAll();
  Post(WM_MOUSEMOVE, MK_LBUTTON, 30, 30);
  Post(WM_LBUTTONUP, 0, 30, 30);
  Post(WM_LBUTTONDOWN, MK_LBUTTON, 80, 80);
  Post(WM_MOUSEMOVE, MK_LBUTTON, 90, 95);
  Post(WM_LBUTTONUP, 0, 90, 95);
  Key(VK_ESCAPE);
  EXPECT_EQ(band.DoRubberband(nFlags, CPoint(10, 10), points), 0);
  const std::vector<CPoint> second = {{10, 10}, {30, 30}, {-1, -1}, {80, 80}, {90, 95}};
  ASSERT_EQ(points.GetSize(), 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(points[i], second[static_cast<size_t>(i)]);

  // No move at all: only the start.
  points.RemoveAll();
  Post(WM_RBUTTONUP, 0, 10, 10);
  EXPECT_EQ(band.DoRubberband(nFlags, CPoint(12, 14), points), 1);
  ASSERT_EQ(points.GetSize(), 1);
  EXPECT_EQ(points[0], CPoint(12, 14));
  EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(RubberbandTest, CaptureHeldElsewhereLostOrQuitEndsTracking) {
  // Another window has the capture: nothing happens, nothing is written.
  frame.SetCapture();
  CRubberband band(&view, RBS_RECT);
  UINT nFlags = 99;
  CPoint point(5, 5);
  CRect rect(1, 2, 3, 4);
  EXPECT_EQ(band.DoRubberband(nFlags, point, &rect), 0);
  EXPECT_EQ(nFlags, 99u);
  EXPECT_EQ(rect, CRect(1, 2, 3, 4));
  EXPECT_EQ(::GetCapture(), frame.m_hWnd);
  ::ReleaseCapture();

  // The capture taken away while tracking ends it after that message.
  Post(WM_MOUSEMOVE, 0, 40, 40);
  ::PostMessageA(frame.m_hWnd, WM_NULL, 0, 0);
  ::PostMessageA(view.m_hWnd, WM_CANCELMODE, 0, 0);  // the system's way of taking it
  Post(WM_LBUTTONUP, 0, 40, 40);                     // must not be reached
  EXPECT_EQ(band.DoRubberband(nFlags, point, &rect), 0);
  EXPECT_EQ(rect, CRect(5, 5, 40, 40));
  PumpPending();

  // The quit message ends tracking and is posted again for the host.
  ::PostQuitMessage(7);
  EXPECT_EQ(band.DoRubberband(nFlags, point, &rect), 0);
  MSG msg;
  ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
  EXPECT_EQ(Pixels(), before);
}

TEST_F(RubberbandTest, AutoScrollAsksTheViewAndKeepsTheAnchorOnTheContent) {
  CRect client;
  view.GetClientRect(&client);
  Post(WM_MOUSEMOVE, MK_LBUTTON, client.right + 50, 50);
  Key(VK_ESCAPE);
  CRubberband band(&view, RBS_RECT | RBS_AUTOSCROLL);
  UINT nFlags = 0;
  CPoint point(20, 20);
  CRect rect;
  band.DoRubberband(nFlags, point, &rect);
  ASSERT_GE(view.scrolls.size(), 1u);
  EXPECT_EQ(view.scrolls[0], CSize(51, 0));
  EXPECT_EQ(band.m_ptStart, CPoint(20 - 51, 20)) << "the anchor moved with the content";
  EXPECT_EQ(point, CPoint(client.right - 1, 50));
}

}  // namespace
