// Control notifications on real windows: WM_NOTIFY entries and their
// reflection, ID ranges, _EX entries that pass a notification on,
// registered messages, and the parent's messages about a control (colours,
// owner-drawn list items) reaching the control's own object, in the order
// the framework gives them.
#include "FrameworkTestApp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr UINT IDC_NOTE = 300;    // a control whose notifications are reflected
constexpr UINT IDC_RANGE1 = 310;  // IDC_RANGE1..IDC_RANGE3: one range entry
constexpr UINT IDC_RANGE3 = 312;
constexpr UINT IDC_OUTSIDE = 313;
constexpr UINT IDC_BOX = 320;
constexpr UINT kAppCode = 1000;  // an application's own notification code

const UINT WM_TEST_REGISTERED = ::RegisterWindowMessageA("VarnelNotificationTest");

std::vector<std::string> g_log;

// A control that handles some of its own notifications: NM_CLICK always,
// kAppCode only when `keep` is set (otherwise the parent gets it too), and
// BN_CLICKED the same way.
class CNotifyingButton : public CButton {
 public:
  BOOL keep = TRUE;

 protected:
  afx_msg void OnClickReflect(NMHDR* pNMHDR, LRESULT* pResult) {
    g_log.push_back("control NM_CLICK " + std::to_string(pNMHDR->idFrom));
    *pResult = 11;
  }
  afx_msg BOOL OnAppCodeReflect(NMHDR*, LRESULT* pResult) {
    g_log.push_back("control app code");
    *pResult = 22;
    return keep;
  }
  afx_msg BOOL OnClickedReflect() {
    g_log.push_back("control BN_CLICKED");
    return keep;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifyingButton, CButton)
  ON_NOTIFY_REFLECT(NM_CLICK, OnClickReflect)
  ON_NOTIFY_REFLECT_EX(kAppCode, OnAppCodeReflect)
  ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClickedReflect)
END_MESSAGE_MAP()

class CNotifyParent : public CWnd {
 public:
  BOOL CreateTopLevel() {
    return CreateEx(0, nullptr, "Notify", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                    nullptr, nullptr);
  }
  BOOL declineRange = FALSE;

 protected:
  afx_msg void OnClick(NMHDR* pNMHDR, LRESULT* pResult) {
    g_log.push_back("parent NM_CLICK " + std::to_string(pNMHDR->idFrom));
    *pResult = 5;
  }
  afx_msg void OnAppCode(NMHDR*, LRESULT* pResult) {
    g_log.push_back("parent app code");
    *pResult = 33;
  }
  afx_msg void OnRangeNotify(UINT id, NMHDR* pNMHDR, LRESULT* pResult) {
    g_log.push_back("range NM_DBLCLK " + std::to_string(id) + " " +
                    std::to_string(pNMHDR->idFrom));
    *pResult = static_cast<LRESULT>(id);
  }
  afx_msg BOOL OnRangeNotifyEx(UINT id, NMHDR*, LRESULT* pResult) {
    g_log.push_back("range NM_RETURN " + std::to_string(id));
    *pResult = 44;
    return !declineRange;
  }
  afx_msg void OnRangeClicked(UINT id) {
    g_log.push_back("range BN_CLICKED " + std::to_string(id));
  }
  afx_msg void OnNoteClicked() { g_log.push_back("parent BN_CLICKED"); }
  afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM lParam) {
    return static_cast<LRESULT>(wParam) * 100 + lParam;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifyParent, CWnd)
  ON_NOTIFY(NM_CLICK, IDC_NOTE, OnClick)
  ON_NOTIFY(NM_CLICK, IDC_OUTSIDE, OnClick)
  ON_NOTIFY(kAppCode, IDC_NOTE, OnAppCode)
  ON_NOTIFY_RANGE(NM_DBLCLK, IDC_RANGE1, IDC_RANGE3, OnRangeNotify)
  ON_NOTIFY_EX_RANGE(NM_RETURN, IDC_RANGE1, IDC_RANGE3, OnRangeNotifyEx)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_RANGE1, IDC_RANGE3, OnRangeClicked)
  ON_BN_CLICKED(IDC_NOTE, OnNoteClicked)
  ON_REGISTERED_MESSAGE(WM_TEST_REGISTERED, OnRegistered)
END_MESSAGE_MAP()

LRESULT SendNotify(CWnd& parent, HWND hWndFrom, UINT id, UINT code) {
  NMHDR header = {hWndFrom, id, code};
  return parent.SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
}

class NotificationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_log.clear();
    ASSERT_TRUE(m_parent.CreateTopLevel());
    ASSERT_TRUE(m_note.Create("Note", WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 90, 30),
                              &m_parent, IDC_NOTE));
    for (UINT id = IDC_RANGE1; id <= IDC_OUTSIDE; ++id) {
      const int y = 40 + 25 * static_cast<int>(id - IDC_RANGE1);
      m_hWndRange[id - IDC_RANGE1] = ::CreateWindowExA(
          0, "BUTTON", "R", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, y, 60, 20, m_parent.m_hWnd,
          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), AfxGetInstanceHandle(), nullptr);
    }
  }
  void TearDown() override { m_parent.DestroyWindow(); }

  CNotifyParent m_parent;
  CNotifyingButton m_note;
  HWND m_hWndRange[4] = {};
};

// ---- WM_NOTIFY and WM_COMMAND ---------------------------------------------------------

TEST_F(NotificationTest, NotifyEntriesFindTheirHandlerAndSetTheResult) {
  struct Case {
    int control;  // index into m_hWndRange, -1 for the reflecting control
    UINT code;
    BOOL keep;
    LRESULT result;
    std::vector<std::string> log;
  };
  const Case cases[] = {
      // The control's own entry handles it; the parent never sees it.
      {-1, NM_CLICK, TRUE, 11, {"control NM_CLICK 300"}},
      // An _EX entry that returns FALSE lets the parent handle it too.
      {-1, kAppCode, TRUE, 22, {"control app code"}},
      {-1, kAppCode, FALSE, 33, {"control app code", "parent app code"}},
      // A control without an object: the parent's entries by code and ID.
      {3, NM_CLICK, TRUE, 5, {"parent NM_CLICK 313"}},
      {1, NM_DBLCLK, TRUE, 311, {"range NM_DBLCLK 311 311"}},
      {3, NM_DBLCLK, TRUE, 0, {}},                          // outside the range
      {2, NM_RETURN, TRUE, 44, {"range NM_RETURN 312"}},
      {0, NM_KILLFOCUS, TRUE, 0, {}},                       // no entry at all
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "control " << c.control << " code " << int(c.code));
    g_log.clear();
    m_note.keep = c.keep;
    const HWND hWndFrom = c.control < 0 ? m_note.m_hWnd : m_hWndRange[c.control];
    const UINT id = static_cast<UINT>(::GetDlgCtrlID(hWndFrom));
    EXPECT_EQ(SendNotify(m_parent, hWndFrom, id, c.code), c.result);
    EXPECT_EQ(g_log, c.log);
  }
}

TEST_F(NotificationTest, DeclinedNotifyExGetsTheDefaultProcessing) {
  m_parent.declineRange = TRUE;
  EXPECT_EQ(SendNotify(m_parent, m_hWndRange[0], IDC_RANGE1, NM_RETURN), 0);
  EXPECT_EQ(g_log, std::vector<std::string>{"range NM_RETURN 310"});
}

TEST_F(NotificationTest, CommandRangeAndReflectedCommandEx) {
  for (HWND hWnd : m_hWndRange) ::SendMessageA(hWnd, BM_CLICK, 0, 0);
  EXPECT_EQ(g_log, (std::vector<std::string>{"range BN_CLICKED 310", "range BN_CLICKED 311",
                                             "range BN_CLICKED 312"}));
  g_log.clear();
  m_note.keep = TRUE;
  m_note.SendMessage(BM_CLICK);
  m_note.keep = FALSE;
  m_note.SendMessage(BM_CLICK);
  EXPECT_EQ(g_log, (std::vector<std::string>{"control BN_CLICKED", "control BN_CLICKED",
                                             "parent BN_CLICKED"}));
}

TEST_F(NotificationTest, RegisteredMessageReachesItsEntry) {
  ASSERT_NE(WM_TEST_REGISTERED, 0u);
  EXPECT_EQ(m_parent.SendMessage(WM_TEST_REGISTERED, 3, 7), 307);
}

// ---- the shorthand entries of control notifications ---------------------------------

#define AFX_TEST_LOGGER(name) \
  afx_msg void name() { g_log.push_back(#name); }

class CShorthandWnd : public CWnd {
 protected:
  AFX_TEST_LOGGER(EnChange)
  AFX_TEST_LOGGER(EnUpdate)
  AFX_TEST_LOGGER(EnSetFocus)
  AFX_TEST_LOGGER(EnKillFocus)
  AFX_TEST_LOGGER(EnMaxText)
  AFX_TEST_LOGGER(EnErrSpace)
  AFX_TEST_LOGGER(EnHScroll)
  AFX_TEST_LOGGER(EnVScroll)
  AFX_TEST_LOGGER(CbnSelChange)
  AFX_TEST_LOGGER(CbnDblClk)
  AFX_TEST_LOGGER(CbnSetFocus)
  AFX_TEST_LOGGER(CbnKillFocus)
  AFX_TEST_LOGGER(CbnEditChange)
  AFX_TEST_LOGGER(CbnEditUpdate)
  AFX_TEST_LOGGER(CbnDropDown)
  AFX_TEST_LOGGER(CbnCloseUp)
  AFX_TEST_LOGGER(CbnSelEndOk)
  AFX_TEST_LOGGER(CbnSelEndCancel)
  AFX_TEST_LOGGER(CbnErrSpace)
  AFX_TEST_LOGGER(LbnSelChange)
  AFX_TEST_LOGGER(LbnDblClk)
  AFX_TEST_LOGGER(LbnSetFocus)
  AFX_TEST_LOGGER(LbnKillFocus)
  AFX_TEST_LOGGER(LbnSelCancel)
  AFX_TEST_LOGGER(LbnErrSpace)
  AFX_TEST_LOGGER(BnClicked)
  AFX_TEST_LOGGER(BnDoubleClicked)
  AFX_TEST_LOGGER(BnSetFocus)
  AFX_TEST_LOGGER(BnKillFocus)
  AFX_TEST_LOGGER(BnPushed)
  AFX_TEST_LOGGER(BnUnpushed)
  AFX_TEST_LOGGER(BnDisable)
  AFX_TEST_LOGGER(BnPaint)
  AFX_TEST_LOGGER(StnClicked)
  AFX_TEST_LOGGER(StnDblClk)
  AFX_TEST_LOGGER(StnEnable)
  AFX_TEST_LOGGER(StnDisable)
  DECLARE_MESSAGE_MAP()
};

// Each family on its own ID, so that a code given to the wrong family
// shows.
constexpr UINT IDC_EDIT_N = 401, IDC_COMBO_N = 402, IDC_LIST_N = 403, IDC_BUTTON_N = 404,
               IDC_STATIC_N = 405;

BEGIN_MESSAGE_MAP(CShorthandWnd, CWnd)
  ON_EN_CHANGE(IDC_EDIT_N, EnChange)
  ON_EN_UPDATE(IDC_EDIT_N, EnUpdate)
  ON_EN_SETFOCUS(IDC_EDIT_N, EnSetFocus)
  ON_EN_KILLFOCUS(IDC_EDIT_N, EnKillFocus)
  ON_EN_MAXTEXT(IDC_EDIT_N, EnMaxText)
  ON_EN_ERRSPACE(IDC_EDIT_N, EnErrSpace)
  ON_EN_HSCROLL(IDC_EDIT_N, EnHScroll)
  ON_EN_VSCROLL(IDC_EDIT_N, EnVScroll)
  ON_CBN_SELCHANGE(IDC_COMBO_N, CbnSelChange)
  ON_CBN_DBLCLK(IDC_COMBO_N, CbnDblClk)
  ON_CBN_SETFOCUS(IDC_COMBO_N, CbnSetFocus)
  ON_CBN_KILLFOCUS(IDC_COMBO_N, CbnKillFocus)
  ON_CBN_EDITCHANGE(IDC_COMBO_N, CbnEditChange)
  ON_CBN_EDITUPDATE(IDC_COMBO_N, CbnEditUpdate)
  ON_CBN_DROPDOWN(IDC_COMBO_N, CbnDropDown)
  ON_CBN_CLOSEUP(IDC_COMBO_N, CbnCloseUp)
  ON_CBN_SELENDOK(IDC_COMBO_N, CbnSelEndOk)
  ON_CBN_SELENDCANCEL(IDC_COMBO_N, CbnSelEndCancel)
  ON_CBN_ERRSPACE(IDC_COMBO_N, CbnErrSpace)
  ON_LBN_SELCHANGE(IDC_LIST_N, LbnSelChange)
  ON_LBN_DBLCLK(IDC_LIST_N, LbnDblClk)
  ON_LBN_SETFOCUS(IDC_LIST_N, LbnSetFocus)
  ON_LBN_KILLFOCUS(IDC_LIST_N, LbnKillFocus)
  ON_LBN_SELCANCEL(IDC_LIST_N, LbnSelCancel)
  ON_LBN_ERRSPACE(IDC_LIST_N, LbnErrSpace)
  ON_BN_CLICKED(IDC_BUTTON_N, BnClicked)
  ON_BN_DOUBLECLICKED(IDC_BUTTON_N, BnDoubleClicked)
  ON_BN_SETFOCUS(IDC_BUTTON_N, BnSetFocus)
  ON_BN_KILLFOCUS(IDC_BUTTON_N, BnKillFocus)
  ON_BN_PUSHED(IDC_BUTTON_N, BnPushed)
  ON_BN_UNPUSHED(IDC_BUTTON_N, BnUnpushed)
  ON_BN_DISABLE(IDC_BUTTON_N, BnDisable)
  ON_BN_PAINT(IDC_BUTTON_N, BnPaint)
  ON_STN_CLICKED(IDC_STATIC_N, StnClicked)
  ON_STN_DBLCLK(IDC_STATIC_N, StnDblClk)
  ON_STN_ENABLE(IDC_STATIC_N, StnEnable)
  ON_STN_DISABLE(IDC_STATIC_N, StnDisable)
END_MESSAGE_MAP()

TEST(ControlShorthands, EachEntryTakesItsCodeFromItsKindOfControl) {
  const struct {
    UINT id;
    WORD code;
    const char* handler;
  } rows[] = {
      {IDC_EDIT_N, EN_CHANGE, "EnChange"},          {IDC_EDIT_N, EN_UPDATE, "EnUpdate"},
      {IDC_EDIT_N, EN_SETFOCUS, "EnSetFocus"},      {IDC_EDIT_N, EN_KILLFOCUS, "EnKillFocus"},
      {IDC_EDIT_N, EN_MAXTEXT, "EnMaxText"},        {IDC_EDIT_N, EN_ERRSPACE, "EnErrSpace"},
      {IDC_EDIT_N, EN_HSCROLL, "EnHScroll"},        {IDC_EDIT_N, EN_VSCROLL, "EnVScroll"},
      {IDC_COMBO_N, CBN_SELCHANGE, "CbnSelChange"}, {IDC_COMBO_N, CBN_DBLCLK, "CbnDblClk"},
      {IDC_COMBO_N, CBN_SETFOCUS, "CbnSetFocus"},   {IDC_COMBO_N, CBN_KILLFOCUS, "CbnKillFocus"},
      {IDC_COMBO_N, CBN_EDITCHANGE, "CbnEditChange"},
      {IDC_COMBO_N, CBN_EDITUPDATE, "CbnEditUpdate"},
      {IDC_COMBO_N, CBN_DROPDOWN, "CbnDropDown"},   {IDC_COMBO_N, CBN_CLOSEUP, "CbnCloseUp"},
      {IDC_COMBO_N, CBN_SELENDOK, "CbnSelEndOk"},
      {IDC_COMBO_N, CBN_SELENDCANCEL, "CbnSelEndCancel"},
      {IDC_COMBO_N, static_cast<WORD>(CBN_ERRSPACE), "CbnErrSpace"},
      {IDC_LIST_N, LBN_SELCHANGE, "LbnSelChange"},  {IDC_LIST_N, LBN_DBLCLK, "LbnDblClk"},
      {IDC_LIST_N, LBN_SETFOCUS, "LbnSetFocus"},    {IDC_LIST_N, LBN_KILLFOCUS, "LbnKillFocus"},
      {IDC_LIST_N, LBN_SELCANCEL, "LbnSelCancel"},
      {IDC_LIST_N, static_cast<WORD>(LBN_ERRSPACE), "LbnErrSpace"},
      {IDC_BUTTON_N, BN_CLICKED, "BnClicked"},      {IDC_BUTTON_N, BN_DOUBLECLICKED, "BnDoubleClicked"},
      {IDC_BUTTON_N, BN_SETFOCUS, "BnSetFocus"},    {IDC_BUTTON_N, BN_KILLFOCUS, "BnKillFocus"},
      {IDC_BUTTON_N, BN_PUSHED, "BnPushed"},        {IDC_BUTTON_N, BN_UNPUSHED, "BnUnpushed"},
      {IDC_BUTTON_N, BN_DISABLE, "BnDisable"},      {IDC_BUTTON_N, BN_PAINT, "BnPaint"},
      {IDC_STATIC_N, STN_CLICKED, "StnClicked"},    {IDC_STATIC_N, STN_DBLCLK, "StnDblClk"},
      {IDC_STATIC_N, STN_ENABLE, "StnEnable"},      {IDC_STATIC_N, STN_DISABLE, "StnDisable"},
  };
  CShorthandWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, "Shorthands", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
  const HWND hWndControl = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, wnd.m_hWnd,
                                             nullptr, AfxGetInstanceHandle(), nullptr);
  for (const auto& row : rows) {
    g_log.clear();
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(row.id, row.code),
                    reinterpret_cast<LPARAM>(hWndControl));
    EXPECT_EQ(g_log, std::vector<std::string>{row.handler});
  }
  wnd.DestroyWindow();
}

// ---- the parent's other messages about a control, reflected ----------------------------

// A scroll bar, a list box and a static that each handle the parent's
// messages about them.
class CReflectingBar : public CScrollBar {
 protected:
  afx_msg void HScroll(UINT nSBCode, UINT nPos) {
    g_log.push_back("HScroll " + std::to_string(nSBCode) + " " +
                    std::to_string(static_cast<int>(nPos)));
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingBar, CScrollBar)
  ON_WM_HSCROLL_REFLECT()
END_MESSAGE_MAP()

class CReflectingList : public CListBox {
 protected:
  afx_msg int VKeyToItem(UINT nKey, UINT nIndex) {
    g_log.push_back("VKeyToItem " + std::to_string(nKey) + " " + std::to_string(nIndex));
    return -2;
  }
  afx_msg int CharToItem(UINT nKey, UINT nIndex) {
    g_log.push_back("CharToItem " + std::to_string(nKey) + " " + std::to_string(nIndex));
    return 1;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingList, CListBox)
  ON_WM_VKEYTOITEM_REFLECT()
  ON_WM_CHARTOITEM_REFLECT()
END_MESSAGE_MAP()

class CReflectingStatic : public CStatic {
 protected:
  afx_msg void ParentNotify(UINT message, LPARAM) {
    g_log.push_back("ParentNotify " + std::to_string(LOWORD(message)));
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingStatic, CStatic)
  ON_WM_PARENTNOTIFY_REFLECT()
END_MESSAGE_MAP()

TEST(Reflection, ScrollingListKeysAndClicksReachTheControlsEntries) {
  CWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, nullptr, "Others", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                              nullptr));
  CReflectingBar bar;
  ASSERT_TRUE(bar.Create(WS_VISIBLE | SBS_HORZ, CRect(10, 10, 200, 30), &parent, 501));
  CReflectingList list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_WANTKEYBOARDINPUT, CRect(10, 40, 100, 150), &parent,
                          502));
  CReflectingStatic label;
  ASSERT_TRUE(label.Create("label", WS_VISIBLE, CRect(150, 40, 250, 80), &parent, 503));
  const auto barL = reinterpret_cast<LPARAM>(bar.m_hWnd);
  const auto listL = reinterpret_cast<LPARAM>(list.m_hWnd);
  const struct {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    const char* expected;
    LRESULT result;
  } rows[] = {
      {WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, static_cast<WORD>(-30)), barL, "HScroll 5 -30", 0},
      {WM_VKEYTOITEM, MAKEWPARAM(VK_DOWN, 2), listL, "VKeyToItem 40 2", -2},
      {WM_CHARTOITEM, MAKEWPARAM('q', 0), listL, "CharToItem 113 0", 1},
      {WM_PARENTNOTIFY, MAKEWPARAM(WM_LBUTTONDOWN, 0), MAKELPARAM(160, 50), "ParentNotify 513", 0},
  };
  for (const auto& row : rows) {
    g_log.clear();
    EXPECT_EQ(parent.SendMessage(row.message, row.wParam, row.lParam), row.result);
    EXPECT_EQ(g_log, std::vector<std::string>{row.expected});
  }
  g_log.clear();  // a click beside the controls reaches none of them
  parent.SendMessage(WM_PARENTNOTIFY, MAKEWPARAM(WM_LBUTTONDOWN, 0), MAKELPARAM(280, 190));
  EXPECT_TRUE(g_log.empty());
  parent.DestroyWindow();
}

// ---- control colours ------------------------------------------------------------------

// An edit field that paints its own background.
class CColorEdit : public CEdit {
 public:
  COLORREF color = RGB(255, 0, 0);
  bool give = true;  // false: no brush, the parent decides
  UINT lastCtlColor = 0;

 protected:
  afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor) {
    lastCtlColor = nCtlColor;
    if (!give) return nullptr;
    if (m_brush.GetSafeHandle() == nullptr) m_brush.CreateSolidBrush(color);
    pDC->SetBkColor(color);
    return static_cast<HBRUSH>(m_brush.GetSafeHandle());
  }
  DECLARE_MESSAGE_MAP()

 private:
  CBrush m_brush;
};

BEGIN_MESSAGE_MAP(CColorEdit, CEdit)
  ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

// A parent that colours its controls green, and either asks the framework
// first (as the framework's handlers are written) or does not.
class CColorParent : public CWnd {
 public:
  bool callBase = true;
  BOOL CreateTopLevel() {
    return CreateEx(0, nullptr, "Colors", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                    nullptr);
  }

 protected:
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    if (callBase) {
      const HBRUSH hBrush = CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
      if (hBrush != ::GetSysColorBrush(COLOR_WINDOW)) return hBrush;
    }
    return static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColorParent, CWnd)
  ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// The colour inside the edit field's border, after it painted itself.
COLORREF EditBackground(CEdit& edit) {
  edit.Invalidate();
  edit.UpdateWindow();
  const HDC hDC = ::GetDC(edit.m_hWnd);
  const COLORREF color = ::GetPixel(hDC, 40, 4);
  ::ReleaseDC(edit.m_hWnd, hDC);
  return color;
}

TEST(Reflection, ControlColourBrushFromTheControlPaintsItsBackground) {
  CWnd plain;
  ASSERT_TRUE(plain.CreateEx(0, nullptr, "Plain", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                             nullptr));
  ::SetWindowPos(plain.m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  CColorEdit edit;
  ASSERT_TRUE(edit.Create(WS_VISIBLE, CRect(10, 10, 150, 40), &plain, IDC_BOX));
  // A parent without a colour handler: the control's brush.
  EXPECT_EQ(EditBackground(edit), RGB(255, 0, 0));
  EXPECT_EQ(edit.lastCtlColor, static_cast<UINT>(CTLCOLOR_EDIT));
  edit.give = false;  // none from the control: the system's white
  EXPECT_EQ(EditBackground(edit), ::GetSysColor(COLOR_WINDOW));
  plain.DestroyWindow();
}

TEST(Reflection, ParentColourHandlerComesFirstAndItsBaseAsksTheControl) {
  struct Case {
    bool callBase;
    bool give;
    COLORREF expected;
  };
  const Case cases[] = {
      {true, true, RGB(255, 0, 0)},   // the base asked the control
      {true, false, RGB(0, 0, 0)},    // the control gave none: the parent's own
      {false, true, RGB(0, 0, 0)},    // the parent's handler alone decides
  };
  CColorParent parent;
  ASSERT_TRUE(parent.CreateTopLevel());
  ::SetWindowPos(parent.m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  CColorEdit edit;
  ASSERT_TRUE(edit.Create(WS_VISIBLE, CRect(10, 10, 150, 40), &parent, IDC_BOX));
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "base " << c.callBase << " give " << c.give);
    parent.callBase = c.callBase;
    edit.give = c.give;
    EXPECT_EQ(EditBackground(edit), c.expected);
  }
  parent.DestroyWindow();
}

// ---- owner-drawn lists -----------------------------------------------------------------

// A sorted owner-drawn list box of numbers (its items' data): orders them,
// makes item n n + 10 pixels high, and logs drawing and deleting.
class CNumberList : public CListBox {
 public:
  std::vector<std::string> log;
  std::vector<DWORD_PTR> drawn;
  void MeasureItem(LPMEASUREITEMSTRUCT lpmis) override {
    lpmis->itemHeight = static_cast<UINT>(lpmis->itemData + 10);
  }
  int CompareItem(LPCOMPAREITEMSTRUCT lpcis) override {
    ++compares;
    return lpcis->itemData1 < lpcis->itemData2 ? -1 : lpcis->itemData1 > lpcis->itemData2 ? 1 : 0;
  }
  void DrawItem(LPDRAWITEMSTRUCT lpdis) override {
    if (lpdis->itemID != static_cast<UINT>(-1)) drawn.push_back(lpdis->itemData);
  }
  void DeleteItem(LPDELETEITEMSTRUCT lpdis) override {
    log.push_back("list deletes " + std::to_string(lpdis->itemData));
  }
  int compares = 0;
};

// A parent that frees its lists' items itself, then (or not) lets the
// framework hand the request to the list.
class CListParent : public CWnd {
 public:
  bool callBase = true;
  std::vector<std::string>* log = nullptr;
  BOOL CreateTopLevel() {
    return CreateEx(0, nullptr, "Lists", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr);
  }

 protected:
  afx_msg void OnDeleteItem(int nIDCtl, LPDELETEITEMSTRUCT lpdis) {
    if (log != nullptr) log->push_back("parent deletes " + std::to_string(lpdis->itemData));
    if (callBase) CWnd::OnDeleteItem(nIDCtl, lpdis);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CListParent, CWnd)
  ON_WM_DELETEITEM()
END_MESSAGE_MAP()

TEST(Reflection, OwnerDrawnListMeasuresOrdersDrawsAndDeletesItsOwnItems) {
  CWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, nullptr, "Lists", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr,
                              nullptr));
  CNumberList list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_SORT, CRect(10, 10, 200, 250),
                          &parent, IDC_BOX));
  for (DWORD_PTR n : {7, 3, 5}) list.SendMessage(LB_ADDSTRING, 0, static_cast<LPARAM>(n));
  EXPECT_GT(list.compares, 0);
  ASSERT_EQ(list.GetCount(), 3);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const DWORD_PTR data = list.GetItemData(i);
    EXPECT_EQ(data, DWORD_PTR(3 + 2 * i));  // ordered 3, 5, 7
    EXPECT_EQ(list.GetItemHeight(i), static_cast<int>(data + 10));
  }
  list.drawn.clear();
  list.Invalidate();
  list.UpdateWindow();
  EXPECT_EQ(list.drawn, (std::vector<DWORD_PTR>{3, 5, 7}));
  list.DeleteString(1);
  EXPECT_EQ(list.log, std::vector<std::string>{"list deletes 5"});
  parent.DestroyWindow();  // the list lets go of the rest
  std::sort(list.log.begin(), list.log.end());
  EXPECT_EQ(list.log,
            (std::vector<std::string>{"list deletes 3", "list deletes 5", "list deletes 7"}));
}

TEST(Reflection, FixedHeightListIsMeasuredByItsObjectWhileItIsCreated) {
  CWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, nullptr, "Lists", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr,
                              nullptr));
  CNumberList list;  // measures an item with data 0 (the template) 10 high
  ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, CRect(10, 10, 200, 250),
                          &parent, IDC_BOX));
  list.AddString("a");
  EXPECT_EQ(list.GetItemHeight(0), 10);
  parent.DestroyWindow();
}

TEST(Reflection, ParentsOwnDeleteHandlerRunsFirstAndItsBaseReachesTheList) {
  for (bool callBase : {true, false}) {
    SCOPED_TRACE(callBase ? "handler calls the base" : "handler alone");
    CListParent parent;
    ASSERT_TRUE(parent.CreateTopLevel());
    CNumberList list;
    parent.log = &list.log;
    parent.callBase = callBase;
    ASSERT_TRUE(
        list.Create(WS_VISIBLE | LBS_HASSTRINGS, CRect(10, 10, 200, 250), &parent, IDC_BOX));
    list.SetItemData(list.AddString("nine"), 9);
    list.DeleteString(0);
    const std::vector<std::string> expected =
        callBase ? std::vector<std::string>{"parent deletes 9", "list deletes 9"}
                 : std::vector<std::string>{"parent deletes 9"};
    EXPECT_EQ(list.log, expected);
    parent.DestroyWindow();
  }
}

// A variable-height owner-drawn combo box measures its own items too.
class CNumberCombo : public CComboBox {
 public:
  void MeasureItem(LPMEASUREITEMSTRUCT lpmis) override {
    if (lpmis->itemID != static_cast<UINT>(-1)) {
      lpmis->itemHeight = static_cast<UINT>(lpmis->itemData + 12);
    }
  }
};

TEST(Reflection, OwnerDrawnComboMeasuresItsOwnItems) {
  CWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, nullptr, "Combo", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr,
                              nullptr));
  CNumberCombo combo;
  ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE,
                           CRect(10, 10, 200, 200), &parent, IDC_BOX));
  combo.SendMessage(CB_ADDSTRING, 0, 9);
  EXPECT_EQ(combo.SendMessage(CB_GETITEMHEIGHT, 0), 21);
  parent.DestroyWindow();
}

}  // namespace
