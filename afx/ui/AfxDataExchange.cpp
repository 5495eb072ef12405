#include "afx/ui/AfxDataExchange.h"

#include "afx/app/AfxDiag.h"
#include "afx/wnd/AfxWndInternal.h"

#include <exception>

// ---- CDataExchange ------------------------------------------------------------------

int CRefusalScope::s_nOpen = 0;

CRefusalScope::CRefusalScope() { ++s_nOpen; }
CRefusalScope::~CRefusalScope() { --s_nOpen; }
bool CRefusalScope::IsOpen() { return s_nOpen > 0; }

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
  const HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
  if (hWndCtrl == nullptr) {
    // The dialog's code and its template disagree: nothing of this item
    // (or after it) is exchanged, and the data stays as it was.
    AfxTrace("Error: no data exchange control with ID %d (0x%04X).\n", nIDC,
             static_cast<unsigned>(nIDC));
    AfxThrowNotSupportedException();
  }
  m_hWndLastControl = hWndCtrl;
  m_bEditLastControl = FALSE;
  return hWndCtrl;
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

namespace {

// Holds back the control notifications to one window for its lifetime (the
// first of nested exchanges decides which window).
class CNotifyLockout {
 public:
  explicit CNotifyLockout(HWND hWnd) : m_hWndOld(AfxLockoutNotifyWindow()) {
    if (m_hWndOld == nullptr) AfxLockoutNotifyWindow() = hWnd;
  }
  ~CNotifyLockout() { AfxLockoutNotifyWindow() = m_hWndOld; }
  CNotifyLockout(const CNotifyLockout&) = delete;
  CNotifyLockout& operator=(const CNotifyLockout&) = delete;

 private:
  HWND m_hWndOld;
};

// Tells the user that the exchange failed for a reason other than a
// refused entry (lpszWhat: the exception's own text, when it has one).
void ReportExchangeFailure(LPCSTR lpszWhat) {
  CString text;
  AfxLoadString(AFX_IDP_INTERNAL_FAILURE, text);
  if (lpszWhat != nullptr && *lpszWhat != '\0') {
    text += "\n\n";
    text += lpszWhat;
  }
  AfxMessageBox(text, MB_ICONEXCLAMATION, AFX_IDP_INTERNAL_FAILURE);
}

}  // namespace

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
  // The controls' notifications to this window wait until the exchange is
  // done: loading a field sends its EN_CHANGE, and a handler that runs
  // UpdateData itself would run inside the load, before the fields it
  // reads are loaded.
  const CNotifyLockout lockout(m_hWnd);
  CDataExchange dx(this, bSaveAndValidate);
  try {
    DoDataExchange(&dx);
  } catch (CUserException* e) {
    // The user has been told already (Fail's caller showed the prompt).
    e->Delete();
    return FALSE;
  } catch (CException* e) {
    // A fault of the dialog's code (a control its template lacks) or of
    // the system: told here; the data not yet exchanged stays as it was.
    const bool bNotSupported = e->IsKindOf(RUNTIME_CLASS(CNotSupportedException));
    e->Delete();
    AfxMessageBox(bNotSupported ? AFX_IDS_NOT_SUPPORTED_EXCEPTION : AFX_IDP_INTERNAL_FAILURE,
                  MB_ICONEXCLAMATION);
    return FALSE;
  } catch (const std::exception& e) {
    // The same for a failure of the host's own exchange code or of the
    // library it calls, told with what it says.
    ReportExchangeFailure(e.what());
    return FALSE;
  } catch (...) {
    ReportExchangeFailure(nullptr);
    return FALSE;
  }
  return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

// ---- DDX ----------------------------------------------------------------------------

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.m_hWnd != nullptr) return;
  const HWND hWndControl = pDX->PrepareCtrl(nIDC);
  if (!rControl.SubclassWindow(hWndControl)) {
    // Attached to another object already: the dialog's code is at fault.
    AfxTrace("Error: data exchange control with ID %d is attached already.\n", nIDC);
    AfxThrowNotSupportedException();
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
