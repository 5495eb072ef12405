// The amount edit control in a real dialog, driven as a user drives it:
// characters typed, Enter and Escape pressed through the pump, the focus
// moved, the clipboard pasted. What the dialog and the field receive, and
// what message boxes were asked for, are checked in order.
#include "AmountDialog.h"

#include <gtest/gtest.h>

#include <clocale>

namespace {

const std::string kChanged = "dialog changed 100 0 after 0 prompts";
const std::string kFieldChanged = "field changed 100 0 after 0 prompts";
const std::string kInvalid = "dialog invalid 100 0 after 0 prompts";
const std::string kFieldInvalid = "field invalid 100 0 after 0 prompts";

class AmountEditTest : public ::testing::Test {
 public:
  void SetUp() override { TestApp().prompts.clear(); }
  void TearDown() override {
    if (dlg.m_hWnd != nullptr) dlg.DestroyWindow();
  }

  HWND field() const { return dlg.m_field.m_hWnd; }
  // Replaces the field's text by typing, as a user would after clearing it.
  void Type(const char* text) {
    dlg.m_field.SetWindowText("");
    TypeChars(field(), text);
  }
  void Enter() { PressKey(field(), VK_RETURN); }
  void Escape() { PressKey(field(), VK_ESCAPE); }
  std::vector<std::string> Prompts() const {
    std::vector<std::string> texts;
    for (const RecordedPrompt& p : TestApp().prompts) texts.push_back(p.text);
    return texts;
  }

  CAmountDialog dlg;
};

TEST_F(AmountEditTest, ShowsStoredAmountsAtItsPrecision) {
  CAmountEdit loose;  // no window: only stored
  loose.SetAmount(2L, UNITS_DISTANCE);
  EXPECT_EQ(loose.GetAmount(), 2.0);
  EXPECT_FALSE(loose.CloseAmount()) << "no window: nothing to commit";
  ASSERT_TRUE(loose.Create(WS_POPUP, CRect(0, 0, 80, 20), nullptr, 0));
  loose.SetWindowText("5");
  loose.SetModify(TRUE);
  EXPECT_FALSE(loose.CloseAmount()) << "no parent: no dialog to commit to";
  EXPECT_EQ(loose.GetAmount(), 2.0);
  EXPECT_EQ(WindowText(loose.m_hWnd), "5");
  loose.DestroyWindow();

  dlg.m_field.SetAmount(1.0, UNITS_DISTANCE);
  dlg.Open();
  EXPECT_EQ(WindowText(field()), "1.000") << "shown when the dialog loads";
  EXPECT_EQ(dlg.m_field.GetDistance(), 10000);
  dlg.m_field.SetAmount(12.5, UNITS_PERCENT);
  EXPECT_EQ(WindowText(field()), "12.500%");
  dlg.m_field.SetAmount(3.0, 7u);
  EXPECT_EQ(WindowText(field()), "") << "an unknown units code shows nothing";
  EXPECT_EQ(dlg.m_field.GetUnits(), 7u);
}

TEST_F(AmountEditTest, EnterCommitsTypedAmountAndNotifiesDialogThenField) {
  dlg.Open();
  Type("2.5");
  EXPECT_TRUE(dlg.m_field.Modified());
  Enter();
  EXPECT_EQ(dlg.m_field.GetAmount(), 2.5);
  EXPECT_EQ(WindowText(field()), "2.500");
  EXPECT_FALSE(dlg.m_field.Modified());
  EXPECT_EQ(dlg.log, (EventLog{kChanged, kFieldChanged})) << "and the default button did not fire";
  EXPECT_TRUE(Prompts().empty());
}

TEST_F(AmountEditTest, CentimetresAreStoredAsInches) {
  dlg.m_field.SetFormat(2, false, true, true, false);
  dlg.Open();
  Type("2.54");
  Enter();
  EXPECT_EQ(dlg.m_field.GetAmount(), 2.54 * 0.39370078740157477);
  EXPECT_EQ(WindowText(field()), "2.54");
}

struct RangeCase {
  double low, high;
  const char* typed;
  bool accepted;
  const char* shown;     // after an accepted commit
  const char* prompt;    // after a refused one
};

class AmountRange : public AmountEditTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(AmountRange, CommitsOrRefusesWithOnePrompt) {
  const RangeCase& c = GetParam();
  dlg.m_field.SetFormat(2, true, true, true, false);
  dlg.m_field.SetRange(c.low, c.high);
  dlg.m_field.SetAmount(0.75, UNITS_DISTANCE);
  dlg.Open();
  Type(c.typed);
  Enter();
  if (c.accepted) {
    EXPECT_EQ(WindowText(field()), c.shown);
    EXPECT_EQ(dlg.log, (EventLog{kChanged, kFieldChanged}));
    EXPECT_TRUE(Prompts().empty());
    return;
  }
  EXPECT_EQ(dlg.m_field.GetAmount(), 0.75) << "a refused commit keeps the stored amount";
  EXPECT_EQ(dlg.log, (EventLog{kInvalid, kFieldInvalid})) << "both before the message box";
  ASSERT_EQ(Prompts(), (std::vector<std::string>{c.prompt}));
  EXPECT_EQ(TestApp().prompts[0].nType, static_cast<UINT>(MB_OK));
  EXPECT_EQ(TestApp().prompts[0].nIDPrompt, 0u);
  EXPECT_EQ(::GetFocus(), field());
  EXPECT_EQ(WindowText(field()), c.typed) << "the entry stays for the user to mend";
}

INSTANTIATE_TEST_SUITE_P(
    Limits, AmountRange,
    ::testing::Values(
        RangeCase{0.5, 10.0, "0.2", false, "", "Please enter a number between 0.50 and 10.00."},
        RangeCase{10.0, 0.5, "10.004", false, "",
                  "Please enter a number between 0.50 and 10.00."},
        RangeCase{0.5, 10.0, "10", true, "10.00", ""},
        // At a limit the value shows unrounded, so it never shows outside the range.
        RangeCase{0.125, 1.0, "0.125", true, "0.125", ""},
        RangeCase{0.125, 1.0, "0.3", true, "0.30", ""},
        RangeCase{0.125, 1.0, "0.1", false, "",
                  "Please enter a number between 0.125 and 1.000."}));

TEST_F(AmountEditTest, EmptyFieldIsSkippedUnlessRequired) {
  dlg.m_field.SetFormat(3, true, true, false, false);
  dlg.m_field.SetAmount(4.0, UNITS_DISTANCE);
  dlg.Open();
  Escape();  // clears the text and marks it modified
  Enter();
  EXPECT_EQ(dlg.m_field.GetAmount(), 4.0);
  EXPECT_TRUE(Prompts().empty());
  EXPECT_TRUE(dlg.log.empty());

  dlg.m_field.SetFormat(3, true, true, true, false);
  Enter();
  ASSERT_EQ(Prompts(), (std::vector<std::string>{"Please enter a number."}));
  EXPECT_EQ(TestApp().prompts[0].nIDPrompt, static_cast<UINT>(AFX_IDP_PARSE_REAL));
  EXPECT_EQ(dlg.log, (EventLog{kInvalid, kFieldInvalid}));
}

TEST_F(AmountEditTest, PercentOnlyFieldsAddTheMissingSign) {
  tagFORMAT format = {1, true, true, true, true, true, 0};
  dlg.m_field.SetFormat(&format, false);
  dlg.Open();
  Type("50");
  Enter();
  EXPECT_EQ(dlg.m_field.GetUnits(), UNITS_PERCENT);
  EXPECT_EQ(dlg.m_field.GetAmount(), 50.0);
  EXPECT_EQ(WindowText(field()), "50.0%");

  format.bPercent = false;  // '%' not accepted: the number is a distance
  dlg.m_field.SetFormat(&format, false);
  Type("50");
  Enter();
  EXPECT_EQ(dlg.m_field.GetUnits(), UNITS_DISTANCE);
  EXPECT_EQ(dlg.m_field.GetAmount(), 50.0);
  tagFORMAT read = {};
  dlg.m_field.GetFormat(read);
  EXPECT_TRUE(read.bOnlyPercent);
  EXPECT_EQ(read.nMinPrecision, 1);
}

TEST_F(AmountEditTest, APercentRangeAloneChecksDistancesToo) {
  dlg.m_field.SetPercentRange(0.0, 100.0);
  dlg.Open();
  Type("1");
  Enter();
  EXPECT_EQ(Prompts().size(), 1u);
  TestApp().prompts.clear();
  Type("0");
  Enter();
  EXPECT_TRUE(Prompts().empty());
  EXPECT_EQ(dlg.m_field.GetAmount(), 0.0);
}

TEST_F(AmountEditTest, KeystrokeFilterLetsOnlyNumberCharactersThrough) {
  dlg.Open();
  Type("1a/2 %e-.,\b3");
  EXPECT_EQ(WindowText(field()), "12-3") << "'.' typed, then erased by the backspace";
  dlg.m_field.SetFormat(3, true, true, true, true);
  Type("5%x");
  EXPECT_EQ(WindowText(field()), "5%");
}

TEST_F(AmountEditTest, PasteIsAllOrNothing) {
  dlg.Open();
  const struct {
    const char* clipboard;
    const char* result;
  } cases[] = {{"12.5", "12.5"}, {"12.5 cm", ""}, {"3/4", ""}, {"-7", "-7"}};
  for (const auto& c : cases) {
    SetClipboardText(c.clipboard);
    dlg.m_field.SetWindowText("");
    ::SendMessageA(field(), WM_PASTE, 0, 0);
    EXPECT_EQ(WindowText(field()), c.result) << c.clipboard;
  }
}

TEST_F(AmountEditTest, EnterWithoutChangesDoesNothing) {
  dlg.m_field.SetAmount(1.0, UNITS_DISTANCE);
  dlg.Open();
  Enter();
  EXPECT_TRUE(dlg.log.empty()) << "no commit and no default button";
  EXPECT_TRUE(Prompts().empty());
}

TEST_F(AmountEditTest, TwoEscapesRestoreTheStoredAmount) {
  dlg.m_field.SetAmount(2.0, UNITS_DISTANCE);
  dlg.Open();
  Type("7");
  Escape();
  EXPECT_EQ(WindowText(field()), "");
  EXPECT_TRUE(dlg.m_field.Modified());
  Escape();
  EXPECT_EQ(WindowText(field()), "2.000");
  EXPECT_FALSE(dlg.m_field.Modified());
  EXPECT_TRUE(dlg.log.empty()) << "the dialog was not cancelled";
}

TEST_F(AmountEditTest, LeavingTheFieldCommitsOnlyWithinTheDialog) {
  dlg.Open();
  Type("3");
  dlg.GetDlgItem(IDC_OTHER)->SetFocus();
  EXPECT_EQ(dlg.m_field.GetAmount(), 3.0);
  EXPECT_EQ(dlg.log, (EventLog{kChanged, kFieldChanged}));

  dlg.log.clear();
  dlg.m_field.SetFocus();
  Type("-");  // no number
  dlg.GetDlgItem(IDCANCEL)->SetFocus();
  EXPECT_TRUE(Prompts().empty()) << "nothing is committed towards Cancel";
  EXPECT_TRUE(dlg.log.empty());

  dlg.m_field.SetFocus();
  CAmountDialog other;
  other.Open();  // another top-level window takes the focus
  EXPECT_TRUE(Prompts().empty());
  EXPECT_TRUE(dlg.log.empty());
  other.DestroyWindow();

  dlg.m_field.SetFocus();
  dlg.GetDlgItem(IDC_OTHER)->SetFocus();
  EXPECT_EQ(Prompts().size(), 1u) << "exactly one message box for the refused commit";
  EXPECT_EQ(::GetFocus(), field()) << "and the focus back on the field";
  EXPECT_EQ(dlg.m_field.GetAmount(), 3.0);
}

TEST_F(AmountEditTest, TheDialogsOwnExchangeFailsOnARefusedEntry) {
  dlg.Open();
  Type("-");
  EXPECT_FALSE(dlg.UpdateData(TRUE));
  EXPECT_EQ(Prompts().size(), 1u);
  Type("6");
  EXPECT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_EQ(dlg.m_field.GetAmount(), 6.0);
}

TEST_F(AmountEditTest, CreatedFieldsGetASunkenEdge) {
  dlg.Open();
  CAmountEdit created;
  ASSERT_TRUE(created.Create(WS_CHILD | WS_VISIBLE, CRect(10, 60, 100, 80), &dlg, 200));
  EXPECT_NE(created.GetExStyle() & WS_EX_CLIENTEDGE, 0u);
  EXPECT_TRUE(created.IsKindOf(RUNTIME_CLASS(CEdit)));
  EXPECT_STREQ(created.GetRuntimeClass()->m_lpszClassName, "CAmountEdit");
  created.DestroyWindow();
}

// The user's number settings of a German locale, set through the system's
// locale settings and restored afterwards.
class GermanUserLocale {
 public:
  GermanUserLocale() {
    ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, m_decimal, sizeof m_decimal);
    ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, m_thousand, sizeof m_thousand);
    ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, ",");
    ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, ".");
  }
  ~GermanUserLocale() {
    ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, m_decimal);
    ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, m_thousand);
  }
  static std::string Decimal() {
    char buffer[10] = {};
    ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, sizeof buffer);
    return buffer;
  }

 private:
  char m_decimal[10] = {};
  char m_thousand[10] = {};
};

// The C runtime's numbers in German, back to "C" afterwards.
struct GermanRuntime {
  GermanRuntime() { EXPECT_NE(std::setlocale(LC_NUMERIC, "German"), nullptr); }
  ~GermanRuntime() { std::setlocale(LC_NUMERIC, "C"); }
};

// A key-down that the keyboard repeats (bit 30: the key was down already).
void PressRepeatedKey(HWND hWnd, UINT nVirtKey) {
  ::PostMessageA(hWnd, WM_KEYDOWN, nVirtKey, 1 | (LPARAM{1} << 30));
  PumpPending();
}

// Shift+Insert, with the Shift key down in the thread's keyboard state.
void PressShiftInsert(HWND hWnd) {
  BYTE keys[256] = {};
  ::GetKeyboardState(keys);
  keys[VK_SHIFT] = 0x80;
  ::SetKeyboardState(keys);
  PressKey(hWnd, VK_INSERT);
  keys[VK_SHIFT] = 0;
  ::SetKeyboardState(keys);
}

void SelectAll(HWND hWnd) { ::SendMessageA(hWnd, EM_SETSEL, 0, -1); }

// One user session with a field: how it is set up, what the user does, and
// what shows, is stored, is notified and is prompted afterwards.
struct EditRow {
  const char* what;
  void (*configure)(CAmountEdit& field);
  void (*act)(AmountEditTest& t);
  const char* text;
  double amount;
  EventLog events;
  std::vector<std::string> prompts;
};

void StoreTwo(CAmountEdit& field) { field.SetAmount(2.0, UNITS_DISTANCE); }
void AsIs(CAmountEdit&) {}

const EditRow kEditRows[] = {
    {"a disabled field is neither read nor tested", StoreTwo,
     [](AmountEditTest& t) {
       t.Type("-");
       t.dlg.m_field.EnableWindow(FALSE);
       EXPECT_TRUE(t.dlg.UpdateData(TRUE));
     },
     "-", 2.0, {}, {}},
    {"without notify a commit is stored silently",
     [](CAmountEdit& field) { field.SetFormat(3, true, false, true, false); },
     [](AmountEditTest& t) {
       t.Type("4");
       t.Enter();
     },
     "4.000", 4.0, {}, {}},
    {"a repeated Enter does nothing", AsIs,
     [](AmountEditTest& t) {
       t.Type("4");
       PressRepeatedKey(t.field(), VK_RETURN);
     },
     "4", 0.0, {}, {}},
    {"the dialog's exchange leaves an unmodified field's amount", StoreTwo,
     [](AmountEditTest& t) {
       t.dlg.m_field.SetWindowText("5");
       t.dlg.m_field.SetModify(FALSE);
       EXPECT_TRUE(t.dlg.UpdateData(TRUE));
     },
     "5", 2.0, {}, {}},
    {"percent only and not required: an empty field is skipped",
     [](CAmountEdit& field) {
       tagFORMAT format = {3, true, true, false, true, true, 0};
       field.SetFormat(&format, false);
       field.SetAmount(5.0, UNITS_PERCENT);
     },
     [](AmountEditTest& t) {
       t.Escape();
       t.Enter();
     },
     "", 5.0, {}, {}},
    {"a German user with the runtime in C cannot type the comma", AsIs,
     [](AmountEditTest& t) {
       GermanUserLocale german;
       ASSERT_EQ(GermanUserLocale::Decimal(), ",");
       t.Type("1,5");
       t.Enter();
     },
     "15.000", 15.0, {kChanged, kFieldChanged}, {}},
    {"German user and runtime: the comma separates, the period is refused", AsIs,
     [](AmountEditTest& t) {
       GermanUserLocale german;
       GermanRuntime runtime;
       t.Type("1.,5");
       t.Enter();
     },
     "1,500", 1.5, {kChanged, kFieldChanged}, {}},
    {"Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z reach the field", AsIs,
     [](AmountEditTest& t) {
       SetClipboardText("9");
       t.Type("12.5");
       SelectAll(t.field());
       TypeChars(t.field(), "\x03");  // copy
       t.dlg.m_field.SetWindowText("");
       TypeChars(t.field(), "\x16");  // paste
       EXPECT_EQ(WindowText(t.field()), "12.5");
       SelectAll(t.field());
       TypeChars(t.field(), "\x18");  // cut
       EXPECT_EQ(WindowText(t.field()), "");
       TypeChars(t.field(), "\x1A");  // undo
     },
     "12.5", 0.0, {}, {}},
    {"Ctrl+V and Shift+Insert paste through the filter", AsIs,
     [](AmountEditTest& t) {
       SetClipboardText("abc 3/4");
       t.Type("7");
       PressShiftInsert(t.field());
       TypeChars(t.field(), "\x16");
       EXPECT_EQ(WindowText(t.field()), "7");
       SetClipboardText("3");
       PressShiftInsert(t.field());
       t.Enter();
     },
     "73.000", 73.0, {kChanged, kFieldChanged}, {}},
};

class AmountEditSession : public AmountEditTest, public ::testing::WithParamInterface<EditRow> {};

TEST_P(AmountEditSession, ShowsStoresNotifiesAndPromptsAsExpected) {
  const EditRow& row = GetParam();
  SCOPED_TRACE(row.what);
  row.configure(dlg.m_field);
  dlg.Open();
  row.act(*this);
  EXPECT_EQ(WindowText(field()), row.text);
  EXPECT_EQ(dlg.m_field.GetAmount(), row.amount);
  EXPECT_EQ(dlg.log, row.events);
  EXPECT_EQ(Prompts(), row.prompts);
}

INSTANTIATE_TEST_SUITE_P(Rows, AmountEditSession, ::testing::ValuesIn(kEditRows),
                         [](const ::testing::TestParamInfo<EditRow>& info) {
                           return "Row" + std::to_string(info.index);
                         });

}  // namespace
