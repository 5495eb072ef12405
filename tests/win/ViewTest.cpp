// A view in a frame window: painting prepares the context and draws, the
// frame keeps the view filling its client area, and the window contexts
// reach the window's pixels.
#include "FrameworkTestApp.h"

#include <gtest/gtest.h>

#include <new>

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

// Prints onto a small stand-in page; its preparation only finds the
// device, as most hosts' does, unless told the document's length.
class CPrintingView : public CView {
 public:
  CPageDC page{16, 16};
  UINT nMaxPage = 0;  // 0: not set
  int nPrinted = 0;

  void OnDraw(CDC*) override {}
  BOOL OnPreparePrinting(CPrintInfo* pInfo) override {
    pInfo->m_pTargetDC = &page;
    if (nMaxPage != 0) pInfo->SetMaxPage(nMaxPage);
    return DoPreparePrinting(pInfo);
  }
  void OnPrint(CDC*, CPrintInfo*) override { ++nPrinted; }
};

// Frames and views delete themselves with their windows.
class ViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 10, 10), &frame,
                            AFX_IDW_PANE_FIRST));
    frame.SetActiveView(&view);
    frame.RecalcLayout();
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

TEST_F(ViewTest, AJobOfUnknownLengthPrintsOnePage) {
  for (const UINT nMaxPage : {0u, 3u}) {
    auto& printing = *new CPrintingView;
    ASSERT_TRUE(printing.Create(nullptr, nullptr, 0, CRect(0, 0, 5, 5), &frame, 300));
    printing.nMaxPage = nMaxPage;
    printing.OnFilePrint();
    const int nExpected = nMaxPage == 0 ? 1 : 3;
    EXPECT_EQ(printing.nPrinted, nExpected);
    EXPECT_EQ(printing.page.m_pages.size(), static_cast<size_t>(nExpected));
    EXPECT_EQ(printing.page.m_nDocsEnded, 1);
    printing.DestroyWindow();
  }
}

TEST_F(ViewTest, ActivatingASecondViewMovesNoWindow) {
  auto& second = *new CTestView;
  ASSERT_TRUE(second.Create(nullptr, nullptr, WS_VISIBLE, CRect(5, 5, 60, 40), &frame,
                            AFX_IDW_PANE_FIRST + 1));
  frame.SetActiveView(&second);
  second.SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(frame.m_hWnd),
                     MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
  EXPECT_EQ(frame.GetActiveView(), &second);
  EXPECT_EQ(ClientOf(second), CRect(0, 0, 55, 35));
  // The first pane, not the active view, fills the frame.
  frame.MoveWindow(0, 0, 400, 300);
  EXPECT_EQ(ClientOf(second), CRect(0, 0, 55, 35));
  EXPECT_EQ(ClientOf(view), ClientOf(frame));
}

}  // namespace

// ---- lifetime, command routing and the exception boundary -------------------------

namespace {

int g_liveFrames = 0;
int g_liveViews = 0;
std::vector<std::string> g_routed;

constexpr UINT ID_BOTH = 40001;   // handled by the view and the frame
constexpr UINT ID_FRAME = 40002;  // by the frame only
constexpr UINT ID_THROW = 40003;  // the view's handler throws
constexpr UINT ID_THROW_USER = 40004;  // it refuses, the user told already
constexpr UINT ID_DISABLED = 40005;    // the view's update handler disables it
constexpr UINT ID_PASSED_ON = 40006;   // the view's passes the update on; the frame's disables
constexpr UINT ID_THROW_FILE = 40007;  // the view's handler fails to open a file
constexpr UINT ID_THROW_PLAIN = 40008; // it throws an exception with no message

// A host's own exception, with no message.
class CPlainException : public CException {};

class CCountedView : public CView {
 public:
  CCountedView() { ++g_liveViews; }
  ~CCountedView() override { --g_liveViews; }
  void OnDraw(CDC*) override {}

 protected:
  afx_msg void OnBoth() { g_routed.push_back("view"); }
  afx_msg void OnThrow() { throw std::bad_alloc(); }
  afx_msg void OnThrowUser() { AfxThrowUserException(); }
  afx_msg void OnThrowFile() { AfxThrowFileException(CFileException::fileNotFound, 2, "plan.vnl"); }
  afx_msg void OnThrowPlain() { throw new CPlainException; }
  afx_msg void OnDisabled() { g_routed.push_back("disabled command ran"); }
  afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
  afx_msg void OnPassedOn() { g_routed.push_back("passed-on command ran"); }
  afx_msg void OnUpdatePassedOn(CCmdUI* pCmdUI) { pCmdUI->ContinueRouting(); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountedView, CView)
  ON_COMMAND(ID_BOTH, OnBoth)
  ON_COMMAND(ID_THROW, OnThrow)
  ON_COMMAND(ID_THROW_USER, OnThrowUser)
  ON_COMMAND(ID_THROW_FILE, OnThrowFile)
  ON_COMMAND(ID_THROW_PLAIN, OnThrowPlain)
  ON_COMMAND(ID_DISABLED, OnDisabled)
  ON_UPDATE_COMMAND_UI(ID_DISABLED, OnUpdateDisabled)
  ON_COMMAND(ID_PASSED_ON, OnPassedOn)
  ON_UPDATE_COMMAND_UI(ID_PASSED_ON, OnUpdatePassedOn)
END_MESSAGE_MAP()

class CCountedFrame : public CFrameWnd {
 public:
  CCountedFrame() { ++g_liveFrames; }
  ~CCountedFrame() override { --g_liveFrames; }

 protected:
  afx_msg void OnBoth() { g_routed.push_back("frame"); }
  afx_msg void OnFrame() { g_routed.push_back("frame only"); }
  afx_msg void OnUpdatePassedOn(CCmdUI* pCmdUI) {
    g_routed.push_back("frame updated");
    pCmdUI->Enable(FALSE);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountedFrame, CFrameWnd)
  ON_COMMAND(ID_BOTH, OnBoth)
  ON_COMMAND(ID_FRAME, OnFrame)
  ON_UPDATE_COMMAND_UI(ID_PASSED_ON, OnUpdatePassedOn)
END_MESSAGE_MAP()

// A view whose window refuses to be created.
class CRefusingView : public CCountedView {
  DECLARE_DYNCREATE(CRefusingView)

 protected:
  afx_msg int OnCreate(LPCREATESTRUCTA) { return -1; }
  DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CRefusingView, CView)

BEGIN_MESSAGE_MAP(CRefusingView, CCountedView)
  ON_WM_CREATE()
END_MESSAGE_MAP()

// A view that refuses before its window exists.
class CRefusedEarlyView : public CCountedView {
  DECLARE_DYNCREATE(CRefusedEarlyView)

 protected:
  BOOL PreCreateWindow(CREATESTRUCTA&) override { return FALSE; }
};

IMPLEMENT_DYNCREATE(CRefusedEarlyView, CView)

// A view of a window class nobody registered: the system refuses the
// window before its first message.
class CUnknownClassView : public CCountedView {
  DECLARE_DYNCREATE(CUnknownClassView)

 protected:
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override {
    cs.lpszClass = "VarnelNoSuchClass";
    return TRUE;
  }
};

IMPLEMENT_DYNCREATE(CUnknownClassView, CView)

// A window whose creation throws: the creation fails instead.
class CThrowingWnd : public CWnd {
 protected:
  afx_msg int OnCreate(LPCREATESTRUCTA) { throw 42; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
  ON_WM_CREATE()
END_MESSAGE_MAP()

CCountedFrame* MakeFrameWithView(CCountedView** ppView) {
  auto* pFrame = new CCountedFrame;
  EXPECT_TRUE(pFrame->Create(nullptr, "Counted"));
  auto* pView = new CCountedView;
  EXPECT_TRUE(pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 1, 1), pFrame,
                            AFX_IDW_PANE_FIRST));
  pFrame->SetActiveView(pView);
  if (ppView != nullptr) *ppView = pView;
  return pFrame;
}

}  // namespace

TEST(FrameAndView, DeleteThemselvesOnceWhicheverWayTheyEnd) {
  MakeFrameWithView(nullptr)->DestroyWindow();
  EXPECT_EQ(g_liveFrames, 0);
  EXPECT_EQ(g_liveViews, 0);

  // Deleting the frame object first destroys its window and the view's.
  CCountedFrame* pFrame = MakeFrameWithView(nullptr);
  delete pFrame;
  EXPECT_EQ(g_liveFrames, 0);
  EXPECT_EQ(g_liveViews, 0);

  // A view destroyed alone leaves the frame without an active view.
  CCountedView* pView = nullptr;
  pFrame = MakeFrameWithView(&pView);
  pView->DestroyWindow();
  EXPECT_EQ(g_liveViews, 0);
  EXPECT_EQ(pFrame->GetActiveView(), nullptr);
  pFrame->SendMessage(WM_COMMAND, ID_BOTH);  // routed past the missing view
  pFrame->DestroyWindow();
  EXPECT_EQ(g_liveFrames, 0);
  g_routed.clear();
}

TEST(FrameAndView, AViewThatCannotBeCreatedFailsTheFrame) {
  for (CRuntimeClass* pClass : {RUNTIME_CLASS(CRefusingView), RUNTIME_CLASS(CRefusedEarlyView),
                                RUNTIME_CLASS(CUnknownClassView)}) {
    SCOPED_TRACE(pClass->m_lpszClassName);
    CCreateContext context;
    context.m_pNewViewClass = pClass;
    auto* pFrame = new CCountedFrame;
    EXPECT_FALSE(pFrame->Create(nullptr, "Refused", WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault,
                                nullptr, nullptr, 0, &context));
    // Both deleted themselves, once.
    EXPECT_EQ(g_liveViews, 0);
    EXPECT_EQ(g_liveFrames, 0);
  }
}

TEST(FrameAndView, ADisabledCommandIsDroppedAndAnUpdateRoutesOn) {
  CCountedFrame* pFrame = MakeFrameWithView(nullptr);
  g_routed.clear();
  // As an accelerator delivers them (code 1, no control).
  for (const UINT nID : {ID_DISABLED, ID_PASSED_ON, ID_BOTH}) {
    pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(nID, 1), 0);
  }
  EXPECT_EQ(g_routed, (std::vector<std::string>{"frame updated", "view"}));

  // A menu: the item the view passed on is the frame's to grey.
  CMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  menu.AppendMenu(MF_STRING, ID_PASSED_ON, "Passed on");
  menu.AppendMenu(MF_STRING, ID_BOTH, "Both");
  pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu.m_hMenu), 0);
  EXPECT_NE(menu.GetMenuState(ID_PASSED_ON, MF_BYCOMMAND) & MF_GRAYED, 0u);
  EXPECT_EQ(menu.GetMenuState(ID_BOTH, MF_BYCOMMAND) & MF_GRAYED, 0u);
  pFrame->DestroyWindow();
  g_routed.clear();
}

TEST(FrameAndView, CommandsGoToTheViewFirstThenTheFrame) {
  CCountedFrame* pFrame = MakeFrameWithView(nullptr);
  g_routed.clear();
  pFrame->SendMessage(WM_COMMAND, ID_BOTH);
  pFrame->SendMessage(WM_COMMAND, ID_FRAME);
  EXPECT_EQ(g_routed, (std::vector<std::string>{"view", "frame only"}));
  pFrame->DestroyWindow();
}

TEST(ExceptionBoundary, AnyExceptionIsToldOnceAndTheMessageGetsItsDefault) {
  CCountedFrame* pFrame = MakeFrameWithView(nullptr);
  TestApp().prompts.clear();
  // Each exception shows its own message; one without says what failed.
  for (const UINT nID : {ID_THROW, ID_THROW_FILE, ID_THROW_PLAIN, ID_THROW_USER}) {
    EXPECT_EQ(pFrame->SendMessage(WM_COMMAND, nID), 0);
  }
  std::vector<std::string> texts;
  for (const RecordedPrompt& prompt : TestApp().prompts) texts.push_back(prompt.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"Out of memory.", "plan.vnl was not found.",
                                             "Command failed."}))
      << "a refusal was told by whoever refused";
  pFrame->DestroyWindow();

  // A creation that throws fails, and the object is left without a window.
  CThrowingWnd wnd;
  TestApp().prompts.clear();
  EXPECT_FALSE(wnd.CreateEx(0, nullptr, "x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  EXPECT_EQ(wnd.m_hWnd, nullptr);
  EXPECT_EQ(TestApp().prompts.size(), 1u);
  TestApp().prompts.clear();
}
