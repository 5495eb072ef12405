// Data exchange with every kind of item of a dialog from the suite's
// resources: numbers both ways with their prompts, check boxes, radio
// groups, combo and list boxes; CListBox itself; bitmaps from resources.
#include "DebugOutput.h"
#include "FrameworkTestApp.h"
#include "FrameworkTestResource.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <functional>
#include <stdexcept>

namespace {

using Exchange = std::function<void(CDataExchange*)>;

// A dialog whose DoDataExchange is whatever the test sets.
class CExchangeDialog : public CDialog {
 public:
  using CDialog::CDialog;
  Exchange exchange;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    if (exchange) exchange(pDX);
  }
};

class DataExchangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApp().prompts.clear();
    ASSERT_TRUE(m_dlg.Create(IDD_EXCHANGE_DIALOG));
    m_dlg.ShowWindow(SW_SHOW);
    ::SetForegroundWindow(m_dlg.m_hWnd);
  }
  void TearDown() override { m_dlg.DestroyWindow(); }

  HWND Item(int nID) const { return ::GetDlgItem(m_dlg.m_hWnd, nID); }
  LRESULT Send(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageA(Item(nID), message, wParam, lParam);
  }
  void AddItems(int nID, UINT nAddMessage) const {
    for (const char* item : {"alpha", "beta", "gamma"}) {
      Send(nID, nAddMessage, 0, reinterpret_cast<LPARAM>(item));
    }
  }
  // UpdateData with the focus on another field first, as when the user
  // presses OK.
  BOOL Run(BOOL bSave, Exchange exchange) {
    m_dlg.exchange = std::move(exchange);
    ::SetFocus(Item(IDC_TEXT));
    return m_dlg.UpdateData(bSave);
  }

  CExchangeDialog m_dlg;
};

// ---- numbers ------------------------------------------------------------------------

template <class T>
Exchange Load(T value) {
  return [value](CDataExchange* pDX) mutable { DDX_Text(pDX, IDC_NUMBER, value); };
}

TEST_F(DataExchangeTest, NumbersLoadAsText) {
  const struct {
    Exchange load;
    const char* text;
  } cases[] = {
      {Load(INT_MIN), "-2147483648"},   {Load(UINT_MAX), "4294967295"},
      {Load(-7L), "-7"},                {Load(DWORD{4000000000u}), "4000000000"},
      {Load(BYTE{255}), "255"},         {Load(short{-32768}), "-32768"},
      {Load(FLT_MAX), "3.40282e+38"},   {Load(1.0 / 3), "0.333333333333333"},
      {Load(1e20), "1e+20"},            {Load(-0.5), "-0.5"},
      {Load(0.1f), "0.1"},  // FLT_DIG digits: not 0.100000001490116
      {[](CDataExchange* pDX) {  // loading does not validate
         int n = 6;
         DDX_Text(pDX, IDC_NUMBER, n);
         DDV_MinMaxInt(pDX, n, -5, 5);
       },
       "6"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_TRUE(Run(FALSE, c.load));
    EXPECT_EQ(WindowText(Item(IDC_NUMBER)), c.text);
  }
  EXPECT_TRUE(TestApp().prompts.empty());
}

// Saves the field into a T that starts as `saved`, stores it back into
// `saved` at once (a refused range leaves the value read, as the framework
// does), then runs the range test if any.
using Save = std::function<void(CDataExchange*, double& saved)>;

template <class T, class Validate>
Save SaveAs(Validate validate) {
  return [validate](CDataExchange* pDX, double& saved) {
    T value = static_cast<T>(saved);
    DDX_Text(pDX, IDC_NUMBER, value);
    saved = static_cast<double>(value);
    validate(pDX, value);
  };
}

template <class T>
Save SaveAs() {
  return SaveAs<T>([](CDataExchange*, const T&) {});
}

template <class T, class Ddv>
Save SaveIn(Ddv ddv, T minVal, T maxVal) {
  return SaveAs<T>([=](CDataExchange* pDX, const T& value) { ddv(pDX, value, minVal, maxVal); });
}

constexpr double kUntouched = 7.0;

TEST_F(DataExchangeTest, NumbersSaveOrAreRefusedWithOnePrompt) {
  const char* const kInteger = "Please enter an integer.";
  const char* const kNumber = "Please enter a number.";
  const struct {
    const char* text;
    Save save;
    double saved;
    const char* prompt;  // null: accepted
  } cases[] = {
      {" 42 ", SaveAs<int>(), 42, nullptr},
      {"-2147483648", SaveAs<int>(), INT_MIN, nullptr},
      {"12abc", SaveAs<int>(), kUntouched, kInteger},
      {"", SaveAs<int>(), kUntouched, kInteger},
      {"1.5", SaveAs<long>(), kUntouched, kInteger},
      {"2147483648", SaveAs<int>(), kUntouched,
       "Please enter an integer between -2147483648 and 2147483647."},
      {"-1", SaveAs<UINT>(), kUntouched, "Please enter an integer between 0 and 4294967295."},
      {"4294967295", SaveAs<DWORD>(), 4294967295.0, nullptr},
      {"256", SaveAs<BYTE>(), kUntouched, "Please enter an integer between 0 and 255."},
      {"-32769", SaveAs<short>(), kUntouched,
       "Please enter an integer between -32768 and 32767."},
      {"5", SaveIn<int>(DDV_MinMaxInt, -5, 5), 5, nullptr},
      {"6", SaveIn<int>(DDV_MinMaxInt, -5, 5), 6, "Please enter an integer between -5 and 5."},
      {"0", SaveIn<UINT>(DDV_MinMaxUInt, 1, 10), 0, "Please enter an integer between 1 and 10."},
      {"-101", SaveIn<long>(DDV_MinMaxLong, -100, 100), -101,
       "Please enter an integer between -100 and 100."},
      {"4000000001", SaveIn<DWORD>(DDV_MinMaxDWord, 0, 4000000000u), 4000000001.0,
       "Please enter an integer between 0 and 4000000000."},
      {"9", SaveIn<BYTE>(DDV_MinMaxByte, 10, 20), 9, "Please enter an integer between 10 and 20."},
      {" 2.5 ", SaveAs<double>(), 2.5, nullptr},
      {"0.1", SaveAs<float>(), static_cast<double>(0.1f), nullptr},
      {"1,5", SaveAs<double>(), kUntouched, kNumber},  // not 1 under the "C" locale
      {"1.5e", SaveAs<double>(), kUntouched, kNumber},
      {"1e39", SaveAs<float>(), kUntouched,
       "Please enter a number between -3.40282e+38 and 3.40282e+38."},
      {"1e999", SaveAs<double>(), kUntouched,
       "Please enter a number between -1.79769313486232e+308 and 1.79769313486232e+308."},
      {"10", SaveIn<double>(DDV_MinMaxDouble, 0.5, 10), 10, nullptr},
      {"10.5", SaveIn<double>(DDV_MinMaxDouble, 0.5, 10), 10.5,
       "Please enter a number between 0.5 and 10."},
      {"0.25", SaveIn<float>(DDV_MinMaxFloat, 0.5f, 10.0f), 0.25,
       "Please enter a number between 0.5 and 10."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    TestApp().prompts.clear();
    ::SetWindowTextA(Item(IDC_NUMBER), c.text);
    double saved = kUntouched;
    const BOOL bSaved = Run(TRUE, [&](CDataExchange* pDX) { c.save(pDX, saved); });
    EXPECT_EQ(saved, c.saved);
    if (c.prompt == nullptr) {
      EXPECT_TRUE(bSaved);
      EXPECT_TRUE(TestApp().prompts.empty());
      continue;
    }
    EXPECT_FALSE(bSaved);
    ASSERT_EQ(TestApp().prompts.size(), 1u);
    EXPECT_EQ(TestApp().prompts[0].text, c.prompt);
    EXPECT_EQ(::GetFocus(), Item(IDC_NUMBER));
  }
}

// An edit field that notes, each time it loses the focus, whether a
// refusal was taking it.
class CRefusalWitness : public CEdit {
 public:
  std::vector<bool> seen;

 protected:
  afx_msg void OnKillFocus(CWnd* pNewWnd) {
    seen.push_back(CRefusalScope::IsOpen());
    CEdit::OnKillFocus(pNewWnd);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRefusalWitness, CEdit)
  ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

TEST_F(DataExchangeTest, FailTakesTheFocusInsideARefusal) {
  CRefusalWitness witness;
  ASSERT_TRUE(witness.SubclassDlgItem(IDC_TEXT, &m_dlg));
  ::SetWindowTextA(Item(IDC_NUMBER), "x");
  int value = 0;
  EXPECT_FALSE(Run(TRUE, [&value](CDataExchange* pDX) { DDX_Text(pDX, IDC_NUMBER, value); }));
  ::SetFocus(Item(IDC_TEXT));  // the user going back, and leaving again
  ::SetFocus(Item(IDC_NUMBER));
  EXPECT_EQ(witness.seen, (std::vector<bool>{true, false}));
  EXPECT_FALSE(CRefusalScope::IsOpen());
}

TEST_F(DataExchangeTest, MaxCharsLimitsTheFieldAndRefusesLongerText) {
  CString text = "abc";
  const Exchange exchange = [&text](CDataExchange* pDX) {
    DDX_Text(pDX, IDC_TEXT, text);
    DDV_MaxChars(pDX, text, 5);
  };
  EXPECT_TRUE(Run(FALSE, exchange));
  EXPECT_EQ(Send(IDC_TEXT, EM_GETLIMITTEXT), 5);

  ::SetWindowTextA(Item(IDC_TEXT), "abcdef");  // the limit holds typing only
  ::SetFocus(Item(IDC_NUMBER));
  EXPECT_FALSE(m_dlg.UpdateData(TRUE));
  ASSERT_EQ(TestApp().prompts.size(), 1u);
  EXPECT_EQ(TestApp().prompts[0].text, "Enter no more than 5 characters.");
  EXPECT_EQ(::GetFocus(), Item(IDC_TEXT));

  ::SetWindowTextA(Item(IDC_TEXT), "abcde");
  EXPECT_TRUE(m_dlg.UpdateData(TRUE));
  EXPECT_EQ(text, "abcde");
}

// ---- buttons, combo boxes, list boxes ----------------------------------------------

TEST_F(DataExchangeTest, CheckBoxAndRadioGroup) {
  int check = BST_INDETERMINATE;
  int radio = 2;
  const Exchange exchange = [&](CDataExchange* pDX) {
    DDX_Check(pDX, IDC_CHECK, check);
    DDX_Radio(pDX, IDC_RADIO1, radio);
  };
  ::SendMessageA(Item(IDC_RADIO_OTHER), BM_SETCHECK, BST_CHECKED, 0);  // another group
  EXPECT_TRUE(Run(FALSE, exchange));
  EXPECT_EQ(Send(IDC_CHECK, BM_GETCHECK), BST_INDETERMINATE);
  EXPECT_EQ(Send(IDC_RADIO1, BM_GETCHECK), BST_UNCHECKED);
  EXPECT_EQ(Send(IDC_RADIO3, BM_GETCHECK), BST_CHECKED);

  Send(IDC_CHECK, BM_SETCHECK, BST_CHECKED);
  Send(IDC_RADIO2, BM_CLICK);
  EXPECT_TRUE(Run(TRUE, exchange));
  EXPECT_EQ(check, BST_CHECKED);
  EXPECT_EQ(radio, 1);

  check = 7;    // unknown states show unchecked
  radio = -1;   // none of the group
  EXPECT_TRUE(Run(FALSE, exchange));
  EXPECT_EQ(Send(IDC_CHECK, BM_GETCHECK), BST_UNCHECKED);
  EXPECT_EQ(Send(IDC_RADIO2, BM_GETCHECK), BST_UNCHECKED);
  EXPECT_EQ(Send(IDC_RADIO_OTHER, BM_GETCHECK), BST_CHECKED);
  radio = 5;
  EXPECT_TRUE(Run(TRUE, exchange));
  EXPECT_EQ(radio, -1);  // the checked button of the next group is not counted
}

TEST_F(DataExchangeTest, ComboAndListIndexAndString) {
  AddItems(IDC_DROPDOWN, CB_ADDSTRING);
  AddItems(IDC_DROPLIST, CB_ADDSTRING);
  AddItems(IDC_LIST, LB_ADDSTRING);
  int nDropList = 2;
  int nList = 1;
  EXPECT_TRUE(Run(FALSE, [&](CDataExchange* pDX) {
    DDX_CBIndex(pDX, IDC_DROPLIST, nDropList);
    DDX_LBIndex(pDX, IDC_LIST, nList);
  }));
  EXPECT_EQ(Send(IDC_DROPLIST, CB_GETCURSEL), 2);
  EXPECT_EQ(Send(IDC_LIST, LB_GETCURSEL), 1);
  Send(IDC_DROPLIST, CB_SETCURSEL, 0);
  Send(IDC_LIST, LB_SETCURSEL, static_cast<WPARAM>(-1));
  EXPECT_TRUE(Run(TRUE, [&](CDataExchange* pDX) {
    DDX_CBIndex(pDX, IDC_DROPLIST, nDropList);
    DDX_LBIndex(pDX, IDC_LIST, nList);
  }));
  EXPECT_EQ(nDropList, 0);
  EXPECT_EQ(nList, -1);

  // Loading a string: the equal item, else a prefix in lists (not in the
  // Exact forms), while a field with an edit shows the value as it is.
  using StringExchange = void (*)(CDataExchange*, int, CString&);
  const struct {
    StringExchange ddx;
    int nID;
    const char* value;
    const char* shown;
  } loads[] = {
      {DDX_CBString, IDC_DROPDOWN, "gam", "gam"},
      {DDX_CBString, IDC_DROPDOWN, "BETA", "BETA"},
      {DDX_CBString, IDC_DROPLIST, "gam", "gamma"},
      {DDX_CBStringExact, IDC_DROPLIST, "gam", "gamma"},  // unchanged
      {DDX_CBStringExact, IDC_DROPLIST, "Alpha", "alpha"},
      {DDX_LBString, IDC_LIST, "be", "beta"},
      {DDX_LBStringExact, IDC_LIST, "gam", "beta"},  // unchanged
      {DDX_LBStringExact, IDC_LIST, "GAMMA", "gamma"},
  };
  for (const auto& c : loads) {
    SCOPED_TRACE(c.value);
    CString value = c.value;
    EXPECT_TRUE(Run(FALSE, [&](CDataExchange* pDX) { c.ddx(pDX, c.nID, value); }));
    CString saved;
    EXPECT_TRUE(Run(TRUE, [&](CDataExchange* pDX) { c.ddx(pDX, c.nID, saved); }));
    EXPECT_EQ(saved, c.shown);
  }
  Send(IDC_LIST, LB_SETCURSEL, static_cast<WPARAM>(-1));
  CString none = "x";
  EXPECT_TRUE(Run(TRUE, [&](CDataExchange* pDX) { DDX_LBString(pDX, IDC_LIST, none); }));
  EXPECT_EQ(none, "");
  EXPECT_EQ(Send(IDC_DROPDOWN, CB_GETCURSEL), 1);  // "BETA" picked the equal item
}

TEST_F(DataExchangeTest, ListBoxWrapper) {
  CListBox list;
  ASSERT_TRUE(list.SubclassDlgItem(IDC_LIST, &m_dlg));
  const DWORD_PTR wide = static_cast<DWORD_PTR>(0x1234567890ABCDEFull);
  list.AddString("beta");
  EXPECT_EQ(list.InsertString(0, "alpha"), 0);
  EXPECT_EQ(list.AddString("alphabet"), 2);
  list.SetItemData(2, wide);
  list.SetItemDataPtr(1, &list);
  char buffer[16] = {};
  EXPECT_EQ(list.GetText(1, buffer), 4);
  EXPECT_STREQ(buffer, "beta");
  CString text;
  list.GetText(2, text);
  EXPECT_EQ(text, "alphabet");
  list.GetText(9, text);
  EXPECT_EQ(text, "");
  EXPECT_EQ(list.FindString(0, "ALPHA"), 2);  // after item 0, case ignored
  EXPECT_EQ(list.FindStringExact(-1, "alp"), LB_ERR);
  EXPECT_EQ(list.SelectString(-1, "be"), 1);
  EXPECT_EQ(list.DeleteString(0), 2);
  EXPECT_EQ(list.GetItemDataPtr(0), &list);  // the data follows its item
  EXPECT_EQ(list.GetItemData(1), wide);

  CListBox multi;
  ASSERT_TRUE(multi.SubclassDlgItem(IDC_MULTILIST, &m_dlg));
  AddItems(IDC_MULTILIST, LB_ADDSTRING);
  multi.SetSel(0);
  multi.SetSel(2);
  int selected[3] = {-1, -1, -1};
  EXPECT_EQ(multi.GetSelItems(3, selected), 2);
  EXPECT_EQ(selected[1], 2);
  EXPECT_EQ(multi.GetSel(1), 0);
  multi.SetSel(-1, FALSE);
  multi.SelItemRange(TRUE, 1, 2);
  EXPECT_EQ(multi.GetSelCount(), 2);
  EXPECT_EQ(multi.GetSel(0), 0);

  CListBox created;
  ASSERT_TRUE(created.Create(WS_CHILD | LBS_NOTIFY, CRect(0, 0, 50, 50), &m_dlg, 150));
  EXPECT_EQ(created.AddString("x"), 0);
}

// ---- a control the dialog lacks ---------------------------------------------------

TEST_F(DataExchangeTest, AControlTheDialogLacksFailsTheExchangeAndKeepsTheData) {
  constexpr int kMissing = 999;
  CString text("kept text");
  int number = 42;
  double real = 2.5;
  int check = 1;
  int radio = 2;
  int index = 1;
  CString pick("beta");
  CEdit control;
  const std::pair<const char*, Exchange> cases[] = {
      {"text", [&](CDataExchange* pDX) { DDX_Text(pDX, kMissing, text); }},
      {"int", [&](CDataExchange* pDX) { DDX_Text(pDX, kMissing, number); }},
      {"double", [&](CDataExchange* pDX) { DDX_Text(pDX, kMissing, real); }},
      {"check", [&](CDataExchange* pDX) { DDX_Check(pDX, kMissing, check); }},
      {"radio", [&](CDataExchange* pDX) { DDX_Radio(pDX, kMissing, radio); }},
      {"combo index", [&](CDataExchange* pDX) { DDX_CBIndex(pDX, kMissing, index); }},
      {"list string", [&](CDataExchange* pDX) { DDX_LBString(pDX, kMissing, pick); }},
      {"control", [&](CDataExchange* pDX) { DDX_Control(pDX, kMissing, control); }},
  };
  for (const BOOL bSave : {TRUE, FALSE}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << c.first << (bSave ? " saved" : " loaded"));
      TestApp().prompts.clear();
      ::SetWindowTextA(Item(IDC_TEXT), "typed");
      CString after("after");  // exchanged after the faulty item: not reached
      DebugOutput output;
      EXPECT_FALSE(Run(bSave, [&](CDataExchange* pDX) {
        c.second(pDX);
        DDX_Text(pDX, IDC_TEXT, after);
      }));
      EXPECT_EQ(after, "after");
      EXPECT_EQ(WindowText(Item(IDC_TEXT)), "typed");
      EXPECT_NE(output.Text().find("no data exchange control with ID 999"), std::string::npos);
      ASSERT_EQ(TestApp().prompts.size(), 1u);
      EXPECT_EQ(TestApp().prompts[0].text, "An unsupported operation was attempted.");
    }
  }
  EXPECT_EQ(text, "kept text");
  EXPECT_EQ(number, 42);
  EXPECT_EQ(real, 2.5);
  EXPECT_EQ(check, 1);
  EXPECT_EQ(radio, 2);
  EXPECT_EQ(index, 1);
  EXPECT_EQ(pick, "beta");
  EXPECT_EQ(control.m_hWnd, nullptr);
  TestApp().prompts.clear();
}

TEST_F(DataExchangeTest, AnyExceptionFromTheExchangeIsToldAndLeavesTheRestAsItWas) {
  const struct {
    const char* name;
    std::function<void()> fail;
    const char* prompt;
  } cases[] = {
      {"std::exception", [] { throw std::runtime_error("the disk is gone"); },
       "Internal application error.\n\nthe disk is gone"},
      {"framework exception", [] { AfxThrowMemoryException(); }, "Internal application error."},
      {"anything else", [] { throw 7; }, "Internal application error."},
  };
  for (const BOOL bSave : {TRUE, FALSE}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << c.name << (bSave ? " saving" : " loading"));
      TestApp().prompts.clear();
      ::SetWindowTextA(Item(IDC_NUMBER), "12");
      ::SetWindowTextA(Item(IDC_TEXT), "typed");
      int before = 5;
      CString after("after");
      EXPECT_FALSE(Run(bSave, [&](CDataExchange* pDX) {
        DDX_Text(pDX, IDC_NUMBER, before);
        c.fail();
        DDX_Text(pDX, IDC_TEXT, after);
      }));
      // What was exchanged before the failure was; nothing after it.
      EXPECT_EQ(before, bSave ? 12 : 5);
      EXPECT_EQ(WindowText(Item(IDC_NUMBER)), bSave ? "12" : "5");
      EXPECT_EQ(after, "after");
      EXPECT_EQ(WindowText(Item(IDC_TEXT)), "typed");
      ASSERT_EQ(TestApp().prompts.size(), 1u);
      EXPECT_EQ(TestApp().prompts[0].text, c.prompt);
    }
  }
  TestApp().prompts.clear();
}

TEST(DataExchangeModal, ADialogWhoseDataCannotLoadEndsWithMinusOne) {
  CExchangeDialog dlg(IDD_EXCHANGE_DIALOG);
  int value = 5;
  dlg.exchange = [&](CDataExchange* pDX) { DDX_Text(pDX, 999, value); };
  TestApp().prompts.clear();
  EXPECT_EQ(dlg.DoModal(), -1);
  EXPECT_EQ(TestApp().prompts.size(), 1u);
  EXPECT_EQ(value, 5);
  TestApp().prompts.clear();
}

// ---- bitmaps ------------------------------------------------------------------------

TEST(BitmapResource, LoadsFromTheApplicationByNumberAndName) {
  for (const bool byName : {false, true}) {
    SCOPED_TRACE(byName ? "by name" : "by number");
    CBitmap bitmap;
    ASSERT_TRUE(byName ? bitmap.LoadBitmap("#400") : bitmap.LoadBitmap(IDB_TEST_BITMAP));
    BITMAP info = {};
    ASSERT_TRUE(bitmap.GetBitmap(&info));
    EXPECT_EQ(info.bmWidth, 3);
    EXPECT_EQ(info.bmHeight, 2);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap* pOld = dc.SelectObject(&bitmap);
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(2, 0), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(2, 1), RGB(128, 128, 128));
    dc.SelectObject(pOld);
  }
  CBitmap missing;
  EXPECT_FALSE(missing.LoadBitmap(999));
  EXPECT_EQ(missing.m_hObject, nullptr);
  CBitmap oem;
  EXPECT_TRUE(oem.LoadOEMBitmap(32760));  // OBM_CHECK
}

}  // namespace
