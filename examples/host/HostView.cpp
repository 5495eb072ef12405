#include "Host.h"

#include <stdexcept>

IMPLEMENT_DYNCREATE(CHostView, CView)

BEGIN_MESSAGE_MAP(CHostView, CView)
  ON_WM_CREATE()
  ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
  ON_COMMAND(ID_VIEW_GRID, OnViewGrid)
  ON_UPDATE_COMMAND_UI(ID_VIEW_GRID, OnUpdateViewGrid)
  ON_COMMAND(ID_VIEW_THICK, OnViewThick)
  ON_UPDATE_COMMAND_UI(ID_VIEW_THICK, OnUpdateViewThick)
  ON_COMMAND_RANGE(ID_VIEW_COLOR_RED, ID_VIEW_COLOR_BLUE, OnViewColor)
  ON_UPDATE_COMMAND_UI_RANGE(ID_VIEW_COLOR_RED, ID_VIEW_COLOR_BLUE, OnUpdateViewColor)
  ON_WM_SETTINGCHANGE()
  ON_WM_VSCROLL()
END_MESSAGE_MAP()

namespace {

constexpr int kRows = 200000;  // more rows than a 16-bit scroll position holds
constexpr int kRowsPerPage = 100;

}  // namespace

COLORREF CHostView::Color() const {
  static const COLORREF colors[] = {RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255)};
  return colors[m_nColor % 3];
}

BOOL CHostView::PreCreateWindow(CREATESTRUCTA& cs) {
  cs.style |= WS_VSCROLL;
  return CView::PreCreateWindow(cs);
}

int CHostView::OnCreate(LPCREATESTRUCTA lpcs) {
  if (CView::OnCreate(lpcs) == -1) return -1;
  SCROLLINFO info = {};
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMax = kRows - 1;
  info.nPage = kRowsPerPage;
  SetScrollInfo(SB_VERT, &info);
  return 0;
}

void CHostView::OnDraw(CDC* pDC) {
  CRect client;
  GetClientRect(&client);
  pDC->FillSolidRect(&client, RGB(255, 255, 255));
  for (int i = 0; i < m_nSquares; ++i) pDC->FillSolidRect(10 + 30 * i, 10, 20, 20, Color());
  if (m_bGrid) {
    CPen pen(PS_SOLID, m_bThick ? 3 : 1, RGB(160, 160, 160));
    CPen* pOld = pDC->SelectObject(&pen);
    for (int x = 0; x < client.right; x += 50) {
      pDC->MoveTo(x, 0);
      pDC->LineTo(x, client.bottom);
    }
    pDC->SelectObject(pOld);
  }
  CString row;
  row.Format("row %d", m_nTopRow);
  pDC->SetBkColor(RGB(255, 255, 255));  // the squares' fill left their colour
  pDC->TextOut(10, 40, row);
}

void CHostView::AssertValid() const {
  CView::AssertValid();
  ASSERT(m_nColor < 3);
}

void CHostView::Dump(CDumpContext& dc) const {
  CView::Dump(dc);
  dc << "squares: " << m_nSquares << "\n";
}

// ---- commands ------------------------------------------------------------------------

void CHostView::OnViewGrid() {
  m_bGrid = !m_bGrid;
  Invalidate();
}

void CHostView::OnUpdateViewGrid(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bGrid ? 1 : 0); }

void CHostView::OnViewThick() {
  m_bThick = !m_bThick;
  Invalidate();
}

void CHostView::OnUpdateViewThick(CCmdUI* pCmdUI) {
  pCmdUI->Enable(m_bGrid);  // thickness means something only with the grid
  pCmdUI->SetCheck(m_bThick ? 1 : 0);
}

void CHostView::OnViewColor(UINT nID) {
  m_nColor = nID - ID_VIEW_COLOR_RED;
  Invalidate();
}

void CHostView::OnUpdateViewColor(CCmdUI* pCmdUI) {
  pCmdUI->SetRadio(pCmdUI->m_nID - ID_VIEW_COLOR_RED == m_nColor);
}

void CHostView::OnSettingChange(UINT uFlags, LPCSTR lpszSection) {
  ++m_nSettingChanges;
  CView::OnSettingChange(uFlags, lpszSection);
}

void CHostView::OnVScroll(UINT nSBCode, UINT /*nPos*/, CScrollBar* /*pScrollBar*/) {
  // The message's position has 16 bits; the bar's own track position has 32.
  SCROLLINFO info = {};
  GetScrollInfo(SB_VERT, &info, SIF_ALL);
  int nRow = m_nTopRow;
  switch (nSBCode) {
    case SB_LINEUP: nRow -= 1; break;
    case SB_LINEDOWN: nRow += 1; break;
    case SB_PAGEUP: nRow -= kRowsPerPage; break;
    case SB_PAGEDOWN: nRow += kRowsPerPage; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: nRow = info.nTrackPos; break;
    default: return;
  }
  m_nTopRow = std::max(0, std::min(nRow, kRows - kRowsPerPage));
  SetScrollPos(SB_VERT, m_nTopRow);
  Invalidate();
}

// ---- printing: two pages, a square further right on each ----------------------------

BOOL CHostView::OnPreparePrinting(CPrintInfo* pInfo) {
  pInfo->SetMaxPage(2);
  pInfo->m_pTargetDC = m_pPrintTarget;
  return DoPreparePrinting(pInfo);
}

void CHostView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
  pDC->FillSolidRect(&pInfo->m_rectDraw, RGB(255, 255, 255));
  const int x = 20 + 100 * static_cast<int>(pInfo->m_nCurPage - 1);
  pDC->FillSolidRect(x, 20, 40, 40, Color());
}
