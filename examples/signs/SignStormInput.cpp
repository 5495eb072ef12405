// The storm's events: the mouse, the wheel, keys, commands and sizes, each
// given as the system would deliver a user's (the cursor moved, then the
// messages posted to the window under it or with the focus).
#include "SignStormDriver.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace storm {

// ---- input as the system posts it ------------------------------------------------------
// A point of the window's client area, sometimes a little outside it.
POINT PointIn(HWND hWnd, int nOutside) {
  RECT rc = {};  // empty if the window has gone
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
  RECT rc = {};  // empty if the window has gone
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

}  // namespace storm
