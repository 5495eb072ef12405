// Dialog templates and strings from the application's resources.
#include "FrameworkTestApp.h"
#include "FrameworkTestResource.h"

#include <gtest/gtest.h>

namespace {

class CResourceDialog : public CDialog {
 public:
  CResourceDialog() : CDialog(IDD_RESOURCE_DIALOG) {}
  CString m_strText;
  int m_nControls = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Text(pDX, IDC_RESOURCE_FIELD, m_strText);
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    for (CWnd* p = GetWindow(GW_CHILD); p != nullptr; p = p->GetWindow(GW_HWNDNEXT)) {
      ++m_nControls;
    }
    ::PostMessageA(GetDlgItem(IDC_RESOURCE_FIELD)->m_hWnd, WM_CHAR, 'r', 1);
    PostMessage(WM_COMMAND, IDOK);
    return TRUE;
  }
};

TEST(Resources, ModalDialogFromAnExtendedTemplate) {
  CResourceDialog dlg;
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.m_nControls, 3);
  EXPECT_EQ(dlg.m_strText, "r");
}

TEST(Resources, MissingTemplateGivesMinusOne) {
  CDialog dlg(999u);
  EXPECT_EQ(dlg.DoModal(), -1);
}

TEST(Resources, PopupPageTemplateBecomesAChildOfTheSheet) {
  CPropertyPage page(IDD_POPUP_PAGE);
  CPropertySheet sheet("Sheet");
  sheet.AddPage(&page);
  ASSERT_TRUE(sheet.Create());
  EXPECT_NE(page.GetStyle() & WS_CHILD, 0u);
  EXPECT_EQ(page.GetStyle() & WS_CAPTION, 0u);
  EXPECT_EQ(page.GetParent(), &sheet);
  EXPECT_EQ(page.m_strCaption, "Popup page");  // the tab takes the template's caption
  EXPECT_TRUE(IsSibling(page.GetDlgItem(IDC_RESOURCE_FIELD), sheet.GetDlgItem(IDOK)));
  sheet.DestroyWindow();
}

TEST(Resources, ResourceHandleIsTheModuleThatHasTheResource) {
  const HINSTANCE hApp = ::GetModuleHandleA(nullptr);
  const HINSTANCE hVarnel = ::GetModuleHandleA("varnel.dll");
  ASSERT_NE(hVarnel, nullptr);
  const LPCSTR kDialog = MAKEINTRESOURCEA(5);
  const LPCSTR kString = MAKEINTRESOURCEA(6);
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_RESOURCE_DIALOG), kDialog), hApp);
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(AFX_IDP_PARSE_REAL / 16 + 1), kString),
            hVarnel);
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(999), kDialog), hApp);
}

TEST(Resources, StringsComeFromTheApplicationThenTheFramework) {
  CString text;
  EXPECT_TRUE(AfxLoadString(IDS_APPLICATION_STRING, text));
  EXPECT_EQ(text, "A string of the application.");
  EXPECT_TRUE(AfxLoadString(AFX_IDP_PARSE_REAL_RANGE, text));
  EXPECT_EQ(text, "Please enter a number between %1 and %2.");
  EXPECT_FALSE(AfxLoadString(12345, text));
  EXPECT_TRUE(text.IsEmpty());

  // The documented ways of loading into a CString, at any length.
  EXPECT_EQ(CString(reinterpret_cast<LPCSTR>(MAKEINTRESOURCE(IDS_APPLICATION_STRING))),
            "A string of the application.");
  EXPECT_EQ(CString(MAKEINTRESOURCEA(AFX_IDP_PARSE_INT)), "Please enter an integer.");
  EXPECT_TRUE(CString(MAKEINTRESOURCEA(12345)).IsEmpty());
  CString longText;
  EXPECT_TRUE(longText.LoadString(IDS_LONG_STRING));
  EXPECT_EQ(longText.GetLength(), 1210);
  EXPECT_EQ(longText.Left(7), "begin:0");
  EXPECT_EQ(longText.Right(5), "9:end");
  EXPECT_TRUE(AfxLoadString(IDS_LONG_STRING, text));
  EXPECT_EQ(text, longText);
  EXPECT_FALSE(longText.LoadString(12345));
  EXPECT_TRUE(longText.IsEmpty());
}

TEST(Resources, StringsOfTheTableFormatTheirArguments) {
  const CString name("plan.vnl");
  CString text;
  text.Format(IDS_FORMAT_STRING, name, 3);
  EXPECT_EQ(text, "plan.vnl has 3 pages");
  text.FormatMessage(AFX_IDP_PARSE_INT_RANGE, "-5", name);
  EXPECT_EQ(text, "Please enter an integer between -5 and plan.vnl.");
  text.FormatMessage(12345, "x");  // no such string
  EXPECT_TRUE(text.IsEmpty());
}

// A host's exception with no message of its own.
class CPlainException : public CException {};

TEST(Resources, ExceptionsTellTheirOwnMessages) {
  CFileException denied(CFileException::accessDenied, 5, "C:\\plans\\plan.vnl");
  CFileException unnamed(CFileException::diskFull);
  CFileException unknownCause(77, -1, "x.vnl");
  CArchiveException badClass(CArchiveException::badClass, "plan.vnl");
  CMemoryException memory;
  CNotSupportedException notSupported;
  CResourceException resource;
  CUserException user;
  CPlainException plain;
  struct Case {
    CException* pException;
    BOOL bHasMessage;
    const char* pszMessage;
  };
  const Case cases[] = {
      {&denied, TRUE, "Access to C:\\plans\\plan.vnl was denied."},
      {&unnamed, TRUE, "Disk full while accessing an unnamed file."},
      {&unknownCause, TRUE, "An unknown error occurred while accessing x.vnl."},
      {&badClass, TRUE, "plan.vnl contained an unexpected object."},
      {&memory, TRUE, "Out of memory."},
      {&notSupported, TRUE, "An unsupported operation was attempted."},
      {&resource, TRUE, "A required resource was unavailable."},
      {&user, TRUE, "An unknown error has occurred."},
      {&plain, FALSE, ""},
  };
  for (const Case& c : cases) {
    char szMessage[256] = "untouched";
    UINT nHelp = 99;
    EXPECT_EQ(c.pException->GetErrorMessage(szMessage, sizeof szMessage, &nHelp), c.bHasMessage);
    EXPECT_STREQ(szMessage, c.pszMessage);
  }
  // Cut to the buffer, with its NUL.
  char szShort[8];
  EXPECT_TRUE(memory.GetErrorMessage(szShort, sizeof szShort));
  EXPECT_STREQ(szShort, "Out of ");

  // ReportError shows the message, or the one it is given, or the
  // framework's "no message".
  TestApp().prompts.clear();
  denied.ReportError(MB_ICONSTOP);
  plain.ReportError(MB_OK, AFX_IDP_COMMAND_FAILURE);
  plain.ReportError();
  ASSERT_EQ(TestApp().prompts.size(), 3u);
  EXPECT_EQ(TestApp().prompts[0].text, "Access to C:\\plans\\plan.vnl was denied.");
  EXPECT_EQ(TestApp().prompts[0].nType, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_EQ(TestApp().prompts[1].text, "Command failed.");
  EXPECT_EQ(TestApp().prompts[2].text, "No error message is available.");
  TestApp().prompts.clear();
}

TEST(Resources, AnApplicationGivenNoNameTakesItsTitleString) {
  {
    CWinApp unnamed;  // the application object until it goes
    EXPECT_STREQ(unnamed.m_pszAppName, "Framework tests");
    EXPECT_EQ(AfxGetApp(), &unnamed);
  }
  EXPECT_EQ(AfxGetApp(), &TestApp());
}

}  // namespace

TEST(Resources, TheResourceHandleSetIsWhereResourcesAreLookedUpFirst) {
  const HMODULE hLibrary = ::LoadLibraryA("varnel_test_resources.dll");
  ASSERT_NE(hLibrary, nullptr);
  const HINSTANCE hApp = ::GetModuleHandleA(nullptr);
  EXPECT_EQ(AfxGetResourceHandle(), hApp);
  AfxSetResourceHandle(hLibrary);
  EXPECT_EQ(AfxGetResourceHandle(), hLibrary);
  CString text;
  EXPECT_TRUE(AfxLoadString(IDS_APPLICATION_STRING, text));
  EXPECT_EQ(text, "The application's string, in other words.");
  EXPECT_TRUE(text.LoadString(IDS_RESOURCE_ONLY_STRING));
  EXPECT_EQ(text, "Only in the resource library.");
  EXPECT_TRUE(AfxLoadString(AFX_IDP_PARSE_INT, text)) << "the framework's own still found";
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDS_APPLICATION_STRING / 16 + 1),
                                  MAKEINTRESOURCEA(6)),
            hLibrary);

  AfxSetResourceHandle(nullptr);  // back to the application
  EXPECT_EQ(AfxGetResourceHandle(), hApp);
  EXPECT_TRUE(AfxLoadString(IDS_APPLICATION_STRING, text));
  EXPECT_EQ(text, "A string of the application.");
  EXPECT_FALSE(AfxLoadString(IDS_RESOURCE_ONLY_STRING, text));
  ::FreeLibrary(hLibrary);
}
