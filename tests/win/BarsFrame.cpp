#include "BarsFrame.h"

IMPLEMENT_DYNCREATE(CBarsView, CView)

BEGIN_MESSAGE_MAP(CBarsView, CView)
  ON_COMMAND(ID_TOOL_RED, OnRed)
  ON_COMMAND(ID_TOOL_GREEN, OnGreen)
  ON_UPDATE_COMMAND_UI(ID_TOOL_GREEN, OnUpdateGreen)
  ON_COMMAND(ID_TOOL_BLUE, OnBlue)
  ON_UPDATE_COMMAND_UI(ID_TOOL_BLUE, OnUpdateBlue)
END_MESSAGE_MAP()

void CBarsView::OnDraw(CDC* pDC) {
  CRect rc;
  GetClientRect(&rc);
  pDC->FillSolidRect(&rc, RGB(255, 255, 255));
}

IMPLEMENT_DYNCREATE(CBarsFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CBarsFrame, CFrameWnd)
  ON_WM_CREATE()
END_MESSAGE_MAP()

namespace {

const UINT kIndicators[] = {
    ID_SEPARATOR,  // the messages
    ID_INDICATOR_CAPS,
    ID_INDICATOR_NUM,
    ID_INDICATOR_SCRL,
};

}  // namespace

int CBarsFrame::OnCreate(LPCREATESTRUCTA lpcs) {
  if (CFrameWnd::OnCreate(lpcs) == -1) return -1;
  if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                             WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS |
                                 CBRS_FLYBY | CBRS_SIZE_DYNAMIC) ||
      !m_wndToolBar.LoadToolBar(IDR_BARS)) {
    TRACE0("Failed to create toolbar\n");
    return -1;
  }
  if (!m_wndStatusBar.Create(this) ||
      !m_wndStatusBar.SetIndicators(kIndicators, sizeof(kIndicators) / sizeof(UINT))) {
    TRACE0("Failed to create status bar\n");
    return -1;
  }
  m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
  EnableDocking(CBRS_ALIGN_ANY);
  DockControlBar(&m_wndToolBar);
  return 0;
}

CBarsFrame* CBarsFrame::Make(CRuntimeClass* pViewClass, int cx, int cy) {
  auto* pFrame = new CBarsFrame;
  CCreateContext context;
  context.m_pNewViewClass = pViewClass;
  if (!pFrame->LoadFrame(IDR_BARS, WS_OVERLAPPEDWINDOW, nullptr, &context)) return nullptr;
  pFrame->SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOZORDER);
  pFrame->ShowWindow(SW_SHOW);
  pFrame->UpdateWindow();
  TestApp().m_pMainWnd = pFrame;
  PumpPending();
  return pFrame;
}

void CBarsFrame::Close() {
  if (TestApp().m_pMainWnd == this) TestApp().m_pMainWnd = nullptr;
  DestroyWindow();  // deletes this
  PumpPending();
}

std::string ShownPaneText(CStatusBar& bar, int nIndex) {
  char text[256] = {};
  bar.SendMessage(SB_GETTEXTA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(text));
  return text;
}

void IdleUpdate() {
  PumpPending();
  TestApp().OnIdle(0);
}
