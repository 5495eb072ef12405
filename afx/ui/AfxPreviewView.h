// CPreviewView: print preview's pages. CView::OnFilePrintPreview puts it in
// the main frame in place of the view being previewed, under a bar of
// buttons (Print, Next Page, Prev Page, One Page/Two Page, Zoom In, Zoom
// Out, Close). It draws each page through the previewed view's own
// OnPrepareDC and OnPrint, with CPrintInfo::m_bPreview set, on a preview
// context (CPreviewDC) that answers as the printer and draws on the
// screen at the preview's scale: one or two whole sheets, half way to the
// actual size, or the actual size (the screen's inch for the printer's),
// scrolling when a sheet is larger than the window.
#pragma once

#include "afx/ui/AfxControlBar.h"
#include "afx/gdi/AfxPreviewDC.h"
#include "afx/ui/AfxView.h"

class VARNEL_API CPreviewView : public CView {
  DECLARE_DYNCREATE(CPreviewView)

 public:
  CPreviewView();
  ~CPreviewView() override;

  // The zoom states (Zoom In steps up, Zoom Out down).
  enum { ZOOM_OUT = kPreviewZoomOut, ZOOM_MIDDLE = kPreviewZoomMiddle, ZOOM_IN = kPreviewZoomIn };

  // The first page shown, how many pages are shown (1 or 2) and the zoom.
  UINT GetCurrentPage() const { return m_nCurrentPage; }
  UINT GetPagesShown() const;
  int GetZoomState() const { return m_nZoomState; }
  // The sheet of paper shown at position nIndex (0 or 1) in client
  // coordinates; empty when none is shown there.
  CRect GetSheetRect(int nIndex) const;
  // The scale of printer pixels to the window's pixels.
  const PreviewScale& GetScale() const { return m_layout.scale; }
  // The printer the pages are laid out for.
  CDC* GetPrinterDC() const { return m_pPrinterDC; }

  // Draws page nPage as the window shows it, onto any context: the
  // printer's device point (0, 0) at ptOrigin, distances scaled. Only the
  // printable area is drawn on.
  void DrawPage(CDC* pOutput, UINT nPage, POINT ptOrigin, const PreviewScale& scale);

  void OnDraw(CDC* pDC) override;

  // What the frame put aside (owned from DoPrintPreview on) and the bar.
  CPrintPreviewState* m_pPreviewState = nullptr;
  CDialogBar* m_pToolBar = nullptr;

  // The commands of the preview bar, public so that a host's map can name
  // them.
  afx_msg void OnPreviewClose();
  afx_msg void OnPreviewPrint();
  afx_msg void OnNextPage();
  afx_msg void OnPrevPage();
  afx_msg void OnNumPageChange();
  afx_msg void OnZoomIn();
  afx_msg void OnZoomOut();

 protected:
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

  afx_msg void OnUpdateNextPage(CCmdUI* pCmdUI);
  afx_msg void OnUpdatePrevPage(CCmdUI* pCmdUI);
  afx_msg void OnUpdateNumPageChange(CCmdUI* pCmdUI);
  afx_msg void OnUpdateZoomIn(CCmdUI* pCmdUI);
  afx_msg void OnUpdateZoomOut(CCmdUI* pCmdUI);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  DECLARE_MESSAGE_MAP()

 private:
  friend class CView;
  // Prepares the printing of pPrintView for preview; FALSE when it was
  // declined (the view's OnPreparePrinting said why).
  BOOL SetPrintView(CView* pPrintView);
  UINT FirstPage() const;
  UINT LastPage() const;
  // Shows nPage first, keeping every sheet shown on a page.
  void SetCurrentPage(UINT nPage);
  void SetZoom(int nZoom);
  void UpdateLayout();
  void Scroll(int nBar, LONG nPos);
  // The pages shown, in the status bar.
  void ShowPageDescription();

  CView* m_pPrintView = nullptr;
  CPrintInfo* m_pPreviewInfo = nullptr;
  CDC* m_pPrinterDC = nullptr;  // m_printer, or the host's stand-in page
  CDC m_printer;
  CPreviewDC m_previewDC;
  PreviewDevice m_device = {};
  PreviewLayout m_layout = {};
  UINT m_nCurrentPage = 1;
  UINT m_nPages = 1;  // 1 or 2, when zoomed out
  int m_nZoomState = ZOOM_OUT;
  CPoint m_ptScroll;
  bool m_bInLayout = false;
  bool m_bPrinting = false;  // between OnBeginPrinting and OnEndPrinting
};
