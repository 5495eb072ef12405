// The storm's driver: a thread of its own, outside the program's, that
// gives the program random input as the system would deliver a user's
// (the cursor moved, then the mouse and key messages posted to the window
// under it or with the focus), waits after each event until the program
// has handled it, and answers the dialogs the program opens.
#include "SignStorm.h"

#include <dlgs.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <thread>

namespace storm {

// ---- the generator ---------------------------------------------------------------------

uint32_t StormRandom::Next() {
  // MT19937, as published: the same 32-bit outputs as std::mt19937.
  if (m_index > 624) {
    m_mt[0] = m_state;
    for (uint32_t i = 1; i < 624; ++i) {
      m_mt[i] = 1812433253u * (m_mt[i - 1] ^ (m_mt[i - 1] >> 30)) + i;
    }
    m_index = 624;
  }
  if (m_index == 624) {
    for (int i = 0; i < 624; ++i) {
      const uint32_t y = (m_mt[i] & 0x80000000u) | (m_mt[(i + 1) % 624] & 0x7fffffffu);
      m_mt[i] = m_mt[(i + 397) % 624] ^ (y >> 1) ^ ((y & 1u) != 0 ? 0x9908b0dfu : 0u);
    }
    m_index = 0;
  }
  uint32_t y = m_mt[m_index++];
  y ^= y >> 11;
  y ^= (y << 7) & 0x9d2c5680u;
  y ^= (y << 15) & 0xefc60000u;
  return y ^ (y >> 18);
}

int StormRandom::Between(int lo, int hi) {
  // The 32 bits scaled onto the span: no division, no rejection loop.
  const uint64_t span = static_cast<uint64_t>(static_cast<int64_t>(hi) - lo + 1);
  return static_cast<int>(lo + static_cast<int64_t>((Next() * span) >> 32));
}

int StormRandom::Weighted(const std::vector<int>& weights) {
  int total = 0;
  for (int w : weights) total += w;
  int pick = Between(0, total - 1);
  for (size_t i = 0; i < weights.size(); ++i) {
    if (pick < weights[i]) return static_cast<int>(i);
    pick -= weights[i];
  }
  return static_cast<int>(weights.size()) - 1;
}

bool ParseSeeds(const char* text, std::vector<uint32_t>* pSeeds) {
  pSeeds->clear();
  while (*text != '\0') {
    char* end = nullptr;
    const unsigned long seed = std::strtoul(text, &end, 10);
    if (end == text || (*end != ',' && *end != '\0')) return false;
    pSeeds->push_back(static_cast<uint32_t>(seed));
    text = *end == ',' ? end + 1 : end;
  }
  return !pSeeds->empty();
}

bool ParseWeights(const char* text, std::vector<uint32_t>* pWeights) {
  std::vector<uint32_t> weights;
  if (!ParseSeeds(text, &weights) || weights.size() != kEventKinds) return false;
  uint64_t total = 0;
  for (uint32_t w : weights) total += w;
  if (total == 0 || total > 1000000) return false;
  *pWeights = weights;
  return true;
}

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

// ---- input as the system posts it ------------------------------------------------------

StormRandom* g_pRandom = nullptr;
StormRandom& Rnd() { return *g_pRandom; }

// A point of the window's client area, sometimes a little outside it.
POINT PointIn(HWND hWnd, int nOutside) {
  RECT rc;
  ::GetClientRect(hWnd, &rc);
  return {Rnd().Between(rc.left - nOutside, std::max(rc.left, rc.right - 1) + nOutside),
          Rnd().Between(rc.top - nOutside, std::max(rc.top, rc.bottom - 1) + nOutside)};
}

UINT ModifierKeys() {
  UINT keys = 0;
  if (Rnd().Chance(10)) keys |= MK_SHIFT;
  if (Rnd().Chance(10)) keys |= MK_CONTROL;
  return keys;
}

void MoveCursor(HWND hWnd, POINT client) {
  POINT screen = client;
  ::ClientToScreen(hWnd, &screen);
  ::SetCursorPos(screen.x, screen.y);
}

void PostMouse(HWND hWnd, UINT message, UINT keys, POINT client) {
  MoveCursor(hWnd, client);
  ::PostMessageA(hWnd, message, keys, MAKELPARAM(client.x, client.y));
}

struct Button {
  UINT down, up, flag;
  const char* name;
};
const Button kButtons[] = {{WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, "left"},
                           {WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, "right"},
                           {WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON, "middle"}};

std::string At(POINT pt) { return "(" + std::to_string(pt.x) + ", " + std::to_string(pt.y) + ")"; }

// The child window under a point of hWnd's client area, as deep as the
// system would find it.
HWND DeepestAt(HWND hWnd, POINT* pClient) {
  for (;;) {
    const HWND hChild =
        ::ChildWindowFromPointEx(hWnd, *pClient, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED);
    if (hChild == nullptr || hChild == hWnd) return hWnd;
    ::MapWindowPoints(hWnd, hChild, pClient, 1);
    hWnd = hChild;
  }
}

void PostKey(HWND hWnd, UINT vk) {
  const LPARAM scan = static_cast<LPARAM>(::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)) << 16;
  ::PostMessageA(hWnd, WM_KEYDOWN, vk, 1 | scan);
  Settle();  // its translation posts the character behind it
  ::PostMessageA(hWnd, WM_KEYUP, vk, 1 | scan | (1L << 30) | (1L << 31));
}

// A character as typed: its key when no shift state is needed, else the
// character the key's translation would give.
void TypeChar(HWND hWnd, char c) {
  const SHORT scan = ::VkKeyScanA(c);
  if (scan != -1 && (scan & 0xFF00) == 0) {
    PostKey(hWnd, static_cast<UINT>(scan & 0xFF));
  } else {
    ::PostMessageA(hWnd, WM_CHAR, static_cast<unsigned char>(c), 1);
  }
  Settle();
}

const UINT kKeys[] = {VK_LEFT,   VK_RIGHT, VK_UP,     VK_DOWN, VK_PRIOR, VK_NEXT, VK_HOME,
                      VK_END,    VK_ESCAPE, VK_RETURN, VK_TAB,  'A',      'Q',     'Z',
                      '0',       '5',      '9',       VK_F4,   VK_DELETE, VK_BACK};

std::string KeyName(UINT vk) {
  char name[32] = {};
  ::GetKeyNameTextA(static_cast<LONG>(::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC) << 16), name,
                    sizeof name);
  return name[0] != '\0' ? name : "vk " + std::to_string(vk);
}

// Amount text a user might type or paste: good amounts, fractions, units,
// out of range, and garbage.
std::string AmountText() {
  static const char* const kTexts[] = {"60",     "6 1/2", "12.5 in", "50 cm", "1'6\"", "150",
                                        "75 %",   "0",     "-3",      "1e9",   "abc",   "3//4",
                                        "99999",  "2.",    ".5",      "  7 ",  "1/0",   "%%",
                                        "120",    "250",   "20 cm",   "0.001", "4 4",   ""};
  std::string text = kTexts[Rnd().Between(0, sizeof kTexts / sizeof kTexts[0] - 1)];
  if (Rnd().Chance(15)) text += static_cast<char>(Rnd().Between(33, 126));
  return text;
}

bool PutOnClipboard(const std::string& text) {
  if (!::OpenClipboard(nullptr)) return false;
  ::EmptyClipboard();
  const HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  bool bDone = false;
  if (hMem != nullptr) {
    std::memcpy(::GlobalLock(hMem), text.c_str(), text.size() + 1);
    ::GlobalUnlock(hMem);
    bDone = ::SetClipboardData(CF_TEXT, hMem) != nullptr;
    if (!bDone) ::GlobalFree(hMem);
  }
  ::CloseClipboard();
  return bDone;
}

// ---- the events ---------------------------------------------------------------------------

// A place for the mouse: the view, a bar or the frame's own edges.
HWND MouseTarget(std::string* pName) {
  const HWND hView = Pane(AFX_IDW_PANE_FIRST);
  const HWND hToolBar = Pane(AFX_IDW_TOOLBAR);
  const HWND hStatus = Pane(AFX_IDW_STATUS_BAR);
  const HWND hPreviewBar = Pane(AFX_IDW_PREVIEW_BAR);
  switch (Rnd().Weighted({70, 12, 6, 12})) {
    case 1:
      if (hPreviewBar != nullptr) return *pName = "preview bar", hPreviewBar;
      if (hToolBar != nullptr) return *pName = "toolbar", hToolBar;
      break;
    case 2:
      if (hStatus != nullptr) return *pName = "status bar", hStatus;
      break;
    case 3:
      return *pName = "frame", g_hFrame;
    default:
      break;
  }
  *pName = "view";
  return hView != nullptr ? hView : g_hFrame;
}

void MouseMoves() {
  std::string name;
  HWND hWnd = MouseTarget(&name);
  POINT pt = PointIn(hWnd, 0);
  hWnd = DeepestAt(hWnd, &pt);
  const int n = Rnd().Between(1, 4);
  for (int i = 0; i < n; ++i) {
    if (i > 0) pt = PointIn(hWnd, 0);
    PostMouse(hWnd, WM_MOUSEMOVE, 0, pt);
  }
  Log(std::to_string(n) + " moves over the " + name + " to " + At(pt));
}

// A click or a drag with one button over the view or a bar; during a drag
// the wheel may turn, a key be pressed or the frame be resized.
void ClickOrDrag(bool bDrag) {
  std::string name;
  HWND hWnd = MouseTarget(&name);
  if (hWnd == g_hFrame) hWnd = Pane(AFX_IDW_PANE_FIRST);
  if (hWnd == nullptr) return;
  POINT pt = PointIn(hWnd, 0);
  hWnd = DeepestAt(hWnd, &pt);
  const Button& button = kButtons[Rnd().Weighted({70, 22, 8})];
  const UINT keys = ModifierKeys();
  std::string what = std::string(bDrag ? "drag" : "click") + " " + button.name + " on " + name +
                     " (" + Name(hWnd) + ") at " + At(pt);
  PostMouse(hWnd, button.down, keys | button.flag, pt);
  if (bDrag) {
    const int nMoves = Rnd().Between(2, 8);
    for (int i = 0; i < nMoves; ++i) {
      pt = PointIn(hWnd, 60);
      PostMouse(hWnd, WM_MOUSEMOVE, keys | button.flag, pt);
      if (Rnd().Chance(8)) {
        Settle();
        const int nWhat = Rnd().Between(0, 3);
        if (nWhat == 0) {
          POINT screen = pt;
          ::ClientToScreen(hWnd, &screen);
          ::PostMessageA(hWnd, WM_MOUSEWHEEL, MAKEWPARAM(keys | button.flag, WHEEL_DELTA),
                         MAKELPARAM(screen.x, screen.y));
          what += ", the wheel";
        } else if (nWhat == 1) {
          PostKey(hWnd, VK_ESCAPE);
          what += ", Escape";
        } else if (nWhat == 2) {
          ::PostMessageA(g_hFrame, WM_SYSCOMMAND, Rnd().Chance(50) ? SC_MINIMIZE : SC_RESTORE, 0);
          what += ", minimised or restored";
        } else {
          const int cx = Rnd().Between(300, 1200), cy = Rnd().Between(200, 900);
          ::SetWindowPos(g_hFrame, nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOMOVE);
          what += ", resized to " + std::to_string(cx) + " x " + std::to_string(cy);
        }
      }
    }
    what += " to " + At(pt);
  }
  PostMouse(hWnd, button.up, keys, pt);
  // A double click: the second press comes as the double-click message
  // where the window's class asks for them.
  if (!bDrag && Rnd().Chance(15) && (::GetClassLongA(hWnd, GCL_STYLE) & CS_DBLCLKS) != 0) {
    PostMouse(hWnd, button.down + 2, keys | button.flag, pt);
    PostMouse(hWnd, button.up, keys, pt);
    what += ", twice";
  }
  Log(what);
}

// A click or a drag on the frame's edges and bars drawn by the system: a
// scroll bar of the view, the caption, the sizing corner.
void NonClient() {
  const HWND hView = Pane(AFX_IDW_PANE_FIRST);
  RECT rc;
  HWND hWnd = g_hFrame;
  UINT nHit = HTCAPTION;
  const int nWhere = Rnd().Between(0, 4);
  POINT screen = {};
  if (nWhere <= 1 && hView != nullptr) {
    const LONG style = ::GetWindowLongA(hView, GWL_STYLE);
    const bool bVert = nWhere == 1;
    if ((style & (bVert ? WS_VSCROLL : WS_HSCROLL)) == 0) return;
    SCROLLBARINFO info = {};
    info.cbSize = sizeof info;
    if (!::GetScrollBarInfo(hView, bVert ? OBJID_VSCROLL : OBJID_HSCROLL, &info)) return;
    rc = info.rcScrollBar;
    hWnd = hView;
    nHit = bVert ? HTVSCROLL : HTHSCROLL;
  } else {
    ::GetWindowRect(g_hFrame, &rc);
    if (nWhere == 2) {
      rc.bottom = rc.top + ::GetSystemMetrics(SM_CYCAPTION);
      rc.left += 40;
      rc.right -= 120;
    } else if (nWhere == 4) {
      // The menu bar: its loop runs until a choice, Escape or a click
      // elsewhere.
      MENUBARINFO bar = {};
      bar.cbSize = sizeof bar;
      if (!::GetMenuBarInfo(g_hFrame, OBJID_MENU, 0, &bar)) return;
      rc = bar.rcBar;
      nHit = HTMENU;
    } else {
      rc.left = rc.right - 4;
      rc.top = rc.bottom - 4;
      nHit = HTBOTTOMRIGHT;
    }
  }
  if (rc.right <= rc.left || rc.bottom <= rc.top) return;
  screen = {Rnd().Between(rc.left, rc.right - 1), Rnd().Between(rc.top, rc.bottom - 1)};
  ::SetCursorPos(screen.x, screen.y);
  ::PostMessageA(hWnd, WM_NCMOUSEMOVE, nHit, MAKELPARAM(screen.x, screen.y));
  ::PostMessageA(hWnd, WM_NCLBUTTONDOWN, nHit, MAKELPARAM(screen.x, screen.y));
  std::string what = "press on hit code " + std::to_string(nHit) + " at " + At(screen);
  if (nHit == HTCAPTION || nHit == HTBOTTOMRIGHT) {
    screen.x += Rnd().Between(-80, 80);
    screen.y += Rnd().Between(-80, 80);
    ::SetCursorPos(screen.x, screen.y);
    POINT client = screen;
    ::ScreenToClient(hWnd, &client);
    ::PostMessageA(hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    what += ", dragged to " + At(screen);
  }
  POINT client = screen;
  ::ScreenToClient(hWnd, &client);
  ::PostMessageA(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
  Log(what);
}

void Wheel() {
  const HWND hWnd = FocusWindow();
  POINT screen;
  ::GetCursorPos(&screen);
  const bool bSideways = Rnd().Chance(20);
  const int nNotch = Rnd().Chance(80) ? WHEEL_DELTA : Rnd().Between(1, 3) * 40;
  const short zDelta = static_cast<short>(Rnd().Chance(50) ? nNotch : -nNotch);
  const UINT keys = bSideways ? 0 : ModifierKeys();
  ::PostMessageA(hWnd, bSideways ? WM_MOUSEHWHEEL : WM_MOUSEWHEEL,
                 MAKEWPARAM(keys, static_cast<WORD>(zDelta)), MAKELPARAM(screen.x, screen.y));
  Log(std::string(bSideways ? "sideways wheel " : "wheel ") + std::to_string(zDelta) +
      ((keys & MK_SHIFT) != 0 ? " +Shift" : "") + ((keys & MK_CONTROL) != 0 ? " +Ctrl" : "") +
      " to " + Name(hWnd));
}

void Key() {
  const HWND hWnd = FocusWindow();
  const UINT vk = kKeys[Rnd().Between(0, sizeof kKeys / sizeof kKeys[0] - 1)];
  Log("key " + KeyName(vk) + " to " + Name(hWnd));
  PostKey(hWnd, vk);
}

// The accelerators, typed through SendInput: the system's own input
// queue, whose key state (Ctrl held) the accelerator table reads; posted
// key messages leave it unchanged.
void Accelerator() {
  static const UINT kAccelerators[] = {'N', 'O', 'S', 'P', VK_ADD, VK_SUBTRACT};
  const bool bCtrl = Rnd().Chance(85);
  const UINT vk = bCtrl ? kAccelerators[Rnd().Between(0, 5)] : VK_HOME;
  INPUT input[4] = {};
  int n = 0;
  auto key = [&input, &n](UINT nKey, DWORD dwFlags) {
    input[n].type = INPUT_KEYBOARD;
    input[n].ki.wVk = static_cast<WORD>(nKey);
    input[n].ki.dwFlags = dwFlags;
    ++n;
  };
  if (bCtrl) key(VK_CONTROL, 0);
  key(vk, 0);
  key(vk, KEYEVENTF_KEYUP);
  if (bCtrl) key(VK_CONTROL, KEYEVENTF_KEYUP);
  Log(std::string(bCtrl ? "Ctrl+" : "") + KeyName(vk) + " through SendInput");
  ::SendInput(static_cast<UINT>(n), input, sizeof(INPUT));
  // The program takes posted messages before input, so the marker that
  // Settle posts is handled before these keys: wait for it, then give the
  // program the moment it needs to take the keys, so that a dialog they
  // open is up before the next event (or a check at rest) looks for one.
  Settle();
  ::Sleep(50);
}

struct Command {
  UINT nID;
  int nWeight;
  bool bOnToolBar;
};
const Command kCommands[] = {
    {ID_VIEW_ZOOM_IN, 8, true},       {ID_VIEW_ZOOM_OUT, 8, true},
    {ID_VIEW_ZOOM_ALL, 5, true},      {ID_VIEW_FIT_WIDTH, 4, true},
    {ID_VIEW_FIT_HEIGHT, 4, true},    {ID_VIEW_FIT_BOTH, 4, true},
    {ID_VIEW_SMOOTH, 3, false},       {ID_VIEW_CENTIMETRES, 2, false},
    {ID_VIEW_TOOLBAR, 2, false},      {ID_VIEW_STATUS_BAR, 2, false},
    {ID_LAYOUT_PROPERTIES, 10, false}, {ID_FILE_PRINT_PREVIEW, 4, true},
    {ID_FILE_PRINT, 2, true},         {ID_FILE_PRINT_SETUP, 2, false},
    {ID_FILE_EXPORT, 1, false},       {ID_FILE_NEW, 2, false},
    {ID_FILE_OPEN, 3, false},         {ID_FILE_SAVE, 3, false},
    {ID_FILE_SAVE_AS, 2, false},      {ID_FILE_MRU_FILE1, 2, false},
};
const UINT kPreviewCommands[] = {AFX_ID_PREVIEW_NEXT, AFX_ID_PREVIEW_PREV, AFX_ID_PREVIEW_ZOOMIN,
                                 AFX_ID_PREVIEW_ZOOMOUT, AFX_ID_PREVIEW_NUMPAGE,
                                 AFX_ID_PREVIEW_CLOSE};

// A command from the menu, or from the toolbar's button when it has one.
void MenuCommand() {
  const HWND hPreviewBar = Pane(AFX_IDW_PREVIEW_BAR);
  if (hPreviewBar != nullptr && Rnd().Chance(60)) {
    const UINT nID = kPreviewCommands[Rnd().Between(0, 5)];
    const HWND hButton = ::GetDlgItem(hPreviewBar, static_cast<int>(nID));
    Log("preview bar command " + std::to_string(nID));
    ::PostMessageA(g_hFrame, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                   reinterpret_cast<LPARAM>(hButton));
    return;
  }
  std::vector<int> weights;
  for (const Command& c : kCommands) weights.push_back(c.nWeight);
  const Command& c = kCommands[Rnd().Weighted(weights)];
  const HWND hToolBar = Pane(AFX_IDW_TOOLBAR);
  if (c.bOnToolBar && hToolBar != nullptr && Rnd().Chance(50)) {
    Log("toolbar command " + std::to_string(c.nID));
    ::PostMessageA(g_hFrame, WM_COMMAND, MAKEWPARAM(c.nID, BN_CLICKED),
                   reinterpret_cast<LPARAM>(hToolBar));
  } else {
    Log("menu command " + std::to_string(c.nID));
    ::PostMessageA(g_hFrame, WM_COMMAND, c.nID, 0);
  }
}

void FrameSize() {
  const int nWhat = Rnd().Weighted({60, 15, 15, 10});
  if (nWhat == 0) {
    const int cx = Rnd().Between(120, 1300), cy = Rnd().Between(80, 1000);
    Log("resize the frame to " + std::to_string(cx) + " x " + std::to_string(cy));
    ::SetWindowPos(g_hFrame, nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOMOVE);
    return;
  }
  const WPARAM command = nWhat == 1 ? SC_MINIMIZE : nWhat == 2 ? SC_RESTORE : SC_MAXIMIZE;
  Log(nWhat == 1 ? "minimise" : nWhat == 2 ? "restore" : "maximise");
  POINT screen;
  ::GetCursorPos(&screen);
  ::PostMessageA(g_hFrame, WM_SYSCOMMAND, command, MAKELPARAM(screen.x, screen.y));
}

// ---- the dialogs --------------------------------------------------------------------------

void ClickControl(HWND hCtrl) {
  RECT rc;
  ::GetClientRect(hCtrl, &rc);
  const POINT pt = {rc.right / 2, rc.bottom / 2};
  PostMouse(hCtrl, WM_LBUTTONDOWN, MK_LBUTTON, pt);
  PostMouse(hCtrl, WM_LBUTTONUP, 0, pt);
}

std::string SignPath() {
  static const char* const kNames[] = {"a.sign", "b.sign", "c.sign", "damaged.sign", "missing.sign"};
  return g_folder + kNames[Rnd().Between(0, 4)];
}

// The file dialog gets a name in the storm's folder and OK, or Cancel.
bool AnswerFileDialog(HWND hDlg) {
  HWND hName = ::GetDlgItem(hDlg, edt1);
  if (hName == nullptr) hName = ::GetDlgItem(hDlg, cmb13);
  if (hName == nullptr) return false;
  if (Rnd().Chance(20)) {
    Log("file dialog: Cancel");
    ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
    return true;
  }
  const std::string path = SignPath();
  Log("file dialog: " + path + ", OK");
  DWORD_PTR result = 0;
  ::SendMessageTimeoutA(hName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()),
                        SMTO_ABORTIFHUNG, 5000, &result);
  ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, IDOK)));
  return true;
}

// A message box: one of its buttons clicked, or Enter, or Escape.
bool AnswerMessageBox(HWND hDlg) {
  std::vector<HWND> buttons;
  for (int nID : {IDOK, IDCANCEL, IDYES, IDNO}) {
    if (HWND h = ::GetDlgItem(hDlg, nID)) buttons.push_back(h);
  }
  if (buttons.empty() || ::GetDlgItem(hDlg, IDC_WIDTH) != nullptr) return false;
  const int nWhat = Rnd().Between(0, static_cast<int>(buttons.size()) + 1);
  if (nWhat < static_cast<int>(buttons.size())) {
    Log("message box: click " + Name(buttons[static_cast<size_t>(nWhat)]));
    ClickControl(buttons[static_cast<size_t>(nWhat)]);
  } else {
    const UINT vk = nWhat == static_cast<int>(buttons.size()) ? VK_RETURN : VK_ESCAPE;
    Log("message box: " + KeyName(vk));
    PostKey(FocusWindow(), vk);
  }
  return true;
}

// A click into a field; false when the click brought up a message box
// (the field left refused its entry).
bool ClickIntoField(HWND hDlg, HWND hField) {
  ClickControl(hField);
  Settle();
  return OpenDialog() == hDlg;
}

// The properties dialog: typing, pasting, keys, the colours, the combo
// boxes' lists, OK and Cancel.
void AnswerProperties(HWND hDlg) {
  static const int kFields[] = {IDC_WIDTH, IDC_HEIGHT, IDC_LETTER_HEIGHT, IDC_SCALE, IDC_GRID};
  const int nWhat = Rnd().Weighted({30, 10, 25, 8, 6, 8, 8});
  HWND hField = ::GetDlgItem(hDlg, kFields[Rnd().Between(0, 4)]);
  COMBOBOXINFO combo = {};
  combo.cbSize = sizeof combo;
  const bool bCombo = ::GetComboBoxInfo(hField, &combo) != FALSE;
  if (bCombo) hField = combo.hwndItem;
  switch (nWhat) {
    case 0: {  // click into a field and type
      const std::string text = AmountText();
      Log("properties: type \"" + text + "\" into " + Name(hField));
      // The keys go where the focus is: a refusal of the field left may
      // have kept it there, behind a message box.
      if (!ClickIntoField(hDlg, hField)) break;
      const HWND hFocus = FocusWindow();
      if (Rnd().Chance(70)) ::PostMessageA(hFocus, EM_SETSEL, 0, -1);
      for (char c : text) TypeChar(hFocus, c);
      break;
    }
    case 1: {  // paste
      const std::string text = AmountText();
      Log("properties: paste \"" + text + "\" into " + Name(hField));
      if (!ClickIntoField(hDlg, hField)) break;
      if (PutOnClipboard(text)) ::PostMessageA(FocusWindow(), WM_PASTE, 0, 0);
      break;
    }
    case 2:
      Key();
      break;
    case 3: {  // a combo box's list dropped by its arrow, maybe left open
      const HWND hBox = ::GetDlgItem(hDlg, Rnd().Chance(50) ? IDC_LETTER_HEIGHT : IDC_GRID);
      combo = {};
      combo.cbSize = sizeof combo;
      if (!::GetComboBoxInfo(hBox, &combo)) break;
      const POINT pt = {(combo.rcButton.left + combo.rcButton.right) / 2,
                        (combo.rcButton.top + combo.rcButton.bottom) / 2};
      Log("properties: drop the list of " + Name(hBox));
      PostMouse(hBox, WM_LBUTTONDOWN, MK_LBUTTON, pt);
      PostMouse(hBox, WM_LBUTTONUP, 0, pt);
      break;
    }
    case 4: {
      const HWND hColour = ::GetDlgItem(hDlg, IDC_RED + Rnd().Between(0, 2));
      Log("properties: click " + Name(hColour));
      ClickControl(hColour);
      break;
    }
    default: {
      const HWND hButton = ::GetDlgItem(hDlg, nWhat == 5 ? IDOK : IDCANCEL);
      Log("properties: click " + Name(hButton));
      ClickControl(hButton);
      break;
    }
  }
}

// Print setup: OK or Cancel; any other dialog (print, page setup): Cancel.
void AnswerOtherDialog(HWND hDlg) {
  const bool bSetup = ::GetDlgItem(hDlg, cmb2) != nullptr && ::GetDlgItem(hDlg, rad1) != nullptr &&
                      ::GetDlgItem(hDlg, edt1) == nullptr;
  const bool bOk = bSetup && Rnd().Chance(50);
  Log(Name(hDlg) + (bOk ? ": OK" : ": Cancel"));
  ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(bOk ? IDOK : IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, bOk ? IDOK : IDCANCEL)));
}

void AnswerDialog(HWND hDlg, bool bClose) {
  if (AnswerFileDialog(hDlg) || AnswerMessageBox(hDlg)) return;
  if (::GetDlgItem(hDlg, IDC_WIDTH) != nullptr) {
    if (!bClose) return AnswerProperties(hDlg);
    // Escape in an amount field empties it or puts its amount back: the
    // Cancel button closes the dialog whatever the fields hold.
    Log("properties: click Cancel");
    return ClickControl(::GetDlgItem(hDlg, IDCANCEL));
  }
  AnswerOtherDialog(hDlg);
}

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

void OneEvent() {
  const auto start = std::chrono::steady_clock::now();
  TimedEvent();
  const double dSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (dSeconds > g_dSlowest && !g_log.empty()) {
    g_dSlowest = dSeconds;
    g_slowest = g_log.back();
  }
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

void NoteMemory(unsigned long long nBytes) {
  char text[32];
  std::snprintf(text, sizeof text, " %.1f", static_cast<double>(nBytes) / 1048576.0);
  g_memorySeries += text;
  if (g_nTotalEvents >= 2000 && g_nBytesAt2000 == 0) g_nBytesAt2000 = nBytes;
  if (g_nTotalEvents >= 20000 && g_nBytesAt20000 == 0) g_nBytesAt20000 = nBytes;
}

std::string Compare(const char* what, int nNow, int nStart, int nSlack) {
  if (nNow <= nStart + nSlack && nNow >= nStart - nSlack) return "";
  return std::string(what) + " " + std::to_string(nNow) + " at rest, " + std::to_string(nStart) +
         " at the start; ";
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

// The storm's folder: a good sign, a damaged one, none yet of the others.
void MakeFolder() {
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  g_folder = std::string(temp) + "varnel-storm-" + std::to_string(::GetCurrentProcessId()) + "\\";
  ::CreateDirectoryA(g_folder.c_str(), nullptr);
  const HANDLE hFile = ::CreateFileA((g_folder + "damaged.sign").c_str(), GENERIC_WRITE, 0,
                                     nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD nWritten = 0;
  ::WriteFile(hFile, "not a sign", 10, &nWritten, nullptr);
  ::CloseHandle(hFile);
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

}  // namespace
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
  // After 20000 events, or at the end of a shorter run long enough to show
  // a steady growth: within 5% of the memory after 2000.
  const bool bLong = g_nBytesAt20000 != 0;
  const unsigned long long nLater =
      bLong ? g_nBytesAt20000 : g_nTotalEvents >= kMemoryCheckFrom ? g_last.nPrivateBytes : 0;
  if (nLater > g_nBytesAt2000 + g_nBytesAt2000 / 20) {
    ++g_nFailures;
    std::printf("not ok - private memory grew by more than 5%% from 2000 to %lld events\n",
                bLong ? 20000LL : g_nTotalEvents);
  }
  std::string kinds;
  for (int i = 0; i < 11; ++i) {
    kinds += (i > 0 ? ", " : "") + std::to_string(g_nKinds[i]) + " " + kKindNames[i];
  }
  std::printf("storm: %s; the slowest event took %.2f s: %s\n", kinds.c_str(), g_dSlowest,
              g_slowest.c_str());
  std::printf("storm: at rest at the start: %d cached, %d permanent wrappers, %d GDI objects, %d "
              "windows; after 2000 events: %d, %d, %d, %d; at the end: %d, %d, %d, %d\n",
              g_start.nCached, g_start.nPermanent, g_start.nGdiObjects, g_start.nWindows,
              g_warm.nCached, g_warm.nPermanent, g_warm.nGdiObjects, g_warm.nWindows,
              g_last.nCached, g_last.nPermanent, g_last.nGdiObjects, g_last.nWindows);
  std::fflush(stdout);
  return g_nFailures;
}
