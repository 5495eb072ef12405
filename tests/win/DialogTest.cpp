// Dialogs, data exchange and message boxes on real windows: keystrokes
// reach a control's PreTranslateMessage before the dialog's keyboard
// handling, modal dialogs run the framework's loop, Fail puts the focus
// back, prompts go through the application's DoMessageBox.
#include "FrameworkTestApp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

// An edit field that reports the Enter key it sees and may eat it.
class CKeyEdit : public CEdit {
 public:
  std::vector<std::string>* log = nullptr;
  bool eatReturn = false;

  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
      log->push_back("field saw Enter");
      return eatReturn;
    }
    return CEdit::PreTranslateMessage(pMsg);
  }
};

bool IsNumber(const CString& text) {
  if (text.IsEmpty()) return false;
  for (int i = 0; i < text.GetLength(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

// IDC_FIELD must hold a whole number when the dialog is saved.
class CFieldDialog : public CDialog {
 public:
  explicit CFieldDialog(const CDlgTemplate& dlgTemplate) {
    InitModalIndirect(dlgTemplate.Get());
    m_field.log = &log;
  }

  CKeyEdit m_field;
  CString m_strField;
  CString m_strOther;
  std::vector<std::string> log;
  std::function<void(CFieldDialog&)> onInit;
  HWND fieldDuringInit = nullptr;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, IDC_FIELD, m_field);
    DDX_Text(pDX, IDC_OTHER, m_strOther);
    DDX_Text(pDX, IDC_FIELD, m_strField);
    if (pDX->m_bSaveAndValidate && !IsNumber(m_strField)) {
      AfxMessageBox(AFX_IDP_PARSE_REAL);
      pDX->Fail();
    }
  }
  BOOL OnInitDialog() override {
    const BOOL bResult = CDialog::OnInitDialog();
    fieldDuringInit = m_field.m_hWnd;
    if (onInit) onInit(*this);
    return bResult;
  }
  void OnOK() override {
    log.push_back("OnOK");
    CDialog::OnOK();
  }
};

// Recomputes IDC_OTHER from IDC_FIELD whenever IDC_FIELD changes, in the
// usual way: save, recompute, load.
class CRecomputingDialog : public CDialog {
 public:
  CString m_strField;
  CString m_strOther;
  int nChanges = 0;
  int nDepth = 0;
  int nMaxDepth = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Text(pDX, IDC_FIELD, m_strField);
    DDX_Text(pDX, IDC_OTHER, m_strOther);
  }
  afx_msg void OnFieldChange() {
    ++nChanges;
    nMaxDepth = std::max(nMaxDepth, ++nDepth);
    if (nDepth < 20) {  // a bound, should notifications nest
      UpdateData(TRUE);
      m_strOther = m_strField + "!";
      UpdateData(FALSE);
    }
    --nDepth;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecomputingDialog, CDialog)
  ON_CONTROL(EN_CHANGE, IDC_FIELD, OnFieldChange)
END_MESSAGE_MAP()

void PostChars(HWND hWnd, const char* text) {
  for (const char* p = text; *p != '\0'; ++p) ::PostMessageA(hWnd, WM_CHAR, *p, 1);
}

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override { TestApp().prompts.clear(); }
  std::unique_ptr<CDlgTemplate> m_template = MakeFieldDialogTemplate();
};

// ---- keystrokes and the dialog manager -------------------------------------------

TEST_F(DialogTest, ControlSeesEnterBeforeTheDefaultButton) {
  struct Case {
    bool eatReturn;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {true, {"field saw Enter"}},
      {false, {"field saw Enter", "OnOK"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.eatReturn ? "field eats Enter" : "field passes Enter on");
    CFieldDialog dlg(*m_template);
    ASSERT_TRUE(dlg.CreateIndirect(m_template->Get()));
    dlg.ShowWindow(SW_SHOW);
    ::SetForegroundWindow(dlg.m_hWnd);
    dlg.m_field.SetWindowText("12");
    dlg.m_field.eatReturn = c.eatReturn;
    dlg.m_field.SetFocus();
    PressKey(dlg.m_field.m_hWnd, VK_RETURN);
    EXPECT_EQ(dlg.log, c.expected);
    dlg.DestroyWindow();
  }
}

TEST_F(DialogTest, ModalDialogExchangesDataAndEndsWithOk) {
  CFieldDialog dlg(*m_template);
  dlg.m_strField = "7";
  dlg.onInit = [](CFieldDialog& d) {
    PostChars(d.GetDlgItem(IDC_OTHER)->m_hWnd, "42");
    d.PostMessage(WM_COMMAND, IDOK);
  };
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_NE(dlg.fieldDuringInit, nullptr);  // DDX_Control subclassed it on load
  EXPECT_EQ(dlg.m_field.m_hWnd, nullptr);   // and the window's end detached it
  EXPECT_EQ(dlg.m_strOther, "42");
  EXPECT_EQ(dlg.m_strField, "7");
  EXPECT_TRUE(TestApp().prompts.empty());
}

TEST_F(DialogTest, RefusedEntryKeepsModalDialogOpenWithOnePrompt) {
  CFieldDialog dlg(*m_template);
  dlg.m_strField = "x";
  dlg.onInit = [](CFieldDialog& d) {
    d.PostMessage(WM_COMMAND, IDOK);             // refused: "x" is no number
    PostChars(d.m_field.m_hWnd, "5");            // typed over the selected "x"
    d.PostMessage(WM_COMMAND, IDOK);             // accepted
  };
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.log, (std::vector<std::string>{"OnOK", "OnOK"}));
  EXPECT_EQ(dlg.m_strField, "5");
  ASSERT_EQ(TestApp().prompts.size(), 1u);
  EXPECT_EQ(TestApp().prompts[0].text, "Please enter a number.");
}

TEST_F(DialogTest, DialogEndedInOnInitDialogReturnsAtOnce) {
  CFieldDialog dlg(*m_template);
  dlg.m_strField = "1";
  dlg.onInit = [](CFieldDialog& d) { d.EndDialog(IDCANCEL); };
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(DialogTest, ModelessDialogWithoutParentBelongsToTheMainWindow) {
  auto* pMain = new CFrameWnd;
  ASSERT_TRUE(pMain->Create(nullptr, "Main"));
  TestApp().m_pMainWnd = pMain;
  CDialog modeless;
  EXPECT_TRUE(modeless.CreateIndirect(m_template->Get()));
  EXPECT_EQ(::GetWindow(modeless.m_hWnd, GW_OWNER), pMain->m_hWnd);
  modeless.DestroyWindow();
  TestApp().m_pMainWnd = nullptr;  // before the frame goes: no quit message
  pMain->DestroyWindow();
}

TEST_F(DialogTest, NotificationsWaitWhileTheDataIsExchanged) {
  CRecomputingDialog dlg;
  dlg.m_strField = "12";
  dlg.m_strOther = "kept";
  ASSERT_TRUE(dlg.CreateIndirect(m_template->Get()));
  // Loading the field sent its EN_CHANGE, held back: the other field was
  // loaded as it was.
  EXPECT_EQ(dlg.nChanges, 0);
  EXPECT_EQ(dlg.m_strOther, "kept");
  EXPECT_EQ(WindowText(dlg.GetDlgItem(IDC_OTHER)->m_hWnd), "kept");
  // A change by the user runs the handler once; its own load does not
  // run it again.
  ::SetWindowTextA(dlg.GetDlgItem(IDC_FIELD)->m_hWnd, "new");
  EXPECT_EQ(dlg.nChanges, 1);
  EXPECT_EQ(dlg.nMaxDepth, 1);
  EXPECT_EQ(WindowText(dlg.GetDlgItem(IDC_OTHER)->m_hWnd), "new!");
  dlg.DestroyWindow();
}

TEST_F(DialogTest, CancelEndsWithoutSaving) {
  CFieldDialog dlg(*m_template);
  dlg.m_strOther = "kept";
  dlg.onInit = [](CFieldDialog& d) {
    PostChars(d.GetDlgItem(IDC_OTHER)->m_hWnd, "zz");
    d.PostMessage(WM_COMMAND, IDCANCEL);
  };
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.m_strOther, "kept");
}

// ---- Fail and UpdateData ----------------------------------------------------------------

TEST_F(DialogTest, FailThrowsAndPutsTheFocusOnThePreparedControl) {
  CFieldDialog dlg(*m_template);
  dlg.m_strField = "1";
  ASSERT_TRUE(dlg.CreateIndirect(m_template->Get()));
  dlg.ShowWindow(SW_SHOW);
  ::SetForegroundWindow(dlg.m_hWnd);
  dlg.m_field.SetWindowText("abc");
  CWnd* pOther = dlg.GetDlgItem(IDC_OTHER);
  pOther->SetFocus();

  CDataExchange dx(&dlg, TRUE);
  dx.PrepareEditCtrl(IDC_FIELD);
  bool bThrown = false;
  try {
    dx.Fail();
  } catch (CUserException* e) {
    bThrown = true;
    e->Delete();
  }
  EXPECT_TRUE(bThrown);
  EXPECT_EQ(::GetFocus(), dlg.m_field.m_hWnd);
  int nStart = -1, nEnd = -1;
  dlg.m_field.GetSel(nStart, nEnd);
  EXPECT_EQ(nStart, 0);
  EXPECT_EQ(nEnd, 3);  // all selected, so typing replaces it

  pOther->SetFocus();
  EXPECT_FALSE(dlg.UpdateData(TRUE));
  EXPECT_EQ(::GetFocus(), dlg.m_field.m_hWnd);
  EXPECT_EQ(TestApp().prompts.size(), 1u);

  dlg.m_field.SetWindowText("9");
  EXPECT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_EQ(dlg.m_strField, "9");
  dlg.DestroyWindow();
}

// ---- message boxes and prompts -------------------------------------------------------

TEST_F(DialogTest, MessageBoxesReachDoMessageBox) {
  CString range;
  AfxFormatString2(range, AFX_IDP_PARSE_REAL_RANGE, "0.50", "10.00");
  struct Case {
    std::function<void()> show;
    RecordedPrompt expected;
  };
  const Case cases[] = {
      {[] { AfxMessageBox(AFX_IDP_PARSE_REAL); },
       {"Please enter a number.", MB_OK, AFX_IDP_PARSE_REAL}},
      {[] { AfxMessageBox(AFX_IDP_PARSE_REAL, MB_OK, static_cast<UINT>(-1)); },
       {"Please enter a number.", MB_OK, AFX_IDP_PARSE_REAL}},
      {[&range] { AfxMessageBox(range, MB_OK, 0); },
       {"Please enter a number between 0.50 and 10.00.", MB_OK, 0}},
      {[] { AfxMessageBox("Plain text", MB_YESNO | MB_ICONQUESTION); },
       {"Plain text", MB_YESNO | MB_ICONQUESTION, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected.text);
    TestApp().prompts.clear();
    c.show();
    ASSERT_EQ(TestApp().prompts.size(), 1u);
    EXPECT_EQ(TestApp().prompts[0].text, c.expected.text);
    EXPECT_EQ(TestApp().prompts[0].nType, c.expected.nType);
    EXPECT_EQ(TestApp().prompts[0].nIDPrompt, c.expected.nIDPrompt);
  }
}

TEST(FormatStrings, InsertsGoWhereTheirNumbersAre) {
  const LPCSTR inserts[2] = {"one", "two"};
  EXPECT_EQ(AfxFormatStrings("%2 before %1", inserts, 2), "two before one");
  EXPECT_EQ(AfxFormatStrings("100% of %1", inserts, 2), "100% of one");
  EXPECT_EQ(AfxFormatStrings("%3 is missing", inserts, 2), " is missing");
}

// ---- combo boxes ----------------------------------------------------------------------

// A combo box that handles its own notifications and sees keystrokes typed
// into its edit field on their way.
class CNotifyCombo : public CComboBox {
 public:
  std::vector<std::string> log;
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN) log.push_back("key");
    return CComboBox::PreTranslateMessage(pMsg);
  }

 protected:
  afx_msg void OnSelendok() { log.push_back("CBN_SELENDOK"); }
  afx_msg void OnEditchange() { log.push_back("CBN_EDITCHANGE"); }
  afx_msg void OnKillfocus() { log.push_back("CBN_KILLFOCUS"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifyCombo, CComboBox)
  ON_CONTROL_REFLECT(CBN_SELENDOK, OnSelendok)
  ON_CONTROL_REFLECT(CBN_EDITCHANGE, OnEditchange)
  ON_CONTROL_REFLECT(CBN_KILLFOCUS, OnKillfocus)
END_MESSAGE_MAP()

TEST_F(DialogTest, ComboItemDataRoundTripsAndFollowsItsEntry) {
  CFieldDialog dlg(*m_template);
  dlg.m_strField = "1";
  ASSERT_TRUE(dlg.CreateIndirect(m_template->Get()));
  CComboBox combo;
  ASSERT_TRUE(combo.SubclassDlgItem(IDC_COMBO, &dlg));
  double records[2] = {1.5, 2.5};
  const DWORD_PTR wide = static_cast<DWORD_PTR>(0x1234567890ABCDEFull);

  ASSERT_EQ(combo.AddString("wide"), 0);
  combo.SetItemData(0, wide);
  ASSERT_EQ(combo.InsertString(0, "second"), 0);
  combo.SetItemDataPtr(0, &records[1]);
  ASSERT_EQ(combo.InsertString(0, "first"), 0);
  combo.SetItemDataPtr(0, &records[0]);

  EXPECT_EQ(combo.GetCount(), 3);
  EXPECT_EQ(combo.GetItemDataPtr(0), &records[0]);
  EXPECT_EQ(combo.GetItemDataPtr(1), &records[1]);
  EXPECT_EQ(combo.GetItemData(2), wide);
  CString text;
  combo.GetLBText(2, text);
  EXPECT_EQ(text, "wide");

  combo.DeleteString(0);
  EXPECT_EQ(combo.GetItemDataPtr(0), &records[1]);
  EXPECT_EQ(combo.SetCurSel(1), 1);
  EXPECT_EQ(combo.GetCurSel(), 1);
  EXPECT_EQ(combo.FindStringExact(-1, "wide"), 1);
  dlg.DestroyWindow();
}

TEST_F(DialogTest, ComboHandlesItsOwnReflectedNotifications) {
  CFieldDialog dlg(*m_template);
  dlg.m_strField = "1";
  ASSERT_TRUE(dlg.CreateIndirect(m_template->Get()));
  dlg.ShowWindow(SW_SHOW);
  ::SetForegroundWindow(dlg.m_hWnd);
  CNotifyCombo combo;
  ASSERT_TRUE(combo.SubclassDlgItem(IDC_COMBO, &dlg));
  combo.AddString("1.000");
  combo.AddString("2.000");
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  ASSERT_TRUE(::GetComboBoxInfo(combo.m_hWnd, &info));

  combo.SetFocus();
  PressKey(info.hwndItem, '5');
  EXPECT_EQ(combo.log, (std::vector<std::string>{"key", "CBN_EDITCHANGE"}));

  combo.log.clear();
  PressKey(info.hwndItem, VK_DOWN);  // a pick on the closed box
  ASSERT_FALSE(combo.log.empty());
  EXPECT_EQ(combo.log[0], "key");
  EXPECT_NE(std::find(combo.log.begin(), combo.log.end(), "CBN_SELENDOK"), combo.log.end());

  combo.log.clear();
  dlg.GetDlgItem(IDC_OTHER)->SetFocus();
  EXPECT_EQ(combo.log, std::vector<std::string>{"CBN_KILLFOCUS"});
  dlg.DestroyWindow();
}

// ---- the clipboard ----------------------------------------------------------------------

void PutTextOnClipboard(const char* text) {
  ASSERT_TRUE(::OpenClipboard(nullptr));
  ::EmptyClipboard();
  if (text != nullptr) {
    const size_t nSize = std::strlen(text) + 1;
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, nSize);
    std::memcpy(::GlobalLock(hData), text, nSize);
    ::GlobalUnlock(hData);
    ::SetClipboardData(CF_TEXT, hData);
  }
  ::CloseClipboard();
}

TEST_F(DialogTest, ClipboardDataObjectCopiesTextAndLeavesTheClipboardFree) {
  PutTextOnClipboard("12.5");
  COleDataObject data;
  ASSERT_TRUE(data.AttachClipboard());
  ASSERT_TRUE(data.IsDataAvailable(CF_TEXT));
  HGLOBAL hCopy = data.GetGlobalData(CF_TEXT);
  ASSERT_NE(hCopy, nullptr);
  EXPECT_STREQ(static_cast<const char*>(::GlobalLock(hCopy)), "12.5");
  ::GlobalUnlock(hCopy);
  ::GlobalFree(hCopy);

  // An edit control can paste while the data object is attached.
  CFieldDialog dlg(*m_template);
  dlg.m_strField = "1";
  ASSERT_TRUE(dlg.CreateIndirect(m_template->Get()));
  dlg.m_field.SetWindowText("");
  dlg.m_field.Paste();
  EXPECT_EQ(WindowText(dlg.m_field.m_hWnd), "12.5");
  dlg.DestroyWindow();

  PutTextOnClipboard(nullptr);
  EXPECT_FALSE(data.IsDataAvailable(CF_TEXT));
  EXPECT_EQ(data.GetGlobalData(CF_TEXT), nullptr);
}

}  // namespace
