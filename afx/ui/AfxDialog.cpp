#include "afx/ui/AfxDialog.h"

#include "afx/wnd/AfxModalOwner.h"

INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// ---- CDialog ------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
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
  AfxUnhookWindowCreate();
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

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd) {
  m_lpszTemplateName = lpszTemplateName;
  m_pParentWnd = pParentWnd;
  return CreateDlgIndirect(LoadTemplate(), pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
  return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd) {
  m_pParentWnd = pParentWnd;
  return CreateDlgIndirect(lpDialogTemplate,
                           pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr);
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

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
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
