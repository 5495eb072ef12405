// The dialog shown while a print job runs, and the job's abort procedure.
#include "afx/ui/AfxPrintingInternal.h"

#include "afx/app/AfxRes.h"
#include "afx/app/AfxThreadLocal.h"
#include "afx/gdi/AfxDC.h"
#include "afx/wnd/AfxWndInternal.h"

namespace {

// Whether the user cancelled the calling thread's print job. The abort
// procedure the system calls knows only the printer's context; the job is
// the thread's.
struct PrintJobState {
  bool bUserAbort = false;
};

bool& UserAbort() {
  static auto* state = new CThreadLocal<PrintJobState>;
  return state->Get()->bUserAbort;
}

// Called by the system while it prints: lets the user's messages through
// (the Cancel button among them); FALSE stops the job.
BOOL CALLBACK AbortProc(HDC, int) {
  bool& bUserAbort = UserAbort();
  MSG msg;
  while (!bUserAbort && ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
    if (!AfxPumpThreadMessage()) {
      // The application is ending: its loop must see WM_QUIT as well.
      AfxPostQuitMessage(static_cast<int>(msg.wParam));
      return FALSE;
    }
  }
  return !bUserAbort;
}

}  // namespace

CPrintingDialog::CPrintingDialog(CWnd* pWnd, CDC& dc, LPCSTR lpszDocName, LPCSTR lpszPrinter,
                                 LPCSTR lpszPort)
    : m_owner(pWnd) {
  UserAbort() = false;
  ::SetAbortProc(dc.m_hDC, &AbortProc);
  if (!Create(AFX_IDD_PRINTDLG, CWnd::FromHandle(m_owner.m_hWnd))) return;
  SetDlgItemText(AFX_IDC_PRINT_DOCNAME, lpszDocName);
  SetDlgItemText(AFX_IDC_PRINT_PRINTERNAME, lpszPrinter);
  CString port;
  AfxFormatString1(port, AFX_IDS_PRINTONPORT, lpszPort);
  SetDlgItemText(AFX_IDC_PRINT_PORTNAME, port);
  ShowWindow(SW_SHOW);
  UpdateWindow();
}

CPrintingDialog::~CPrintingDialog() {
  m_owner.Restore(m_hWnd);
  DestroyWindow();
}

void CPrintingDialog::SetPage(UINT nPage) {
  if (m_hWnd == nullptr) return;
  CString format, text;
  AfxLoadString(AFX_IDS_PRINTPAGENUM, format);
  text.Format(format, nPage);
  SetDlgItemText(AFX_IDC_PRINT_PAGENUM, text);
}

bool CPrintingDialog::UserAborted() {
  // Asked between pages too: a driver need not call the abort procedure.
  AbortProc(nullptr, 0);
  return UserAbort();
}

void CPrintingDialog::OnCancel() { UserAbort() = true; }
