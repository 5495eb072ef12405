// The tour's steps with files, in a folder of their own: the sign saved
// through the Save As dialog, changed with the properties dialog, dropped
// for a new one at "Save changes?", opened again from the recent-file list
// and found as saved; a damaged copy refused through the Open dialog with
// one message; the end through File > Exit, whose "Save changes?" is
// answered Yes, and the file read back once the program's window is gone.
#include "SignTour.h"

#include <dlgs.h>

#include <fstream>
#include <iterator>
#include <set>

namespace tour {

namespace {

std::string g_folder;            // the tour's files, with a separator at the end
std::string g_savedBytes;        // the sign's file as first saved
SignSettings g_saved;            // the sign as first saved
SignSettings g_atExit;           // the sign File > Exit saves
size_t g_nPromptsBefore = 0;

std::string PathOf(const char* name) { return g_folder + name; }

std::string ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The folder's file names in order, each followed by a space.
std::string FolderFiles() {
  std::set<std::string> names;
  WIN32_FIND_DATAA found;
  const HANDLE hFind = ::FindFirstFileA(PathOf("*").c_str(), &found);
  if (hFind != INVALID_HANDLE_VALUE) {
    do {
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.insert(found.cFileName);
    } while (::FindNextFileA(hFind, &found));
    ::FindClose(hFind);
  }
  std::string text;
  for (const std::string& name : names) text += name + " ";
  return text;
}

void RemoveFolder() {
  WIN32_FIND_DATAA found;
  const HANDLE hFind = ::FindFirstFileA(PathOf("*").c_str(), &found);
  if (hFind != INVALID_HANDLE_VALUE) {
    do {
      ::DeleteFileA(PathOf(found.cFileName).c_str());
    } while (::FindNextFileA(hFind, &found));
    ::FindClose(hFind);
  }
  // The file dialogs made the folder the current one, which keeps it.
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  ::SetCurrentDirectoryA(temp);
  ::RemoveDirectoryA(g_folder.c_str());
}

// The prompts since the step began, each in quotes.
std::string NewPrompts() {
  std::string text;
  for (size_t i = g_nPromptsBefore; i < App()->m_prompts.size(); ++i) {
    text += (text.empty() ? "\"" : ", \"") + App()->m_prompts[i] + "\"";
  }
  return text.empty() ? "no prompt" : text;
}

bool PromptsWere(const std::vector<std::string>& expected) {
  const std::vector<std::string>& prompts = App()->m_prompts;
  return prompts.size() == g_nPromptsBefore + expected.size() &&
         std::equal(expected.begin(), expected.end(), prompts.begin() + g_nPromptsBefore);
}

void Command(UINT nID) {
  g_nPromptsBefore = App()->m_prompts.size();
  Frame()->PostMessage(WM_COMMAND, nID);
}

// The file dialog open now (Open or Save As) gets the path and its OK.
bool FillFileDialog(const std::string& path) {
  const HWND hDlg = Dialog();
  HWND hName = ::GetDlgItem(hDlg, edt1);
  if (hName == nullptr) hName = ::GetDlgItem(hDlg, cmb13);
  if (hDlg == Frame()->m_hWnd || hName == nullptr) return false;
  ::SetWindowTextA(hName, path.c_str());
  ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, IDOK)));
  return true;
}

// The File menu's first recent file, as the menu shows it.
std::string FirstRecentFile() {
  CMenu* pFileMenu = Frame()->GetMenu()->GetSubMenu(0);
  Frame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pFileMenu->m_hMenu),
                       MAKELPARAM(0, FALSE));
  CString item;
  pFileMenu->GetMenuString(ID_FILE_MRU_FILE1, item, MF_BYCOMMAND);
  return static_cast<LPCSTR>(item);
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The sign a .sign file holds; false when it does not load.
bool ReadSign(const std::string& path, SignSettings* pSettings) {
  CFile file;
  if (!file.Open(path.c_str(), CFile::modeRead)) return false;
  try {
    CArchive ar(&file, CArchive::load);
    *pSettings = LoadSign(ar);
    ar.Close();
    return true;
  } catch (CException* e) {
    e->Delete();
    return false;
  }
}

// The tour's files leave the recent-file list, which is kept after it.
void ForgetRecentFiles() {
  CRecentFileList* pList = App()->RecentFiles();
  for (int i = pList != nullptr ? pList->GetSize() - 1 : -1; i >= 0; --i) {
    if (std::string(static_cast<LPCSTR>((*pList)[i])).rfind(g_folder, 0) == 0) pList->Remove(i);
  }
}

std::string DescribeSign(const SignSettings& s) {
  char text[160];
  std::snprintf(text, sizeof text, "%.2f x %.2f in, letters %.2f in, stars %.0f %%, grid %.2f in",
                s.dWidth, s.dHeight, s.dLetterHeight, s.dShapeScale, s.dGrid);
  return text;
}

// Pixels of the frame's picture in the letter colours.
std::string LetterCounts(const PixelImage& image) {
  return std::to_string(image.Count(kLetterColours[0])) + " red, " +
         std::to_string(image.Count(kLetterColours[1])) + " green, " +
         std::to_string(image.Count(kLetterColours[2])) + " blue pixels";
}

}  // namespace

std::vector<TourStep> FileSteps() {
  return {
      {"save-as",
       [] {
         char temp[MAX_PATH] = {};
         ::GetTempPathA(MAX_PATH, temp);
         g_folder = std::string(temp) + "varnel-sign-tour-" +
                    std::to_string(::GetCurrentProcessId()) + "\\";
         ::CreateDirectoryA(g_folder.c_str(), nullptr);
         g_saved = Doc()->Settings();
         Command(ID_FILE_SAVE);
       },
       [] {
         // The Save As dialog's modal loop runs this tick: the name
         // without its extension, then OK.
         Expect(FillFileDialog(PathOf("Tour")),
                "File > Save of the untitled sign opened the Save As dialog; typed " +
                    PathOf("Tour"));
       }},
      {"saved", [] {},
       [] {
         g_savedBytes = ReadBytes(PathOf("Tour.sign"));
         Expect(PromptsWere({}) && FolderFiles() == "Tour.sign ",
                "saved as Tour.sign, the extension added, no temporary file left (" +
                    FolderFiles() + "), " + NewPrompts());
         Expect(FrameTitle() == "Tour.sign - Varnel Signs" && !Doc()->IsModified() &&
                    EndsWith(FirstRecentFile(), "Tour.sign"),
                "the sign takes the file's name (\"" + FrameTitle() +
                    "\"), unmodified, first in the recent files (\"" + FirstRecentFile() + "\")");
         // The sign's class tag: new class, schema 1, its name; then five
         // doubles and a colour.
         const std::string tag("\xFF\xFF\x01\x00\x05\x00" "CSign", 11);
         Expect(g_savedBytes.size() == 11 + 5 * 8 + 4 && g_savedBytes.compare(0, 11, tag) == 0,
                "the file holds one CSign of schema 1 (" + std::to_string(g_savedBytes.size()) +
                    " bytes)");
       }},
      {"change",
       [] { Command(ID_LAYOUT_PROPERTIES); },
       [] {
         const HWND hDlg = Dialog();
         Expect(hDlg != Frame()->m_hWnd, "the properties dialog is open");
         TypeInto(hDlg, IDC_WIDTH, "40");
         Click(::GetDlgItem(hDlg, IDC_BLUE));
         Click(::GetDlgItem(hDlg, IDOK));
       }},
      {"changed", [] {},
       [] {
         const SignSettings& s = Doc()->Settings();
         Expect(Doc()->IsModified() && Near(s.dWidth, 40.0, 1e-9) &&
                    s.crLetters == kLetterColours[2] && s.dGrid == g_saved.dGrid,
                "typed 40 in, clicked Blue, OK: the sign is modified (" + DescribeSign(s) + ")");
         const PixelImage image = Picture(Frame()->m_hWnd, "changed");
         Expect(image.Count(kLetterColours[2]) > 1000 && image.Count(kLetterColours[1]) == 0 &&
                    Doc()->Layout().board.right == 40 * kUnitsPerInch && !View()->IsZoomed(),
                "the view shows the narrower blue sign, zoomed out: " + LetterCounts(image));
       }},
      {"new",
       [] {
         App()->m_answers = {IDNO};
         Command(ID_FILE_NEW);
       },
       [] {
         Expect(PromptsWere({"Save changes to Tour.sign?"}), "File > New asked: " + NewPrompts());
         Expect(FrameTitle() == "Untitled - Varnel Signs" && !Doc()->IsModified() &&
                    Doc()->Settings() == SignSettings(),
                "answered No: a new default sign (" + DescribeSign(Doc()->Settings()) + ")");
         Expect(ReadBytes(PathOf("Tour.sign")) == g_savedBytes, "the file is as saved");
         const PixelImage image = Picture(Frame()->m_hWnd, "new");
         Expect(image.Count(kLetterColours[0]) > 1000 && image.Count(kLetterColours[2]) == 0,
                "red letters again: " + LetterCounts(image));
       }},
      {"reopen",
       [] { Command(ID_FILE_MRU_FILE1); },
       [] {
         Expect(PromptsWere({}) && FrameTitle() == "Tour.sign - Varnel Signs" &&
                    !Doc()->IsModified(),
                "the first recent file opened without a question: " + NewPrompts());
         Expect(Doc()->Settings() == g_saved,
                "the sign came back as saved: " + DescribeSign(Doc()->Settings()));
         const PixelImage image = Picture(Frame()->m_hWnd, "reopen");
         Expect(image.Count(kLetterColours[1]) > 1000 && image.Count(kLetterColours[0]) == 0 &&
                    Doc()->Layout().board.right == 60 * kUnitsPerInch && !View()->IsZoomed(),
                "the view shows it zoomed out, green: " + LetterCounts(image));
       }},
      {"open-damaged",
       [] {
         WriteBytes(PathOf("Damaged.sign"), g_savedBytes.substr(0, g_savedBytes.size() / 2));
         Command(ID_FILE_OPEN);
       },
       [] {
         Expect(FillFileDialog(PathOf("Damaged.sign")),
                "File > Open opened its dialog; chose Damaged.sign, the file cut in half");
       }},
      {"refused", [] {},
       [] {
         Expect(PromptsWere({"Unexpected file format."}),
                "the damaged file was refused with one message: " + NewPrompts());
         // Its reading began: the framework starts a new document rather
         // than keep a half-loaded one.
         Expect(::IsWindow(Frame()->m_hWnd) && FrameTitle() == "Untitled - Varnel Signs" &&
                    !Doc()->IsModified() && Doc()->Settings() == SignSettings(),
                "the sign is a new one (\"" + FrameTitle() + "\")");
         Expect(ReadBytes(PathOf("Tour.sign")) == g_savedBytes &&
                    EndsWith(FirstRecentFile(), "Tour.sign"),
                "Tour.sign is as saved and still the first recent file");
         // Sound archive data, amounts out of range: refused as well.
         std::string wide = g_savedBytes;
         const double dWidth = 1e6;
         wide.replace(11, 8, reinterpret_cast<const char*>(&dWidth), 8);
         WriteBytes(PathOf("Wide.sign"), wide);
         g_nPromptsBefore = App()->m_prompts.size();
         const bool bRefused = App()->OpenDocumentFile(PathOf("Wide.sign").c_str()) == nullptr;
         Expect(bRefused && PromptsWere({"Failed to open document."}) &&
                    Doc()->Settings() == SignSettings(),
                "a sign 1,000,000 in wide was refused too: " + NewPrompts());
         Picture(Frame()->m_hWnd, "refused");
       }},
      {"exit",
       [] {
         Frame()->SendMessage(WM_COMMAND, ID_FILE_MRU_FILE1);
         g_atExit = Doc()->Settings();
         g_atExit.dGrid = 1.5;
         g_atExit.crLetters = kLetterColours[2];
         Doc()->ChangeSettings(g_atExit);
         App()->m_answers = {IDYES};
         Command(ID_APP_EXIT);
       },
       [] {
         // The window is gone.
         SignSettings s;
         Expect(PromptsWere({"Save changes to Tour.sign?"}),
                "File > Exit of the changed sign asked: " + NewPrompts());
         const bool bRead = ReadSign(PathOf("Tour.sign"), &s);
         Expect(bRead && s == g_atExit,
                "answered Yes: Tour.sign holds the changed sign (" + DescribeSign(s) + ")");
         Expect(FolderFiles() == "Damaged.sign Tour.sign Wide.sign ",
                "no temporary file left: " + FolderFiles());
         ForgetRecentFiles();
         RemoveFolder();
       }},
  };
}

}  // namespace tour
