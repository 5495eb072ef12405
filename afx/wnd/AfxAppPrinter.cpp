// CWinApp's printer: the one the user chose, with its settings, kept from
// one print job and print setup to the next.
#include "afx/gdi/AfxDC.h"
#include "afx/app/AfxRes.h"
#include "afx/wnd/AfxWin.h"


namespace {

void FreeHandle(HGLOBAL& hGlobal) {
  if (hGlobal != nullptr) ::GlobalFree(hGlobal);
  hGlobal = nullptr;
}

}  // namespace

HDC AfxCreateDC(HGLOBAL hDevNames, HGLOBAL hDevMode) {
  if (hDevNames == nullptr) return nullptr;
  const auto* pNames = static_cast<const DEVNAMES*>(::GlobalLock(hDevNames));
  if (pNames == nullptr) return nullptr;
  const auto* pMode = hDevMode != nullptr ? static_cast<const DEVMODEA*>(::GlobalLock(hDevMode))
                                          : nullptr;
  const auto* text = reinterpret_cast<const char*>(pNames);
  const HDC hDC = ::CreateDCA(text + pNames->wDriverOffset, text + pNames->wDeviceOffset,
                              text + pNames->wOutputOffset, pMode);
  if (pMode != nullptr) ::GlobalUnlock(hDevMode);
  ::GlobalUnlock(hDevNames);
  return hDC;
}

BOOL CWinApp::GetPrinterDeviceDefaults(PRINTDLGA* pPrintDlg) {
  if (m_hDevNames == nullptr) {
    // The default printer, without a dialog; none when there is no printer.
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof pd;
    pd.Flags = PD_RETURNDEFAULT;
    if (::PrintDlgA(&pd)) SelectPrinter(pd.hDevNames, pd.hDevMode);
  }
  pPrintDlg->hDevNames = m_hDevNames;
  pPrintDlg->hDevMode = m_hDevMode;
  return m_hDevNames != nullptr;
}

INT_PTR CWinApp::DoPrintDialog(PRINTDLGA* pPrintDlg) {
  // Without a printer the system's dialog says so in its own box and the
  // user learns nothing more: the framework says it once, here.
  if (!GetPrinterDeviceDefaults(pPrintDlg)) {
    AfxMessageBox(AFX_IDP_NO_PRINTER, MB_ICONEXCLAMATION);
    return IDCANCEL;
  }
  if (pPrintDlg->hwndOwner == nullptr && m_pMainWnd != nullptr) {
    pPrintDlg->hwndOwner = m_pMainWnd->m_hWnd;
  }
  const BOOL bOk = ::PrintDlgA(pPrintDlg);
  // The dialog may have replaced the handles (another printer was chosen):
  // what it returns is the application's now, whether or not it was
  // cancelled.
  m_hDevNames = pPrintDlg->hDevNames;
  m_hDevMode = pPrintDlg->hDevMode;
  return bOk ? IDOK : IDCANCEL;
}

void CWinApp::SelectPrinter(HGLOBAL hDevNames, HGLOBAL hDevMode, BOOL bFreeOld) {
  if (bFreeOld) {
    if (m_hDevNames != hDevNames) FreeHandle(m_hDevNames);
    if (m_hDevMode != hDevMode) FreeHandle(m_hDevMode);
  }
  m_hDevNames = hDevNames;
  m_hDevMode = hDevMode;
}

BOOL CWinApp::CreatePrinterDC(CDC& dc) {
  PRINTDLGA pd = {};
  pd.lStructSize = sizeof pd;
  if (!GetPrinterDeviceDefaults(&pd)) return FALSE;
  const HDC hDC = AfxCreateDC(pd.hDevNames, pd.hDevMode);
  return hDC != nullptr && dc.Attach(hDC);
}

void CWinApp::OnFilePrintSetup() {
  PRINTDLGA pd = {};
  pd.lStructSize = sizeof pd;
  pd.Flags = PD_PRINTSETUP;
  DoPrintDialog(&pd);
}

void CWinApp::ReleasePrinter() {
  FreeHandle(m_hDevNames);
  FreeHandle(m_hDevMode);
}
