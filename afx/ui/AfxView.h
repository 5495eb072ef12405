// CView: a child window that shows a document by drawing it. A host derives
// from it and supplies OnDraw; painting prepares a paint context with
// OnPrepareDC and calls OnDraw, and printing runs the same drawing page by
// page (OnFilePrint). A click gives the view the focus. Views are made
// with new and delete themselves when their window is gone.
//
// A view made for a document (its creation context names one) is in the
// document's list until it is destroyed: GetDocument gives the document,
// OnInitialUpdate runs before the frame is first shown with it and each
// time the document is new or opened again, and OnUpdate each time the
// document calls UpdateAllViews. Commands the view does not handle go on
// to its document.
#pragma once

#include "afx/ui/AfxFrame.h"
#include "afx/wnd/AfxWindowDC.h"

class CPreviewView;
class CPrintingDialog;

// The print job's record.
struct VARNEL_API CPrintInfo {
  BOOL m_bPreview = FALSE;           // drawing for print preview
  BOOL m_bDirect = FALSE;            // the application's printer, without the print dialog
  BOOL m_bContinuePrinting = TRUE;   // cleared by OnPrepareDC to end the job early
  UINT m_nCurPage = 1;               // the page being drawn
  UINT m_nNumPreviewPages = 1;
  CRect m_rectDraw;                  // the page's usable area, in logical units
  CString m_strPageDesc;
  // A device context the host prints on instead of a printer's (a page-sized
  // bitmap, a metafile): set it in OnPreparePrinting; the job then needs no
  // printer and shows no dialog. Not owned.
  CDC* m_pTargetDC = nullptr;

  void SetMinPage(UINT nMinPage) { m_nMinPage = nMinPage; }
  void SetMaxPage(UINT nMaxPage) { m_nMaxPage = nMaxPage; }
  UINT GetMinPage() const { return m_nMinPage; }
  UINT GetMaxPage() const { return m_nMaxPage; }
  // The pages the job prints (the whole document unless the print dialog
  // narrowed it).
  UINT GetFromPage() const { return m_nFromPage != 0 ? m_nFromPage : m_nMinPage; }
  UINT GetToPage() const { return m_nToPage != 0 ? m_nToPage : m_nMaxPage; }

 private:
  friend class CView;
  friend class CPreviewView;
  UINT m_nMinPage = 1;
  UINT m_nMaxPage = 0xFFFF;
  UINT m_nFromPage = 0;
  UINT m_nToPage = 0;
  HDC m_hPrinterDC = nullptr;  // from DoPreparePrinting; the job deletes it
  CString m_strPrinterName;    // the printer's device and port, for the
  CString m_strPortName;       // dialog shown while the job prints
};

// Sent by a frame to its views before it is first shown with a document.
#define WM_INITIALUPDATE 0x0364

class VARNEL_API CView : public CWnd {
  DECLARE_DYNAMIC(CView)

 public:
  CView() = default;
  // Leaves its document's list (the document closes with its last view).
  ~CView() override;

  CDocument* GetDocument() const { return m_pDocument; }
  // The document is new or freshly opened: the base calls OnUpdate.
  virtual void OnInitialUpdate();
  // The view's own handlers, then its document's.
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra = nullptr,
                AFX_CMDHANDLERINFO* pHandlerInfo = nullptr) override;

  // Draws the view on a prepared context.
  virtual void OnDraw(CDC* pDC) = 0;
  // Prepares a context for drawing or for conversions; pInfo is null
  // outside printing. The base prepares nothing; when printing a job whose
  // maximum page was never set, it ends the job after the first page.
  virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
  // Scrolling slots a scrolling view fills in; the base scrolls nothing
  // and says so (FALSE). OnScrollBy returns whether the content moved (or,
  // without bDoScroll, would move); a view that moves it by other than the
  // pixel distance asked (cut at the end of its range, rounded to its own
  // steps) says how far with SetScrolledBy before it returns.
  virtual BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE);
  virtual BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE);
  // Scrolls through OnScrollBy and returns its result; *pMoved receives
  // the pixel distance the content really moved: what the view said with
  // SetScrolledBy, else the distance asked, and (0, 0) when nothing moved.
  BOOL ScrollContentBy(CSize sizeScroll, CSize* pMoved);

  // The print command (map it with ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)):
  // OnPreparePrinting; OnBeginPrinting; for each page OnPrepareDC (which
  // may end the job), StartPage, OnPrepareDC, OnPrint, EndPage; then
  // EndDoc (AbortDoc after a failure) and OnEndPrinting. A job the host
  // abandons (AbortDoc on the context) stops there and is not ended. While
  // a printer's job runs, the framework's "Printing" dialog names the
  // document, printer, port and page, and the frame is disabled; the
  // dialog's Cancel ends the job (AbortDoc) after the page being printed,
  // without a prompt.
  afx_msg void OnFilePrint();
  // The print preview command (map it with ON_COMMAND(ID_FILE_PRINT_PREVIEW,
  // CView::OnFilePrintPreview)): the main frame shows the pages as they
  // will print until the preview is closed (its Close button, Escape), and
  // the view then is exactly as it was. Without a printer it says so and
  // nothing changes.
  afx_msg void OnFilePrintPreview();

 protected:
  // Sets the pages and calls DoPreparePrinting; FALSE cancels the job.
  virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
  // Finds the device to print on: the host's m_pTargetDC, else the
  // application's printer (m_bDirect: the default one until the user chose
  // another) or the one the print dialog returns, with the pages chosen
  // there. Without a printer it says so and returns FALSE.
  BOOL DoPreparePrinting(CPrintInfo* pInfo);
  virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
  virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
  virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
  // The document changed (UpdateAllViews from pSender, with the hints):
  // the base repaints the whole view.
  virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);

  CDocument* m_pDocument = nullptr;
  // Opens print preview of pPrintView in the main frame: pPreviewViewClass
  // (CPreviewView or a class derived from it) shows the pages, a bar from
  // the dialog template nIDResource (the framework's own when the
  // application has none) holds its buttons, and pState, which the preview
  // then owns, keeps what the frame put aside. FALSE when the printing
  // could not be prepared; nothing has changed then.
  BOOL DoPrintPreview(UINT nIDResource, CView* pPrintView, CRuntimeClass* pPreviewViewClass,
                      CPrintPreviewState* pState);
  // Preview is closing: ends the printing (OnEndPrinting), gives the frame
  // its menu, bars and view back and destroys the preview.
  virtual void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView);

  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
  void PostNcDestroy() override;
  // For OnScrollBy: the content moved by sizeMoved pixels, not by the
  // distance asked.
  void SetScrolledBy(CSize sizeMoved);

  afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
  afx_msg void OnPaint();
  afx_msg LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);
  afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
  afx_msg void OnDestroy();
  DECLARE_MESSAGE_MAP()

 private:
  friend class CDocument;
  friend class CPreviewView;
  // The job's pages; pDialog shows them to the user, who may cancel there
  // (null: a job on the host's own context, which shows nothing).
  void PrintPages(CDC* pDC, CPrintInfo* pInfo, CPrintingDialog* pDialog);
  // The job's document name: the frame's title.
  CString PrintJobTitle() const;

  bool m_bScrolledSet = false;  // SetScrolledBy was called in this scroll
  CSize m_sizeScrolled;
};
