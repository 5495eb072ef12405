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
  struct Row {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    const char* expected;
    LRESULT result;
  };
  const Row rows[] = {
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
  for (const Row& row : rows) {
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
