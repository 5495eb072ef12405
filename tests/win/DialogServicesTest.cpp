// The services dialogs get from the framework beyond data exchange: lists
// filled from the resource's DLGINIT data, commands passed on to the
// owner's route, the owner frame's accelerators in a modeless dialog, idle
// updates of its buttons (WM_KICKIDLE, UpdateDialogControls), and the
// small window services (MapDialogRect, radio buttons, MessageBox, the
// minimized and maximized states).
#include "FrameworkTestApp.h"
#include "FrameworkTestResource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> ListItems(HWND hWnd, UINT nCount, UINT nGetText) {
  std::vector<std::string> items;
  const auto n = static_cast<int>(::SendMessageA(hWnd, nCount, 0, 0));
  for (int i = 0; i < n; ++i) {
    char text[64] = {};
    ::SendMessageA(hWnd, nGetText, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    items.emplace_back(text);
  }
  return items;
}

// ---- DLGINIT --------------------------------------------------------------------------

// Selects the last of the combo box's items when its data is loaded, which
// it can only if the lists are filled before OnInitDialog.
class CInitListsDialog : public CDialog {
 public:
  int m_nPick = 2;

 protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_CBIndex(pDX, IDC_INIT_COMBO, m_nPick); }
};

TEST(DialogInitData, FillsTheListsBeforeTheDataIsLoaded) {
  CInitListsDialog dlg;
  ASSERT_TRUE(dlg.Create(IDD_DLGINIT_DIALOG));
  const HWND hCombo = ::GetDlgItem(dlg.m_hWnd, IDC_INIT_COMBO);
  const HWND hList = ::GetDlgItem(dlg.m_hWnd, IDC_INIT_LIST);
  // In the records' order; the record of another message is skipped.
  EXPECT_EQ(ListItems(hCombo, CB_GETCOUNT, CB_GETLBTEXT),
            (std::vector<std::string>{"One", "Ab", "Two"}));
  EXPECT_EQ(ListItems(hList, LB_GETCOUNT, LB_GETTEXT),
            (std::vector<std::string>{"Three", "Four"}));
  EXPECT_EQ(::SendMessageA(hCombo, CB_GETCURSEL, 0, 0), 2);
  dlg.DestroyWindow();
}

TEST(DialogInitData, DataForAMissingItemFillsTheOthersAndFails) {
  CDialog dlg;
  ASSERT_TRUE(dlg.Create(IDD_DLGINIT_DIALOG));
  const BYTE data[] = {
      IDC_INIT_LIST, 0, 0x01, 0x04, 5, 0, 0, 0, 'F', 'i', 'v', 'e', 0,  // unaligned from here
      0xE7, 0x03, 0x01, 0x04, 2, 0, 0, 0, 'x', 0,                        // item 999
      IDC_INIT_LIST, 0, 0x01, 0x04, 3, 0, 0, 0, 'S', 'i', 'x',            // no zero of its own
      0, 0};
  EXPECT_FALSE(dlg.ExecuteDlgInit(const_cast<BYTE*>(data)));
  EXPECT_EQ(ListItems(::GetDlgItem(dlg.m_hWnd, IDC_INIT_LIST), LB_GETCOUNT, LB_GETTEXT),
            (std::vector<std::string>{"Three", "Four", "Five", "Six"}));
  EXPECT_TRUE(dlg.ExecuteDlgInit(MAKEINTRESOURCEA(IDD_RESOURCE_DIALOG)));  // none: nothing to do
  dlg.DestroyWindow();
}

// ---- commands, the owner's route, accelerators, idle updates --------------------------

constexpr UINT ID_TEST_COMMAND = 0x8101;   // handled by the frame
constexpr UINT ID_DIALOG_COMMAND = 0x8102;  // handled by the dialog and the frame
constexpr UINT ID_NO_HANDLER = 0x8103;     // handled by nobody
constexpr UINT ID_TEST_SAVE = 0x8104;
constexpr UINT ID_TEST_REFRESH = 0x8105;
constexpr UINT ID_TEST_COPY = 0x8106;
constexpr UINT ID_TEST_ALT_O = 0x8107;
constexpr UINT ID_SELF_UPDATE = 0x8108;    // a button that updates itself
constexpr WORD IDC_CHECKBOX = 120;

class CCommandFrame : public CFrameWnd {
 public:
  std::vector<std::string> log;
  BOOL enableCommand = TRUE;

 protected:
  afx_msg void OnTestCommand() { log.push_back("frame command"); }
  afx_msg void OnDialogCommand() { log.push_back("frame dialog command"); }
  afx_msg void OnUpdateTestCommand(CCmdUI* pCmdUI) { pCmdUI->Enable(enableCommand); }
  afx_msg void OnCommandId(UINT nID) { log.push_back("frame " + std::to_string(nID - 0x8100)); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandFrame, CFrameWnd)
  ON_COMMAND(ID_TEST_COMMAND, OnTestCommand)
  ON_COMMAND(ID_DIALOG_COMMAND, OnDialogCommand)
  ON_UPDATE_COMMAND_UI(ID_TEST_COMMAND, OnUpdateTestCommand)
  ON_COMMAND_RANGE(ID_TEST_SAVE, ID_TEST_ALT_O, OnCommandId)
END_MESSAGE_MAP()

// A button that sets its own text when the dialog's controls are updated.
class CSelfUpdatingButton : public CButton {
 protected:
  afx_msg void OnUpdateSelf(CCmdUI* pCmdUI) { pCmdUI->SetText("Self"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfUpdatingButton, CButton)
  ON_UPDATE_COMMAND_UI_REFLECT(OnUpdateSelf)
END_MESSAGE_MAP()

// Updates its controls at idle time; handles one command itself, enabling
// it as told.
class CCommandDialog : public CDialog {
 public:
  std::vector<std::string>* log = nullptr;
  BOOL enableOwn = TRUE;
  int kicks = 0;
  bool endOnKick = false;
  CSelfUpdatingButton m_self;

 protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, ID_SELF_UPDATE, m_self); }
  afx_msg void OnDialogCommand() { log->push_back("dialog command"); }
  afx_msg void OnUpdateDialogCommand(CCmdUI* pCmdUI) { pCmdUI->Enable(enableOwn); }
  afx_msg LRESULT OnKickIdle(WPARAM wParam, LPARAM) {
    ++kicks;
    EXPECT_EQ(wParam, static_cast<WPARAM>(MSGF_DIALOGBOX));
    UpdateDialogControls(this, TRUE);
    if (endOnKick) EndDialog(IDCANCEL);
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandDialog, CDialog)
  ON_COMMAND(ID_DIALOG_COMMAND, OnDialogCommand)
  ON_UPDATE_COMMAND_UI(ID_DIALOG_COMMAND, OnUpdateDialogCommand)
  ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

std::unique_ptr<CDlgTemplate> MakeCommandDialogTemplate() {
  auto dlg = std::make_unique<CDlgTemplate>(WS_POPUP | WS_CAPTION | DS_MODALFRAME, 20, 20, 220,
                                            100, "Commands");
  dlg->AddItem("EDIT", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 10, 10, 90, 14, IDC_FIELD);
  dlg->AddItem("BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 10, 30, 60, 14, ID_TEST_COMMAND, "Frame");
  dlg->AddItem("BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 80, 30, 60, 14, ID_DIALOG_COMMAND, "Own");
  dlg->AddItem("BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 150, 30, 60, 14, ID_NO_HANDLER, "None");
  dlg->AddItem("BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 10, 50, 60, 12, IDC_CHECKBOX, "Check");
  dlg->AddItem("BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 80, 50, 60, 14, ID_SELF_UPDATE, "Button");
  dlg->AddItem("BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 150, 75, 60, 14, IDCANCEL, "Close");
  return dlg;
}

class DialogServicesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_frame = new CCommandFrame;
    ASSERT_TRUE(m_frame->Create(nullptr, "Owner"));
    m_dlg.log = &m_frame->log;
  }
  void TearDown() override {
    if (m_dlg.m_hWnd != nullptr) m_dlg.DestroyWindow();
    m_frame->DestroyWindow();  // deletes itself
  }
  void CreateModeless() {
    ASSERT_TRUE(m_dlg.CreateIndirect(m_template->Get(), m_frame));
    m_dlg.ShowWindow(SW_SHOW);
    ::SetForegroundWindow(m_dlg.m_hWnd);
  }
  HWND Item(UINT nID) const { return ::GetDlgItem(m_dlg.m_hWnd, static_cast<int>(nID)); }

  std::unique_ptr<CDlgTemplate> m_template = MakeCommandDialogTemplate();
  CCommandFrame* m_frame = nullptr;
  CCommandDialog m_dlg;
};

TEST_F(DialogServicesTest, CommandsTheDialogDoesNotHandleGoOnToTheOwnersRoute) {
  CreateModeless();
  ::SendMessageA(Item(ID_TEST_COMMAND), BM_CLICK, 0, 0);
  ::SendMessageA(Item(ID_DIALOG_COMMAND), BM_CLICK, 0, 0);  // the dialog's own comes first
  ::SendMessageA(Item(ID_NO_HANDLER), BM_CLICK, 0, 0);
  // Another notification of the same control stays with the dialog.
  m_dlg.SendMessage(WM_COMMAND, MAKEWPARAM(ID_TEST_COMMAND, BN_DOUBLECLICKED),
                    reinterpret_cast<LPARAM>(Item(ID_TEST_COMMAND)));
  EXPECT_EQ(m_frame->log, (std::vector<std::string>{"frame command", "dialog command"}));
}

TEST_F(DialogServicesTest, ModalDialogsMenuCommandAsksTheOwnersUpdateHandlerFirst) {
  for (BOOL bEnable : {TRUE, FALSE}) {
    SCOPED_TRACE(bEnable ? "enabled" : "disabled");
    m_frame->log.clear();
    m_frame->enableCommand = bEnable;
    CCommandDialog dlg;
    dlg.log = &m_frame->log;
    ASSERT_TRUE(dlg.InitModalIndirect(m_template->Get(), m_frame));
    // Once the loop runs: an accelerator's command (no control), then Close.
    struct Poster {
      static void CALLBACK Post(HWND, UINT, UINT_PTR idEvent, DWORD) {
        ::KillTimer(nullptr, idEvent);
        const HWND hDlg = ::FindWindowA(nullptr, "Commands");
        ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(ID_TEST_COMMAND, 1), 0);
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
      }
    };
    ::SetTimer(nullptr, 0, 1, &Poster::Post);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(m_frame->log, bEnable ? std::vector<std::string>{"frame command"}
                                    : std::vector<std::string>{});
  }
}

TEST_F(DialogServicesTest, IdleTimeUpdatesAModelessDialogsButtons) {
  CreateModeless();
  struct Case {
    BOOL frameEnables, dialogEnables;
  };
  for (const Case c : {Case{FALSE, TRUE}, Case{TRUE, FALSE}}) {
    SCOPED_TRACE(testing::Message() << "frame " << c.frameEnables << " dialog " << c.dialogEnables);
    m_frame->enableCommand = c.frameEnables;
    m_dlg.enableOwn = c.dialogEnables;
    const int kicks = m_dlg.kicks;
    TestApp().OnIdle(0);
    EXPECT_GT(m_dlg.kicks, kicks);
    EXPECT_EQ(::IsWindowEnabled(Item(ID_TEST_COMMAND)), c.frameEnables);  // through the owner
    EXPECT_EQ(::IsWindowEnabled(Item(ID_DIALOG_COMMAND)), c.dialogEnables);
    EXPECT_FALSE(::IsWindowEnabled(Item(ID_NO_HANDLER)));  // nobody would carry it out
    EXPECT_TRUE(::IsWindowEnabled(Item(IDC_CHECKBOX)));    // holds a state, not a command
    EXPECT_TRUE(::IsWindowEnabled(Item(IDC_FIELD)));
    EXPECT_EQ(WindowText(Item(ID_SELF_UPDATE)), "Self");
  }
  // A hidden dialog is left alone.
  m_dlg.ShowWindow(SW_HIDE);
  const int kicks = m_dlg.kicks;
  TestApp().OnIdle(0);
  EXPECT_EQ(m_dlg.kicks, kicks);
}

void CALLBACK CloseCommandDialog(HWND, UINT, UINT_PTR idEvent, DWORD) {
  ::KillTimer(nullptr, idEvent);
  ::PostMessageA(::FindWindowA(nullptr, "Commands"), WM_COMMAND, IDCANCEL, 0);
}

TEST_F(DialogServicesTest, ModalLoopGivesTheDialogItsIdleTime) {
  CCommandDialog dlg;
  dlg.log = &m_frame->log;
  dlg.endOnKick = true;
  ASSERT_TRUE(dlg.InitModalIndirect(m_template->Get(), m_frame));
  // Closed after a while all the same, should the kick never come.
  const UINT_PTR idTimer = ::SetTimer(nullptr, 0, 2000, &CloseCommandDialog);
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  ::KillTimer(nullptr, idTimer);
  EXPECT_EQ(dlg.kicks, 1);
}

// A key pressed with Ctrl (or not), as the system delivers it to hWnd.
void PressWithCtrl(HWND hWnd, UINT nVirtKey, bool bCtrl) {
  BYTE keys[256] = {};
  keys[VK_CONTROL] = bCtrl ? 0x80 : 0;
  ::SetKeyboardState(keys);
  PressKey(hWnd, nVirtKey);
  keys[VK_CONTROL] = 0;
  ::SetKeyboardState(keys);
}

TEST_F(DialogServicesTest, OwnerFramesAcceleratorsWorkInItsModelessDialog) {
  ACCEL table[] = {
      {FVIRTKEY | FCONTROL, 'S', ID_TEST_SAVE},
      {FVIRTKEY, VK_F5, ID_TEST_REFRESH},
      {FVIRTKEY | FCONTROL, 'C', ID_TEST_COPY},
      {FVIRTKEY | FALT, 'O', ID_TEST_ALT_O},
  };
  m_frame->m_hAccelTable = ::CreateAcceleratorTableA(table, 4);
  CreateModeless();
  const HWND hField = Item(IDC_FIELD);
  ::SetWindowTextA(hField, "abc");
  ::SetFocus(hField);
  ::SendMessageA(hField, EM_SETSEL, 0, -1);

  PressWithCtrl(hField, 'S', true);
  PressWithCtrl(hField, VK_F5, false);
  EXPECT_EQ(m_frame->log, (std::vector<std::string>{"frame 4", "frame 5"}));
  // The edit field's own Ctrl+C, a mnemonic and typing stay in the dialog.
  m_frame->log.clear();
  PressWithCtrl(hField, 'C', true);
  const UINT nScan = ::MapVirtualKeyA('O', MAPVK_VK_TO_VSC);
  ::PostMessageA(hField, WM_SYSKEYDOWN, 'O', 1 | (static_cast<LPARAM>(nScan) << 16) | (1L << 29));
  PumpPending();
  TypeText(hField, "x");
  EXPECT_EQ(m_frame->log, std::vector<std::string>{});
  EXPECT_EQ(WindowText(hField), "x");

  ::DestroyAcceleratorTable(m_frame->m_hAccelTable);
  m_frame->m_hAccelTable = nullptr;
}

// ---- window services ------------------------------------------------------------------

TEST(WindowServices, MapDialogRectGivesTheTemplatesSizeInPixels) {
  auto dlgTemplate = MakeFieldDialogTemplate();  // 220 x 120 units
  CDialog dlg;
  ASSERT_TRUE(dlg.CreateIndirect(dlgTemplate->Get()));
  CRect rc(0, 0, 220, 120);
  dlg.MapDialogRect(&rc);
  CRect client;
  dlg.GetClientRect(&client);
  EXPECT_EQ(rc.Size(), client.Size());
  EXPECT_GT(rc.Width(), 220);
  dlg.DestroyWindow();
}

TEST(WindowServices, RadioButtonsCheckedAndFound) {
  CDialog dlg;
  ASSERT_TRUE(dlg.Create(IDD_EXCHANGE_DIALOG));
  struct Case {
    int check;  // 0: none
    int first, last;
    int found;
  };
  const Case cases[] = {
      {IDC_RADIO2, IDC_RADIO1, IDC_RADIO3, IDC_RADIO2},
      {IDC_RADIO3, IDC_RADIO1, IDC_RADIO3, IDC_RADIO3},
      {IDC_RADIO1, IDC_RADIO2, IDC_RADIO3, 0},  // checked outside the range asked about
      {0, IDC_RADIO1, IDC_RADIO3, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.check);
    for (int nID = IDC_RADIO1; nID <= IDC_RADIO3; ++nID) dlg.CheckDlgButton(nID, BST_CHECKED);
    if (c.check != 0) {
      dlg.CheckRadioButton(IDC_RADIO1, IDC_RADIO3, c.check);
    } else {
      for (int nID = IDC_RADIO1; nID <= IDC_RADIO3; ++nID) dlg.CheckDlgButton(nID, BST_UNCHECKED);
    }
    for (int nID = IDC_RADIO1; nID <= IDC_RADIO3; ++nID) {
      EXPECT_EQ(dlg.IsDlgButtonChecked(nID), nID == c.check ? 1u : 0u) << nID;
    }
    EXPECT_EQ(dlg.GetCheckedRadioButton(c.first, c.last), c.found);
  }
  dlg.DestroyWindow();
}

// What the message box on screen showed, read by a timer while it is up;
// the timer then presses No.
struct ShownBox {
  HWND hWndOwner = nullptr;
  std::string caption;
  std::vector<std::string> texts;
};
ShownBox g_shown;

BOOL CALLBACK CollectText(HWND hWnd, LPARAM) {
  g_shown.texts.push_back(WindowText(hWnd));
  return TRUE;
}

BOOL CALLBACK FindBox(HWND hWnd, LPARAM lParam) {
  char className[32] = {};
  ::GetClassNameA(hWnd, className, sizeof className);
  if (std::string(className) != "#32770" || !::IsWindowVisible(hWnd)) return TRUE;
  *reinterpret_cast<HWND*>(lParam) = hWnd;
  return FALSE;
}

void CALLBACK AnswerNo(HWND, UINT, UINT_PTR idEvent, DWORD) {
  HWND hWndBox = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), &FindBox, reinterpret_cast<LPARAM>(&hWndBox));
  if (hWndBox == nullptr) return;  // not up yet
  ::KillTimer(nullptr, idEvent);
  g_shown.hWndOwner = ::GetWindow(hWndBox, GW_OWNER);
  g_shown.caption = WindowText(hWndBox);
  ::EnumChildWindows(hWndBox, &CollectText, 0);
  ::PostMessageA(hWndBox, WM_COMMAND, IDNO, 0);
}

TEST(WindowServices, MessageBoxBelongsToTheWindowAndReturnsTheButton) {
  CWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, "Asker", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                           nullptr, nullptr));
  ::SetForegroundWindow(wnd.m_hWnd);
  for (const char* caption : {"Question", static_cast<const char*>(nullptr)}) {
    SCOPED_TRACE(caption != nullptr ? caption : "no caption");
    g_shown = ShownBox();
    ::SetTimer(nullptr, 0, 20, &AnswerNo);
    EXPECT_EQ(wnd.MessageBox("Go on?", caption, MB_YESNO), IDNO);
    EXPECT_EQ(g_shown.hWndOwner, wnd.m_hWnd);
    EXPECT_EQ(g_shown.caption, caption != nullptr ? caption : "Error");
    EXPECT_NE(std::find(g_shown.texts.begin(), g_shown.texts.end(), "Go on?"), g_shown.texts.end());
  }
  wnd.DestroyWindow();
}

TEST(WindowServices, MinimizedAndMaximized) {
  CWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, "States", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                           nullptr, nullptr));
  const struct {
    int nCmdShow;
    BOOL iconic, zoomed;
  } cases[] = {{SW_MINIMIZE, TRUE, FALSE}, {SW_RESTORE, FALSE, FALSE}, {SW_MAXIMIZE, FALSE, TRUE},
               {SW_RESTORE, FALSE, FALSE}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.nCmdShow);
    wnd.ShowWindow(c.nCmdShow);
    EXPECT_EQ(wnd.IsIconic(), c.iconic);
    EXPECT_EQ(wnd.IsZoomed(), c.zoomed);
  }
  wnd.DestroyWindow();
}

}  // namespace
