// The application: CWinApp, the object a host derives for its program,
// and the services that need no window: the current application, resource
// lookup, string resources and formatted strings, and the message boxes
// every prompt goes through. The members that run windows (the message
// loop and idle time, DoMessageBox, the exception report, WinMain's body)
// are defined with the windows, in afx/wnd/AfxAppLoop.cpp; those of
// documents (templates, File New and Open, the recent files, the command
// line's command) with the documents, in afx/ui/AfxAppDoc.cpp. Settings
// and the recent-file list are kept here (afx/app/AfxProfile.cpp).
#pragma once

#include "afx/app/AfxCmdTarget.h"
#include "afx/base/AfxColl.h"
#include "afx/base/AfxString.h"

#include <commdlg.h>

#include <vector>

// The system's name for ::GetFileTitleA would rename the framework's
// members of that name (CFile's, CFileDialog's) in code that follows.
#undef GetFileTitle

class CWnd;
class CDC;
class CException;
class CCmdUI;
class CCommandLineInfo;
class CDocTemplate;
class CDocument;
class CRecentFileList;

class VARNEL_API CWinApp : public CCmdTarget {
  DECLARE_DYNAMIC(CWinApp)

 public:
  // Without a name, the application is named by its string
  // AFX_IDS_APP_TITLE, else by its program file (without the extension).
  // A second application object is the application until it goes.
  explicit CWinApp(LPCSTR lpszAppName = nullptr);
  // Deletes the document templates and the recent-file list.
  ~CWinApp() override;

  // The title of its message boxes, among others.
  LPCSTR m_pszAppName = nullptr;
  HINSTANCE m_hInstance = nullptr;
  HINSTANCE m_hPrevInstance = nullptr;
  LPSTR m_lpCmdLine = nullptr;
  int m_nCmdShow = SW_SHOWNORMAL;
  // The main window: the application ends when it is destroyed.
  CWnd* m_pMainWnd = nullptr;

  virtual BOOL InitInstance() { return TRUE; }
  // Writes the recent-file list to the settings; returns the exit code.
  virtual int ExitInstance();
  // Pumps messages until WM_QUIT, calling OnIdle when the queue is empty;
  // returns ExitInstance's result.
  virtual int Run();
  // Fetches one message (waiting for it), gives PreTranslateMessage its
  // chance, then translates and dispatches it. FALSE on WM_QUIT.
  virtual BOOL PumpMessage();
  // Offers the message to the windows from its target up; TRUE eats it.
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // Idle-time work: the first call of a quiet spell (lCount 0) has the
  // main window and its bars bring their items and the status bar's
  // message up to date (WM_IDLEUPDATECMDUI), and sends the thread's other
  // visible top-level windows of the framework (modeless dialogs)
  // WM_KICKIDLE; every call releases the temporary window objects. TRUE
  // asks for more idle time.
  virtual BOOL OnIdle(LONG lCount);
  // Every AfxMessageBox comes here: prompt text, MB_ flags, and the prompt's
  // string ID (or help context; 0 when the prompt was given as text).
  virtual int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt);
  // An exception that reached a window procedure: told to the user once
  // (a CUserException has been told already); returns the message's
  // result (-1 for WM_CREATE, which fails the creation; 0 otherwise).
  virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);
  // The same for an exception of another kind (what() when it has one).
  virtual LRESULT ProcessWndProcException(LPCSTR lpszWhat, const MSG* pMsg);

  HICON LoadIcon(UINT nIDResource) const;
  HICON LoadIcon(LPCSTR lpszResourceName) const;
  HCURSOR LoadCursor(UINT nIDResource) const;
  HCURSOR LoadCursor(LPCSTR lpszResourceName) const;
  HICON LoadStandardIcon(LPCSTR lpszIconName) const;
  HCURSOR LoadStandardCursor(LPCSTR lpszCursorName) const;
  // The 3-D look is the system's own today; kept for hosts that ask.
  BOOL Enable3dControls() { return TRUE; }
  BOOL Enable3dControlsStatic() { return TRUE; }

  // ---- documents ------------------------------------------------------------------
  // The application owns the template from here on.
  void AddDocTemplate(CDocTemplate* pTemplate);
  POSITION GetFirstDocTemplatePosition() const;
  CDocTemplate* GetNextDocTemplate(POSITION& rPosition) const;
  // Opens the file with the template that suits it best (the document
  // itself when the file is open already); null when the user cancelled
  // or the file could not be opened (the user was told).
  virtual CDocument* OpenDocumentFile(LPCSTR lpszFileName);
  // Asks every modified document whether to save it; FALSE when the user
  // cancelled or a save failed (nothing may be closed then).
  virtual BOOL SaveAllModified();
  void CloseAllDocuments(BOOL bEndSession);
  int GetOpenDocumentCount() const;
  // The Open or Save As dialog (bOpenFileDialog) for a file of
  // pTemplate's kind (every template's when null), titled by the string
  // nIDSTitle; fileName is the name proposed and, on OK, the name chosen.
  BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                        CDocTemplate* pTemplate);
  // Puts the file at the top of the recent-file list (when there is one).
  virtual void AddToRecentFileList(LPCSTR lpszPathName);

  // ---- the command line -----------------------------------------------------------
  // Gives each argument of m_lpCmdLine to rCmdInfo.ParseParam ('/' or '-'
  // before a flag is taken off).
  void ParseCommandLine(CCommandLineInfo& rCmdInfo);
  // Carries the command out: a new document, or the file opened; FALSE
  // when the program should end (it could not start, or it printed).
  BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

  // ---- settings -------------------------------------------------------------------
  // Keeps the settings in the registry, under
  // HKEY_CURRENT_USER\Software\<lpszRegistryKey>\<application name>,
  // rather than in the program's private .INI file.
  void SetRegistryKey(LPCSTR lpszRegistryKey);
  void SetRegistryKey(UINT nIDRegistryKey);
  // The keys of the settings (created when missing); the caller closes
  // them. Null without SetRegistryKey.
  HKEY GetAppRegistryKey();
  HKEY GetSectionKey(LPCSTR lpszSection);
  UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
  CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
  BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
  // A null lpszValue removes the entry; a null lpszEntry the whole section.
  BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);
  LPCSTR m_pszRegistryKey = nullptr;
  LPCSTR m_pszProfileName = nullptr;
  LPCSTR m_pszExeName = nullptr;

  // ---- standard commands ------------------------------------------------------------
  // Public so that a host's map can name them (ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)).
  afx_msg void OnFileNew();
  afx_msg void OnFileOpen();
  // ID_APP_EXIT: closes the main window, which asks the documents first.
  afx_msg void OnAppExit();
  afx_msg void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);
  afx_msg BOOL OnOpenRecentFile(UINT nID);

  // Sets the names the application goes by (AfxWinMain calls it).
  void SetCurrentHandles();

  // ---- the printer. The application keeps the printer the user chose
  // and its settings (paper, orientation, copies) from one job and print
  // setup to the next: the default printer until the user picks another.
  // Gives pPrintDlg the application's printer (its hDevMode and hDevNames,
  // which stay the application's), taking the default printer's the first
  // time; FALSE when there is no printer.
  BOOL GetPrinterDeviceDefaults(PRINTDLGA* pPrintDlg);
  // Shows the print dialog, or the print setup dialog when pPrintDlg's
  // flags say PD_PRINTSETUP, on the application's printer, and keeps what
  // the user chose. IDOK or IDCANCEL.
  virtual INT_PTR DoPrintDialog(PRINTDLGA* pPrintDlg);
  // Makes the printer and settings of these handles the application's
  // (which then owns them), freeing the previous ones when bFreeOld.
  void SelectPrinter(HGLOBAL hDevNames, HGLOBAL hDevMode, BOOL bFreeOld = TRUE);
  // A device context on the application's printer; FALSE when there is none.
  BOOL CreatePrinterDC(CDC& dc);
  // The File > Print Setup command (map ID_FILE_PRINT_SETUP to it).
  afx_msg void OnFilePrintSetup();


 protected:
  // Reads the recent-file list (nMaxMRU files, 0 for none) from the
  // settings; SaveStdProfileSettings writes it back.
  void LoadStdProfileSettings(UINT nMaxMRU = 4);
  void SaveStdProfileSettings();

  WPARAM m_nExitCode = 0;
  CRecentFileList* m_pRecentFileList = nullptr;
  HGLOBAL m_hDevMode = nullptr;   // DEVMODE of the application's printer
  HGLOBAL m_hDevNames = nullptr;  // DEVNAMES of the application's printer

  DECLARE_MESSAGE_MAP()

 private:
  void ReleasePrinter();

  std::vector<CCmdTarget*> m_templateList;  // CDocTemplate objects, owned
  CString m_strDefaultAppName;  // m_pszAppName's text when none was given
  CWinApp* m_pPrevApp;          // the application object before this one
  CString m_strRegistryKey;
  CString m_strProfileName;
  CString m_strExeName;
};

// A device context for the printer and settings of a print dialog's
// handles; null when they name none.
VARNEL_API HDC AfxCreateDC(HGLOBAL hDevNames, HGLOBAL hDevMode);

VARNEL_API CWinApp* AfxGetApp();
// The application's main window (null without an application).
VARNEL_API CWnd* AfxGetMainWnd();
// The body of the framework's WinMain: InitInstance, then Run; returns the
// exit code.
VARNEL_API int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine,
                          int nCmdShow);
VARNEL_API HINSTANCE AfxGetInstanceHandle();
// Where dialog templates and strings are looked up first: the application.
VARNEL_API HINSTANCE AfxGetResourceHandle();
// The module holding a resource: the application, else the first
// registered extension library that has it (the application when none has).
VARNEL_API HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
// An icon, cursor or bitmap (uImageType IMAGE_...) from the module
// AfxFindResourceHandle names, at its default size and shared with the
// system's cache; null when there is none.
VARNEL_API HANDLE AfxLoadImageResource(LPCSTR lpszName, LPCSTR lpszType, UINT uImageType);
VARNEL_API void AfxPostQuitMessage(int nExitCode);

// Shows a message box through the application's DoMessageBox.
VARNEL_API int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The same with a string resource; an nIDHelp of (UINT)-1 means nIDPrompt.
VARNEL_API int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

// A string resource: the application's first, then the framework's own.
VARNEL_API BOOL AfxLoadString(UINT nID, CString& rString);
// String nIDS with %1 (and %2) replaced by the inserts.
VARNEL_API void AfxFormatString1(CString& rString, UINT nIDS, LPCSTR lpsz1);
VARNEL_API void AfxFormatString2(CString& rString, UINT nIDS, LPCSTR lpsz1, LPCSTR lpsz2);
// The replacement itself, on a given format text.
VARNEL_API CString AfxFormatStrings(LPCSTR lpszFormat, const LPCSTR* rglpsz, int nString);
