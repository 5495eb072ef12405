// Documents, their template, frame and view on real windows and real
// files: the frame's title, command routing through the view to the
// document, updates, saving that never loses the old file, damaged files
// refused once without a half-loaded document, "Save changes?" answered
// each way, the recent-file list and the settings in the registry.
#include "FrameworkTestApp.h"
#include "FrameworkTestResource.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <stdexcept>

namespace {

constexpr UINT ID_TEST_DOCUMENT_COMMAND = 32900;
constexpr UINT ID_TEST_DECLINED = 32901;

// What a save's Serialize throws after storing its data (nothing when empty).
std::function<void()> g_storeFailure;

class CTestDocument : public CDocument {
  DECLARE_DYNCREATE(CTestDocument)

 public:
  CString m_strName;
  CArray<int, int> m_values;
  int m_nCommands = 0;

  void Fill(const char* pszName, int nValues) {
    m_strName = pszName;
    m_values.RemoveAll();
    for (int i = 0; i < nValues; ++i) m_values.Add(i * 7 - 3);
    SetModifiedFlag();
  }
  void Serialize(CArchive& ar) override {
    if (ar.IsStoring()) {
      ar << m_strName;
      m_values.Serialize(ar);
      if (g_storeFailure) g_storeFailure();
    } else {
      ar >> m_strName;
      m_values.Serialize(ar);
    }
  }
  void DeleteContents() override {
    m_strName.Empty();
    m_values.RemoveAll();
  }

 protected:
  afx_msg void OnTestCommand() { ++m_nCommands; }
  afx_msg void OnDeclinedCommand() { ++m_nCommands; }
  DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CTestDocument, CDocument)

BEGIN_MESSAGE_MAP(CTestDocument, CDocument)
  ON_COMMAND(ID_TEST_DOCUMENT_COMMAND, OnTestCommand)
  ON_COMMAND(ID_TEST_DECLINED, OnDeclinedCommand)
END_MESSAGE_MAP()

class CTestDocView : public CView {
  DECLARE_DYNCREATE(CTestDocView)

 public:
  int m_nInitialUpdates = 0;
  int m_nUpdates = 0;
  LPARAM m_lLastHint = 0;
  int m_nDeclined = 0;

  void OnDraw(CDC*) override {}
  void OnInitialUpdate() override {
    ++m_nInitialUpdates;
    CView::OnInitialUpdate();
  }

 protected:
  void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override {
    ++m_nUpdates;
    m_lLastHint = lHint;
    CView::OnUpdate(pSender, lHint, pHint);
  }
  // Looks at the command and lets it go on to the document.
  afx_msg BOOL OnDeclined(UINT) {
    ++m_nDeclined;
    return FALSE;
  }
  DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CTestDocView, CView)

BEGIN_MESSAGE_MAP(CTestDocView, CView)
  ON_COMMAND_EX(ID_TEST_DECLINED, OnDeclined)
END_MESSAGE_MAP()

CSingleDocTemplate* g_pTemplate = nullptr;

// The next prompts are answered in this order (then with IDOK).
void AnswerWith(std::initializer_list<int> answers) {
  auto queue = std::make_shared<std::deque<int>>(answers);
  TestApp().answer = [queue](LPCSTR, UINT, UINT) {
    if (queue->empty()) return IDOK;
    const int nAnswer = queue->front();
    queue->pop_front();
    return nAnswer;
  };
}

std::vector<std::string> PromptTexts() {
  std::vector<std::string> texts;
  for (const RecordedPrompt& prompt : TestApp().prompts) texts.push_back(prompt.text);
  TestApp().prompts.clear();
  return texts;
}

class DocumentTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (g_pTemplate != nullptr) return;
    g_pTemplate = new CSingleDocTemplate(IDR_TEST_DOCUMENT, RUNTIME_CLASS(CTestDocument),
                                         RUNTIME_CLASS(CFrameWnd), RUNTIME_CLASS(CTestDocView));
    TestApp().AddDocTemplate(g_pTemplate);
  }
  void SetUp() override {
    TestApp().prompts.clear();
    TestApp().answer = nullptr;
    TestApp().m_pMainWnd = nullptr;
    g_storeFailure = nullptr;
  }
  void TearDown() override {
    g_storeFailure = nullptr;
    TestApp().CloseAllDocuments(FALSE);
    // The main frame's end posted WM_QUIT, which the suite's pump must not see.
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    TestApp().m_pMainWnd = nullptr;
    TestApp().prompts.clear();
    TestApp().answer = nullptr;
  }

  CTestDocument* New() {
    return static_cast<CTestDocument*>(g_pTemplate->OpenDocumentFile(nullptr));
  }
  CTestDocument* Open(const std::string& path) {
    return static_cast<CTestDocument*>(TestApp().OpenDocumentFile(path.c_str()));
  }
  static CTestDocView* ViewOf(CDocument* pDoc) {
    POSITION pos = pDoc->GetFirstViewPosition();
    return static_cast<CTestDocView*>(pDoc->GetNextView(pos));
  }
  static CFrameWnd* FrameOf(CDocument* pDoc) { return ViewOf(pDoc)->GetParentFrame(); }
  static std::string TitleOf(CDocument* pDoc) { return WindowText(FrameOf(pDoc)->m_hWnd); }
  static CTestDocument* CurrentDocument() {
    POSITION pos = g_pTemplate->GetFirstDocPosition();
    return pos != nullptr ? static_cast<CTestDocument*>(g_pTemplate->GetNextDoc(pos)) : nullptr;
  }

  // A saved document of nValues values, its bytes returned.
  std::string SaveSample(const std::string& path, int nValues) {
    CTestDocument* pDoc = New();
    pDoc->Fill("sample", nValues);
    EXPECT_TRUE(pDoc->DoSave(path.c_str()));
    return ReadWholeFile(path);
  }

  CTempFolder folder;
};

TEST_F(DocumentTest, TheFirstNewMakesFrameAndViewLaterOnesReuseThem) {
  CTestDocument* pDoc = New();
  ASSERT_NE(pDoc, nullptr);
  CTestDocView* pView = ViewOf(pDoc);
  CFrameWnd* pFrame = FrameOf(pDoc);
  EXPECT_TRUE(pView->IsKindOf(RUNTIME_CLASS(CTestDocView)));
  EXPECT_EQ(pView->GetDocument(), pDoc);
  EXPECT_EQ(pFrame->GetActiveDocument(), pDoc);
  EXPECT_EQ(TestApp().m_pMainWnd, pFrame);
  EXPECT_EQ(pDoc->GetDocTemplate(), g_pTemplate);
  EXPECT_EQ(TitleOf(pDoc), "Untitled - Tester");
  EXPECT_EQ(pView->m_nInitialUpdates, 1);
  EXPECT_EQ(TestApp().GetOpenDocumentCount(), 1);

  pDoc->Fill("x", 3);
  AnswerWith({IDNO});
  EXPECT_EQ(New(), pDoc);
  EXPECT_EQ(ViewOf(pDoc), pView);
  EXPECT_EQ(FrameOf(pDoc), pFrame);
  EXPECT_EQ(pView->m_nInitialUpdates, 2);
  EXPECT_TRUE(pDoc->m_strName.IsEmpty() && !pDoc->IsModified());

  CString part;
  EXPECT_TRUE(g_pTemplate->GetDocString(part, CDocTemplate::filterName));
  EXPECT_STREQ(part, "Test Files (*.tst)");
  EXPECT_TRUE(g_pTemplate->GetDocString(part, CDocTemplate::filterExt));
  EXPECT_STREQ(part, ".tst");
  EXPECT_FALSE(g_pTemplate->GetDocString(part, CDocTemplate::docName));
  EXPECT_TRUE(g_pTemplate->GetDocString(part, CDocTemplate::regFileTypeName));
  EXPECT_STREQ(part, "Test Document");
}

TEST_F(DocumentTest, CommandsGoThroughTheViewToTheDocument) {
  CTestDocument* pDoc = New();
  CFrameWnd* pFrame = FrameOf(pDoc);
  pFrame->SendMessage(WM_COMMAND, ID_TEST_DOCUMENT_COMMAND);
  EXPECT_EQ(pDoc->m_nCommands, 1);
  // The view looks at this one and declines it: the document carries it out.
  pFrame->SendMessage(WM_COMMAND, ID_TEST_DECLINED);
  EXPECT_EQ(ViewOf(pDoc)->m_nDeclined, 1);
  EXPECT_EQ(pDoc->m_nCommands, 2);
}

TEST_F(DocumentTest, UpdateAllViewsPassesTheHintToAllButTheSender) {
  CTestDocument* pDoc = New();
  CTestDocView* pView = ViewOf(pDoc);
  const int nBefore = pView->m_nUpdates;
  pDoc->UpdateAllViews(nullptr, 42);
  EXPECT_EQ(pView->m_nUpdates, nBefore + 1);
  EXPECT_EQ(pView->m_lLastHint, 42);
  pDoc->UpdateAllViews(pView, 7);
  EXPECT_EQ(pView->m_nUpdates, nBefore + 1);
  // The base update repaints the whole view.
  pView->MoveWindow(0, 0, 100, 80);
  pView->ValidateRect(nullptr);
  pDoc->UpdateAllViews(nullptr);
  RECT rcUpdate;
  EXPECT_TRUE(::GetUpdateRect(pView->m_hWnd, &rcUpdate, FALSE));
}

TEST_F(DocumentTest, SavedDocumentsComeBackWithTheirNameInTheTitle) {
  const std::string path = folder.Path("Plan.tst");
  SaveSample(path, 20);
  CTestDocument* pDoc = CurrentDocument();
  EXPECT_EQ(TitleOf(pDoc), "Plan.tst - Tester");
  EXPECT_FALSE(pDoc->IsModified());
  EXPECT_EQ(folder.Files(), std::vector<std::string>{"Plan.tst"});

  New();
  EXPECT_EQ(Open(path), pDoc);
  EXPECT_STREQ(pDoc->m_strName, "sample");
  ASSERT_EQ(pDoc->m_values.GetSize(), 20);
  EXPECT_EQ(pDoc->m_values[19], 19 * 7 - 3);
  EXPECT_EQ(TitleOf(pDoc), "Plan.tst - Tester");
  EXPECT_EQ(PromptTexts(), std::vector<std::string>{});
  // Opening the file that is open already reads nothing again.
  pDoc->m_values[0] = 1000;
  EXPECT_EQ(Open(path), pDoc);
  EXPECT_EQ(pDoc->m_values[0], 1000);
}

TEST_F(DocumentTest, AFailedSaveKeepsTheOldFileAndTheChanges) {
  struct Case {
    const char* pszWhat;
    std::function<void()> failure;
    const char* pszPrompt;  // null: none (the user was told already)
  };
  const Case cases[] = {
      {"disk full", [] { AfxThrowFileException(CFileException::diskFull); },
       "Destination disk drive is full."},
      {"archive failure", [] { AfxThrowArchiveException(CArchiveException::genericException); },
       "Failed to save document."},
      {"a C++ exception", [] { throw std::runtime_error("boom"); }, "Failed to save document."},
      {"the user cancelled", [] { AfxThrowUserException(); }, nullptr},
  };
  const std::string path = folder.Path("Keep.tst");
  const std::string old = SaveSample(path, 5);
  for (const Case& c : cases) {
    CTestDocument* pDoc = New();
    PromptTexts();  // from the second case on, New asked to save the last one's changes
    pDoc->Fill("changed", 9);
    g_storeFailure = c.failure;
    EXPECT_FALSE(pDoc->DoSave(path.c_str())) << c.pszWhat;
    g_storeFailure = nullptr;
    EXPECT_EQ(ReadWholeFile(path), old) << c.pszWhat;
    EXPECT_EQ(folder.Files(), std::vector<std::string>{"Keep.tst"}) << c.pszWhat;
    EXPECT_TRUE(pDoc->IsModified()) << c.pszWhat;
    EXPECT_TRUE(pDoc->GetPathName().IsEmpty()) << c.pszWhat;  // it did not take the name
    const std::vector<std::string> prompts = PromptTexts();
    if (c.pszPrompt == nullptr) {
      EXPECT_TRUE(prompts.empty()) << c.pszWhat;
    } else {
      EXPECT_EQ(prompts, std::vector<std::string>{c.pszPrompt}) << c.pszWhat;
    }
    AnswerWith({IDNO});  // the next New drops the changes
  }
  // A folder that does not exist: told once, nothing made.
  CTestDocument* pDoc = New();
  PromptTexts();
  pDoc->Fill("x", 1);
  EXPECT_FALSE(pDoc->DoSave(folder.Path("missing\\x.tst").c_str()));
  EXPECT_EQ(PromptTexts(), std::vector<std::string>{
                               "x.tst\nCannot find this file.\nPlease verify that the correct "
                               "path and file name are given."});
  EXPECT_TRUE(pDoc->IsModified());
}

TEST_F(DocumentTest, EveryCutOfAFileIsRefusedOnceAndLeavesNoHalfDocument) {
  const std::string whole = SaveSample(folder.Path("Whole.tst"), 30);
  const std::string path = folder.Path("Cut.tst");
  CTestDocument* pDoc = New();
  for (size_t nLength = 0; nLength < whole.size(); ++nLength) {
    WriteWholeFile(path, whole.substr(0, nLength));
    // Read by the document itself: refused, and emptied rather than half loaded.
    pDoc->Fill("before", 4);
    EXPECT_FALSE(pDoc->OnOpenDocument(path.c_str())) << nLength;
    EXPECT_TRUE(pDoc->m_strName.IsEmpty() && pDoc->m_values.GetSize() == 0) << nLength;
    EXPECT_EQ(PromptTexts().size(), 1u) << nLength;
    // Through the application, into the document it replaces.
    pDoc->Fill("before", 4);
    pDoc->SetModifiedFlag(FALSE);
    EXPECT_EQ(Open(path), nullptr) << nLength;
    EXPECT_EQ(PromptTexts(), std::vector<std::string>{"Unexpected file format."}) << nLength;
    // The document is a new one: the reading began, so its contents went.
    EXPECT_EQ(CurrentDocument(), pDoc);
    EXPECT_TRUE(pDoc->m_strName.IsEmpty() && pDoc->m_values.GetSize() == 0) << nLength;
    EXPECT_FALSE(pDoc->IsModified()) << nLength;
    EXPECT_TRUE(pDoc->GetPathName().IsEmpty()) << nLength;
    EXPECT_EQ(TitleOf(pDoc), "Untitled - Tester") << nLength;
  }
}

TEST_F(DocumentTest, AFileThatCannotBeOpenedLeavesTheDocumentAsItWas) {
  const std::string path = folder.Path("Here.tst");
  SaveSample(path, 3);
  CTestDocument* pDoc = Open(path);
  ASSERT_NE(pDoc, nullptr);
  pDoc->m_values.Add(99);
  pDoc->SetModifiedFlag();
  AnswerWith({IDNO});
  EXPECT_EQ(Open(folder.Path("Nowhere.tst")), nullptr);
  EXPECT_EQ(PromptTexts(),
            (std::vector<std::string>{"Save changes to Here.tst?",
                                      "Nowhere.tst\nCannot find this file.\nPlease verify that "
                                      "the correct path and file name are given."}));
  EXPECT_EQ(pDoc->m_values.GetSize(), 4);
  EXPECT_TRUE(pDoc->IsModified());
  EXPECT_EQ(TitleOf(pDoc), "Here.tst - Tester");
}

TEST_F(DocumentTest, SaveChangesAnsweredEachWay) {
  const std::string path = folder.Path("Ask.tst");
  const std::string old = SaveSample(path, 2);
  CTestDocument* pDoc = Open(path);
  pDoc->Fill("new", 6);

  AnswerWith({IDCANCEL});
  EXPECT_FALSE(pDoc->SaveModified());
  AnswerWith({IDNO});
  EXPECT_TRUE(pDoc->SaveModified());
  EXPECT_EQ(ReadWholeFile(path), old);
  EXPECT_TRUE(pDoc->IsModified());
  EXPECT_EQ(PromptTexts(), (std::vector<std::string>{"Save changes to Ask.tst?",
                                                     "Save changes to Ask.tst?"}));

  // Yes with a save that fails: nothing may close.
  g_storeFailure = [] { AfxThrowFileException(CFileException::hardIO); };
  AnswerWith({IDYES});
  EXPECT_FALSE(pDoc->SaveModified());
  g_storeFailure = nullptr;
  EXPECT_EQ(ReadWholeFile(path), old);
  EXPECT_EQ(PromptTexts(),
            (std::vector<std::string>{"Save changes to Ask.tst?",
                                      "An unexpected error occurred while writing Ask.tst."}));

  AnswerWith({IDYES});
  EXPECT_TRUE(pDoc->SaveModified());
  EXPECT_FALSE(pDoc->IsModified());
  EXPECT_NE(ReadWholeFile(path), old);
  EXPECT_TRUE(pDoc->SaveModified());  // nothing to ask now
  EXPECT_EQ(PromptTexts(), std::vector<std::string>{"Save changes to Ask.tst?"});
}

TEST_F(DocumentTest, ClosingTheMainFrameAsksFirst) {
  CTestDocument* pDoc = New();
  const HWND hFrame = FrameOf(pDoc)->m_hWnd;
  pDoc->Fill("unsaved", 2);
  AnswerWith({IDCANCEL});
  ::SendMessageA(hFrame, WM_CLOSE, 0, 0);
  EXPECT_TRUE(::IsWindow(hFrame));
  EXPECT_EQ(TestApp().m_pMainWnd, CWnd::FromHandlePermanent(hFrame));
  AnswerWith({IDNO});
  ::SendMessageA(hFrame, WM_CLOSE, 0, 0);
  EXPECT_FALSE(::IsWindow(hFrame));
  EXPECT_EQ(TestApp().m_pMainWnd, nullptr);
  EXPECT_EQ(g_pTemplate->GetFirstDocPosition(), nullptr);  // the document went with it
  EXPECT_EQ(PromptTexts(), (std::vector<std::string>{"Save changes to Untitled?",
                                                     "Save changes to Untitled?"}));
}

TEST_F(DocumentTest, ReportsNameTheCauseInTheFrameworksWords) {
  struct Case {
    CException* e;
    BOOL bSaving;
    const char* pszPrompt;
  };
  const Case cases[] = {
      {new CArchiveException(CArchiveException::endOfFile), FALSE, "Unexpected file format."},
      {new CArchiveException(CArchiveException::badClass), FALSE, "Unexpected file format."},
      {new CArchiveException(CArchiveException::badSchema), FALSE, "Unexpected file format."},
      {new CArchiveException(CArchiveException::badIndex), FALSE, "Unexpected file format."},
      {new CArchiveException(CArchiveException::genericException), FALSE,
       "Failed to open document."},
      {new CFileException(CFileException::accessDenied), FALSE,
       "Unable to read from a.tst, it is opened by someone else."},
      {new CFileException(CFileException::sharingViolation), TRUE,
       "Unable to write to a.tst, it is read-only or opened by someone else."},
      {new CFileException(CFileException::diskFull), TRUE, "Destination disk drive is full."},
      {new CFileException(CFileException::hardIO), FALSE,
       "An unexpected error occurred while reading a.tst."},
      {new CFileException(CFileException::badPath), FALSE,
       "a.tst\nCannot find this file.\nPlease verify that the correct path and file name are "
       "given."},
      {new CFileException(CFileException::tooManyOpenFiles), FALSE, "Failed to open document."},
      {new CUserException, FALSE, nullptr},
  };
  CObject* pObject = RUNTIME_CLASS(CTestDocument)->CreateObject();
  auto* pDoc = static_cast<CDocument*>(pObject);
  for (const Case& c : cases) {
    pDoc->ReportSaveLoadException("C:\\x\\a.tst", c.e, c.bSaving, AFX_IDP_FAILED_TO_OPEN_DOC);
    const std::vector<std::string> prompts = PromptTexts();
    if (c.pszPrompt == nullptr) {
      EXPECT_TRUE(prompts.empty());
    } else {
      EXPECT_EQ(prompts, std::vector<std::string>{c.pszPrompt});
    }
    c.e->Delete();
  }
  delete pDoc;
}

// ---- the recent-file list and the settings ------------------------------------------

TEST(RecentFileList, KeepsTheNewestFirstOnceEach) {
  CRecentFileList list(0, "Recent File List", "File%d", 3);
  list.Add("C:\\a\\one.tst");
  list.Add("C:\\a\\two.tst");
  list.Add("C:\\A\\ONE.TST");  // the same file: it moves up
  EXPECT_STREQ(list[0], "C:\\A\\ONE.TST");
  EXPECT_STREQ(list[1], "C:\\a\\two.tst");
  EXPECT_TRUE(list[2].IsEmpty());
  list.Add("C:\\a\\three.tst");
  list.Add("C:\\a\\four.tst");  // the oldest falls off
  EXPECT_STREQ(list[0], "C:\\a\\four.tst");
  EXPECT_STREQ(list[2], "C:\\A\\ONE.TST");
  list.Remove(0);
  EXPECT_STREQ(list[0], "C:\\a\\three.tst");
  EXPECT_TRUE(list[2].IsEmpty());

  CString strName;
  EXPECT_TRUE(list.GetDisplayName(strName, 0, "C:\\a\\", 5));
  EXPECT_STREQ(strName, "three.tst");  // in the current folder: its name alone
  EXPECT_TRUE(list.GetDisplayName(strName, 0, "C:\\b\\", 5));
  EXPECT_STREQ(strName, "C:\\a\\three.tst");
  EXPECT_FALSE(list.GetDisplayName(strName, 2, "C:\\a\\", 5));
}

// The File menu's items as the frame's menu update leaves them.
std::vector<std::string> UpdateFileMenu(CRecentFileList& list, CMenu& menu) {
  CCmdUI state;
  state.m_pMenu = &menu;
  state.m_nIndexMax = menu.GetMenuItemCount();
  for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
    state.m_nID = menu.GetMenuItemID(static_cast<int>(state.m_nIndex));
    if (state.m_nID == ID_FILE_MRU_FILE1) list.UpdateMenu(&state);
  }
  std::vector<std::string> items;
  for (UINT i = 0; i < menu.GetMenuItemCount(); ++i) {
    CString strItem;
    menu.GetMenuString(i, strItem, MF_BYPOSITION);
    const bool bGrey = (menu.GetMenuState(i, MF_BYPOSITION) & MF_GRAYED) != 0;
    items.push_back(std::string(strItem) + (bGrey && !strItem.IsEmpty() ? " (grey)" : ""));
  }
  return items;
}

TEST(RecentFileList, TakesThePlaceOfItsMenuItem) {
  CMenu menu;
  menu.CreatePopupMenu();
  menu.AppendMenu(MF_STRING, ID_FILE_NEW, "&New");
  menu.AppendMenu(MF_STRING | MF_GRAYED, ID_FILE_MRU_FILE1, "Recent File");
  menu.AppendMenu(MF_SEPARATOR);
  menu.AppendMenu(MF_STRING, ID_APP_EXIT, "E&xit");
  CRecentFileList list(0, "Recent File List", "File%d", 4, 30);
  EXPECT_EQ(UpdateFileMenu(list, menu),
            (std::vector<std::string>{"&New", "Recent File (grey)", "", "E&xit"}));
  list.Add("C:\\Signs\\Bread & Butter.tst");
  list.Add("C:\\Users\\Me\\Documents\\Plans\\Front.tst");
  EXPECT_EQ(UpdateFileMenu(list, menu),
            (std::vector<std::string>{"&New", "&1 C:\\...\\Plans\\Front.tst",
                                      "&2 C:\\Signs\\Bread && Butter.tst", "", "E&xit"}));
  EXPECT_EQ(menu.GetMenuItemID(2), static_cast<UINT>(ID_FILE_MRU_FILE2));
  list.Remove(0);
  list.Remove(0);
  EXPECT_EQ(UpdateFileMenu(list, menu),
            (std::vector<std::string>{"&New", "Recent File (grey)", "", "E&xit"}));
}

TEST(ProfileSettings, LiveInTheRegistryUnderTheApplicationsKey) {
  CTestApp& app = TestApp();
  app.SetRegistryKey("Varnel Tests");
  EXPECT_STREQ(app.m_pszProfileName, "VarnelFrameworkTests");
  EXPECT_TRUE(app.WriteProfileInt("Window", "Width", -640));
  EXPECT_TRUE(app.WriteProfileString("Window", "Name", "Main view"));
  EXPECT_EQ(static_cast<int>(app.GetProfileInt("Window", "Width", 5)), -640);
  EXPECT_EQ(app.GetProfileInt("Window", "Missing", 5), 5u);
  EXPECT_STREQ(app.GetProfileString("Window", "Name"), "Main view");
  EXPECT_STREQ(app.GetProfileString("Window", "Missing", "none"), "none");
  EXPECT_EQ(app.GetProfileInt("Window", "Name", 3), 3u);  // not a number

  HKEY hKey = nullptr;
  ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER,
                            "Software\\Varnel Tests\\VarnelFrameworkTests\\Window", 0, KEY_READ,
                            &hKey),
            ERROR_SUCCESS);
  DWORD dwWidth = 0;
  DWORD dwSize = sizeof dwWidth;
  EXPECT_EQ(::RegQueryValueExA(hKey, "Width", nullptr, nullptr,
                               reinterpret_cast<BYTE*>(&dwWidth), &dwSize),
            ERROR_SUCCESS);
  EXPECT_EQ(static_cast<int>(dwWidth), -640);
  ::RegCloseKey(hKey);

  EXPECT_TRUE(app.WriteProfileString("Window", "Name", nullptr));
  EXPECT_STREQ(app.GetProfileString("Window", "Name", "gone"), "gone");
  EXPECT_TRUE(app.WriteProfileString("Window", nullptr, nullptr));
  EXPECT_EQ(app.GetProfileInt("Window", "Width", 5), 5u);

  // The recent-file list is written there and read back.
  app.LoadStdProfileSettings(2);
  app.AddToRecentFileList("C:\\a\\one.tst");
  app.AddToRecentFileList("C:\\a\\two.tst");
  app.SaveStdProfileSettings();
  EXPECT_STREQ(app.GetProfileString("Recent File List", "File1"), "C:\\a\\two.tst");
  app.LoadStdProfileSettings(4);
  EXPECT_STREQ((*app.RecentFiles())[1], "C:\\a\\one.tst");
  EXPECT_TRUE((*app.RecentFiles())[2].IsEmpty());
  app.WriteProfileString("Recent File List", nullptr, nullptr);
  app.LoadStdProfileSettings(0);
  EXPECT_EQ(app.RecentFiles(), nullptr);
}

}  // namespace
