#include "afx/ui/AfxPreviewView.h"

#include "afx/app/AfxApp.h"
#include "afx/ui/AfxDialog.h"
#include "afx/wnd/AfxWindowDC.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CPreviewView, CView)

BEGIN_MESSAGE_MAP(CPreviewView, CView)
  ON_COMMAND(AFX_ID_PREVIEW_CLOSE, OnPreviewClose)
  ON_COMMAND(IDCANCEL, OnPreviewClose)
  ON_COMMAND(AFX_ID_PREVIEW_PRINT, OnPreviewPrint)
  ON_COMMAND(AFX_ID_PREVIEW_NEXT, OnNextPage)
  ON_COMMAND(AFX_ID_PREVIEW_PREV, OnPrevPage)
  ON_COMMAND(AFX_ID_PREVIEW_NUMPAGE, OnNumPageChange)
  ON_COMMAND(AFX_ID_PREVIEW_ZOOMIN, OnZoomIn)
  ON_COMMAND(AFX_ID_PREVIEW_ZOOMOUT, OnZoomOut)
  ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NEXT, OnUpdateNextPage)
  ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_PREV, OnUpdatePrevPage)
  ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NUMPAGE, OnUpdateNumPageChange)
  ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMIN, OnUpdateZoomIn)
  ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMOUT, OnUpdateZoomOut)
  ON_WM_SIZE()
  ON_WM_HSCROLL()
  ON_WM_VSCROLL()
  ON_WM_KEYDOWN()
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

// Preview's bar when the application has no template of its own: one row
// of push buttons (dialog units).
CDlgTemplate DefaultBarTemplate() {
  CDlgTemplate bar(WS_CHILD, 0, 0, 400, 20);
  const struct {
    UINT nID;
    UINT nIDCaption;
  } buttons[] = {
      {AFX_ID_PREVIEW_PRINT, AFX_IDS_PREVIEWBAR_PRINT},     {AFX_ID_PREVIEW_NEXT, AFX_IDS_PREVIEWBAR_NEXT},
      {AFX_ID_PREVIEW_PREV, AFX_IDS_PREVIEWBAR_PREV},       {AFX_ID_PREVIEW_NUMPAGE, AFX_IDS_TWOPAGE},
      {AFX_ID_PREVIEW_ZOOMIN, AFX_IDS_PREVIEWBAR_ZOOMIN},   {AFX_ID_PREVIEW_ZOOMOUT, AFX_IDS_PREVIEWBAR_ZOOMOUT},
      {AFX_ID_PREVIEW_CLOSE, AFX_IDS_PREVIEWBAR_CLOSE},
  };
  int x = 4;
  for (const auto& button : buttons) {
    CString caption;
    AfxLoadString(button.nIDCaption, caption);
    bar.AddItem("BUTTON", BS_PUSHBUTTON | WS_TABSTOP, x, 3, 52, 14,
                static_cast<WORD>(button.nID), caption);
    x += 56;
  }
  return bar;
}

// The screen's resolution.
CSize ScreenDpi() {
  const HDC hScreen = ::GetDC(nullptr);
  const CSize dpi(::GetDeviceCaps(hScreen, LOGPIXELSX), ::GetDeviceCaps(hScreen, LOGPIXELSY));
  ::ReleaseDC(nullptr, hScreen);
  return dpi;
}

// The printer's sheet: its paper when it says (a printer does), else its
// printable area.
PreviewDevice DeviceOf(CDC* pPrinter) {
  PreviewDevice d = {};
  d.printerDpi = tagSIZE{pPrinter->GetDeviceCaps(LOGPIXELSX), pPrinter->GetDeviceCaps(LOGPIXELSY)};
  d.paper = tagSIZE{pPrinter->GetDeviceCaps(PHYSICALWIDTH), pPrinter->GetDeviceCaps(PHYSICALHEIGHT)};
  d.offset = tagPOINT{pPrinter->GetDeviceCaps(PHYSICALOFFSETX), pPrinter->GetDeviceCaps(PHYSICALOFFSETY)};
  if (d.paper.cx <= 0 || d.paper.cy <= 0) {
    d.paper = tagSIZE{pPrinter->GetDeviceCaps(HORZRES), pPrinter->GetDeviceCaps(VERTRES)};
    d.offset = tagPOINT{0, 0};
  }
  if (d.printerDpi.cx <= 0 || d.printerDpi.cy <= 0) d.printerDpi = tagSIZE{96, 96};
  d.screenDpi = ScreenDpi();
  return d;
}

}  // namespace

// ---- CView's preview command ----------------------------------------------------------

void CView::OnFilePrintPreview() {
  auto* pState = new CPrintPreviewState;
  if (!DoPrintPreview(AFX_IDD_PREVIEW_TOOLBAR, this, RUNTIME_CLASS(CPreviewView), pState)) {
    delete pState;
  }
}

BOOL CView::DoPrintPreview(UINT nIDResource, CView* pPrintView, CRuntimeClass* pPreviewViewClass,
                           CPrintPreviewState* pState) {
  CWnd* pMainWnd = AfxGetMainWnd();
  CFrameWnd* pFrame = pMainWnd != nullptr && pMainWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd))
                          ? static_cast<CFrameWnd*>(pMainWnd)
                          : GetParentFrame();
  if (pFrame == nullptr || pPrintView == nullptr || pState == nullptr ||
      pPreviewViewClass == nullptr || !pPreviewViewClass->IsDerivedFrom(RUNTIME_CLASS(CPreviewView))) {
    return FALSE;
  }
  auto* pView = static_cast<CPreviewView*>(pPreviewViewClass->CreateObject());
  if (pView == nullptr) return FALSE;
  // The printing is prepared first: without a printer nothing has changed.
  if (!pView->SetPrintView(pPrintView)) {
    delete pView;
    return FALSE;
  }
  pFrame->OnSetPreviewMode(TRUE, pState);
  pView->m_pPreviewState = pState;  // the view's to delete from here on

  // The bar: the application's template, else the framework's.
  auto* pBar = new CDialogBar;
  pBar->m_bAutoDelete = TRUE;
  const LPCSTR lpszTemplate = MAKEINTRESOURCEA(nIDResource);
  const bool bOwnTemplate =
      ::FindResourceA(AfxFindResourceHandle(lpszTemplate, RT_DIALOG), lpszTemplate, RT_DIALOG) != nullptr;
  const DWORD dwBarStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP;
  const BOOL bBar = bOwnTemplate
                        ? pBar->Create(pFrame, lpszTemplate, dwBarStyle, AFX_IDW_PREVIEW_BAR)
                        : pBar->CreateIndirect(pFrame, DefaultBarTemplate().Get(), dwBarStyle,
                                               AFX_IDW_PREVIEW_BAR);
  if (!bBar) delete pBar;
  pView->m_pToolBar = bBar ? pBar : nullptr;

  CCreateContext context;
  context.m_pCurrentFrame = pFrame;
  if (!pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), pFrame,
                     AFX_IDW_PANE_FIRST, &context)) {
    // Nothing is left of the preview: the printing ends and the frame is
    // given back as it was.
    pPrintView->OnEndPrinting(&pView->m_previewDC, pView->m_pPreviewInfo);
    pView->m_bPrinting = false;
    if (pView->m_pToolBar != nullptr) pView->m_pToolBar->DestroyWindow();
    pFrame->OnSetPreviewMode(FALSE, pState);
    pView->m_pPreviewState = nullptr;  // the caller deletes it
    delete pView;
    return FALSE;
  }
  pFrame->SetActiveView(pView);
  pFrame->RecalcLayout();
  pView->SetFocus();
  pView->ShowPageDescription();
  pFrame->UpdateWindow();
  return TRUE;
}

void CView::OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT, CPreviewView* pView) {
  if (pView->m_bPrinting) {
    OnEndPrinting(pDC, pInfo);
    pView->m_bPrinting = false;
  }
  CFrameWnd* pFrame = pView->GetParentFrame();
  if (pView->m_pToolBar != nullptr) {
    pView->m_pToolBar->DestroyWindow();  // deletes itself
    pView->m_pToolBar = nullptr;
  }
  if (pFrame != nullptr) pFrame->OnSetPreviewMode(FALSE, pView->m_pPreviewState);
  pView->DestroyWindow();  // deletes the preview and its state
  if (pFrame == nullptr) return;
  pFrame->RecalcLayout();
  pFrame->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
  if (IsWindow()) SetFocus();
  pFrame->UpdateWindow();
}

// ---- CPreviewView ---------------------------------------------------------------------

CPreviewView::CPreviewView() = default;

CPreviewView::~CPreviewView() {
  // Gone with its frame rather than closed: the frame's menu is still set
  // aside, and nobody else will destroy it.
  if (m_pPreviewState != nullptr && m_pPreviewState->hMenu != nullptr) {
    ::DestroyMenu(m_pPreviewState->hMenu);
  }
  delete m_pPreviewState;
  delete m_pPreviewInfo;
}

BOOL CPreviewView::PreCreateWindow(CREATESTRUCTA& cs) {
  cs.style |= WS_HSCROLL | WS_VSCROLL;
  return CView::PreCreateWindow(cs);
}

BOOL CPreviewView::SetPrintView(CView* pPrintView) {
  m_pPrintView = pPrintView;
  m_pPreviewInfo = new CPrintInfo;
  m_pPreviewInfo->m_bPreview = TRUE;
  if (!pPrintView->OnPreparePrinting(m_pPreviewInfo)) return FALSE;
  if (m_pPreviewInfo->m_pTargetDC != nullptr) {
    m_pPrinterDC = m_pPreviewInfo->m_pTargetDC;
  } else if (m_pPreviewInfo->m_hPrinterDC != nullptr) {
    m_printer.Attach(m_pPreviewInfo->m_hPrinterDC);
    m_pPreviewInfo->m_hPrinterDC = nullptr;
    m_pPrinterDC = &m_printer;
  } else {
    return FALSE;
  }
  m_previewDC.SetPrinter(m_pPrinterDC);
  m_device = DeviceOf(m_pPrinterDC);
  pPrintView->OnBeginPrinting(&m_previewDC, m_pPreviewInfo);
  m_bPrinting = true;
  m_nPages = m_pPreviewInfo->m_nNumPreviewPages == 2 ? 2 : 1;
  SetCurrentPage(FirstPage());
  return TRUE;
}

UINT CPreviewView::FirstPage() const { return m_pPreviewInfo->GetMinPage(); }

UINT CPreviewView::LastPage() const {
  return std::max(m_pPreviewInfo->GetMinPage(), m_pPreviewInfo->GetMaxPage());
}

UINT CPreviewView::GetPagesShown() const { return m_nZoomState == ZOOM_OUT ? m_nPages : 1; }

void CPreviewView::SetCurrentPage(UINT nPage) {
  // The last sheet shown holds the last page at most.
  const UINT nShown = GetPagesShown();
  const UINT nLastFirst = LastPage() >= FirstPage() + nShown - 1 ? LastPage() - nShown + 1 : FirstPage();
  m_nCurrentPage = std::max(FirstPage(), std::min(nPage, nLastFirst));
  if (m_hWnd != nullptr) {
    ShowPageDescription();
    Invalidate();
  }
}

CRect CPreviewView::GetSheetRect(int nIndex) const {
  if (nIndex < 0 || nIndex >= static_cast<int>(GetPagesShown())) return CRect(0, 0, 0, 0);
  if (m_nCurrentPage + static_cast<UINT>(nIndex) > LastPage()) return CRect(0, 0, 0, 0);
  CRect rc(m_layout.sheets[nIndex]);
  rc.OffsetRect(-m_ptScroll.x, -m_ptScroll.y);
  return rc;
}

// ---- drawing --------------------------------------------------------------------------

void CPreviewView::DrawPage(CDC* pOutput, UINT nPage, POINT ptOrigin, const PreviewScale& scale) {
  const HDC hOutput = pOutput->m_hDC;
  const HDC hPrinter = m_pPrinterDC->m_hAttribDC;
  const int nSavedOutput = ::SaveDC(hOutput);
  const int nSavedPrinter = ::SaveDC(hPrinter);
  // Only the printable area is drawn on, whatever the host clips.
  ::SetMapMode(hOutput, MM_TEXT);
  ::SetViewportOrgEx(hOutput, 0, 0, nullptr);
  ::SetWindowOrgEx(hOutput, 0, 0, nullptr);
  ::IntersectClipRect(hOutput, ptOrigin.x, ptOrigin.y,
                      ptOrigin.x + scale.ToScreenX(m_pPrinterDC->GetDeviceCaps(HORZRES)),
                      ptOrigin.y + scale.ToScreenY(m_pPrinterDC->GetDeviceCaps(VERTRES)));
  ::SetMetaRgn(hOutput);
  m_previewDC.SetOutput(hOutput, ptOrigin, scale);

  // As the print loop prepares a page: once to decide, once to draw.
  CPrintInfo* pInfo = m_pPreviewInfo;
  pInfo->m_nCurPage = nPage;
  pInfo->m_bContinuePrinting = TRUE;
  m_pPrintView->OnPrepareDC(&m_previewDC, pInfo);
  if (pInfo->m_bContinuePrinting) {
    pInfo->m_rectDraw.SetRect(0, 0, m_previewDC.GetDeviceCaps(HORZRES),
                              m_previewDC.GetDeviceCaps(VERTRES));
    m_previewDC.DPtoLP(&pInfo->m_rectDraw);
    m_pPrintView->OnPrepareDC(&m_previewDC, pInfo);
    m_pPrintView->OnPrint(&m_previewDC, pInfo);
  }
  m_previewDC.ReleaseOutputDC();
  ::RestoreDC(hPrinter, nSavedPrinter);
  ::RestoreDC(hOutput, nSavedOutput);
}

BOOL CPreviewView::OnEraseBkgnd(CDC*) { return TRUE; }  // OnDraw paints it all

void CPreviewView::OnDraw(CDC* pDC) {
  CRect rcClient;
  GetClientRect(&rcClient);
  pDC->FillSolidRect(&rcClient, ::GetSysColor(COLOR_APPWORKSPACE));
  for (int i = 0; i < static_cast<int>(GetPagesShown()); ++i) {
    const CRect rcSheet = GetSheetRect(i);
    if (rcSheet.IsRectEmpty()) continue;
    // The sheet: white, with a shadow to the right and below.
    CRect rcShadow(rcSheet);
    rcShadow.OffsetRect(3, 3);
    pDC->FillSolidRect(&rcShadow, RGB(0, 0, 0));
    pDC->FillSolidRect(&rcSheet, RGB(255, 255, 255));
    const CPoint ptOrigin(rcSheet.left + m_layout.scale.ToScreenX(m_device.offset.x),
                          rcSheet.top + m_layout.scale.ToScreenY(m_device.offset.y));
    DrawPage(pDC, m_nCurrentPage + static_cast<UINT>(i), ptOrigin, m_layout.scale);
  }
}

// ---- layout and scrolling -------------------------------------------------------------

void CPreviewView::UpdateLayout() {
  if (m_bInLayout || m_hWnd == nullptr) return;
  m_bInLayout = true;
  // A scroll bar shown or hidden changes the client area: laid out again
  // until it holds still.
  for (int nPass = 0; nPass < 3; ++nPass) {
    CRect rcClient;
    GetClientRect(&rcClient);
    m_layout = LayOutPreview(m_device, m_nZoomState, static_cast<int>(m_nPages), rcClient.Size());
    m_ptScroll.x = ClampPreviewScroll(m_ptScroll.x, m_layout.picture.cx, rcClient.Width());
    m_ptScroll.y = ClampPreviewScroll(m_ptScroll.y, m_layout.picture.cy, rcClient.Height());
    const LONG sizes[2][2] = {{m_layout.picture.cx, rcClient.Width()},
                              {m_layout.picture.cy, rcClient.Height()}};
    const LONG positions[2] = {m_ptScroll.x, m_ptScroll.y};
    for (int nBar = SB_HORZ; nBar <= SB_VERT; ++nBar) {
      SCROLLINFO si = {};
      si.cbSize = sizeof si;
      si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
      si.nMax = sizes[nBar][0] - 1;
      si.nPage = static_cast<UINT>(std::max<LONG>(0, sizes[nBar][1]));
      si.nPos = positions[nBar];
      SetScrollInfo(nBar, &si, TRUE);
    }
    CRect rcAfter;
    GetClientRect(&rcAfter);
    if (rcAfter == rcClient) break;
  }
  m_bInLayout = false;
  Invalidate();
}

void CPreviewView::OnSize(UINT nType, int cx, int cy) {
  CView::OnSize(nType, cx, cy);
  UpdateLayout();
}

void CPreviewView::Scroll(int nBar, LONG nPos) {
  CRect rcClient;
  GetClientRect(&rcClient);
  if (nBar == SB_HORZ) {
    m_ptScroll.x = ClampPreviewScroll(nPos, m_layout.picture.cx, rcClient.Width());
  } else {
    m_ptScroll.y = ClampPreviewScroll(nPos, m_layout.picture.cy, rcClient.Height());
  }
  SetScrollPos(nBar, nBar == SB_HORZ ? m_ptScroll.x : m_ptScroll.y);
  Invalidate();
}

namespace {

// The position a scroll-bar message asks for.
LONG ScrollTarget(UINT nSBCode, UINT nPos, LONG nNow, LONG nPage) {
  constexpr LONG kLine = 16;
  switch (nSBCode) {
    case SB_LINEUP: return nNow - kLine;
    case SB_LINEDOWN: return nNow + kLine;
    case SB_PAGEUP: return nNow - nPage;
    case SB_PAGEDOWN: return nNow + nPage;
    case SB_TOP: return 0;
    case SB_BOTTOM: return 0x7FFFFFFF;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return static_cast<LONG>(nPos);
    default: return nNow;
  }
}

}  // namespace

void CPreviewView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*) {
  CRect rcClient;
  GetClientRect(&rcClient);
  Scroll(SB_HORZ, ScrollTarget(nSBCode, nPos, m_ptScroll.x, rcClient.Width()));
}

void CPreviewView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*) {
  CRect rcClient;
  GetClientRect(&rcClient);
  Scroll(SB_VERT, ScrollTarget(nSBCode, nPos, m_ptScroll.y, rcClient.Height()));
}

void CPreviewView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  switch (nChar) {
    case VK_ESCAPE: OnPreviewClose(); return;
    case VK_NEXT: OnNextPage(); return;
    case VK_PRIOR: OnPrevPage(); return;
    default: CView::OnKeyDown(nChar, nRepCnt, nFlags);
  }
}

void CPreviewView::SetZoom(int nZoom) {
  nZoom = std::max<int>(ZOOM_OUT, std::min<int>(ZOOM_IN, nZoom));
  if (nZoom == m_nZoomState) return;
  m_nZoomState = nZoom;
  SetCurrentPage(m_nCurrentPage);
  // The picture's middle comes to the window's middle.
  CRect rcClient;
  GetClientRect(&rcClient);
  const PreviewLayout next = LayOutPreview(m_device, m_nZoomState, static_cast<int>(m_nPages), rcClient.Size());
  m_ptScroll = CPoint((next.picture.cx - rcClient.Width()) / 2, (next.picture.cy - rcClient.Height()) / 2);
  UpdateLayout();
  ShowPageDescription();
}

void CPreviewView::ShowPageDescription() {
  CFrameWnd* pFrame = GetParentFrame();
  if (pFrame == nullptr) return;
  CString format = m_pPreviewInfo->m_strPageDesc;
  if (format.IsEmpty()) AfxLoadString(AFX_IDS_PREVIEWPAGEDESC, format);
  // "Page %u" on the first line, "Pages %u-%u" on the second.
  const int nNewline = format.Find('\n');
  const bool bTwo = GetPagesShown() == 2 && m_nCurrentPage < LastPage();
  CString line = bTwo ? format.Mid(nNewline + 1) : format.Left(nNewline >= 0 ? nNewline : format.GetLength());
  const int nEnd = line.Find('\n');
  if (nEnd >= 0) line = line.Left(nEnd);
  CString text;
  text.Format(line, m_nCurrentPage, m_nCurrentPage + 1);
  pFrame->SetMessageText(text);
}

// ---- commands -------------------------------------------------------------------------

void CPreviewView::OnPreviewClose() {
  if (m_pPreviewState != nullptr && m_pPreviewState->lpfnCloseProc != nullptr) {
    (*m_pPreviewState->lpfnCloseProc)(GetParentFrame());
    return;
  }
  m_pPrintView->OnEndPrintPreview(&m_previewDC, m_pPreviewInfo, CPoint(0, 0), this);
}

void CPreviewView::OnPreviewPrint() {
  CFrameWnd* pFrame = GetParentFrame();
  OnPreviewClose();  // this is gone from here on
  if (pFrame != nullptr) pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT);
}

void CPreviewView::OnNextPage() { SetCurrentPage(m_nCurrentPage + 1); }

void CPreviewView::OnPrevPage() {
  if (m_nCurrentPage > FirstPage()) SetCurrentPage(m_nCurrentPage - 1);
}

void CPreviewView::OnNumPageChange() {
  if (m_nZoomState != ZOOM_OUT) return;
  m_nPages = m_nPages == 1 ? 2 : 1;
  SetCurrentPage(m_nCurrentPage);
  UpdateLayout();
}

void CPreviewView::OnZoomIn() { SetZoom(m_nZoomState + 1); }

void CPreviewView::OnZoomOut() { SetZoom(m_nZoomState - 1); }

void CPreviewView::OnUpdateNextPage(CCmdUI* pCmdUI) {
  pCmdUI->Enable(m_nCurrentPage + GetPagesShown() - 1 < LastPage());
}

void CPreviewView::OnUpdatePrevPage(CCmdUI* pCmdUI) { pCmdUI->Enable(m_nCurrentPage > FirstPage()); }

void CPreviewView::OnUpdateNumPageChange(CCmdUI* pCmdUI) {
  CString caption;
  AfxLoadString(m_nPages == 1 ? AFX_IDS_TWOPAGE : AFX_IDS_ONEPAGE, caption);
  pCmdUI->SetText(caption);
  pCmdUI->Enable(m_nZoomState == ZOOM_OUT && LastPage() > FirstPage());
}

void CPreviewView::OnUpdateZoomIn(CCmdUI* pCmdUI) { pCmdUI->Enable(m_nZoomState != ZOOM_IN); }

void CPreviewView::OnUpdateZoomOut(CCmdUI* pCmdUI) { pCmdUI->Enable(m_nZoomState != ZOOM_OUT); }
