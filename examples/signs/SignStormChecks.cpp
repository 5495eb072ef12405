// The storm's checks, run on the program's own thread: what must hold
// after any input, and what the program holds when it is at rest.
#define PSAPI_VERSION 2  // GetProcessMemoryInfo from kernel32
#include "SignStorm.h"

#include <psapi.h>

#include <string>

namespace storm {

namespace {

std::string Text(const CRect& rc) {
  return "(" + std::to_string(rc.left) + ", " + std::to_string(rc.top) + ", " +
         std::to_string(rc.right) + ", " + std::to_string(rc.bottom) + ")";
}

// The window: not empty, no smaller than the minimum size, inside the
// maximum window wherever its size allows.
std::string CheckWindow(CSignView* pView) {
  const CRect rc = pView->Window(), rcMax = pView->WindowMax();
  tagSIZE sizeMin;
  pView->GetWindowSizeMin(&sizeMin);
  const LONG cx = varnel::view::WorldWidth(rc), cy = varnel::view::WorldHeight(rc);
  if (cx <= 0 || cy <= 0) return "the view's window " + Text(rc) + " is empty";
  // Fitting and zooming keep to the minimum size; a resize that keeps the
  // scale while zoomed shrinks the window with the view, and fitting the
  // width (height) derives the other dimension from the view's shape.
  const unsigned int nFit = pView->ScaleMode() & SCALE_FIT_MASK;
  if (!pView->IsZoomed() && ((nFit != SCALE_FIT_HEIGHT && cx < sizeMin.cx) ||
                             (nFit != SCALE_FIT_WIDTH && cy < sizeMin.cy))) {
    return "the view's window " + Text(rc) + " is below its minimum size, not zoomed, fit mode " +
           std::to_string(nFit);
  }
  // (A window larger than the maximum one is reported as shifted even
  // where it ends as it was: what it is shifted to counts.)
  tagRECT shifted = rc;
  varnel::view::ShiftIntoRange(shifted, rcMax);
  if (!::EqualRect(&shifted, &rc)) {
    return "the view's window " + Text(rc) + " lies outside the maximum window " + Text(rcMax) +
           " where it could lie inside";
  }
  return "";
}

// Each bar the view manages shows what the window gives it.
std::string CheckBars(CSignView* pView) {
  const CRect rc = pView->Window(), rcMax = pView->WindowMax();
  const LONG style = pView->GetStyle();
  for (int nBar : {SB_HORZ, SB_VERT}) {
    if (!pView->ManagesBar(nBar)) continue;
    const varnel::view::BarValues want = nBar == SB_HORZ
                                              ? varnel::view::HorzBarValues(rc, rcMax)
                                              : varnel::view::VertBarValues(rc, rcMax);
    const bool bShown = (style & (nBar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL)) != 0;
    const char* name = nBar == SB_HORZ ? "horizontal" : "vertical";
    if (bShown != want.bShow) {
      return std::string("the ") + name + " bar is " + (bShown ? "shown" : "hidden") +
             " for the window " + Text(rc) + " in " + Text(rcMax);
    }
    if (!bShown) continue;
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    ::GetScrollInfo(pView->m_hWnd, nBar, &info);
    if (info.nMin != want.nMin || info.nMax != want.nMax || info.nPos != want.nPos ||
        static_cast<LONG>(info.nPage) != want.nPage) {
      return std::string("the ") + name + " bar shows " + std::to_string(info.nMin) + ".." +
             std::to_string(info.nMax) + " page " + std::to_string(info.nPage) + " at " +
             std::to_string(info.nPos) + " for the window " + Text(rc) + " in " + Text(rcMax) +
             " (it should show " + std::to_string(want.nMin) + ".." + std::to_string(want.nMax) +
             " page " + std::to_string(want.nPage) + " at " + std::to_string(want.nPos) + ")";
    }
  }
  return "";
}

std::string WindowText(HWND hWnd) {
  char text[256] = {};
  ::GetWindowTextA(hWnd, text, sizeof text);
  return text;
}

std::string ClassOf(HWND hWnd) {
  char name[64] = {};
  ::GetClassNameA(hWnd, name, sizeof name);
  return name;
}

}  // namespace

std::string CheckInvariants() {
  auto* pFrame = static_cast<CSignFrame*>(AfxGetMainWnd());
  if (pFrame == nullptr || !pFrame->IsWindow()) return "";
  CSignView* pView = pFrame->View();
  if (pView->ZoomDepth() > pView->GetZoomLevels()) {
    return "the zoom stack holds " + std::to_string(pView->ZoomDepth()) + " windows, more than its " +
           std::to_string(pView->GetZoomLevels()) + " levels";
  }
  // The bars and the view's size follow the frame's once it is shown
  // (not while print preview stands in for the view, nor minimised).
  if (pView->IsWindowVisible() && !pFrame->IsIconic()) {
    std::string problem = CheckWindow(pView);
    if (problem.empty()) problem = CheckBars(pView);
    if (!problem.empty()) return problem;
  }
  const HWND hCapture = ::GetCapture();
  if (!MayHoldCapture(hCapture)) {
    return "capture held by " + ClassOf(hCapture) + " \"" + WindowText(hCapture) + "\" after the input ended";
  }
  // The properties dialog when it is the one the user types into.
  const HWND hDlg = ::GetLastActivePopup(pFrame->m_hWnd);
  auto* pDialog = dynamic_cast<CPropertiesDialog*>(CWnd::FromHandlePermanent(hDlg));
  if (pDialog != nullptr && ::IsWindowEnabled(hDlg)) return pDialog->CheckFields();
  return "";
}

// A combo box's dropped list holds the capture until it closes up, and an
// open menu (a context menu a right click opened) until it is closed.
bool MayHoldCapture(HWND hCapture) {
  return hCapture == nullptr || ClassOf(hCapture) == "ComboLBox" || ClassOf(hCapture) == "#32768";
}

int LiveGdiObjects() {
  // Wine's GetGuiResources answers 0; it takes a handle with a zero high
  // word as naming whatever lives at that index of its handle table.
  if (DWORD n = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<int>(n);
  int nLive = 0;
  for (UINT_PTR index = 1; index < 0x10000; ++index) {
    if (::GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++nLive;
  }
  return nLive;
}

int LiveWindows() {
  // The same for the window table, shared by the whole desktop.
  int nLive = 0;
  for (UINT_PTR index = 1; index < 0x10000; ++index) {
    if (::IsWindow(reinterpret_cast<HWND>(index))) ++nLive;
  }
  return nLive;
}

unsigned long long PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX memory = {};
  memory.cb = sizeof memory;
  if (!::GetProcessMemoryInfo(::GetCurrentProcess(),
                              reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
    return 0;
  }
  // Wine leaves PrivateUsage at 0 and gives the private bytes as the page
  // file's use, which Windows also counts them as.
  return memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
}

RestCounts CountAtRest() {
  RestCounts counts;
  counts.nCached = GetGDICacheCount();
  counts.nBrackets = GetGDIBracketDepth();
  const AfxWrapperCounts wrappers = AfxGetWrapperCounts();
  counts.nTemporary = wrappers.nTemporary;
  counts.nPermanent = wrappers.nPermanent;
  counts.nGdiObjects = LiveGdiObjects();
  counts.nWindows = LiveWindows();
  counts.nPrivateBytes = PrivateBytes();
  CWnd* pMainWnd = AfxGetMainWnd();
  if (::GetCapture() != nullptr) {
    counts.problem = "capture held at rest by " + ClassOf(::GetCapture()) + " \"" +
                     WindowText(::GetCapture()) + "\"";
  } else if (pMainWnd != nullptr && !pMainWnd->IsWindowEnabled()) {
    counts.problem = "the frame is disabled at rest: a modal loop was left open";
  }
  return counts;
}

}  // namespace storm

// ---- the properties dialog's fields -------------------------------------------------------

namespace {

std::string FocusName() {
  const HWND hFocus = ::GetFocus();
  char name[32] = {};
  ::GetClassNameA(hFocus, name, sizeof name);
  // A combo box's edit field has the id 1001 in every box: its box's id.
  const HWND hControl = std::string(name) == "Edit" && ::GetDlgCtrlID(hFocus) == 1001
                            ? ::GetParent(hFocus) : hFocus;
  return hFocus == nullptr ? "nothing"
                           : std::string(name) + " of #" + std::to_string(::GetDlgCtrlID(hControl));
}

// A field the user is not typing into shows the amount it holds: its text
// read back as an amount is the held amount at the field's precision.
std::string FieldShowsAmount(const CAmountFields& field, int nIDC, HWND hEdit, bool bEmpty) {
  if (hEdit == ::GetFocus()) return "";
  char text[128] = {};
  ::GetWindowTextA(hEdit, text, sizeof text);
  const std::string name = "the field #" + std::to_string(nIDC);
  if (bEmpty) return text[0] == '\0' ? "" : name + " is empty but shows \"" + text + "\"";
  double dShown = 0;
  unsigned int uUnits = 0;
  if (!field.ConvertAmount(text, dShown, uUnits)) {
    return name + " shows \"" + text + "\", which is not an amount, with the focus on " +
           FocusName();
  }
  CString shown, held;
  field.FormatAmount(dShown, uUnits, shown, false);
  field.FormatAmount(field.GetAmount(), field.GetUnits(), held, false);
  if (shown == held) return "";
  return name + " shows \"" + text + "\" but holds " + static_cast<LPCSTR>(held) +
         ", with the focus on " + FocusName();
}

HWND EditOf(CWnd& box) {
  COMBOBOXINFO combo = {};
  combo.cbSize = sizeof combo;
  return ::GetComboBoxInfo(box.m_hWnd, &combo) ? combo.hwndItem : box.m_hWnd;
}

}  // namespace

std::string CPropertiesDialog::CheckFields() {
  std::string problem;
  for (CAmountEdit* pEdit : {&m_width, &m_height, &m_scale}) {
    if (problem.empty()) problem = FieldShowsAmount(*pEdit, pEdit->GetDlgCtrlID(), pEdit->m_hWnd, pEdit->IsEmpty());
  }
  for (CAmountBox* pBox : {&m_letterHeight, &m_grid}) {
    if (problem.empty()) problem = FieldShowsAmount(*pBox, pBox->GetDlgCtrlID(), EditOf(*pBox), pBox->IsEmpty());
  }
  return problem;
}
