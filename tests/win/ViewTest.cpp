// A view in a frame window: painting prepares the context and draws, the
// frame keeps the view filling its client area, and the window contexts
// reach the window's pixels.
#include "FrameworkTestApp.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kRed = RGB(255, 0, 0);

class CTestView : public CView {
 public:
  std::vector<std::string> log;

  void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override {
    log.push_back(pInfo != nullptr ? "prepare for printing" : "prepare");
    pDC->SetViewportOrg(10, 10);
  }
  void OnDraw(CDC* pDC) override {
    log.push_back("draw");
    pDC->FillSolidRect(0, 0, 20, 20, kRed);
  }
};

// Frames and views delete themselves with their windows.
class ViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 10, 10), &frame,
                            AFX_IDW_PANE_FIRST));
    frame.SetActiveView(&view);
    frame.ShowWindow(SW_SHOW);
    frame.UpdateWindow();
    PumpPending();
  }
  void TearDown() override {
    if (::IsWindow(frame.m_hWnd)) frame.DestroyWindow();
  }

  CRect ClientOf(const CWnd& wnd) const {
    CRect rc;
    wnd.GetClientRect(&rc);
    return rc;
  }

  CFrameWnd& frame = *new CFrameWnd;
  CTestView& view = *new CTestView;
};

TEST_F(ViewTest, PaintingPreparesTheContextThenDraws) {
  view.log.clear();
  view.Invalidate();
  view.UpdateWindow();
  EXPECT_EQ(view.log, (std::vector<std::string>{"prepare", "draw"}));
  EXPECT_FALSE(::GetUpdateRect(view.m_hWnd, nullptr, FALSE)) << "the paint context validated it";

  CClientDC dc(&view);
  EXPECT_EQ(dc.GetPixel(15, 15), kRed) << "drawn through the prepared viewport";
  EXPECT_EQ(dc.GetPixel(25, 25), kRed);
  EXPECT_NE(dc.GetPixel(5, 5), kRed);
}

TEST_F(ViewTest, TheFrameKeepsTheViewFillingItsClientArea) {
  EXPECT_EQ(ClientOf(view), ClientOf(frame));
  frame.MoveWindow(0, 0, 420, 333);
  EXPECT_EQ(ClientOf(view), ClientOf(frame));
  EXPECT_GT(ClientOf(view).Width(), 300);
  EXPECT_EQ(frame.GetActiveView(), &view);
}

TEST_F(ViewTest, WindowContextsCoverClientAreaAndFrame) {
  CWindowDC window(&frame);
  CClientDC client(&frame);
  EXPECT_NE(window.GetSafeHdc(), nullptr);
  EXPECT_NE(client.GetSafeHdc(), nullptr);
  client.FillSolidRect(0, 0, 5, 5, kRed);
  EXPECT_EQ(client.GetPixel(2, 2), kRed);
  EXPECT_FALSE(view.OnScrollBy(CSize(0, 10))) << "a plain view does not scroll";
}

}  // namespace
