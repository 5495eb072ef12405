// CWnd on real windows: the handle map, message maps and their argument
// unpacking, reflection of notifications, Default(), the order of
// WM_DESTROY and detaching, and the scroll-bar members.
#include "FrameworkTestApp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <stdexcept>

namespace {

const RECT kChildRect = {10, 10, 110, 40};

// A top-level window that records what reaches its handlers.
class CRecordingWnd : public CWnd {
 public:
  std::vector<std::string> log;
  int sizeCx = -1, sizeCy = -1;
  POINT down = {0, 0};
  short wheelDelta = 0;
  POINT wheelPoint = {0, 0};
  UINT scrollCode = 0;
  int scrollPos = 0;
  CScrollBar* scrollBar = nullptr;
  CScrollBar* barCtrl = nullptr;  // stands in for the window's SB_HORZ

  BOOL CreateTopLevel(DWORD dwStyle = WS_OVERLAPPEDWINDOW | WS_VISIBLE) {
    return CreateEx(0, nullptr, "Recording", dwStyle, 0, 0, 300, 200, nullptr, nullptr);
  }
  CScrollBar* GetScrollBarCtrl(int nBar) const override {
    return nBar == SB_HORZ ? barCtrl : nullptr;
  }

 protected:
  afx_msg void OnSize(UINT nType, int cx, int cy) {
    sizeCx = cx;
    sizeCy = cy;
    CWnd::OnSize(nType, cx, cy);
  }
  afx_msg void OnLButtonDown(UINT, POINT point) { down = point; }
  afx_msg BOOL OnMouseWheel(UINT, short zDelta, POINT pt) {
    wheelDelta = zDelta;
    wheelPoint = pt;
    return TRUE;
  }
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    scrollCode = nSBCode;
    scrollPos = static_cast<int>(nPos);
    scrollBar = pScrollBar;
  }
  afx_msg LRESULT OnAdd(WPARAM wParam, LPARAM lParam) {
    return static_cast<LRESULT>(wParam) + lParam;
  }
  afx_msg void OnApply() { log.push_back("apply"); }
  afx_msg void OnOtherKillFocus() { log.push_back("parent EN_KILLFOCUS"); }

  DECLARE_MESSAGE_MAP()
};

constexpr UINT WM_ADD = WM_APP + 1;
constexpr UINT IDC_APPLY = 200;

BEGIN_MESSAGE_MAP(CRecordingWnd, CWnd)
  ON_WM_SIZE()
  ON_WM_LBUTTONDOWN()
  ON_WM_MOUSEWHEEL()
  ON_WM_HSCROLL()
  ON_MESSAGE(WM_ADD, OnAdd)
  ON_BN_CLICKED(IDC_APPLY, OnApply)
  ON_CONTROL(EN_KILLFOCUS, IDC_OTHER, OnOtherKillFocus)
  ON_CONTROL(EN_KILLFOCUS, IDC_FIELD, OnOtherKillFocus)
END_MESSAGE_MAP()

// A derived map chains to its base's: the base's handlers still run.
class CDerivedWnd : public CRecordingWnd {
 public:
  bool painted = false;

 protected:
  afx_msg void OnPaint() {
    painted = true;
    CWnd::OnPaint();  // validates
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CRecordingWnd)
  ON_WM_PAINT()
END_MESSAGE_MAP()

// An edit field that keeps digits only, handles its own EN_KILLFOCUS, and
// checks what it can still do when WM_DESTROY arrives.
class CDigitEdit : public CEdit {
 public:
  std::vector<std::string>* log = nullptr;
  bool destroyHadWindow = false;
  bool destroyStillMapped = false;

 protected:
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar >= '0' && nChar <= '9') CEdit::OnChar(nChar, nRepCnt, nFlags);
  }
  afx_msg void OnKillFocus() {
    if (log != nullptr) log->push_back("child EN_KILLFOCUS");
  }
  afx_msg void OnDestroy() {
    destroyHadWindow = ::IsWindow(m_hWnd) && WindowText(m_hWnd) == "42";
    destroyStillMapped = FromHandlePermanent(m_hWnd) == this;
    CEdit::OnDestroy();
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDigitEdit, CEdit)
  ON_WM_CHAR()
  ON_WM_DESTROY()
  ON_CONTROL_REFLECT(EN_KILLFOCUS, OnKillFocus)
END_MESSAGE_MAP()

class CRecordingButton : public CButton {
 public:
  std::vector<UINT> drawnIDs;
  void DrawItem(LPDRAWITEMSTRUCT lpDis) override { drawnIDs.push_back(lpDis->CtlID); }
};

HWND CreateChildEdit(CWnd& parent, UINT nID) {
  return ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 50, 100, 20,
                           parent.m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)),
                           AfxGetInstanceHandle(), nullptr);
}

// ---- the handle map ----------------------------------------------------------

TEST(HandleMap, CreatedWindowMapsToItsObjectUntilDestroyed) {
  CRecordingWnd wnd;
  ASSERT_TRUE(wnd.CreateTopLevel());
  const HWND hWnd = wnd.m_hWnd;
  EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), &wnd);
  EXPECT_EQ(CWnd::FromHandle(hWnd), &wnd);
  EXPECT_TRUE(wnd.DestroyWindow());
  EXPECT_EQ(wnd.m_hWnd, nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

TEST(HandleMap, WindowWithoutObjectGetsOneTemporaryObject) {
  CRecordingWnd parent;
  ASSERT_TRUE(parent.CreateTopLevel());
  const HWND hEdit = CreateChildEdit(parent, IDC_OTHER);
  CWnd* pTemp = CWnd::FromHandle(hEdit);
  ASSERT_NE(pTemp, nullptr);
  EXPECT_EQ(pTemp->m_hWnd, hEdit);
  EXPECT_EQ(CWnd::FromHandle(hEdit), pTemp);
  EXPECT_EQ(CWnd::FromHandlePermanent(hEdit), nullptr);
  EXPECT_EQ(parent.GetDlgItem(IDC_OTHER), pTemp);
  EXPECT_EQ(pTemp->GetParent(), &parent);
  AfxDeleteTempMap();
  EXPECT_TRUE(::IsWindow(hEdit));  // dropping a temporary leaves its window alone
  parent.DestroyWindow();
}

TEST(HandleMap, OneWindowOneObject) {
  CRecordingWnd parent;
  ASSERT_TRUE(parent.CreateTopLevel());
  const HWND hEdit = CreateChildEdit(parent, IDC_OTHER);
  CEdit first;
  CEdit second;
  EXPECT_TRUE(first.SubclassWindow(hEdit));
  EXPECT_FALSE(second.SubclassWindow(hEdit));
  EXPECT_FALSE(second.Attach(hEdit));
  EXPECT_EQ(first.UnsubclassWindow(), hEdit);
  EXPECT_TRUE(second.Attach(hEdit));
  EXPECT_EQ(second.Detach(), hEdit);
  parent.DestroyWindow();
}

// Every way of attaching, every way of destroying: no object keeps a
// handle that is gone, and the map forgets the handle.
TEST(HandleMap, EveryAttachedObjectIsDetachedWhenItsWindowIsDestroyed) {
  enum class How { Created, Subclassed, AttachedOnly };
  struct Case {
    const char* name;
    How how;
    bool destroyParent;  // else the control itself
  };
  const Case cases[] = {
      {"created, destroyed itself", How::Created, false},
      {"created, parent destroyed", How::Created, true},
      {"subclassed, destroyed itself", How::Subclassed, false},
      {"subclassed, parent destroyed", How::Subclassed, true},
      {"attached only, destroyed itself", How::AttachedOnly, false},
      {"attached only, parent destroyed", How::AttachedOnly, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CRecordingWnd parent;
    ASSERT_TRUE(parent.CreateTopLevel());
    CEdit edit;
    if (c.how == How::Created) {
      ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, kChildRect, &parent, IDC_FIELD));
    } else {
      const HWND hEdit = CreateChildEdit(parent, IDC_FIELD);
      ASSERT_TRUE(c.how == How::Subclassed ? edit.SubclassWindow(hEdit) : edit.Attach(hEdit));
    }
    const HWND hEdit = edit.m_hWnd;
    if (c.destroyParent) {
      ::DestroyWindow(parent.m_hWnd);
    } else {
      ::DestroyWindow(hEdit);
    }
    EXPECT_FALSE(::IsWindow(hEdit));
    EXPECT_EQ(edit.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hEdit), nullptr);
    if (c.destroyParent) {
      EXPECT_EQ(parent.m_hWnd, nullptr);
    }
    parent.DestroyWindow();
  }
}

TEST(HandleMap, WmDestroyReachesSubclassedControlWhileItsWindowIsThere) {
  CRecordingWnd parent;
  ASSERT_TRUE(parent.CreateTopLevel());
  CDigitEdit edit;
  ASSERT_TRUE(edit.SubclassWindow(CreateChildEdit(parent, IDC_FIELD)));
  edit.SetWindowText("42");
  parent.DestroyWindow();
  EXPECT_TRUE(edit.destroyHadWindow);
  EXPECT_TRUE(edit.destroyStillMapped);
  EXPECT_EQ(edit.m_hWnd, nullptr);
}

TEST(HandleMap, DestroyingTheObjectDestroysItsWindow) {
  CRecordingWnd parent;
  ASSERT_TRUE(parent.CreateTopLevel());
  HWND hEdit = nullptr;
  {
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE, kChildRect, &parent, IDC_FIELD));
    hEdit = edit.m_hWnd;
  }
  EXPECT_FALSE(::IsWindow(hEdit));
  EXPECT_EQ(CWnd::FromHandlePermanent(hEdit), nullptr);
  parent.DestroyWindow();
}

// A window that deletes itself after the framework's clean-up, in the usual
// way. Its memory is not given back but filled with a mark, so that any
// later write to the object shows, and any virtual call through it fails.
class CSelfDeletingWnd : public CWnd {
 public:
  static inline void* s_pBlock = nullptr;
  static inline size_t s_nSize = 0;
  static void* operator new(size_t nSize) {
    s_nSize = nSize;
    return s_pBlock = ::operator new(nSize);
  }
  static void operator delete(void* p) { std::memset(p, 0xDD, s_nSize); }

 protected:
  afx_msg void OnNcDestroy() {
    CWnd::OnNcDestroy();
    delete this;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfDeletingWnd, CWnd)
  ON_WM_NCDESTROY()
END_MESSAGE_MAP()

// Its clean-up fails.
class CFailingCleanUpWnd : public CWnd {
 protected:
  void PostNcDestroy() override { throw std::runtime_error("clean-up failed"); }
};

TEST(HandleMap, NothingTouchesAWindowObjectDeletedAfterItsLastMessage) {
  auto* pWnd = new CSelfDeletingWnd;
  ASSERT_TRUE(pWnd->CreateEx(0, nullptr, "self", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  const HWND hWnd = pWnd->m_hWnd;
  ::DestroyWindow(hWnd);
  EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
  const auto* pBytes = static_cast<const unsigned char*>(CSelfDeletingWnd::s_pBlock);
  EXPECT_EQ(std::count(pBytes, pBytes + CSelfDeletingWnd::s_nSize, 0xDD),
            static_cast<std::ptrdiff_t>(CSelfDeletingWnd::s_nSize));
  ::operator delete(CSelfDeletingWnd::s_pBlock);

  // A clean-up that throws is told like any handler's exception.
  CFailingCleanUpWnd failing;
  ASSERT_TRUE(failing.CreateEx(0, nullptr, "failing", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  TestApp().prompts.clear();
  failing.DestroyWindow();
  EXPECT_EQ(failing.m_hWnd, nullptr);
  ASSERT_EQ(TestApp().prompts.size(), 1u);
  EXPECT_NE(TestApp().prompts[0].text.find("clean-up failed"), std::string::npos);
  TestApp().prompts.clear();
}

// ---- message maps --------------------------------------------------------------

TEST(MessageMap, HandlersGetTheirArgumentsUnpacked) {
  CDerivedWnd wnd;
  ASSERT_TRUE(wnd.CreateTopLevel(WS_POPUP | WS_VISIBLE));

  wnd.MoveWindow(0, 0, 250, 120);
  EXPECT_EQ(wnd.sizeCx, 250);
  EXPECT_EQ(wnd.sizeCy, 120);

  wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(-7), 33));
  EXPECT_EQ(wnd.down.x, -7);
  EXPECT_EQ(wnd.down.y, 33);

  wnd.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), MAKELPARAM(400, 300));
  EXPECT_EQ(wnd.wheelDelta, -240);
  EXPECT_EQ(wnd.wheelPoint.x, 400);
  EXPECT_EQ(wnd.wheelPoint.y, 300);

  EXPECT_EQ(wnd.SendMessage(WM_ADD, 40, 2), 42);

  wnd.Invalidate();
  wnd.UpdateWindow();
  EXPECT_TRUE(wnd.painted);  // the derived map's own entry
  wnd.DestroyWindow();
}

TEST(MessageMap, ScrollFromABarControlPassesItsObjectAndASignedPosition) {
  CRecordingWnd wnd;
  ASSERT_TRUE(wnd.CreateTopLevel());
  CScrollBar bar;
  ASSERT_TRUE(bar.Create(WS_VISIBLE | SBS_HORZ, kChildRect, &wnd, 300));
  wnd.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(-700)),
                  reinterpret_cast<LPARAM>(bar.m_hWnd));
  EXPECT_EQ(wnd.scrollCode, static_cast<UINT>(SB_THUMBPOSITION));
  EXPECT_EQ(wnd.scrollPos, -700);
  EXPECT_EQ(wnd.scrollBar, &bar);
  wnd.SendMessage(WM_HSCROLL, SB_LINEDOWN, 0);  // the window's own bar
  EXPECT_EQ(wnd.scrollBar, nullptr);
  wnd.DestroyWindow();
}

TEST(MessageMap, ButtonClickReachesTheParentsCommandHandler) {
  CRecordingWnd wnd;
  ASSERT_TRUE(wnd.CreateTopLevel());
  CButton button;
  ASSERT_TRUE(button.Create("Apply", WS_VISIBLE | BS_PUSHBUTTON, kChildRect, &wnd, IDC_APPLY));
  button.SendMessage(BM_CLICK);
  EXPECT_EQ(wnd.log, std::vector<std::string>{"apply"});
  wnd.DestroyWindow();
}

// ---- reflection and Default() ----------------------------------------------------

TEST(Reflection, SubclassedEditHandlesItsOwnKillFocusInsteadOfTheParent) {
  CRecordingWnd wnd;
  ASSERT_TRUE(wnd.CreateTopLevel());
  ::SetForegroundWindow(wnd.m_hWnd);
  CDigitEdit field;
  field.log = &wnd.log;
  ASSERT_TRUE(field.SubclassWindow(CreateChildEdit(wnd, IDC_FIELD)));
  const HWND hOther = CreateChildEdit(wnd, IDC_OTHER);

  field.SetFocus();
  ::SetFocus(hOther);  // the field sends EN_KILLFOCUS
  EXPECT_EQ(wnd.log, std::vector<std::string>{"child EN_KILLFOCUS"});

  wnd.log.clear();
  field.SetFocus();  // the unsubclassed edit's notification stays with the parent
  EXPECT_EQ(wnd.log, std::vector<std::string>{"parent EN_KILLFOCUS"});
  wnd.DestroyWindow();
}

TEST(Reflection, OwnerDrawButtonPaintsThroughDrawItem) {
  CRecordingWnd wnd;
  ASSERT_TRUE(wnd.CreateTopLevel());
  CRecordingButton button;
  ASSERT_TRUE(button.Create("Draw", WS_VISIBLE | BS_OWNERDRAW, kChildRect, &wnd, IDC_OWNERDRAW));
  button.drawnIDs.clear();
  button.Invalidate();
  button.UpdateWindow();
  ASSERT_FALSE(button.drawnIDs.empty());
  EXPECT_EQ(button.drawnIDs.back(), static_cast<UINT>(IDC_OWNERDRAW));
  wnd.DestroyWindow();
}

TEST(Default, PassesOnlyTheCharactersTheHandlerAccepts) {
  CRecordingWnd wnd;
  ASSERT_TRUE(wnd.CreateTopLevel());
  ::SetForegroundWindow(wnd.m_hWnd);
  CDigitEdit field;
  ASSERT_TRUE(field.SubclassWindow(CreateChildEdit(wnd, IDC_FIELD)));
  field.SetFocus();
  TypeText(field.m_hWnd, "a1b2.3");
  EXPECT_EQ(WindowText(field.m_hWnd), "123");
  EXPECT_TRUE(field.GetModify());
  wnd.DestroyWindow();
}

// ---- scroll bars ------------------------------------------------------

TEST(ScrollBars, WindowBarsAndTheControlStandingInForOne) {
  CRecordingWnd wnd;
  ASSERT_TRUE(wnd.CreateTopLevel(WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL | WS_VISIBLE));
  SCROLLINFO info = {};
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = -1000;
  info.nMax = 0;
  info.nPage = 501;
  info.nPos = -500;
  EXPECT_TRUE(wnd.SetScrollInfo(SB_VERT, &info));
  SCROLLINFO back = {};
  ASSERT_TRUE(wnd.GetScrollInfo(SB_VERT, &back));
  EXPECT_EQ(back.nMin, -1000);
  EXPECT_EQ(back.nPage, 501u);
  EXPECT_EQ(back.nPos, -500);
  EXPECT_EQ(wnd.GetScrollLimit(SB_VERT), -500);

  wnd.EnableScrollBarCtrl(SB_VERT, FALSE);  // hides the window's own bar
  EXPECT_EQ(wnd.GetStyle() & WS_VSCROLL, 0u);
  wnd.EnableScrollBarCtrl(SB_VERT, TRUE);
  EXPECT_NE(wnd.GetStyle() & WS_VSCROLL, 0u);

  CScrollBar bar;
  ASSERT_TRUE(bar.Create(WS_VISIBLE | SBS_HORZ, kChildRect, &wnd, 300));
  wnd.barCtrl = &bar;
  info.nMin = 0;
  info.nMax = 50;
  info.nPage = 10;
  info.nPos = 7;
  wnd.SetScrollInfo(SB_HORZ, &info);
  EXPECT_EQ(bar.GetScrollPos(), 7);
  EXPECT_EQ(wnd.GetScrollPos(SB_HORZ), 7);
  EXPECT_EQ(::GetScrollPos(wnd.m_hWnd, SB_HORZ), 0);  // the window's own bar untouched
  wnd.EnableScrollBarCtrl(SB_HORZ, FALSE);
  EXPECT_FALSE(bar.IsWindowEnabled());
  EXPECT_NE(wnd.GetStyle() & WS_HSCROLL, 0u);
  wnd.barCtrl = nullptr;
  wnd.DestroyWindow();
}

}  // namespace

// ---- the messages hosts handle: each entry's arguments and result ----------------

namespace {

// A message sent to a test window, the handler's log line it should leave
// and the result it should answer.
struct MessageRow {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  const char* expected;
  LRESULT result;
};

class CArgsWnd : public CWnd {
 public:
  std::string last;
  BOOL CreateTopLevel() {
    return CreateEx(0, nullptr, "Args", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr);
  }

 protected:
  afx_msg int OnCreate(LPCREATESTRUCTA lpcs) {
    last = "create " + std::string(lpcs->lpszName);
    return 0;
  }
  afx_msg void OnSetFocus(CWnd* pOld) { last = "setfocus " + Who(pOld); }
  afx_msg void OnKillFocus(CWnd* pNew) { last = "killfocus " + Who(pNew); }
  afx_msg void OnCaptureChanged(CWnd* pWnd) { last = "capturechanged " + Who(pWnd); }
  afx_msg void OnTimer(UINT nID) { last = "timer " + std::to_string(nID); }
  afx_msg void OnRButtonDown(UINT nFlags, CPoint pt) { last = Point("rdown", nFlags, pt); }
  afx_msg void OnRButtonUp(UINT nFlags, CPoint pt) { last = Point("rup", nFlags, pt); }
  afx_msg void OnMButtonDown(UINT nFlags, CPoint pt) { last = Point("mdown", nFlags, pt); }
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint pt) { last = Point("ldbl", nFlags, pt); }
  afx_msg void OnKeyUp(UINT nChar, UINT nRep, UINT nFlags) {
    last = "keyup " + std::to_string(nChar) + " " + std::to_string(nRep) + " " +
           std::to_string(nFlags);
  }
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint pt) { last = Point("context " + Who(pWnd), 0, pt); }
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHit, UINT msg) {
    last = "setcursor " + Who(pWnd) + " " + std::to_string(nHit) + " " + std::to_string(msg);
    return 7;
  }
  afx_msg int OnMouseActivate(CWnd* pWnd, UINT nHit, UINT msg) {
    last = "mouseactivate " + Who(pWnd) + " " + std::to_string(nHit) + " " + std::to_string(msg);
    return MA_NOACTIVATE;
  }
  afx_msg void OnGetMinMaxInfo(MINMAXINFO* p) {
    last = "minmax";
    p->ptMinTrackSize.x = 77;
  }
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    last = "ctlcolor " + std::string(pDC != nullptr ? "dc " : "") + Who(pWnd) + " " +
           std::to_string(nCtlColor);
    return static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
  }
  afx_msg void OnMouseHWheel(UINT nFlags, short zDelta, CPoint pt) {
    last = Point("hwheel " + std::to_string(zDelta), nFlags, pt);
  }
  DECLARE_MESSAGE_MAP()

 private:
  std::string Who(CWnd* pWnd) const {
    return pWnd == nullptr ? "none" : pWnd == this ? "self" : "other";
  }
  static std::string Point(const std::string& what, UINT nFlags, CPoint pt) {
    return what + " " + std::to_string(nFlags) + " " + std::to_string(pt.x) + "," +
           std::to_string(pt.y);
  }
};

BEGIN_MESSAGE_MAP(CArgsWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_SETFOCUS()
  ON_WM_KILLFOCUS()
  ON_WM_CAPTURECHANGED()
  ON_WM_TIMER()
  ON_WM_RBUTTONDOWN()
  ON_WM_RBUTTONUP()
  ON_WM_MBUTTONDOWN()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_KEYUP()
  ON_WM_CONTEXTMENU()
  ON_WM_SETCURSOR()
  ON_WM_MOUSEACTIVATE()
  ON_WM_GETMINMAXINFO()
  ON_WM_CTLCOLOR()
  ON_WM_MOUSEHWHEEL()
END_MESSAGE_MAP()

}  // namespace

TEST(MessageMap, EntriesForHostMessagesUnpackTheirArguments) {
  CArgsWnd wnd;
  ASSERT_TRUE(wnd.CreateTopLevel());
  EXPECT_EQ(wnd.last, "create Args");
  const auto self = reinterpret_cast<WPARAM>(wnd.m_hWnd);
  const auto selfL = reinterpret_cast<LPARAM>(wnd.m_hWnd);
  const auto dc = reinterpret_cast<WPARAM>(::GetDC(wnd.m_hWnd));
  MINMAXINFO mmi = {};
  const MessageRow rows[] = {
      {WM_SETFOCUS, self, 0, "setfocus self", 0},
      {WM_KILLFOCUS, 0, 0, "killfocus none", 0},
      {WM_CAPTURECHANGED, 0, selfL, "capturechanged self", 0},
      {WM_TIMER, 17, 0, "timer 17", 0},
      {WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, static_cast<WORD>(-6)), "rdown 2 5,-6", 0},
      {WM_RBUTTONUP, 0, MAKELPARAM(7, 8), "rup 0 7,8", 0},
      {WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(1, 2), "mdown 16 1,2", 0},
      {WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 4), "ldbl 1 3,4", 0},
      {WM_KEYUP, VK_F5, MAKELPARAM(1, 0xC03F), "keyup 116 1 49215", 0},
      {WM_CONTEXTMENU, self, MAKELPARAM(300, 200), "context self 0 300,200", 0},
      {WM_SETCURSOR, self, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE), "setcursor self 1 512", 7},
      {WM_MOUSEACTIVATE, 0, MAKELPARAM(HTCAPTION, WM_LBUTTONDOWN), "mouseactivate none 2 513",
       MA_NOACTIVATE},
      {WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi), "minmax", 0},
      {WM_CTLCOLOREDIT, dc, selfL, "ctlcolor dc self 1", 0},
      {WM_CTLCOLORSTATIC, dc, selfL, "ctlcolor dc self 6", 0},
      {WM_MOUSEHWHEEL, MAKEWPARAM(MK_SHIFT, static_cast<WORD>(-120)), MAKELPARAM(9, 10),
       "hwheel -120 4 9,10", TRUE},
  };
  for (const MessageRow& row : rows) {
    wnd.last.clear();
    const LRESULT result = wnd.SendMessage(row.message, row.wParam, row.lParam);
    EXPECT_EQ(wnd.last, row.expected) << "message " << row.message;
    if (row.message == WM_CTLCOLOREDIT || row.message == WM_CTLCOLORSTATIC) {
      EXPECT_EQ(result, reinterpret_cast<LRESULT>(::GetStockObject(BLACK_BRUSH)));
    } else {
      EXPECT_EQ(result, row.result) << row.expected;
    }
  }
  EXPECT_EQ(mmi.ptMinTrackSize.x, 77);
  ::ReleaseDC(wnd.m_hWnd, reinterpret_cast<HDC>(dc));
  wnd.DestroyWindow();
}

// ---- more window messages: each entry's arguments and result -------------------------

namespace {

// Records what its handlers get once `recording` is set; before that (its
// creation) and after, they do the default processing.
class CMoreArgsWnd : public CWnd {
 public:
  std::string last;
  bool recording = false;
  BOOL CreateTopLevel() {
    return CreateEx(0, nullptr, "MoreArgs", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr);
  }

 protected:
  afx_msg LRESULT OnNcHitTest(CPoint pt) {
    if (!recording) return CWnd::OnNcHitTest(pt);
    last = "nchittest " + Point(pt);
    return HTCAPTION;
  }
  afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
    if (!recording) return CWnd::OnActivate(nState, pWndOther, bMinimized);
    last = "activate " + std::to_string(nState) + " " + Who(pWndOther) + " " +
           std::to_string(bMinimized);
  }
  afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID) {
    if (!recording) return CWnd::OnActivateApp(bActive, dwThreadID);
    last = "activateapp " + std::to_string(bActive) + " " + std::to_string(dwThreadID);
  }
  afx_msg BOOL OnNcActivate(BOOL bActive) {
    if (!recording) return CWnd::OnNcActivate(bActive);
    last = "ncactivate " + std::to_string(bActive);
    return TRUE;
  }
  afx_msg void OnSysCommand(UINT nID, LPARAM lParam) {
    last = "syscommand " + std::to_string(nID) + " " + std::to_string(lParam);
  }
  afx_msg void OnMove(int x, int y) {
    if (!recording) return CWnd::OnMove(x, y);
    last = "move " + std::to_string(x) + "," + std::to_string(y);
  }
  afx_msg void OnSizing(UINT fwSide, LPRECT pRect) {
    last = "sizing " + std::to_string(fwSide) + " " + std::to_string(pRect->right);
    pRect->right = 321;
  }
  afx_msg UINT OnGetDlgCode() {
    last = "getdlgcode";
    return DLGC_WANTARROWS | DLGC_WANTCHARS;
  }
  afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpmis) {
    last = "measureitem " + std::to_string(nIDCtl) + " " + std::to_string(lpmis->itemID);
    lpmis->itemHeight = 33;
  }
  afx_msg int OnCompareItem(int nIDCtl, LPCOMPAREITEMSTRUCT lpcis) {
    last = "compareitem " + std::to_string(nIDCtl);
    return lpcis->itemData1 < lpcis->itemData2 ? -1 : 1;
  }
  afx_msg void OnDeleteItem(int nIDCtl, LPDELETEITEMSTRUCT lpdis) {
    last = "deleteitem " + std::to_string(nIDCtl) + " " + std::to_string(lpdis->itemData);
  }
  afx_msg int OnCharToItem(UINT nChar, CListBox* pListBox, UINT nIndex) {
    last = "chartoitem " + std::to_string(nChar) + " " + (pListBox != nullptr ? "box" : "none") +
           " " + std::to_string(nIndex);
    return -2;
  }
  afx_msg int OnVKeyToItem(UINT nKey, CListBox* pListBox, UINT nIndex) {
    last = "vkeytoitem " + std::to_string(nKey) + " " + (pListBox != nullptr ? "box" : "none") +
           " " + std::to_string(nIndex);
    return 4;
  }
  afx_msg void OnSysKeyUp(UINT nChar, UINT nRep, UINT nFlags) {
    last = "syskeyup " + std::to_string(nChar) + " " + std::to_string(nRep) + " " +
           std::to_string(nFlags);
  }
  afx_msg void OnSysChar(UINT nChar, UINT, UINT) { last = "syschar " + std::to_string(nChar); }
  afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint pt) {
    last = "nclbuttondown " + std::to_string(nHitTest) + " " + Point(pt);
  }
  afx_msg void OnNcRButtonUp(UINT nHitTest, CPoint pt) {
    last = "ncrbuttonup " + std::to_string(nHitTest) + " " + Point(pt);
  }
  afx_msg void OnMouseHover(UINT nFlags, CPoint pt) {
    last = "mousehover " + std::to_string(nFlags) + " " + Point(pt);
  }
  afx_msg void OnMouseLeave() { last = "mouseleave"; }
  afx_msg void OnEnable(BOOL bEnable) { last = "enable " + std::to_string(bEnable); }
  afx_msg BOOL OnQueryEndSession() {
    last = "queryendsession";
    return TRUE;
  }
  afx_msg void OnEndSession(BOOL bEnding) { last = "endsession " + std::to_string(bEnding); }
  afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos) {
    if (!recording) return CWnd::OnWindowPosChanging(lpwndpos);
    last = "windowposchanging " + std::to_string(lpwndpos->cx);
    lpwndpos->cy = 55;
  }
  afx_msg void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpss) {
    if (!recording) return CWnd::OnStyleChanged(nStyleType, lpss);
    last = "stylechanged " + std::to_string(nStyleType) + " " + std::to_string(lpss->styleNew);
  }
  afx_msg void OnParentNotify(UINT message, LPARAM lParam) {
    if (!recording) return CWnd::OnParentNotify(message, lParam);
    last = "parentnotify " + std::to_string(LOWORD(message)) + " " +
           std::to_string(HIWORD(message)) + " " + std::to_string(lParam);
  }
  afx_msg void OnInitMenu(CMenu* pMenu) {
    last = std::string("initmenu ") + (pMenu != nullptr ? "menu" : "none");
  }
  afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu) {
    last = "menuchar " + std::to_string(nChar) + " " + std::to_string(nFlags) + " " +
           (pMenu != nullptr ? "menu" : "none");
    return MAKELRESULT(2, MNC_EXECUTE);
  }
  afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho) {
    last = "enteridle " + std::to_string(nWhy) + " " + Who(pWho);
  }
  afx_msg void OnExitMenuLoop(BOOL bIsTrackPopupMenu) {
    last = "exitmenuloop " + std::to_string(bIsTrackPopupMenu);
  }
  afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo) {
    last = "helpinfo " + std::to_string(pHelpInfo->iCtrlId);
    return TRUE;
  }
  afx_msg BOOL OnCopyData(CWnd* pWnd, COPYDATASTRUCT* pcds) {
    last = "copydata " + Who(pWnd) + " " + std::to_string(pcds->dwData) + " " +
           static_cast<const char*>(pcds->lpData);
    return TRUE;
  }
  afx_msg void OnDropFiles(HDROP hDropInfo) {
    last = "dropfiles " + std::to_string(reinterpret_cast<UINT_PTR>(hDropInfo));
  }
  afx_msg HCURSOR OnQueryDragIcon() {
    last = "querydragicon";
    return ::LoadCursor(nullptr, IDC_CROSS);
  }
  afx_msg void OnPaletteChanged(CWnd* pFocusWnd) { last = "palettechanged " + Who(pFocusWnd); }
  afx_msg BOOL OnDeviceChange(UINT nEventType, DWORD_PTR dwData) {
    last = "devicechange " + std::to_string(nEventType) + " " + std::to_string(dwData);
    return TRUE;
  }
  DECLARE_MESSAGE_MAP()

 private:
  std::string Who(CWnd* pWnd) const {
    return pWnd == nullptr ? "none" : pWnd == this ? "self" : "other";
  }
  static std::string Point(CPoint pt) { return std::to_string(pt.x) + "," + std::to_string(pt.y); }
};

BEGIN_MESSAGE_MAP(CMoreArgsWnd, CWnd)
  ON_WM_NCHITTEST()
  ON_WM_ACTIVATE()
  ON_WM_ACTIVATEAPP()
  ON_WM_NCACTIVATE()
  ON_WM_SYSCOMMAND()
  ON_WM_MOVE()
  ON_WM_SIZING()
  ON_WM_GETDLGCODE()
  ON_WM_MEASUREITEM()
  ON_WM_COMPAREITEM()
  ON_WM_DELETEITEM()
  ON_WM_CHARTOITEM()
  ON_WM_VKEYTOITEM()
  ON_WM_SYSKEYUP()
  ON_WM_SYSCHAR()
  ON_WM_NCLBUTTONDOWN()
  ON_WM_NCRBUTTONUP()
  ON_WM_MOUSEHOVER()
  ON_WM_MOUSELEAVE()
  ON_WM_ENABLE()
  ON_WM_QUERYENDSESSION()
  ON_WM_ENDSESSION()
  ON_WM_WINDOWPOSCHANGING()
  ON_WM_STYLECHANGED()
  ON_WM_PARENTNOTIFY()
  ON_WM_INITMENU()
  ON_WM_MENUCHAR()
  ON_WM_ENTERIDLE()
  ON_WM_EXITMENULOOP()
  ON_WM_HELPINFO()
  ON_WM_COPYDATA()
  ON_WM_DROPFILES()
  ON_WM_QUERYDRAGICON()
  ON_WM_PALETTECHANGED()
  ON_WM_DEVICECHANGE()
END_MESSAGE_MAP()

}  // namespace

TEST(MessageMap, EntriesForMoreWindowMessagesUnpackTheirArguments) {
  CMoreArgsWnd wnd;
  ASSERT_TRUE(wnd.CreateTopLevel());
  wnd.recording = true;
  const auto self = reinterpret_cast<WPARAM>(wnd.m_hWnd);
  const auto selfL = reinterpret_cast<LPARAM>(wnd.m_hWnd);
  HMENU hMenu = ::CreatePopupMenu();
  const auto menuW = reinterpret_cast<WPARAM>(hMenu);
  const auto menuL = reinterpret_cast<LPARAM>(hMenu);
  RECT sizing = {0, 0, 200, 100};
  MEASUREITEMSTRUCT mis = {ODT_LISTBOX, 7, 3, 0, 0, 0};
  COMPAREITEMSTRUCT cis = {ODT_LISTBOX, 7, nullptr, 0, 5, 1, 9, 0};
  DELETEITEMSTRUCT dis = {ODT_LISTBOX, 7, 2, nullptr, 0xBEEF};
  WINDOWPOS pos = {};
  pos.cx = 90;
  STYLESTRUCT ss = {WS_POPUP, WS_POPUP | WS_BORDER};
  HELPINFO help = {};
  help.cbSize = sizeof help;
  help.iCtrlId = 12;
  char text[] = "hello";
  COPYDATASTRUCT cds = {7, sizeof text, text};
  const MessageRow rows[] = {
      {WM_NCHITTEST, 0, MAKELPARAM(static_cast<WORD>(-3), 40), "nchittest -3,40", HTCAPTION},
      {WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 1), selfL, "activate 2 self 1", 0},
      {WM_ACTIVATEAPP, TRUE, 1234, "activateapp 1 1234", 0},
      {WM_NCACTIVATE, FALSE, 0, "ncactivate 0", TRUE},
      {WM_SYSCOMMAND, SC_KEYMENU | 3, 77, "syscommand 61699 77", 0},
      {WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(-20), 30), "move -20,30", 0},
      {WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&sizing), "sizing 2 200", TRUE},
      {WM_GETDLGCODE, 0, 0, "getdlgcode", DLGC_WANTARROWS | DLGC_WANTCHARS},
      {WM_MEASUREITEM, 7, reinterpret_cast<LPARAM>(&mis), "measureitem 7 3", TRUE},
      {WM_COMPAREITEM, 7, reinterpret_cast<LPARAM>(&cis), "compareitem 7", -1},
      {WM_DELETEITEM, 7, reinterpret_cast<LPARAM>(&dis), "deleteitem 7 48879", TRUE},
      {WM_CHARTOITEM, MAKEWPARAM('A', 3), 0, "chartoitem 65 none 3", -2},
      {WM_VKEYTOITEM, MAKEWPARAM(VK_DOWN, 5), selfL, "vkeytoitem 40 box 5", 4},
      {WM_SYSKEYUP, VK_F10, MAKELPARAM(1, 0xC044), "syskeyup 121 1 49220", 0},
      {WM_SYSCHAR, 'x', 1, "syschar 120", 0},
      {WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(static_cast<WORD>(-5), 6), "nclbuttondown 2 -5,6",
       0},
      {WM_NCRBUTTONUP, HTMENU, MAKELPARAM(8, 9), "ncrbuttonup 5 8,9", 0},
      {WM_MOUSEHOVER, MK_SHIFT, MAKELPARAM(11, 12), "mousehover 4 11,12", 0},
      {WM_MOUSELEAVE, 0, 0, "mouseleave", 0},
      {WM_ENABLE, FALSE, 0, "enable 0", 0},
      {WM_QUERYENDSESSION, 0, 0, "queryendsession", TRUE},
      {WM_ENDSESSION, TRUE, 0, "endsession 1", 0},
      {WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos), "windowposchanging 90", 0},
      {WM_STYLECHANGED, static_cast<WPARAM>(GWL_STYLE), reinterpret_cast<LPARAM>(&ss),
       "stylechanged -16 2155872256", 0},
      {WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, 42), 0, "parentnotify 1 42 0", 0},
      {WM_INITMENU, menuW, 0, "initmenu menu", 0},
      {WM_MENUCHAR, MAKEWPARAM('f', MF_POPUP), menuL, "menuchar 102 16 menu",
       MAKELRESULT(2, MNC_EXECUTE)},
      {WM_ENTERIDLE, MSGF_MENU, selfL, "enteridle 2 self", 0},
      {WM_EXITMENULOOP, TRUE, 0, "exitmenuloop 1", 0},
      {WM_HELPINFO, 0, reinterpret_cast<LPARAM>(&help), "helpinfo 12", TRUE},
      {WM_COPYDATA, self, reinterpret_cast<LPARAM>(&cds), "copydata self 7 hello", TRUE},
      {WM_DROPFILES, 0x5678, 0, "dropfiles 22136", 0},
      {WM_QUERYDRAGICON, 0, 0, "querydragicon",
       reinterpret_cast<LRESULT>(::LoadCursor(nullptr, IDC_CROSS))},
      {WM_PALETTECHANGED, 0, 0, "palettechanged none", 0},
      {WM_DEVICECHANGE, 7, 99, "devicechange 7 99", TRUE},
  };
  for (const MessageRow& row : rows) {
    wnd.last.clear();
    const LRESULT result = wnd.SendMessage(row.message, row.wParam, row.lParam);
    EXPECT_EQ(wnd.last, row.expected) << "message " << row.message;
    EXPECT_EQ(result, row.result) << row.expected;
  }
  EXPECT_EQ(sizing.right, 321);  // the handler's changes reach the sender
  EXPECT_EQ(mis.itemHeight, 33u);
  EXPECT_EQ(pos.cy, 55);
  wnd.recording = false;
  ::DestroyMenu(hMenu);
  wnd.DestroyWindow();
}

TEST(Relatives, OwnerFontAndContextsOfAChildControl) {
  CRecordingWnd wnd;
  ASSERT_TRUE(wnd.CreateTopLevel());
  CButton button;
  ASSERT_TRUE(button.Create("B", WS_VISIBLE | BS_PUSHBUTTON, kChildRect, &wnd, IDC_APPLY));
  EXPECT_EQ(button.GetOwner(), &wnd) << "a child without an owner answers its parent";
  CRecordingWnd other;
  ASSERT_TRUE(other.CreateTopLevel(WS_POPUP));
  button.SetOwner(&other);
  EXPECT_EQ(button.GetOwner(), &other);

  CFont font;
  ASSERT_TRUE(font.CreatePointFont(120, "Arial"));
  button.SetFont(&font, FALSE);
  EXPECT_EQ(button.GetFont(), &font);

  CDC* pDC = wnd.GetDC();
  ASSERT_NE(pDC, nullptr);
  pDC->SetPixel(3, 3, RGB(0, 0, 255));
  EXPECT_EQ(pDC->GetPixel(3, 3), RGB(0, 0, 255));
  EXPECT_EQ(wnd.ReleaseDC(pDC), 1);
  other.DestroyWindow();
  wnd.DestroyWindow();
}
