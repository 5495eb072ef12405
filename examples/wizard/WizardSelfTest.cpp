// The wizard example's self-test: a timer walks through the steps below,
// one per tick, doing what a user does with documents: draw, save through
// the Save As dialog, answer "Save changes?" each way, reopen from the
// recent-file list, open damaged files, save over a file another program
// holds, start a second copy of the program with a file on its command
// line, and leave through File > Exit. Prompts are answered here and
// checked; the system's file dialogs are real and are filled in by a
// second timer.
#include "StdAfx.h"
#include "Wizard.h"

#include "MainFrm.h"
#include "WizardDoc.h"
#include "WizardView.h"
#include "WizardSelfTest.h"

#include <dlgs.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

enum class Mode { kOff, kSelfTest, kOpenCheck };

Mode g_mode = Mode::kOff;
CWizardApp* g_pApp = nullptr;
int g_nFailures = 0;
size_t g_nStep = 0;
CString g_strFolder;                 // the self-test's files, with a separator at the end
CString g_strOpenFile;               // --selftest-open's file
std::deque<int> g_answers;           // for the next prompts, in order
std::vector<std::string> g_prompts;  // shown since the current step began
CString g_strDialogFile;             // what the next file dialog gets

const UINT_PTR kStepTimer = 0x5E1F;
const UINT_PTR kDialogTimer = 0x5E20;

void Check(bool bOk, const char* pszWhat) {
  std::printf("%s%s - %s\n", g_mode == Mode::kOpenCheck ? "wizard (second copy): " : "",
              bOk ? "ok" : "not ok", pszWhat);
  std::fflush(stdout);
  if (!bOk) ++g_nFailures;
}

CMainFrame* Frame() { return static_cast<CMainFrame*>(g_pApp->m_pMainWnd); }
CWizardDoc* Doc() { return static_cast<CWizardDoc*>(Frame()->GetActiveDocument()); }
CWizardView* View() { return static_cast<CWizardView*>(Frame()->GetActiveView()); }
void Command(UINT nID) { Frame()->SendMessage(WM_COMMAND, nID); }
CString PathOf(LPCSTR pszName) { return g_strFolder + pszName; }

CString Title() {
  CString strTitle;
  Frame()->GetWindowText(strTitle);
  return strTitle;
}

int StrokeCount() { return Doc() != nullptr ? Doc()->m_strokeList.GetSize() : -1; }

std::string ReadBytes(const CString& strPath) {
  std::ifstream file(static_cast<LPCSTR>(strPath), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteBytes(const CString& strPath, const std::string& bytes) {
  std::ofstream file(static_cast<LPCSTR>(strPath), std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool Exists(const CString& strPath) {
  return ::GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES;
}

// Files other than the documents in the self-test's folder: a save's
// temporary file left behind would be one.
int StrayFiles() {
  int nStray = 0;
  WIN32_FIND_DATAA found;
  const HANDLE hFind = ::FindFirstFileA(PathOf("*"), &found);
  if (hFind == INVALID_HANDLE_VALUE) return 0;
  do {
    const CString strName = found.cFileName;
    const int nDot = strName.ReverseFind('.');
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
        (nDot < 0 || strName.Mid(nDot).CompareNoCase(".wzd") != 0)) {
      ++nStray;
    }
  } while (::FindNextFileA(hFind, &found));
  ::FindClose(hFind);
  return nStray;
}

// A stroke drawn with the mouse from one point to another.
void Draw(int x1, int y1, int x2, int y2) {
  View()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x1, y1));
  View()->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM((x1 + x2) / 2, (y1 + y2) / 2));
  View()->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x2, y2));
}

// The prompts of the step were exactly these, each containing its text.
void CheckPrompts(const std::vector<const char*>& expected, const char* pszWhat) {
  bool bOk = g_prompts.size() == expected.size();
  for (size_t i = 0; bOk && i < expected.size(); ++i) {
    bOk = g_prompts[i].find(expected[i]) != std::string::npos;
  }
  Check(bOk, pszWhat);
  g_prompts.clear();
}

// The text of the File menu's recent-file items once the menu opens.
std::vector<std::string> RecentFileItems() {
  CMenu* pFileMenu = Frame()->GetMenu()->GetSubMenu(0);
  Frame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pFileMenu->m_hMenu),
                       MAKELPARAM(0, FALSE));
  std::vector<std::string> items;
  for (UINT nID = ID_FILE_MRU_FILE1; nID <= ID_FILE_MRU_FILE16; ++nID) {
    CString strItem;
    if (pFileMenu->GetMenuString(nID, strItem, MF_BYCOMMAND) <= 0) break;
    const bool bGrey = (pFileMenu->GetMenuState(nID, MF_BYCOMMAND) & MF_GRAYED) != 0;
    items.push_back(std::string(strItem) + (bGrey ? " (grey)" : ""));
  }
  return items;
}

bool EndsWith(const std::string& text, const char* pszEnd) {
  const size_t nEnd = std::strlen(pszEnd);
  return text.size() >= nEnd && text.compare(text.size() - nEnd, nEnd, pszEnd) == 0;
}

// ---- the system's file dialogs -----------------------------------------------------

BOOL CALLBACK FindEnabledDialog(HWND hWnd, LPARAM lParam) {
  char szClass[16] = {};
  ::GetClassNameA(hWnd, szClass, sizeof szClass);
  if (std::strcmp(szClass, "#32770") != 0 || !::IsWindowVisible(hWnd) ||
      !::IsWindowEnabled(hWnd)) {
    return TRUE;
  }
  *reinterpret_cast<HWND*>(lParam) = hWnd;
  return FALSE;
}

// Fills the open file dialog in and presses its OK; a question the dialog
// asks on the way (replace the file?) is answered Yes.
void CALLBACK DriveFileDialog(HWND, UINT, UINT_PTR, DWORD) {
  HWND hDlg = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), FindEnabledDialog,
                      reinterpret_cast<LPARAM>(&hDlg));
  if (hDlg == nullptr) return;
  HWND hName = ::GetDlgItem(hDlg, edt1);
  if (hName == nullptr) hName = ::GetDlgItem(hDlg, cmb13);
  if (hName == nullptr) {
    ::PostMessageA(hDlg, WM_COMMAND, IDYES, 0);
    return;
  }
  ::SetWindowTextA(hName, g_strDialogFile);
  ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, IDOK)));
}

// Runs a command that shows a file dialog, which gets strFile.
void CommandThroughDialog(UINT nID, const CString& strFile) {
  g_strDialogFile = strFile;
  Frame()->SetTimer(kDialogTimer, 100, DriveFileDialog);
  Command(nID);
  Frame()->KillTimer(kDialogTimer);
}

// ---- a second copy of the program --------------------------------------------------

// Starts this program with a file on its command line; its exit code, or
// -1 when it did not end in time.
DWORD RunSecondCopy(const CString& strFile) {
  char szProgram[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, szProgram, MAX_PATH);
  CString strCommandLine;
  strCommandLine.Format("\"%s\" --selftest-open \"%s\"", szProgram,
                        static_cast<LPCSTR>(strFile));
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!::CreateProcessA(szProgram, strCommandLine.GetBuffer(0), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process)) {
    return static_cast<DWORD>(-1);
  }
  ::CloseHandle(process.hThread);
  // Messages the other program sends here are answered while waiting.
  const DWORD dwStart = ::GetTickCount();
  DWORD dwExitCode = static_cast<DWORD>(-1);
  while (::GetTickCount() - dwStart < 60000) {
    const DWORD dwWait =
        ::MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 1000, QS_SENDMESSAGE);
    if (dwWait == WAIT_OBJECT_0) {
      ::GetExitCodeProcess(process.hProcess, &dwExitCode);
      break;
    }
    MSG msg;
    ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  ::CloseHandle(process.hProcess);
  return dwExitCode;
}

// ---- the steps ---------------------------------------------------------------------

const std::vector<std::function<void()>>& SelfTestSteps();
const std::vector<std::function<void()>>& OpenCheckSteps();

void CALLBACK RunStep(HWND, UINT, UINT_PTR, DWORD) {
  Frame()->KillTimer(kStepTimer);
  const auto& steps = g_mode == Mode::kOpenCheck ? OpenCheckSteps() : SelfTestSteps();
  if (g_nStep >= steps.size()) return;
  steps[g_nStep++]();
  // The last step ends the program.
  if (g_nStep < steps.size() && g_pApp->m_pMainWnd != nullptr) {
    Frame()->SetTimer(kStepTimer, 20, RunStep);
  }
}

const std::vector<std::function<void()>>& SelfTestSteps() {
  static const std::vector<std::function<void()>> steps = {
      [] {
        Check(Title() == "Untitled - Wizard", "the program starts with a new document");
        Check(Doc() != nullptr && Doc()->IsKindOf(RUNTIME_CLASS(CWizardDoc)) &&
                  View()->IsKindOf(RUNTIME_CLASS(CWizardView)) && View()->GetDocument() == Doc(),
              "the template made the document, the frame and the view from their classes");
        Check(StrokeCount() == 0 && !Doc()->IsModified() && View()->m_nInitialUpdates == 1,
              "the new document is empty and unmodified; its view was updated once");
        const std::vector<std::string> items = RecentFileItems();
        Check(items.size() == 1 && items[0] == "Recent File (grey)",
              "with no recent files the menu shows its placeholder, greyed");
      },
      [] {
        Draw(10, 10, 60, 40);
        Draw(20, 50, 80, 20);
        Check(StrokeCount() == 2 && Doc()->IsModified(), "drawing modifies the document");
        CommandThroughDialog(ID_FILE_SAVE, PathOf("Sample"));
        Check(Exists(PathOf("Sample.wzd")),
              "Save of a new document asks for a name and adds the extension");
        Check(Title() == "Sample.wzd - Wizard" && !Doc()->IsModified() &&
                  Doc()->GetPathName().CompareNoCase(PathOf("Sample.wzd")) == 0,
              "the saved document takes the file's name");
        const std::string bytes = ReadBytes(PathOf("Sample.wzd"));
        Check(bytes.compare(0, 6, std::string("\x02\x00\x02\x00\xFF\xFF", 6)) == 0,
              "the file holds the pen width, the stroke count and a new class tag");
        Check(StrayFiles() == 0, "the save left no temporary file");
        CheckPrompts({}, "saving asked nothing");
        const std::vector<std::string> items = RecentFileItems();
        Check(items.size() == 1 && items[0].compare(0, 3, "&1 ") == 0 &&
                  EndsWith(items[0], "Sample.wzd"),
              "the saved file is first in the recent-file menu");
      },
      [] {
        const std::string saved = ReadBytes(PathOf("Sample.wzd"));
        Draw(30, 30, 90, 90);
        g_answers = {IDNO};
        Command(ID_FILE_NEW);
        CheckPrompts({"Save changes to Sample.wzd?"}, "File New asks to save the changes");
        Check(Title() == "Untitled - Wizard" && StrokeCount() == 0 && !Doc()->IsModified(),
              "answered No, the new document replaces the old one");
        Check(ReadBytes(PathOf("Sample.wzd")) == saved, "answered No, the file is untouched");
        Check(View()->m_nInitialUpdates == 2, "the view starts again with the new document");
      },
      [] {
        Command(ID_FILE_MRU_FILE1);
        CheckPrompts({}, "an unmodified document is replaced without a question");
        Check(Title() == "Sample.wzd - Wizard" && StrokeCount() == 2 && !Doc()->IsModified(),
              "the recent-file item reopens the file");
        Check(StrokeCount() == 2 && Doc()->m_strokeList[0]->m_pointArray.GetSize() == 3 &&
                  Doc()->m_strokeList[0]->m_pointArray[2] == CPoint(60, 40) &&
                  Doc()->m_strokeList[1]->m_pointArray[0] == CPoint(20, 50),
              "the strokes came back as they were drawn");
      },
      [] {
        // A file cut short, opened through the Open dialog.
        const std::string saved = ReadBytes(PathOf("Sample.wzd"));
        WriteBytes(PathOf("Short.wzd"), saved.substr(0, saved.size() / 2));
        CommandThroughDialog(ID_FILE_OPEN, PathOf("Short.wzd"));
        CheckPrompts({"Unexpected file format."}, "a damaged file is refused with one message");
        Check(::IsWindow(Frame()->m_hWnd) && Title() == "Untitled - Wizard" &&
                  StrokeCount() == 0 && !Doc()->IsModified(),
              "after a failed open the document is a new one, not half loaded");
      },
      [] {
        std::string noise;
        for (int i = 0; i < 300; ++i) noise += static_cast<char>((i * 167 + 13) % 256);
        WriteBytes(PathOf("Noise.wzd"), noise);
        WriteBytes(PathOf("Empty.wzd"), std::string());
        std::string wrongClass = ReadBytes(PathOf("Sample.wzd"));
        const size_t nName = wrongClass.find("CStroke");
        if (nName != std::string::npos) wrongClass[nName + 1] = 'X';
        WriteBytes(PathOf("Class.wzd"), wrongClass);
        const bool bNoise = g_pApp->OpenDocumentFile(PathOf("Noise.wzd")) == nullptr;
        const bool bEmpty = g_pApp->OpenDocumentFile(PathOf("Empty.wzd")) == nullptr;
        const bool bClass = g_pApp->OpenDocumentFile(PathOf("Class.wzd")) == nullptr;
        Check(bNoise && bEmpty && bClass,
              "random bytes, an empty file and an unknown class are refused");
        CheckPrompts({"Unexpected file format.", "Unexpected file format.",
                      "Unexpected file format."},
                     "each is told once");
        Check(StrokeCount() == 0 && !Doc()->IsModified(), "the document stays sound");
      },
      [] {
        // Saving while another program holds the file: refused, nothing lost.
        Command(ID_FILE_MRU_FILE1);
        Draw(5, 5, 25, 25);
        const std::string saved = ReadBytes(PathOf("Sample.wzd"));
        const HANDLE hHeld = ::CreateFileA(PathOf("Sample.wzd"), GENERIC_READ, 0, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        Command(ID_FILE_SAVE);
        ::CloseHandle(hHeld);
        CheckPrompts({"Unable to write to Sample.wzd"},
                     "a save over a file held open is refused with one message");
        Check(Doc()->IsModified() && StrokeCount() == 3,
              "the document keeps its changes, still modified");
        Check(ReadBytes(PathOf("Sample.wzd")) == saved && StrayFiles() == 0,
              "the file is as it was and no temporary file is left");
      },
      [] {
        g_answers = {IDCANCEL};
        Frame()->SendMessage(WM_CLOSE);
        CheckPrompts({"Save changes to Sample.wzd?"}, "closing the window asks to save");
        Check(g_pApp->m_pMainWnd != nullptr && ::IsWindow(Frame()->m_hWnd) &&
                  Doc()->IsModified() && StrokeCount() == 3,
              "answered Cancel, the program stays open with its changes");
      },
      [] {
        g_answers = {IDYES};
        Command(ID_FILE_NEW);
        CheckPrompts({"Save changes to Sample.wzd?"}, "File New asks again");
        Check(Title() == "Untitled - Wizard" && StrokeCount() == 0,
              "answered Yes, the changes are saved and a new document follows");
        Command(ID_FILE_MRU_FILE1);
        Check(StrokeCount() == 3 && Title() == "Sample.wzd - Wizard",
              "the saved file has the third stroke");
        Check(StrayFiles() == 0, "no temporary file is left");
      },
      [] {
        // A recent file that was deleted meanwhile.
        CommandThroughDialog(ID_FILE_SAVE_AS, PathOf("Gone.wzd"));
        Check(Title() == "Gone.wzd - Wizard", "Save As gives the document the new name");
        std::vector<std::string> items = RecentFileItems();
        Check(items.size() == 2 && EndsWith(items[0], "Gone.wzd") &&
                  EndsWith(items[1], "Sample.wzd") && items[1].compare(0, 3, "&2 ") == 0,
              "the recent-file menu lists both files, the newest first");
        // Cancelled on the way to a recent file: the file stays in the list.
        Draw(70, 10, 90, 30);
        g_answers = {IDCANCEL};
        Command(ID_FILE_MRU_FILE2);
        CheckPrompts({"Save changes to Gone.wzd?"}, "opening a recent file asks to save");
        Check(Title() == "Gone.wzd - Wizard" && Doc()->IsModified() && RecentFileItems() == items,
              "answered Cancel, nothing changes and the recent-file list keeps the file");
        g_answers = {IDNO};
        Command(ID_FILE_NEW);
        CheckPrompts({"Save changes to Gone.wzd?"}, "File New asks to save the changes");
        ::DeleteFileA(PathOf("Gone.wzd"));
        Command(ID_FILE_MRU_FILE1);
        CheckPrompts({"Gone.wzd\nCannot find this file."},
                     "choosing a file that is gone says so once");
        items = RecentFileItems();
        Check(items.size() == 1 && EndsWith(items[0], "Sample.wzd"),
              "the file that is gone leaves the recent-file list");
        Check(Title() == "Untitled - Wizard", "the document is as it was");
      },
      [] {
        CWizardSelfTest::SaveSettings();
        HKEY hKey = nullptr;
        char szFile[MAX_PATH] = {};
        DWORD dwSize = sizeof szFile;
        const bool bRead =
            ::RegOpenKeyExA(HKEY_CURRENT_USER,
                            "Software\\Local AppWizard-Generated Applications\\Wizard\\"
                            "Recent File List",
                            0, KEY_READ, &hKey) == ERROR_SUCCESS &&
            ::RegQueryValueExA(hKey, "File1", nullptr, nullptr, reinterpret_cast<BYTE*>(szFile),
                               &dwSize) == ERROR_SUCCESS;
        if (hKey != nullptr) ::RegCloseKey(hKey);
        Check(bRead && PathOf("Sample.wzd").CompareNoCase(szFile) == 0,
              "the recent-file list is kept in the registry under the application's key");
      },
      [] {
        const DWORD dwExitCode = RunSecondCopy(PathOf("Sample.wzd"));
        Check(dwExitCode == 0, "a second copy started with the file on its command line opens it");
      },
      [] {
        Draw(40, 40, 60, 60);
        g_answers = {IDNO};
        Command(ID_APP_EXIT);
      },
  };
  return steps;
}

const std::vector<std::function<void()>>& OpenCheckSteps() {
  static const std::vector<std::function<void()>> steps = {
      [] {
        Check(Title() == "Sample.wzd - Wizard" && StrokeCount() == 3 && !Doc()->IsModified(),
              "the file on the command line is open");
        CheckPrompts({}, "opening it asked nothing");
        Command(ID_APP_EXIT);
      },
  };
  return steps;
}

void RemoveFolder() {
  WIN32_FIND_DATAA found;
  const HANDLE hFind = ::FindFirstFileA(PathOf("*"), &found);
  if (hFind != INVALID_HANDLE_VALUE) {
    do {
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        ::DeleteFileA(PathOf(found.cFileName));
      }
    } while (::FindNextFileA(hFind, &found));
    ::FindClose(hFind);
  }
  ::RemoveDirectoryA(g_strFolder);
}

}  // namespace

void CWizardCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) {
  // "--selftest" arrives as the flag "-selftest".
  if (bFlag && std::strcmp(pszParam, "-selftest") == 0) {
    m_bSelfTest = TRUE;
    ParseLast(bLast);
    return;
  }
  if (bFlag && std::strcmp(pszParam, "-selftest-open") == 0) {
    m_bSelfTestOpen = TRUE;
    ParseLast(bLast);
    return;
  }
  CCommandLineInfo::ParseParam(pszParam, bFlag, bLast);
}

void CWizardSelfTest::Prepare(CWizardApp* pApp, const CWizardCommandLineInfo& cmdInfo) {
  g_pApp = pApp;
  if (cmdInfo.m_bSelfTestOpen) {
    g_mode = Mode::kOpenCheck;
    return;
  }
  if (!cmdInfo.m_bSelfTest) return;
  g_mode = Mode::kSelfTest;
  CRecentFileList* pList = pApp->m_pRecentFileList;
  while (pList != nullptr && !(*pList)[0].IsEmpty()) pList->Remove(0);
  char szTemp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, szTemp);
  g_strFolder.Format("%swizard-selftest-%lu\\", szTemp, ::GetCurrentProcessId());
  ::CreateDirectoryA(g_strFolder, nullptr);
}

void CWizardSelfTest::Start(CWizardApp* pApp, const CWizardCommandLineInfo&) {
  if (g_mode == Mode::kOff) return;
  g_pApp = pApp;
  Frame()->SetTimer(kStepTimer, 50, RunStep);
}

int CWizardSelfTest::Finish(int nExitCode) {
  if (g_mode == Mode::kOff) return nExitCode;
  const size_t nSteps = (g_mode == Mode::kOpenCheck ? OpenCheckSteps() : SelfTestSteps()).size();
  if (g_mode == Mode::kSelfTest) {
    CheckPrompts({"Save changes to Untitled?"}, "File > Exit asks to save the changes");
    RemoveFolder();
  }
  Check(g_nStep == nSteps, "every step ran");
  if (g_mode == Mode::kSelfTest) {
    std::printf("wizard: ended with code %d, %d failed checks\n", nExitCode, g_nFailures);
    std::fflush(stdout);
  }
  return nExitCode != 0 ? nExitCode : g_nFailures;
}

bool CWizardSelfTest::Answer(LPCSTR lpszPrompt, UINT nType, int& nAnswer) {
  if (g_mode == Mode::kOff) return false;
  g_prompts.emplace_back(lpszPrompt);
  std::printf("wizard: prompt \"%s\"\n", lpszPrompt);
  if (!g_answers.empty()) {
    nAnswer = g_answers.front();
    g_answers.pop_front();
  } else {
    nAnswer = (nType & MB_TYPEMASK) == MB_OK ? IDOK : IDCANCEL;
  }
  return true;
}

void CWizardSelfTest::SaveSettings() { g_pApp->SaveStdProfileSettings(); }
