#include "afx/ui/AfxDataExchange.h"

// ---- CDataExchange ------------------------------------------------------------------

int CRefusalScope::s_nOpen = 0;

CRefusalScope::CRefusalScope() { ++s_nOpen; }
CRefusalScope::~CRefusalScope() { --s_nOpen; }
bool CRefusalScope::IsOpen() { return s_nOpen > 0; }

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
  m_hWndLastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
  m_bEditLastControl = FALSE;
  return m_hWndLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
  const HWND hWnd = PrepareCtrl(nIDC);
  m_bEditLastControl = TRUE;
  return hWnd;
}

void CDataExchange::Fail() {
  if (m_hWndLastControl != nullptr && m_bSaveAndValidate) {
    // Back to the entry the user has to correct, with its text selected
    // so that typing replaces it. The control losing the focus was not
    // left by the user.
    CRefusalScope refusal;
    ::SetFocus(m_hWndLastControl);
    if (m_bEditLastControl) ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
  }
  AfxThrowUserException();
}

// ---- CWnd's exchange ------------------------------------------------------------

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  try {
    DoDataExchange(&dx);
  } catch (CUserException* e) {
    // The user has been told already (Fail's caller showed the prompt).
    e->Delete();
    return FALSE;
  }
  return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

// ---- DDX ----------------------------------------------------------------------------

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.m_hWnd != nullptr) return;
  const HWND hWndControl = pDX->PrepareCtrl(nIDC);
  if (hWndControl == nullptr || !rControl.SubclassWindow(hWndControl)) {
    // A missing item or one attached to another object: the dialog's code
    // and its template disagree.
    AfxThrowResourceException();
  }
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  const HWND hWndControl = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    const int nLength = ::GetWindowTextLengthA(hWndControl);
    char* pBuffer = value.GetBuffer(nLength);
    ::GetWindowTextA(hWndControl, pBuffer, nLength + 1);
    value.ReleaseBuffer();
  } else {
    ::SetWindowTextA(hWndControl, value);
  }
}
