// CView: a child window that shows a document by drawing it. A host derives
// from it and supplies OnDraw; painting prepares a paint context with
// OnPrepareDC and calls OnDraw. CFrameWnd: the smallest frame window that
// holds one view and keeps it filling its client area.
#pragma once

#include "afx/AfxWindowDC.h"

// The print job's record; the library reads its preview flag.
struct CPrintInfo {
  BOOL m_bPreview = FALSE;     // drawing for print preview
  BOOL m_bDirect = FALSE;      // printing without the print dialog
  UINT m_nCurPage = 1;         // the page being drawn
  UINT m_nNumPreviewPages = 1;
  RECT m_rectDraw = {0, 0, 0, 0};  // the usable page area, in logical units
};

class VARNEL_API CView : public CWnd {
  DECLARE_DYNAMIC(CView)

 public:
  CView() = default;

  // Draws the view on a prepared context.
  virtual void OnDraw(CDC* pDC) = 0;
  // Prepares a context for drawing or for conversions; pInfo is null
  // outside printing. The base does nothing.
  virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
  // Scrolling slots a scrolling view fills in; the base scrolls nothing
  // and says so (FALSE).
  virtual BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE);
  virtual BOOL OnScrollBy(SIZE sizeScroll, BOOL bDoScroll = TRUE);

 protected:
  virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
  virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

  afx_msg void OnPaint();
  DECLARE_MESSAGE_MAP()
};

// The first pane of a frame: the view's control ID.
constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;

class VARNEL_API CFrameWnd : public CWnd {
  DECLARE_DYNAMIC(CFrameWnd)

 public:
  CFrameWnd() = default;

  // A top-level frame (or a child when pParentWnd is given).
  BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
              CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;

  // The view that fills the client area (not owned).
  void SetActiveView(CView* pView);
  CView* GetActiveView() const { return m_pViewActive; }
  // Sizes the active view to the client area.
  void RecalcLayout();

 protected:
  afx_msg void OnSize(UINT nType, int cx, int cy);
  DECLARE_MESSAGE_MAP()

 private:
  CView* m_pViewActive = nullptr;
};
