// Toolbar and status bar in a wizard-made frame: where the frame puts them
// and the view, the toolbar's buttons kept up to date by the commands'
// update handlers and sending their commands, tooltips and status prompts
// from the commands' strings, the key indicators, and the View menu.
#include "BarsFrame.h"

#include <gtest/gtest.h>

namespace {

class BarsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = CBarsFrame::Make(RUNTIME_CLASS(CBarsView), 640, 480);
    ASSERT_NE(frame, nullptr);
  }
  void TearDown() override {
    if (frame != nullptr) frame->Close();
  }

  CRect ChildRect(CWnd& child) const {
    CRect rc;
    child.GetWindowRect(&rc);
    frame->ScreenToClient(&rc);
    return rc;
  }
  UINT ButtonState(UINT nID) const {
    return static_cast<UINT>(frame->m_wndToolBar.SendMessage(TB_GETSTATE, nID));
  }
  // The button's middle, in the toolbar's client coordinates.
  CPoint ButtonMiddle(UINT nID) const {
    CRect rc;
    frame->m_wndToolBar.GetItemRect(frame->m_wndToolBar.CommandToIndex(nID), &rc);
    return rc.CenterPoint();
  }
  void PostToToolBar(UINT message, WPARAM wParam, CPoint pt) {
    frame->m_wndToolBar.PostMessage(message, wParam, MAKELPARAM(pt.x, pt.y));
    PumpPending();
  }

  CBarsFrame* frame = nullptr;
};

TEST_F(BarsTest, TheViewGetsTheClientAreaBetweenTheBarsAtEverySize) {
  const struct {
    int cx, cy;
    bool bToolBar, bStatusBar;
  } cases[] = {
      {640, 480, true, true},  {333, 251, true, true},  {900, 200, true, true},
      {640, 480, false, true}, {640, 480, true, false}, {500, 300, false, false},
  };
  for (const auto& c : cases) {
    frame->ShowControlBar(&frame->m_wndToolBar, c.bToolBar, FALSE);
    frame->ShowControlBar(&frame->m_wndStatusBar, c.bStatusBar, FALSE);
    frame->SetWindowPos(nullptr, 0, 0, c.cx, c.cy, SWP_NOZORDER | SWP_NOMOVE);
    PumpPending();
    CRect rcClient;
    frame->GetClientRect(&rcClient);
    CRect rcExpected(rcClient);
    const std::string where = std::to_string(c.cx) + " x " + std::to_string(c.cy);
    if (c.bToolBar) {
      const CRect rcTool = ChildRect(frame->m_wndToolBar);
      const CSize size = frame->m_wndToolBar.CalcFixedLayout(TRUE, TRUE);
      EXPECT_EQ(rcTool, CRect(0, 0, rcClient.right, size.cy)) << where;
      EXPECT_GE(size.cy, 22) << where;  // a button's height at least
      rcExpected.top = rcTool.bottom;
    }
    if (c.bStatusBar) {
      const CRect rcStatus = ChildRect(frame->m_wndStatusBar);
      EXPECT_EQ(rcStatus.bottom, rcClient.bottom) << where;
      EXPECT_EQ(rcStatus.left, 0) << where;
      EXPECT_EQ(rcStatus.right, rcClient.right) << where;
      EXPECT_GT(rcStatus.Height(), 10) << where;
      rcExpected.bottom = rcStatus.top;
    }
    EXPECT_EQ(ChildRect(*frame->View()), rcExpected) << where;
    EXPECT_EQ(frame->m_wndToolBar.IsVisible(), c.bToolBar ? TRUE : FALSE) << where;
  }
}

TEST_F(BarsTest, TheViewMenuShowsAndHidesTheBarsAndChecksThem) {
  EXPECT_EQ(frame->GetControlBar(AFX_IDW_TOOLBAR), &frame->m_wndToolBar);
  EXPECT_EQ(frame->GetControlBar(AFX_IDW_STATUS_BAR), &frame->m_wndStatusBar);
  CMenu* pViewMenu = frame->GetMenu()->GetSubMenu(1);
  const auto checked = [&](UINT nID) {
    frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pViewMenu->m_hMenu), 1);
    return (pViewMenu->GetMenuState(nID, MF_BYCOMMAND) & MF_CHECKED) != 0;
  };
  EXPECT_TRUE(checked(ID_VIEW_TOOLBAR));
  EXPECT_TRUE(checked(ID_VIEW_STATUS_BAR));
  const CRect rcBefore = ChildRect(*frame->View());

  frame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
  EXPECT_FALSE(frame->m_wndToolBar.IsVisible());
  EXPECT_FALSE(checked(ID_VIEW_TOOLBAR));
  EXPECT_TRUE(checked(ID_VIEW_STATUS_BAR));
  EXPECT_EQ(ChildRect(*frame->View()).top, 0);

  frame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
  frame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
  EXPECT_TRUE(checked(ID_VIEW_TOOLBAR));
  EXPECT_FALSE(checked(ID_VIEW_STATUS_BAR));
  frame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
  EXPECT_EQ(ChildRect(*frame->View()), rcBefore);
}

TEST_F(BarsTest, UpdateHandlersReachTheButtonsAtIdleTime) {
  IdleUpdate();
  EXPECT_EQ(ButtonState(ID_TOOL_RED) & (TBSTATE_ENABLED | TBSTATE_CHECKED), TBSTATE_ENABLED);
  EXPECT_EQ(ButtonState(ID_TOOL_GREEN) & TBSTATE_ENABLED, 0u) << "its handler disables it";
  EXPECT_EQ(ButtonState(ID_TOOL_BLUE) & TBSTATE_CHECKED, 0u);
  EXPECT_EQ(ButtonState(ID_TOOL_YELLOW) & TBSTATE_ENABLED, 0u) << "nobody handles it";

  frame->View()->m_bGreenAllowed = TRUE;
  frame->View()->m_bBlue = TRUE;
  EXPECT_EQ(ButtonState(ID_TOOL_GREEN) & TBSTATE_ENABLED, 0u) << "not before idle time";
  IdleUpdate();
  EXPECT_NE(ButtonState(ID_TOOL_GREEN) & TBSTATE_ENABLED, 0u);
  EXPECT_NE(ButtonState(ID_TOOL_BLUE) & TBSTATE_CHECKED, 0u);
  const int nBlue = frame->m_wndToolBar.CommandToIndex(ID_TOOL_BLUE);
  EXPECT_EQ(nBlue, 3);  // after the separator
  EXPECT_NE(frame->m_wndToolBar.GetButtonStyle(nBlue) & TBBS_CHECKED, 0u);
  EXPECT_EQ(frame->m_wndToolBar.GetButtonStyle(nBlue) & TBBS_DISABLED, 0u);
  EXPECT_EQ(frame->m_wndToolBar.GetItemID(2), static_cast<UINT>(ID_SEPARATOR));
}

TEST_F(BarsTest, AClickSendsTheButtonsCommandThroughTheView) {
  IdleUpdate();
  const CPoint red = ButtonMiddle(ID_TOOL_RED), green = ButtonMiddle(ID_TOOL_GREEN);
  PostToToolBar(WM_LBUTTONDOWN, MK_LBUTTON, red);
  PostToToolBar(WM_LBUTTONUP, 0, red);
  EXPECT_EQ(frame->View()->m_nRed, 1);
  // A disabled button sends nothing.
  PostToToolBar(WM_LBUTTONDOWN, MK_LBUTTON, green);
  PostToToolBar(WM_LBUTTONUP, 0, green);
  EXPECT_EQ(frame->View()->m_nGreen, 0);
  // The menu's command is the same command.
  frame->SendMessage(WM_COMMAND, ID_TOOL_RED);
  EXPECT_EQ(frame->View()->m_nRed, 2);
}

TEST_F(BarsTest, TooltipsAreTheTextAfterTheNewline) {
  const HWND hTips = reinterpret_cast<HWND>(frame->m_wndToolBar.SendMessage(TB_GETTOOLTIPS));
  ASSERT_NE(hTips, nullptr);
  const auto tip = [&](UINT nID) {
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = hTips;
    info.hdr.idFrom = nID;
    info.hdr.code = TTN_GETDISPINFOA;
    frame->m_wndToolBar.SendMessage(WM_NOTIFY, nID, reinterpret_cast<LPARAM>(&info));
    return std::string(info.lpszText != nullptr ? info.lpszText : info.szText);
  };
  EXPECT_EQ(tip(ID_TOOL_RED), "Red");
  EXPECT_EQ(tip(ID_TOOL_BLUE), "Blue");
  EXPECT_EQ(tip(ID_TOOL_YELLOW), "") << "a string without a newline has no tip";
  // The tooltip control asks the same way (in wide characters).
  TTTOOLINFOW tool = {};
  tool.cbSize = sizeof tool;
  tool.hwnd = frame->m_wndToolBar.m_hWnd;
  tool.uId = ID_TOOL_GREEN;
  wchar_t text[80] = {};
  tool.lpszText = text;
  ::SendMessageW(hTips, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(text, L"Green");
}

TEST_F(BarsTest, ThePromptFollowsThePointerAndTheMenu) {
  CStatusBar& status = frame->m_wndStatusBar;
  IdleUpdate();
  EXPECT_EQ(ShownPaneText(status, 0), "Ready");
  PostToToolBar(WM_MOUSEMOVE, 0, ButtonMiddle(ID_TOOL_BLUE));
  EXPECT_EQ(ShownPaneText(status, 0), "Paint it blue");
  PostToToolBar(WM_MOUSEMOVE, 0, ButtonMiddle(ID_TOOL_RED));
  EXPECT_EQ(ShownPaneText(status, 0), "Paint it red");
  frame->m_wndToolBar.SendMessage(WM_MOUSELEAVE);
  EXPECT_EQ(ShownPaneText(status, 0), "Ready");

  // A highlighted menu item's prompt, "Ready" again when the menu closes.
  const HMENU hColours = frame->GetMenu()->GetSubMenu(2)->m_hMenu;
  frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TOOL_GREEN, MF_HILITE),
                     reinterpret_cast<LPARAM>(hColours));
  EXPECT_EQ(ShownPaneText(status, 0), "Paint it green");
  frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, MF_HILITE | MF_POPUP),
                     reinterpret_cast<LPARAM>(frame->GetMenu()->m_hMenu));
  EXPECT_EQ(ShownPaneText(status, 0), "");
  frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  EXPECT_EQ(ShownPaneText(status, 0), "Ready");
}

TEST_F(BarsTest, KeyIndicatorsFollowTheLocks) {
  CStatusBar& status = frame->m_wndStatusBar;
  BYTE keys[256] = {};
  ::GetKeyboardState(keys);
  const BYTE saved[3] = {keys[VK_CAPITAL], keys[VK_NUMLOCK], keys[VK_SCROLL]};
  const struct {
    bool caps, num, scroll;
  } cases[] = {{true, false, true}, {false, true, false}, {false, false, false}};
  for (const auto& c : cases) {
    keys[VK_CAPITAL] = c.caps ? 1 : 0;
    keys[VK_NUMLOCK] = c.num ? 1 : 0;
    keys[VK_SCROLL] = c.scroll ? 1 : 0;
    ::SetKeyboardState(keys);
    IdleUpdate();
    EXPECT_EQ(ShownPaneText(status, 1), c.caps ? "CAP" : "");
    EXPECT_EQ(ShownPaneText(status, 2), c.num ? "NUM" : "");
    EXPECT_EQ(ShownPaneText(status, 3), c.scroll ? "SCRL" : "");
  }
  // The pane keeps its text while it shows none.
  EXPECT_EQ(std::string(status.GetPaneText(1)), "CAP");
  keys[VK_CAPITAL] = saved[0];
  keys[VK_NUMLOCK] = saved[1];
  keys[VK_SCROLL] = saved[2];
  ::SetKeyboardState(keys);
}

TEST_F(BarsTest, TheFirstPaneTakesTheWidthTheIndicatorsLeave) {
  CStatusBar& status = frame->m_wndStatusBar;
  EXPECT_EQ(status.CommandToIndex(ID_INDICATOR_NUM), 2);
  EXPECT_EQ(status.GetItemID(0), static_cast<UINT>(ID_SEPARATOR));
  int widths[2][4] = {};
  const int frameWidths[2] = {640, 451};
  for (int i = 0; i < 2; ++i) {
    frame->SetWindowPos(nullptr, 0, 0, frameWidths[i], 300, SWP_NOZORDER | SWP_NOMOVE);
    PumpPending();
    int rights[4] = {};
    ASSERT_EQ(status.SendMessage(SB_GETPARTS, 4, reinterpret_cast<LPARAM>(rights)), 4);
    for (int p = 0; p < 4; ++p) {
      CRect rc;
      status.GetItemRect(p, &rc);
      widths[i][p] = rc.Width();
    }
    CRect rcBar;
    status.GetClientRect(&rcBar);
    // The panes end before the grip, the last one close to it.
    EXPECT_LE(rights[3], rcBar.right) << frameWidths[i];
    EXPECT_GE(rights[3], rcBar.right - ::GetSystemMetrics(SM_CXVSCROLL) - 2) << frameWidths[i];
  }
  for (int p = 1; p < 4; ++p) EXPECT_EQ(widths[0][p], widths[1][p]) << p;
  EXPECT_EQ(widths[0][0] - widths[1][0], 640 - 451);
  // "SCRL" is wider than "CAP" in any proportional font.
  EXPECT_GT(widths[0][3], widths[0][1]);

  // A host's own pane text, and the first pane's text as the window's.
  status.SetPaneText(0, "Saved");
  EXPECT_EQ(ShownPaneText(status, 0), "Saved");
  frame->SetMessageText("Loading");
  EXPECT_EQ(std::string(status.GetPaneText(0)), "Loading");
}

// A target that declines its command on request: its ON_COMMAND_EX
// handler returns FALSE and its update handler calls ContinueRouting.
class CDecliningTarget : public CCmdTarget {
 public:
  BOOL m_bTake = FALSE;
  int m_nAsked = 0;

 protected:
  afx_msg BOOL OnRed(UINT) {
    ++m_nAsked;
    return m_bTake;
  }
  afx_msg void OnUpdateRed(CCmdUI* pCmdUI) {
    if (!m_bTake) pCmdUI->ContinueRouting();
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDecliningTarget, CCmdTarget)
  ON_COMMAND_EX(ID_TOOL_RED, OnRed)
  ON_UPDATE_COMMAND_UI(ID_TOOL_RED, OnUpdateRed)
END_MESSAGE_MAP()

TEST(CommandRouting, ADeclinedCommandGoesOnToTheNextTarget) {
  CDecliningTarget target;
  for (BOOL bTake : {FALSE, TRUE}) {
    target.m_bTake = bTake;
    EXPECT_EQ(target.OnCmdMsg(ID_TOOL_RED, 0), bTake) << "the command, taken: " << bTake;
    CCmdUI state;
    state.m_nID = ID_TOOL_RED;
    EXPECT_EQ(target.OnCmdMsg(ID_TOOL_RED, static_cast<int>(CN_UPDATE_COMMAND_UI), &state), bTake)
        << "its update, taken: " << bTake;
  }
  EXPECT_EQ(target.m_nAsked, 2);
}

}  // namespace
