// Inside the library: what the user sees while a print job runs. The
// framework's "Printing" dialog (AFX_IDD_PRINTDLG) names the document, the
// printer, its port and the page being printed; its Cancel button (or
// Escape) stops the job. The rest of the application waits meanwhile: the
// window the job was started from is disabled until the job ends. The
// job's abort procedure keeps the dialog answering while the printer
// driver works.
#pragma once

#include "afx/ui/AfxDialog.h"
#include "afx/wnd/AfxModalOwner.h"

class CDC;

class CPrintingDialog : public CDialog {
 public:
  // Disables pWnd's top-level window, shows the dialog over it and makes
  // the dialog's abort procedure dc's (a printer's context).
  CPrintingDialog(CWnd* pWnd, CDC& dc, LPCSTR lpszDocName, LPCSTR lpszPrinter,
                  LPCSTR lpszPort);
  // Enables the window again, then closes the dialog.
  ~CPrintingDialog() override;

  void SetPage(UINT nPage);
  // Whether the user cancelled the job; also lets the dialog take the
  // user's clicks that are waiting.
  bool UserAborted();

  // The user's Cancel: no more pages.
  void OnCancel() override;

  CPrintingDialog(const CPrintingDialog&) = delete;
  CPrintingDialog& operator=(const CPrintingDialog&) = delete;

 private:
  AfxModalOwner m_owner;
};
