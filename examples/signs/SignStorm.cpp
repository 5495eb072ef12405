// The storm's driver: a thread of its own, outside the program's, that
// gives the program random input (SignStormInput.cpp), waits after each
// event until the program has handled it, answers the dialogs the program
// opens (SignStormDialogs.cpp), and asks the program's thread to check
// itself every few hundred events and at rest.
#include "SignStormDriver.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <thread>

namespace storm {

namespace {

// Registered messages of the probe window, a window of the program's
// thread: a marker the driver posts behind an event's messages (handled:
// the event is), and the request to check the invariants.
const UINT kMarker = ::RegisterWindowMessageA("Varnel.Storm.Marker");
const UINT kCheck = ::RegisterWindowMessageA("Varnel.Storm.Check");

constexpr DWORD kSettleTimeout = 10000;  // ms an event may take
constexpr int kCheckEvery = 250;         // events between invariant checks
constexpr int kRestEvery = 2000;        // events between checks at rest
constexpr int kLogLength = 50;
constexpr int kMemoryCheckFrom = 6000;  // events a run needs for its memory check

}  // namespace

// ---- what both threads share -------------------------------------------------------

HWND g_hFrame = nullptr;
HWND g_hProbe = nullptr;
DWORD g_nProgramThread = 0;
HANDLE g_hMarkerEvent = nullptr;
std::atomic<LONG> g_nMarkerSeen{0};
HANDLE g_hRestEvent = nullptr;
std::atomic<bool> g_bRestWanted{false};
RestCounts g_rest;        // written by the program's thread before g_hRestEvent is set
std::string g_checkResult;  // written while the driver waits for kCheck's answer

// ---- the driver's own state ----------------------------------------------------------

StormOptions g_options;
std::vector<int> g_weights;  // the options' weights, as the generator takes them
std::thread g_driver;
std::deque<std::string> g_log;
int g_nFailures = 0;
long long g_nTotalEvents = 0;
uint32_t g_seed = 0;
int g_nEvent = 0;
RestCounts g_start;       // the counts at the first rest
RestCounts g_warm;        // and after the first 2000 events
RestCounts g_last;        // and the latest
bool g_bHaveStart = false;
unsigned long long g_nBytesAt2000 = 0, g_nBytesAt20000 = 0;
std::string g_folder;     // where the storm saves and opens signs
int g_nDialogEvents = 0;  // events since the open dialog appeared
HWND g_hLastDialog = nullptr;
bool g_bStopped = false;

void Log(const std::string& what) {
  char head[48];
  std::snprintf(head, sizeof head, "#%d ", g_nEvent);
  g_log.push_back(head + what);
  if (g_log.size() > kLogLength) g_log.pop_front();
}

void Fail(const std::string& what) {
  ++g_nFailures;
  std::printf("not ok - storm seed %u, event %d: %s\n", g_seed, g_nEvent, what.c_str());
  std::printf("  the last %u events of seed %u (replay: --storm %u --events %d):\n",
              static_cast<unsigned>(g_log.size()), g_seed, g_seed, g_nEvent + 1);
  for (const std::string& line : g_log) std::printf("    %s\n", line.c_str());
  std::fflush(stdout);
  g_bStopped = true;
}

// A hung program cannot be closed: the run ends here.
[[noreturn]] void FailHung(const std::string& what) {
  Fail(what);
  std::printf("storm: ended with code 3, %d failed checks\n", g_nFailures);
  std::fflush(stdout);
  ::TerminateProcess(::GetCurrentProcess(), 3);
  std::abort();
}

bool Answers() {
  DWORD_PTR result = 0;
  return ::SendMessageTimeoutA(g_hFrame, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
}

// Wine's X11 driver gives the thread that moves the cursor a motion
// event of its own for each move, held until that thread reads its
// messages: the driver, which has no windows, reads them here and drops
// them. Unread, they grew its memory by about 220 bytes a move.
void ReadOwnMessages() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
}

// Waits until the program has handled everything posted so far.
void Settle() {
  ReadOwnMessages();
  static LONG nMarker = 0;
  ++nMarker;
  ::ResetEvent(g_hMarkerEvent);
  ::PostMessageA(g_hProbe, kMarker, 0, nMarker);
  const auto start = std::chrono::steady_clock::now();
  while (g_nMarkerSeen.load() < nMarker) {
    ::WaitForSingleObject(g_hMarkerEvent, 100);
    ::ResetEvent(g_hMarkerEvent);
    if (std::chrono::steady_clock::now() - start > std::chrono::milliseconds(kSettleTimeout)) {
      if (!Answers()) FailHung("the program stopped answering (SendMessageTimeout)");
      FailHung("the program answers but has not handled its posted input in 10 s");
    }
  }
}

// ---- the program's windows, seen from outside --------------------------------------

struct Popups {
  std::vector<HWND> dialogs;  // visible dialogs of the program's thread, the newest last
};

BOOL CALLBACK AddDialog(HWND hWnd, LPARAM lParam) {
  char name[16] = {};
  ::GetClassNameA(hWnd, name, sizeof name);
  if (::IsWindowVisible(hWnd) && std::strcmp(name, "#32770") == 0) {
    reinterpret_cast<Popups*>(lParam)->dialogs.push_back(hWnd);
  }
  return TRUE;
}

// The dialog the user would be typing into now: the program's enabled
// visible dialog (the others wait behind it), or null.
HWND OpenDialog() {
  Popups popups;
  ::EnumThreadWindows(g_nProgramThread, &AddDialog, reinterpret_cast<LPARAM>(&popups));
  for (HWND hDlg : popups.dialogs) {
    if (::IsWindowEnabled(hDlg)) return hDlg;
  }
  return nullptr;
}

HWND Pane(UINT nID) {
  const HWND hWnd = ::GetDlgItem(g_hFrame, static_cast<int>(nID));
  return hWnd != nullptr && ::IsWindowVisible(hWnd) ? hWnd : nullptr;
}

GUITHREADINFO ThreadInfo() {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  ::GetGUIThreadInfo(g_nProgramThread, &info);
  return info;
}

HWND FocusWindow() {
  const HWND hFocus = ThreadInfo().hwndFocus;
  return hFocus != nullptr ? hFocus : g_hFrame;
}

std::string Name(HWND hWnd) {
  char name[64] = {};
  ::GetClassNameA(hWnd, name, sizeof name);
  char text[64] = {};
  DWORD_PTR result = 0;
  ::SendMessageTimeoutA(hWnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 1000, &result);
  const int nID = ::GetDlgCtrlID(hWnd);
  return std::string(name) + (text[0] != '\0' ? " \"" + std::string(text) + "\"" : "") +
         (nID != 0 ? " #" + std::to_string(nID) : "");
}

StormRandom* g_pRandom = nullptr;
StormRandom& Rnd() { return *g_pRandom; }

// ---- the run ------------------------------------------------------------------------------

// How many events of each kind ran: the kinds below, then the dialogs'
// answers and the menu loops closed.
const char* const kKindNames[] = {"moves", "clicks", "drags", "frame edges", "wheels", "keys",
                                  "commands", "sizes", "accelerators", "dialog answers",
                                  "menu loops"};
constexpr int kDialogAnswer = 9, kMenuLoop = 10;
long long g_nKinds[11] = {};

void TimedEvent();

// The slowest event: how long the program took to handle it.
double g_dSlowest = 0;
std::string g_slowest;

// The largest growth of the process's private memory in one event, and the
// event: where a growth at rest comes from.
unsigned long long g_nBytesBefore = 0, g_nLargestGrowth = 0;
std::string g_largestGrowth;

void NoteGrowth() {
  const unsigned long long nBytes = PrivateBytes();
  if (g_nBytesBefore != 0 && nBytes > g_nBytesBefore + g_nLargestGrowth && !g_log.empty()) {
    g_nLargestGrowth = nBytes - g_nBytesBefore;
    g_largestGrowth = "seed " + std::to_string(g_seed) + " " + g_log.back();
  }
  g_nBytesBefore = nBytes;
}

void OneEvent() {
  const auto start = std::chrono::steady_clock::now();
  TimedEvent();
  NoteGrowth();
  const double dSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (dSeconds > g_dSlowest && !g_log.empty()) {
    g_dSlowest = dSeconds;
    g_slowest = g_log.back();
  }
}

// Every event ends with its buttons up: nothing but a dropped list or an
// open menu (which hold it until they close) may keep the mouse captured.
// Checked after each event, since the next press would end a drag left
// hanging and hide it from the periodic checks.
void CheckCaptureReleased() {
  const GUITHREADINFO info = ThreadInfo();
  if ((info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE)) != 0 || MayHoldCapture(info.hwndCapture)) {
    return;
  }
  Fail("the mouse is still captured by " + Name(info.hwndCapture) + " after the event");
}

void TimedEvent() {
  ++g_nEvent;
  ++g_nTotalEvents;
  // A menu left in its loop is closed the way a user would.
  if ((ThreadInfo().flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE)) != 0) {
    ++g_nKinds[kMenuLoop];
    Log("Escape to the menu");
    PostKey(FocusWindow(), VK_ESCAPE);
    Settle();
    return;
  }
  if (const HWND hDlg = OpenDialog()) {
    if (hDlg != g_hLastDialog) g_nDialogEvents = 0;
    g_hLastDialog = hDlg;
    ++g_nDialogEvents;
    ++g_nKinds[kDialogAnswer];
    AnswerDialog(hDlg, g_nDialogEvents > 40);
    Settle();
    return;
  }
  g_hLastDialog = nullptr;
  const std::string head = "#" + std::to_string(g_nEvent) + " ";
  const int nKind = Rnd().Weighted(g_weights);
  ++g_nKinds[nKind];
  switch (nKind) {
    case 0: MouseMoves(); break;
    case 1: ClickOrDrag(false); break;
    case 2: ClickOrDrag(true); break;
    case 3: NonClient(); break;
    case 4: Wheel(); break;
    case 5: Key(); break;
    case 6: MenuCommand(); break;
    case 7: FrameSize(); break;
    default: Accelerator(); break;
  }
  if (g_log.empty() || g_log.back().compare(0, head.size(), head) != 0) Log("nothing to do");
  Settle();
  CheckCaptureReleased();
}

// Closes whatever is open (dialogs, the preview, a minimised frame) the
// way a user would, until the program is back at its frame.
void BackToFrame() {
  for (int i = 0; i < 100; ++i) {
    const HWND hDlg = OpenDialog();
    if (hDlg != nullptr) {
      AnswerDialog(hDlg, true);
    } else if (Pane(AFX_IDW_PREVIEW_BAR) != nullptr) {
      Log("close the preview");
      ::PostMessageA(g_hFrame, WM_COMMAND, AFX_ID_PREVIEW_CLOSE, 0);
    } else if (::IsIconic(g_hFrame) || ::IsZoomed(g_hFrame)) {
      Log("restore");
      ::PostMessageA(g_hFrame, WM_SYSCOMMAND, SC_RESTORE, 0);
    } else {
      return;
    }
    Settle();
  }
  Fail("the program could not be brought back to its frame: " + Name(OpenDialog()));
}

void CheckNow() {
  Settle();
  DWORD_PTR result = 0;
  if (!::SendMessageTimeoutA(g_hProbe, kCheck, 0, 0, SMTO_ABORTIFHUNG, kSettleTimeout, &result)) {
    FailHung("the program did not answer the check");
  }
  if (!g_checkResult.empty()) Fail(g_checkResult);
}

std::string g_memorySeries;  // MB at each rest
// The figures at the rests from 2000 events on.
std::vector<unsigned long long> g_measured;

void NoteMemory(unsigned long long nBytes) {
  char text[32];
  std::snprintf(text, sizeof text, " %.1f", static_cast<double>(nBytes) / 1048576.0);
  g_memorySeries += text;
  if (g_nTotalEvents >= 2000 && g_nBytesAt2000 == 0) g_nBytesAt2000 = nBytes;
  if (g_nTotalEvents >= 20000 && g_nBytesAt20000 == 0) g_nBytesAt20000 = nBytes;
  if (g_nTotalEvents >= 2000) g_measured.push_back(nBytes);
}

// Whether the memory grew by more than 5%: the mean of the last third of
// the rests from 2000 events on against the mean of the middle third. The
// figure at one rest moves by several MB with what the system keeps of the
// last dialogs and fonts (the glyphs of the last five fonts drawn: a
// sign's letters zoomed in to a thousand pixels hold tens of MB, and the
// heap keeps its high-water mark after they go), and it climbs in steps
// through the first third as the storm draws its letters larger than
// before; a leak goes on raising every later rest.
bool MemoryGrew() {
  const size_t nThird = g_measured.size() / 3;
  if (nThird == 0) return false;
  double dMiddle = 0, dLast = 0;
  for (size_t i = 0; i < nThird; ++i) {
    dMiddle += static_cast<double>(g_measured[nThird + i]);
    dLast += static_cast<double>(g_measured[g_measured.size() - 1 - i]);
  }
  std::printf("storm: private memory, mean of the rests: %.1f MB in the middle third, %.1f MB in "
              "the last\n",
              dMiddle / nThird / 1048576.0, dLast / nThird / 1048576.0);
  return dLast > dMiddle * 1.05;
}

std::string Compare(const char* what, int nNow, int nStart, int nSlack) {
  if (nNow <= nStart + nSlack && nNow >= nStart - nSlack) return "";
  return std::string(what) + " " + std::to_string(nNow) + " at rest, " + std::to_string(nStart) +
         " at the start; ";
}

// A damaged sign, and no missing.sign: written at the start and again at
// each rest, since the file dialog's answers pick among the same names
// for saving as for opening, and a save mends the one, makes the other.
void DamageAndRemove() {
  const HANDLE hFile = ::CreateFileA((g_folder + "damaged.sign").c_str(), GENERIC_WRITE, 0,
                                     nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD nWritten = 0;
  ::WriteFile(hFile, "not a sign", 10, &nWritten, nullptr);
  ::CloseHandle(hFile);
  ::DeleteFileA((g_folder + "missing.sign").c_str());
}

// The storm's folder: a damaged sign, none yet of the others.
void MakeFolder() {
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  g_folder = std::string(temp) + "varnel-storm-" + std::to_string(::GetCurrentProcessId()) + "\\";
  ::CreateDirectoryA(g_folder.c_str(), nullptr);
  DamageAndRemove();
}

// At rest with nothing open, in the program's idle time: no capture, no
// modal loop, and the counts back where they started.
void CheckAtRest() {
  BackToFrame();
  if (g_bStopped) return;
  Settle();
  g_bRestWanted = true;
  ::ResetEvent(g_hRestEvent);
  ::PostMessageA(g_hFrame, WM_NULL, 0, 0);  // the idle time comes after a message
  if (::WaitForSingleObject(g_hRestEvent, kSettleTimeout) != WAIT_OBJECT_0) {
    g_bRestWanted = false;
    if (!Answers()) FailHung("the program stopped answering on its way to rest");
    return Fail("the program never came to rest: a modal loop is open (" + Name(OpenDialog()) + ")");
  }
  const RestCounts now = g_rest;
  DamageAndRemove();
  if (!now.problem.empty()) return Fail(now.problem);
  NoteMemory(now.nPrivateBytes);
  g_last = now;
  if (!g_bHaveStart) {
    g_start = now;
    g_bHaveStart = true;
  }
  // The process makes many objects on their first use (the dialogs, their
  // fonts and pictures, the system's caches): its own counts are compared
  // with those after the first 2000 events, the library's with the start.
  if (g_nTotalEvents == kRestEvery) g_warm = now;
  std::string problem = Compare("cached drawing objects", now.nCached, g_start.nCached, 0) +
                        Compare("open cache brackets", now.nBrackets, 0, 0) +
                        Compare("temporary wrappers after idle", now.nTemporary, 0, 0);
  if (g_nTotalEvents > kRestEvery) {
    // A few objects come and go with the system's own caches.
    problem += Compare("permanent wrappers", now.nPermanent, g_warm.nPermanent, 0) +
               Compare("live GDI objects", now.nGdiObjects, g_warm.nGdiObjects, 40) +
               Compare("live windows", now.nWindows, g_warm.nWindows, 8);
  }
  if (!problem.empty()) Fail(problem);
}

void RunSeed(uint32_t seed) {
  StormRandom random(seed);
  g_pRandom = &random;
  g_seed = seed;
  g_nEvent = 0;
  g_log.clear();
  for (int i = 0; i < g_options.nEvents && !g_bStopped; ++i) {
    OneEvent();
    if (g_nEvent % kCheckEvery == 0) CheckNow();
    if (g_nTotalEvents % kRestEvery == 0 && !g_bStopped) CheckAtRest();
  }
  if (!g_bStopped) CheckNow();
  if (!g_bStopped) CheckAtRest();
  g_pRandom = nullptr;
}

// The signs the storm saved, by name.
std::string SavedSigns() {
  std::string names;
  WIN32_FIND_DATAA found;
  const HANDLE hFind = ::FindFirstFileA((g_folder + "*.sign").c_str(), &found);
  if (hFind != INVALID_HANDLE_VALUE) {
    do {
      if (std::strcmp(found.cFileName, "damaged.sign") != 0) names += std::string(" ") + found.cFileName;
    } while (::FindNextFileA(hFind, &found));
    ::FindClose(hFind);
  }
  return names.empty() ? " none" : names;
}

void RemoveFolder() {
  WIN32_FIND_DATAA found;
  const HANDLE hFind = ::FindFirstFileA((g_folder + "*").c_str(), &found);
  if (hFind != INVALID_HANDLE_VALUE) {
    do {
      ::DeleteFileA((g_folder + found.cFileName).c_str());
    } while (::FindNextFileA(hFind, &found));
    ::FindClose(hFind);
  }
  ::RemoveDirectoryA(g_folder.c_str());
}

double g_dSeconds = 0;

// Each command that opens a dialog or the preview, once, answered, before
// the counts start: the system loads what they need (the common dialogs'
// and the printer's libraries, the picture encoder) on their first use and
// keeps it. Without this the storm meets them at random times in its first
// thousands of events, and that one-time load would read as a growth.
void WarmUp() {
  StormRandom random(0);  // the answers to the dialogs draw from it
  g_pRandom = &random;
  for (UINT nID : {ID_LAYOUT_PROPERTIES, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT, ID_FILE_PRINT_SETUP,
                   ID_FILE_EXPORT, ID_FILE_OPEN, ID_FILE_SAVE_AS}) {
    if (g_bStopped) break;
    Log("warm-up: menu command " + std::to_string(nID));
    ::PostMessageA(g_hFrame, WM_COMMAND, nID, 0);
    Settle();
    BackToFrame();
  }
  // The sign's letters at the largest size the view shows them, the frame
  // maximised and zoomed in to the view's limit: the system keeps the
  // glyphs of the last few fonts drawn, and its heap the high-water mark
  // of the largest, which the storm would otherwise reach at random.
  Log("warm-up: maximise, zoom in to the limit, zoom all");
  ::PostMessageA(g_hFrame, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  for (int i = 0; i < 16; ++i) ::PostMessageA(g_hFrame, WM_COMMAND, ID_VIEW_ZOOM_IN, 0);
  ::PostMessageA(g_hFrame, WM_COMMAND, ID_VIEW_ZOOM_ALL, 0);
  Settle();
  BackToFrame();
  g_pRandom = nullptr;
}

void Drive() {
  const auto start = std::chrono::steady_clock::now();
  WarmUp();
  CheckAtRest();  // the start's counts
  for (uint32_t seed : g_options.seeds) {
    if (g_bStopped) break;
    RunSeed(seed);
  }
  g_dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  // The end: File > Exit, "Save changes?" answered No.
  g_bStopped = true;
  BackToFrame();
  ::PostMessageA(g_hFrame, WM_COMMAND, ID_APP_EXIT, 0);
  for (int i = 0; i < 200 && ::IsWindow(g_hFrame); ++i) {
    ::Sleep(20);
    const HWND hDlg = OpenDialog();
    if (hDlg == nullptr) continue;
    if (const HWND hNo = ::GetDlgItem(hDlg, IDNO)) {
      ClickControl(hNo);
    } else {
      ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
    }
  }
}

LRESULT CALLBACK ProbeProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kMarker) {
    g_nMarkerSeen = static_cast<LONG>(lParam);
    ::SetEvent(g_hMarkerEvent);
    return 0;
  }
  if (message == kCheck) {
    g_checkResult = CheckInvariants();
    return 1;
  }
  return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

}  // namespace storm

using namespace storm;

void StartStorm(CSignFrame* pFrame, const StormOptions& options) {
  g_options = options;
  g_weights.assign(options.weights.begin(), options.weights.end());
  g_hFrame = pFrame->m_hWnd;
  g_nProgramThread = ::GetCurrentThreadId();
  WNDCLASSA wc = {};
  wc.lpfnWndProc = &ProbeProc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = "VarnelStormProbe";
  ::RegisterClassA(&wc);
  g_hProbe = ::CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               wc.hInstance, nullptr);
  g_hMarkerEvent = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
  g_hRestEvent = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
  MakeFolder();
  pFrame->View()->m_strExportDir = g_folder;
  g_driver = std::thread(&Drive);
}

void StormAtRest() {
  if (!g_bRestWanted.exchange(false)) return;
  g_rest = CountAtRest();
  ::SetEvent(g_hRestEvent);
}

int EndStorm() {
  if (g_driver.joinable()) g_driver.join();
  std::printf("storm: signs saved:%s\n", SavedSigns().c_str());
  std::printf("storm: private memory (MB) at each rest:%s\n", g_memorySeries.c_str());
  RemoveFolder();
  std::printf("storm: %lld events from %u seeds of %d in %.1f s; private memory %.1f MB after "
              "2000 events, %.1f MB after 20000\n",
              g_nTotalEvents, static_cast<unsigned>(g_options.seeds.size()), g_options.nEvents,
              g_dSeconds, static_cast<double>(g_nBytesAt2000) / 1048576.0,
              static_cast<double>(g_nBytesAt20000) / 1048576.0);
  // In a run long enough to show a steady growth.
  if (g_nTotalEvents >= kMemoryCheckFrom && MemoryGrew()) {
    ++g_nFailures;
    std::printf("not ok - private memory grew by more than 5%% in the last third of %lld "
                "events\n", g_nTotalEvents);
  }
  std::string kinds;
  for (int i = 0; i < 11; ++i) {
    kinds += (i > 0 ? ", " : "") + std::to_string(g_nKinds[i]) + " " + kKindNames[i];
  }
  std::printf("storm: %s; the slowest event took %.2f s: %s\n", kinds.c_str(), g_dSlowest,
              g_slowest.c_str());
  std::printf("storm: the largest growth of private memory in one event: %.1f MB, %s\n",
              static_cast<double>(g_nLargestGrowth) / 1048576.0, g_largestGrowth.c_str());
  std::printf("storm: at rest at the start: %d cached, %d permanent wrappers, %d GDI objects, %d "
              "windows; after 2000 events: %d, %d, %d, %d; at the end: %d, %d, %d, %d\n",
              g_start.nCached, g_start.nPermanent, g_start.nGdiObjects, g_start.nWindows,
              g_warm.nCached, g_warm.nPermanent, g_warm.nGdiObjects, g_warm.nWindows,
              g_last.nCached, g_last.nPermanent, g_last.nGdiObjects, g_last.nWindows);
  std::fflush(stdout);
  return g_nFailures;
}
