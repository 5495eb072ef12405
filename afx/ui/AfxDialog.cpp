#include "afx/ui/AfxDialog.h"

#include "afx/ui/AfxFrame.h"
#include "afx/wnd/AfxModalOwner.h"

INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// ---- CDialog ------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
  ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
  ON_COMMAND(IDOK, OnOK)
  ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_pParentWnd(pParentWnd) {}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd) {
  m_lpDialogTemplate = lpDialogTemplate;
  m_pParentWnd = pParentWnd;
  return lpDialogTemplate != nullptr;
}

LPCDLGTEMPLATE CDialog::LoadTemplate() const {
  if (m_lpDialogTemplate != nullptr) return m_lpDialogTemplate;
  if (m_lpszTemplateName == nullptr) return nullptr;
  const LPCSTR lpszType = MAKEINTRESOURCEA(5);  // RT_DIALOG
  const HINSTANCE hInstance = AfxFindResourceHandle(m_lpszTemplateName, lpszType);
  const HRSRC hResource = ::FindResourceA(hInstance, m_lpszTemplateName, lpszType);
  if (hResource == nullptr) return nullptr;
  const HGLOBAL hTemplate = ::LoadResource(hInstance, hResource);
  return hTemplate != nullptr ? static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate)) : nullptr;
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, HWND hWndParent) {
  if (lpDialogTemplate == nullptr || m_hWnd != nullptr) return FALSE;
  AfxHookWindowCreate(this);
  const HWND hWnd = ::CreateDialogIndirectParamA(AfxGetInstanceHandle(), lpDialogTemplate,
                                                 hWndParent, &AfxDlgProc, 0);
  // As CWnd::CreateEx: a window that never reached this object ends it all
  // the same.
  if (!AfxUnhookWindowCreate()) PostNcDestroy();  // may delete this
  return hWnd != nullptr;
}

int CDialog::DoModal() {
  const LPCDLGTEMPLATE lpTemplate = LoadTemplate();
  if (lpTemplate == nullptr) return -1;
  AfxModalOwner owner(m_pParentWnd);
  m_nModalResult = -1;
  m_nModalState = kModalRunning;  // OnInitDialog may end the dialog already
  if (CreateDlgIndirect(lpTemplate, owner.m_hWnd)) {
    if (m_nModalState == kModalRunning) ShowWindow(SW_SHOWNORMAL);
    RunModalLoop();
  }
  m_nModalState = kModalIdle;
  owner.Restore(m_hWnd);
  if (m_hWnd != nullptr) DestroyWindow();
  return m_nModalResult;
}

namespace {

// A modeless dialog given no parent belongs to the application's main
// window: it stays above it and goes with it.
HWND ModelessParent(CWnd* pParentWnd) {
  if (pParentWnd != nullptr) return pParentWnd->m_hWnd;
  CWnd* pMainWnd = AfxGetMainWnd();
  return pMainWnd != nullptr && ::IsWindow(pMainWnd->m_hWnd) ? pMainWnd->m_hWnd : nullptr;
}

// An edit field's own keys with Ctrl: the clipboard, undo, selecting all,
// moving and deleting by words.
bool IsEditingKey(UINT vk) {
  switch (vk) {
    case 'A': case 'C': case 'V': case 'X': case 'Y': case 'Z':
    case VK_INSERT: case VK_DELETE: case VK_BACK:
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
    case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
      return true;
    default:
      return false;
  }
}

// Whether a keystroke in a modeless dialog may be a shortcut of the frame
// that owns it: a function key, or a key with Ctrl or Alt, that is not a
// mnemonic (Alt with a letter or digit), not an edit field's own key, and
// not one the control with the focus asks for (WM_GETDLGCODE). Plain keys
// are the dialog's: typing, Tab, Enter, Escape, the arrows.
bool IsShortcutForOwner(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  const auto vk = static_cast<UINT>(msg.wParam);
  const bool bCtrl = ::GetKeyState(VK_CONTROL) < 0;
  const bool bAlt = (HIWORD(msg.lParam) & KF_ALTDOWN) != 0;
  const bool bFunctionKey = vk >= VK_F1 && vk <= VK_F24;
  if (!bFunctionKey && !bCtrl && !bAlt) return false;
  const bool bLetterOrDigit = (vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z');
  if (bAlt && !bCtrl && bLetterOrDigit) return false;
  const HWND hWndFocus = ::GetFocus();
  if (hWndFocus == nullptr) return true;
  MSG copy = msg;
  const auto nCode = static_cast<UINT>(
      ::SendMessageA(hWndFocus, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&copy)));
  if ((nCode & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0) return false;
  return !((nCode & DLGC_HASSETSEL) != 0 && bCtrl && IsEditingKey(vk));
}

// The frame at the top of the dialog's owners (the main window when the
// dialog has no owner), or null.
CWnd* OwnerFrame(HWND hWndDialog) {
  HWND hWndOwner = ::GetAncestor(hWndDialog, GA_ROOTOWNER);
  if (hWndOwner == hWndDialog) {
    CWnd* pMainWnd = AfxGetMainWnd();
    hWndOwner = pMainWnd != nullptr ? pMainWnd->m_hWnd : nullptr;
  }
  if (hWndOwner == nullptr || hWndOwner == hWndDialog) return nullptr;
  CWnd* pOwner = CWnd::FromHandlePermanent(hWndOwner);
  return pOwner != nullptr && pOwner->IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? pOwner : nullptr;
}

}  // namespace

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd) {
  m_lpszTemplateName = lpszTemplateName;
  m_pParentWnd = pParentWnd;
  return CreateDlgIndirect(LoadTemplate(), ModelessParent(pParentWnd));
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
  return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd) {
  m_pParentWnd = pParentWnd;
  return CreateDlgIndirect(lpDialogTemplate, ModelessParent(pParentWnd));
}

void CDialog::EndDialog(int nResult) {
  if (m_nModalState != kModalIdle) {
    EndModalLoop(nResult);
  } else {
    ::EndDialog(m_hWnd, nResult);
  }
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
  SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), TRUE);
}

void CDialog::NextDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 0, 0); }
void CDialog::PrevDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 1, 0); }
void CDialog::SetDefID(UINT nID) { SendMessage(DM_SETDEFID, nID); }
DWORD CDialog::GetDefID() const { return static_cast<DWORD>(SendMessage(DM_GETDEFID)); }

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
  // A list the resource names but the template lacks has been traced; the
  // dialog opens with the lists it has.
  ExecuteDlgInit(m_lpszTemplateName);
  // A top-level dialog keeps its density from the start, as a frame does.
  AfxSetWindowDpi(m_hWnd, AfxGetWindowDpi(m_hWnd));
  return OnInitDialog();
}

// The system's own handling (which scales a dialog on systems that do)
// between the notifications of the controls.
LRESULT CDialog::OnDpiChanged(WPARAM wParam, LPARAM) {
  AfxBeginDpiChange(this, HIWORD(wParam));
  const LRESULT lResult = Default();
  AfxEndDpiChange(this);
  return lResult;
}

void CDialog::MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  const bool bCommand = nCode == 0 || nCode == static_cast<int>(CN_UPDATE_COMMAND_UI);
  if (!bCommand || nID < 0x8000 || nID >= 0xF000 || m_hWnd == nullptr) return FALSE;
  CWnd* pOwner = GetOwner();
  if (pOwner != nullptr && FromHandlePermanent(pOwner->m_hWnd) == pOwner) {
    return pOwner->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
  }
  CWinApp* pApp = AfxGetApp();
  return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CDialog::OnInitDialog() {
  // A dialog whose data cannot be loaded (its code names a control the
  // template lacks) has been reported and ends at once with -1.
  if (!UpdateData(FALSE)) {
    EndDialog(-1);
    return FALSE;
  }
  return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
  if (m_nModalState == kModalIdle && IsShortcutForOwner(*pMsg)) {
    CWnd* pFrame = OwnerFrame(m_hWnd);
    if (pFrame != nullptr && pFrame->PreTranslateMessage(pMsg)) return TRUE;
  }
  return ::IsDialogMessageA(m_hWnd, pMsg);
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;  // Fail has put the focus on the entry
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

// ---- CDlgTemplate ----------------------------------------------------------------

CDlgTemplate::CDlgTemplate(DWORD dwStyle, int x, int y, int cx, int cy, LPCSTR lpszCaption,
                           DWORD dwExStyle) {
  AddDword(dwStyle | DS_SETFONT);
  AddDword(dwExStyle);
  m_words.push_back(0);  // item count, raised by AddItem
  for (int n : {x, y, cx, cy}) m_words.push_back(static_cast<WORD>(static_cast<short>(n)));
  m_words.push_back(0);  // no menu
  m_words.push_back(0);  // the system's dialog class
  AddString(lpszCaption);
  m_words.push_back(8);  // point size
  AddString("MS Shell Dlg");
}

void CDlgTemplate::AddItem(LPCSTR lpszClass, DWORD dwStyle, int x, int y, int cx, int cy,
                           WORD wID, LPCSTR lpszText, DWORD dwExStyle) {
  AlignDword();
  AddDword(dwStyle | WS_CHILD | WS_VISIBLE);
  AddDword(dwExStyle);
  for (int n : {x, y, cx, cy}) m_words.push_back(static_cast<WORD>(static_cast<short>(n)));
  m_words.push_back(wID);
  AddString(lpszClass);
  AddString(lpszText);
  m_words.push_back(0);  // no creation data
  ++m_words[4];          // cdit follows the two DWORDs of the header
}

LPCDLGTEMPLATE CDlgTemplate::Get() const {
  return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data());
}

void CDlgTemplate::AddDword(DWORD dw) {
  m_words.push_back(LOWORD(dw));
  m_words.push_back(HIWORD(dw));
}

// Template strings are UTF-16; the builder's are ASCII.
void CDlgTemplate::AddString(LPCSTR lpsz) {
  for (const char* p = lpsz != nullptr ? lpsz : ""; *p != '\0'; ++p) {
    m_words.push_back(static_cast<WORD>(static_cast<unsigned char>(*p)));
  }
  m_words.push_back(0);
}

void CDlgTemplate::AlignDword() {
  if (m_words.size() % 2 != 0) m_words.push_back(0);
}
