#include "afx/AfxView.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
  ON_WM_PAINT()
END_MESSAGE_MAP()

void CView::OnPrepareDC(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}

BOOL CView::OnScroll(UINT /*nScrollCode*/, UINT /*nPos*/, BOOL /*bDoScroll*/) { return FALSE; }

BOOL CView::OnScrollBy(SIZE /*sizeScroll*/, BOOL /*bDoScroll*/) { return FALSE; }

void CView::OnBeginPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}

void CView::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}

BOOL CView::PreCreateWindow(CREATESTRUCTA& cs) {
  // A view is a child that draws everything itself, its children excluded.
  cs.style |= WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  return CWnd::PreCreateWindow(cs);
}

void CView::OnPaint() {
  CPaintDC dc(this);
  OnPrepareDC(&dc, nullptr);
  OnDraw(&dc);
}

IMPLEMENT_DYNAMIC(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
  ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                       const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* /*pContext*/) {
  const HWND hParent = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
  const HMENU hMenuOrId =
      (dwStyle & WS_CHILD) != 0 ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)) : nullptr;
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top, hParent, hMenuOrId);
}

void CFrameWnd::SetActiveView(CView* pView) {
  m_pViewActive = pView;
  RecalcLayout();
}

void CFrameWnd::RecalcLayout() {
  if (m_pViewActive == nullptr || !IsWindow() || !m_pViewActive->IsWindow()) return;
  RECT client;
  GetClientRect(&client);
  m_pViewActive->MoveWindow(&client);
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy) {
  CWnd::OnSize(nType, cx, cy);
  RecalcLayout();
}
