// Refused entries and the focus, in a dialog with two amount edits
// (IDC_FIELD "A", IDC_OTHER "B") and an amount combo box ("X") driven by
// clicks, Tab and Shift+Tab: a refusal shows one prompt for one user
// action and takes the focus back to the field the user left; the focus
// change it makes commits nothing in another field; Cancel and Escape
// close the dialog. The prompts are recorded by the application, or shown
// as real message boxes that the user answers with a click on their button.
#include "AmountDialog.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

enum class Prompting { Recorded, Shown };

std::string PromptingName(const ::testing::TestParamInfo<Prompting>& info) {
  return info.param == Prompting::Shown ? "Shown" : "Recorded";
}

// While it lives, every message box of the application is answered by a
// click on its OK button as soon as it is active.
class PromptAnswerer {
 public:
  PromptAnswerer() {
    s_hHook = ::SetWindowsHookExA(WH_CBT, &OnCbt, nullptr, ::GetCurrentThreadId());
  }
  ~PromptAnswerer() { ::UnhookWindowsHookEx(s_hHook); }
  PromptAnswerer(const PromptAnswerer&) = delete;
  PromptAnswerer& operator=(const PromptAnswerer&) = delete;

 private:
  static LRESULT CALLBACK OnCbt(int nCode, WPARAM wParam, LPARAM lParam) {
    const HWND hWnd = reinterpret_cast<HWND>(wParam);
    // The application's message boxes carry its name as their caption.
    if (nCode == HCBT_ACTIVATE && WindowText(hWnd) == TestApp().m_pszAppName) {
      ::PostMessageA(::GetDlgItem(hWnd, IDOK), BM_CLICK, 0, 0);
    }
    return ::CallNextHookEx(s_hHook, nCode, wParam, lParam);
  }
  static HHOOK s_hHook;
};
HHOOK PromptAnswerer::s_hHook = nullptr;

// A left click in the middle of a window's client area, or at (x, y).
void Click(HWND hWnd, int x, int y) {
  const LPARAM pos = MAKELPARAM(x, y);
  ::PostMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, pos);
  PumpPending();
  ::PostMessageA(hWnd, WM_LBUTTONUP, 0, pos);
  PumpPending();
}

void Click(HWND hWnd) {
  RECT rc;
  ::GetClientRect(hWnd, &rc);
  Click(hWnd, rc.right / 2, rc.bottom / 2);
}

void PressShiftTab(HWND hWnd) {
  BYTE keys[256] = {};
  ::GetKeyboardState(keys);
  keys[VK_SHIFT] = 0x80;
  ::SetKeyboardState(keys);
  PressKey(hWnd, VK_TAB);
  keys[VK_SHIFT] = 0;
  ::SetKeyboardState(keys);
}

// A trapped dialog would prompt for ever: after this many prompts the
// answer disables the amount controls, which ends the trap so that the
// test fails on its counts instead of never returning.
constexpr size_t kTrapped = 10;

const char* const kPromptA = "Please enter a number between 12 and 120.";
const char* const kPromptB = "Please enter a number.";
const char* const kPromptX = "Please enter a number between 1 and 24.";

class AmountRefusalTest : public ::testing::TestWithParam<Prompting> {
 public:
  void SetUp() override {
    TestApp().prompts.clear();
    if (GetParam() == Prompting::Shown) answerer = std::make_unique<PromptAnswerer>();
    TestApp().answer = [this](LPCSTR lpszText, UINT nType, UINT nIDHelp) {
      if (TestApp().prompts.size() >= kTrapped) {
        for (CWnd* pControl : Controls()) pControl->EnableWindow(FALSE);
      }
      if (GetParam() == Prompting::Recorded) return IDOK;
      return TestApp().CWinApp::DoMessageBox(lpszText, nType, nIDHelp);
    };
    dlg.m_bSecondField = true;
    dlg.m_bExchangeBox = true;
    dlg.m_bEnds = true;
    dlg.m_field.SetRange(12.0, 120.0);
    dlg.m_box.SetRange(1.0, 24.0);
  }
  void TearDown() override {
    TestApp().answer = nullptr;
    answerer.reset();
    if (dlg.m_hWnd != nullptr) dlg.DestroyWindow();
  }

  std::vector<CWnd*> Controls() { return {&dlg.m_field, &dlg.m_second, &dlg.m_box}; }
  // The window that holds the focus when the control has it.
  HWND FocusOf(char name) {
    switch (name) {
      case 'A': return dlg.m_field.m_hWnd;
      case 'B': return dlg.m_second.m_hWnd;
      default: return dlg.m_box.EditField();
    }
  }
  static const char* PromptOf(char name) {
    return name == 'A' ? kPromptA : name == 'B' ? kPromptB : kPromptX;
  }
  // Gives the named controls entries that they refuse, as the user makes
  // them: A too large, B emptied by its Escape, X above its range.
  void Refuse(const std::string& names) {
    for (char name : names) {
      if (name == 'A') {
        dlg.m_field.SetWindowText("");
        TypeChars(FocusOf('A'), "100056");
      } else if (name == 'B') {
        PressKey(FocusOf('B'), VK_ESCAPE);
      } else {
        dlg.m_box.SetWindowText("");
        TypeChars(FocusOf('X'), "30");
      }
    }
  }
  // A label "&Box" just before the box in the dialog's order.
  void AddBoxLabel() {
    const HWND hLabel = ::CreateWindowExA(0, "STATIC", "&Box", WS_CHILD | WS_VISIBLE, 10, 70, 40,
                                          12, dlg.m_hWnd, nullptr, nullptr, nullptr);
    ::SetWindowPos(hLabel, dlg.m_second.m_hWnd, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  // One user action: a click on A, B, X (its text), v (X's arrow), O (OK)
  // or C (Cancel); t Tab, s Shift+Tab, e Enter, x Escape on the focus; m
  // Alt+B, the mnemonic of the box's label (which Wine's dialog manager
  // follows by focusing the label, then the box).
  void Act(char action) {
    const HWND hFocus = ::GetFocus();
    switch (action) {
      case 'A': case 'B': case 'X': Click(FocusOf(action)); break;
      case 'v': {
        RECT rc;
        ::GetClientRect(dlg.m_box.m_hWnd, &rc);
        Click(dlg.m_box.m_hWnd, rc.right - 5, rc.bottom / 2);
        break;
      }
      case 'O': Click(dlg.GetDlgItem(IDOK)->m_hWnd); break;
      case 'C': Click(dlg.GetDlgItem(IDCANCEL)->m_hWnd); break;
      case 't': PressKey(hFocus, VK_TAB); break;
      case 's': PressShiftTab(hFocus); break;
      case 'e': PressKey(hFocus, VK_RETURN); break;
      case 'x': PressKey(hFocus, VK_ESCAPE); break;
      case 'm':
        ::PostMessageA(hFocus, WM_SYSCHAR, 'b', 1 | (LPARAM{1} << 29));  // Alt held
        PumpPending();
        break;
      default: FAIL() << "no action " << action;
    }
  }
  std::vector<std::string> Prompts() const {
    std::vector<std::string> texts;
    for (const RecordedPrompt& p : TestApp().prompts) texts.push_back(p.text);
    return texts;
  }
  // Notifications other than the refusals' own.
  EventLog Changes() const {
    EventLog changes;
    for (const std::string& event : dlg.log) {
      if (event.find(" invalid ") == std::string::npos) changes.push_back(event);
    }
    return changes;
  }

  CAmountDialog dlg;
  std::unique_ptr<PromptAnswerer> answerer;
};

// The fields that hold refused entries, the one the user is in, and what
// the user does next (each action tries to leave it).
struct TrapRow {
  const char* refused;
  char start;
  const char* actions;
};

const TrapRow kTrapRows[] = {
    {"AB", 'A', "BtmBtvO"},  // the sign dialog's trap: too wide, no height
    {"AB", 'B', "AsmAvXe"},
    {"ABX", 'X', "ABmsOte"},
    {"ABX", 'A', "XvOmBet"},
    {"AX", 'X', "AtsAO"},
    {"BX", 'B', "XOmtXsv"},
};

TEST_P(AmountRefusalTest, EachActionBringsOnePromptAndTheFocusBack) {
  for (const TrapRow& row : kTrapRows) {
    SCOPED_TRACE(std::string(row.refused) + ", in " + row.start + ": " + row.actions);
    dlg.Open();
    AddBoxLabel();
    ::SetFocus(FocusOf(row.start));
    Refuse(row.refused);
    for (const char* action = row.actions; *action != '\0'; ++action) {
      SCOPED_TRACE(std::string("action ") + *action);
      TestApp().prompts.clear();
      Act(*action);
      EXPECT_EQ(Prompts(), std::vector<std::string>{PromptOf(row.start)});
      EXPECT_EQ(::GetFocus(), FocusOf(row.start));
    }
    TestApp().prompts.clear();
    Act('C');
    EXPECT_TRUE(Prompts().empty()) << "Cancel commits nothing";
    EXPECT_FALSE(dlg.IsWindowVisible()) << "and closes the dialog";
    EXPECT_EQ(Changes(), EventLog{"dialog OnCancel"}) << "no commit, and OK never pressed";
    for (CAmountFields* pFields : {static_cast<CAmountFields*>(&dlg.m_field),
                                   static_cast<CAmountFields*>(&dlg.m_second),
                                   static_cast<CAmountFields*>(&dlg.m_box)}) {
      EXPECT_EQ(pFields->GetAmount(), 0.0);
    }
    dlg.DestroyWindow();
    dlg.log.clear();
  }
}

TEST_P(AmountRefusalTest, LeavingCommitsAgainOnceTheRefusalIsOver) {
  dlg.Open();
  Refuse("AB");
  Act('B');
  EXPECT_EQ(Prompts(), std::vector<std::string>{kPromptA});
  TestApp().prompts.clear();

  dlg.m_field.SetWindowText("");
  TypeChars(FocusOf('A'), "50");
  Act('B');  // the user leaves A: it commits, and B takes the focus
  EXPECT_EQ(dlg.m_field.GetAmount(), 50.0);
  EXPECT_EQ(Changes(), (EventLog{"dialog changed 100 0 after 0 prompts",
                                 "field changed 100 0 after 0 prompts"}));
  EXPECT_EQ(::GetFocus(), FocusOf('B'));
  EXPECT_TRUE(Prompts().empty());

  Act('A');  // B is still empty
  EXPECT_EQ(Prompts(), std::vector<std::string>{kPromptB});
  EXPECT_EQ(::GetFocus(), FocusOf('B'));
  TypeChars(FocusOf('B'), "7");
  Act('t');
  EXPECT_EQ(dlg.m_second.GetAmount(), 7.0);
  EXPECT_EQ(::GetFocus(), FocusOf('X'));
}

TEST_P(AmountRefusalTest, EscapeAndTheSystemCloseEndTheDialogWithoutAPrompt) {
  const struct {
    const char* what;
    int nStartID;  // where the user is while making the entries
    std::function<void()> close;
  } ways[] = {
      {"Shift+Tab to Cancel, then Escape", IDC_FIELD,
       [this] {
         Act('s');
         EXPECT_EQ(::GetFocus(), dlg.GetDlgItem(IDCANCEL)->m_hWnd);
         Act('x');
       }},
      {"Escape on OK", IDOK, [this] { Act('x'); }},
      {"the window's Close command", IDC_OTHER,
       [this] {
         dlg.PostMessage(WM_SYSCOMMAND, SC_CLOSE);
         PumpPending();
       }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.what);
    TestApp().prompts.clear();
    dlg.Open();
    dlg.GetDlgItem(way.nStartID)->SetFocus();
    Refuse("ABX");
    way.close();
    EXPECT_TRUE(Prompts().empty());
    EXPECT_FALSE(dlg.IsWindowVisible());
    EXPECT_EQ(Changes(), EventLog{"dialog OnCancel"});
    dlg.DestroyWindow();
    dlg.log.clear();
  }
}

// Steps run once from a timer, inside whatever loop is pumping then.
std::function<void()> g_timedSteps;

void CALLBACK RunTimedSteps(HWND, UINT, UINT_PTR nID, DWORD) {
  ::KillTimer(nullptr, nID);
  g_timedSteps();
}

TEST_P(AmountRefusalTest, AModalDialogWithRefusedEntriesEndsWithCancel) {
  g_timedSteps = [this] {
    Refuse("ABX");
    Act('B');
    Act('t');
    Act('C');
  };
  ::SetTimer(nullptr, 0, 1, &RunTimedSteps);  // runs in the dialog's own loop
  EXPECT_EQ(dlg.OpenModal(), IDCANCEL);
  EXPECT_EQ(Prompts(), (std::vector<std::string>{kPromptA, kPromptA}));
  EXPECT_EQ(Changes(), EventLog{"dialog OnCancel"});
  g_timedSteps = nullptr;
}

TEST_P(AmountRefusalTest, TheDialogsRefusalCommitsNothingWhereTheFocusWas) {
  // The host saves the dialog (a command of its own) while the user is in
  // the box; the first field refuses and takes the focus.
  for (const char* boxText : {"5", "30"}) {
    SCOPED_TRACE(boxText);
    dlg.Open();
    ::SetFocus(FocusOf('X'));
    Refuse("A");
    dlg.m_box.SetWindowText("");
    TypeChars(FocusOf('X'), boxText);
    TestApp().prompts.clear();
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ(Prompts(), std::vector<std::string>{kPromptA});
    EXPECT_EQ(::GetFocus(), FocusOf('A'));
    EXPECT_TRUE(dlg.m_box.GetModify()) << "the box was not committed";
    EXPECT_EQ(WindowText(dlg.m_box.m_hWnd), boxText);
    EXPECT_TRUE(Changes().empty());
    dlg.DestroyWindow();
    dlg.log.clear();
  }

  // Mended, the entries are saved, the box's with them.
  dlg.Open();
  ::SetFocus(FocusOf('X'));
  Refuse("A");
  dlg.m_box.SetWindowText("");
  TypeChars(FocusOf('X'), "5");
  EXPECT_FALSE(dlg.UpdateData(TRUE));
  dlg.m_field.SetWindowText("");
  TypeChars(FocusOf('A'), "50");
  EXPECT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_EQ(dlg.m_field.GetAmount(), 50.0);
  EXPECT_EQ(dlg.m_box.GetAmount(), 5.0);
}

INSTANTIATE_TEST_SUITE_P(Prompts, AmountRefusalTest,
                         ::testing::Values(Prompting::Recorded, Prompting::Shown),
                         PromptingName);

}  // namespace
