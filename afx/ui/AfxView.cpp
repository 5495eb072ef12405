#include "afx/ui/AfxView.h"

#include "afx/app/AfxRes.h"
#include "afx/ui/AfxDoc.h"
#include "afx/ui/AfxPrintingInternal.h"

#include <commdlg.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
  ON_WM_CREATE()
  ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMessage)
  ON_WM_PAINT()
  ON_WM_MOUSEACTIVATE()
  ON_WM_DESTROY()
END_MESSAGE_MAP()

void CView::OnPrepareDC(CDC* /*pDC*/, CPrintInfo* pInfo) {
  // A job whose length nobody set (the maximum page left as it was) is
  // one page long. Only ever cleared here: a host's override that ended the
  // job before calling this keeps it ended.
  if (pInfo != nullptr && pInfo->GetMaxPage() == 0xFFFF && pInfo->m_nCurPage > 1) {
    pInfo->m_bContinuePrinting = FALSE;
  }
}
CView::~CView() {
  if (m_pDocument != nullptr) m_pDocument->RemoveView(this);
}

int CView::OnCreate(LPCREATESTRUCTA lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  // A view made for a document (by its frame, from a template) joins it.
  auto* pContext = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
  if (pContext != nullptr && pContext->m_pCurrentDoc != nullptr) {
    pContext->m_pCurrentDoc->AddView(this);
  }
  return 0;
}

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

void CView::OnUpdate(CView* /*pSender*/, LPARAM /*lHint*/, CObject* /*pHint*/) { Invalidate(TRUE); }

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM) {
  OnInitialUpdate();
  return 0;
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  return m_pDocument != nullptr && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}


BOOL CView::OnScroll(UINT /*nScrollCode*/, UINT /*nPos*/, BOOL /*bDoScroll*/) { return FALSE; }

BOOL CView::OnScrollBy(CSize /*sizeScroll*/, BOOL /*bDoScroll*/) { return FALSE; }

BOOL CView::ScrollContentBy(CSize sizeScroll, CSize* pMoved) {
  m_bScrolledSet = false;
  const BOOL bScrolled = OnScrollBy(sizeScroll, TRUE);
  *pMoved = !bScrolled ? CSize(0, 0) : m_bScrolledSet ? m_sizeScrolled : sizeScroll;
  m_bScrolledSet = false;
  return bScrolled;
}

void CView::SetScrolledBy(CSize sizeMoved) {
  m_bScrolledSet = true;
  m_sizeScrolled = sizeMoved;
}

BOOL CView::PreCreateWindow(CREATESTRUCTA& cs) {
  // A view is a child that draws everything itself, its children excluded;
  // a bordered view gets the sunken client edge of today's windows.
  cs.style |= WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  if ((cs.style & WS_BORDER) != 0) {
    cs.style &= ~static_cast<LONG>(WS_BORDER);
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
  }
  return CWnd::PreCreateWindow(cs);
}

void CView::PostNcDestroy() { delete this; }

void CView::OnPaint() {
  CPaintDC dc(this);
  OnPrepareDC(&dc, nullptr);
  OnDraw(&dc);
}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) {
  const int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
  if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT) return nResult;
  CFrameWnd* pFrame = GetParentFrame();
  if (pFrame != nullptr && pFrame->GetActiveView() != this) pFrame->SetActiveView(this);
  // The focus comes to the view unless one of its own children has it.
  const HWND hWndFocus = ::GetFocus();
  if (hWndFocus != m_hWnd && !::IsChild(m_hWnd, hWndFocus)) SetFocus();
  return nResult;
}

void CView::OnDestroy() {
  CFrameWnd* pFrame = GetParentFrame();
  if (pFrame != nullptr && pFrame->m_pViewActive == this) pFrame->m_pViewActive = nullptr;
  CWnd::OnDestroy();
}

// ---- printing -----------------------------------------------------------------------

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo) { return DoPreparePrinting(pInfo); }

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo) {
  if (pInfo->m_pTargetDC != nullptr) return pInfo->m_pTargetDC->GetSafeHdc() != nullptr;
  CWinApp* pApp = AfxGetApp();
  if (pApp == nullptr) return FALSE;
  PRINTDLGA pd = {};
  pd.lStructSize = sizeof(pd);
  if (pInfo->m_bDirect || pInfo->m_bPreview) {
    // The application's printer as it stands, without asking (preview
    // shows the pages for the printer print setup chose).
    if (!pApp->GetPrinterDeviceDefaults(&pd)) {
      AfxMessageBox(AFX_IDP_NO_PRINTER, MB_ICONEXCLAMATION);
      return FALSE;
    }
    pd.hDC = AfxCreateDC(pd.hDevNames, pd.hDevMode);
  } else {
    pd.hwndOwner = m_hWnd;
    // The driver makes the copies the user asks for (the settings carry
    // them), so the job prints each page once.
    pd.Flags = PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOSELECTION;
    pd.nMinPage = static_cast<WORD>(std::min<UINT>(pInfo->GetMinPage(), 0xFFFF));
    pd.nMaxPage = static_cast<WORD>(std::min<UINT>(pInfo->GetMaxPage(), 0xFFFF));
    pd.nFromPage = pd.nMinPage;
    pd.nToPage = pd.nMaxPage;
    if (pd.nMinPage >= pd.nMaxPage) pd.Flags |= PD_NOPAGENUMS;
    if (pApp->DoPrintDialog(&pd) != IDOK) return FALSE;
    if ((pd.Flags & PD_PAGENUMS) != 0) {
      pInfo->m_nFromPage = pd.nFromPage;
      pInfo->m_nToPage = pd.nToPage;
    }
  }
  if (pd.hDC == nullptr) {
    AfxMessageBox(AFX_IDP_FAILED_TO_START_PRINT, MB_ICONEXCLAMATION);
    return FALSE;
  }
  pInfo->m_hPrinterDC = pd.hDC;
  // The printer's names, for the dialog the job shows.
  if (const auto* pNames = static_cast<const DEVNAMES*>(::GlobalLock(pd.hDevNames))) {
    const auto* text = reinterpret_cast<const char*>(pNames);
    pInfo->m_strPrinterName = text + pNames->wDeviceOffset;
    pInfo->m_strPortName = text + pNames->wOutputOffset;
    ::GlobalUnlock(pd.hDevNames);
  }
  return TRUE;
}

void CView::OnBeginPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}

void CView::OnPrint(CDC* pDC, CPrintInfo* /*pInfo*/) { OnDraw(pDC); }

void CView::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}

void CView::OnFilePrint() {
  CPrintInfo info;
  if (!OnPreparePrinting(&info)) return;
  if (info.m_pTargetDC != nullptr) {
    PrintPages(info.m_pTargetDC, &info, nullptr);
    return;
  }
  if (info.m_hPrinterDC == nullptr) return;
  CDC dcPrint;  // owns the printer's context from here on
  dcPrint.Attach(info.m_hPrinterDC);
  CPrintingDialog dlgPrinting(this, dcPrint, PrintJobTitle(), info.m_strPrinterName,
                              info.m_strPortName);
  PrintPages(&dcPrint, &info, &dlgPrinting);
}

CString CView::PrintJobTitle() const {
  CString title;
  CWnd* pFrame = GetParentFrame();
  (pFrame != nullptr ? pFrame : this)->GetWindowText(title);
  return title.IsEmpty() ? CString("Document") : title;
}

void CView::PrintPages(CDC* pDC, CPrintInfo* pInfo, CPrintingDialog* pDialog) {
  const BOOL bWasPrinting = pDC->m_bPrinting;
  pDC->m_bPrinting = TRUE;
  OnBeginPrinting(pDC, pInfo);

  const CString title = PrintJobTitle();
  DOCINFOA docInfo = {};
  docInfo.cbSize = sizeof(docInfo);
  docInfo.lpszDocName = title;

  // The user who cancelled knows: no prompt tells them again.
  const auto userAborted = [pDialog] { return pDialog != nullptr && pDialog->UserAborted(); };
  const bool bStarted = pDC->StartDoc(&docInfo) > 0;
  if (!bStarted && !userAborted()) {
    AfxMessageBox(AFX_IDP_FAILED_TO_START_PRINT, MB_ICONEXCLAMATION);
  }
  bool bError = !bStarted;
  for (pInfo->m_nCurPage = pInfo->GetFromPage();
       !bError && pInfo->m_nCurPage <= pInfo->GetToPage(); ++pInfo->m_nCurPage) {
    if (pDialog != nullptr) pDialog->SetPage(pInfo->m_nCurPage);
    // The first preparation decides whether the page is printed at all and
    // sets the mapping the usable area is given in; the second sets the
    // page's context up after StartPage, which may reset it.
    OnPrepareDC(pDC, pInfo);
    if (!pInfo->m_bContinuePrinting) break;
    pInfo->m_rectDraw.SetRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    pDC->DPtoLP(&pInfo->m_rectDraw);
    if (pDC->StartPage() <= 0) {
      bError = true;
      break;
    }
    OnPrepareDC(pDC, pInfo);
    OnPrint(pDC, pInfo);
    // A host that abandoned the job (AbortDoc) ended it: ending it again
    // would print what was abandoned (some drivers refuse to abort and
    // print at EndDoc), so nothing more is sent.
    if (!pDC->m_bPrinting) break;
    // A job the user cancelled on this page (the abort procedure then
    // fails EndPage) stops here and prints nothing.
    if (pDC->EndPage() <= 0 || userAborted()) bError = true;
  }
  const bool bAbandoned = !pDC->m_bPrinting;
  if (bStarted && !bAbandoned) {
    if (bError) {
      pDC->AbortDoc();
    } else {
      pDC->EndDoc();
    }
  }
  OnEndPrinting(pDC, pInfo);
  pDC->m_bPrinting = bWasPrinting;
}
