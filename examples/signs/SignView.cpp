// The sign's world view: drawing the document's sign in world units
// through the polygon batcher and the drawing-object cache, zooming by the
// mouse and the menu, fit modes and smooth scrolling from the menu.
#include "Signs.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CSignView, CViewW)

BEGIN_MESSAGE_MAP(CSignView, CViewW)
  ON_WM_CREATE()
  ON_WM_LBUTTONDOWN()
  ON_WM_RBUTTONDOWN()
  ON_WM_MOUSEMOVE()
  ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
  ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
  ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
  ON_COMMAND(ID_FILE_EXPORT, OnFileExport)
  ON_COMMAND(ID_FILE_PRINT_SETUP, OnFilePrintSetup)
  ON_COMMAND(ID_VIEW_ZOOM_IN, OnViewZoomIn)
  ON_COMMAND(ID_VIEW_ZOOM_OUT, OnViewZoomOut)
  ON_COMMAND(ID_VIEW_ZOOM_ALL, OnViewZoomAll)
  ON_UPDATE_COMMAND_UI(ID_VIEW_ZOOM_OUT, OnUpdateViewZoomOut)
  ON_UPDATE_COMMAND_UI(ID_VIEW_ZOOM_ALL, OnUpdateViewZoomOut)
  ON_COMMAND_RANGE(ID_VIEW_FIT_WIDTH, ID_VIEW_FIT_BOTH, OnViewFit)
  ON_UPDATE_COMMAND_UI_RANGE(ID_VIEW_FIT_WIDTH, ID_VIEW_FIT_BOTH, OnUpdateViewFit)
  ON_COMMAND(ID_VIEW_SMOOTH, OnViewSmooth)
  ON_UPDATE_COMMAND_UI(ID_VIEW_SMOOTH, OnUpdateViewSmooth)
  ON_COMMAND(ID_VIEW_CENTIMETRES, OnViewCentimetres)
  ON_UPDATE_COMMAND_UI(ID_VIEW_CENTIMETRES, OnUpdateViewCentimetres)
  ON_UPDATE_COMMAND_UI(ID_INDICATOR_ZOOM, OnUpdateIndicatorZoom)
END_MESSAGE_MAP()

namespace {

constexpr int kBadgeSize = 64;

// Hands every outline of the set to the batcher (logical coordinates).
void AddOutlines(CDC* pDC, const OutlineSet& set) {
  size_t first = 0;
  for (int count : set.counts) {
    AddPolyPoints(pDC, CPointW{0, 0}, &set.points[first], count, true);
    first += static_cast<size_t>(count);
  }
}

void AddRectangle(CDC* pDC, const tagRECT& rc) {
  const CPointW corners[] = {
      {rc.left, rc.bottom}, {rc.right, rc.bottom}, {rc.right, rc.top}, {rc.left, rc.top}};
  AddPolyPoints(pDC, CPointW{0, 0}, corners, 4, true);
}

void AddFrame(CDC* pDC, const tagRECT& rc) {
  const CPointW corners[] = {{rc.left, rc.bottom}, {rc.right, rc.bottom}, {rc.right, rc.top},
                             {rc.left, rc.top},    {rc.left, rc.bottom}};
  AddPolyPoints(pDC, CPointW{0, 0}, corners, 5, true);
}

void Use(CDC* pDC, CPen* pPen, CBrush* pBrush) {
  pDC->SelectObject(pPen);
  if (pBrush != nullptr) pDC->SelectObject(pBrush);
}

// Device coordinates for the length of a scope: text and bitmaps are
// placed in pixels at points converted from world coordinates.
class CDeviceSpace {
 public:
  explicit CDeviceSpace(CDC* pDC) : m_pDC(pDC), m_nSaved(pDC->SaveDC()) {
    pDC->SetMapMode(MM_TEXT);
    pDC->SetWindowOrg(0, 0);
    pDC->SetViewportOrg(0, 0);
  }
  ~CDeviceSpace() { m_pDC->RestoreDC(m_nSaved); }

 private:
  CDC* m_pDC;
  int m_nSaved;
};

tagPOINT WorldToDevice(CDC* pDC, tagPOINT world) {
  WPtoDP(pDC, &world, &world, 1);
  return world;
}

}  // namespace

BOOL CSignView::PreCreateWindow(CREATESTRUCTA& cs) {
  cs.style |= WS_HSCROLL | WS_VSCROLL;
  return CViewW::PreCreateWindow(cs);
}

int CSignView::OnCreate(LPCREATESTRUCTA lpcs) {
  if (CViewW::OnCreate(lpcs) == -1) return -1;
  // The badge: a yellow disc on the mask colour, drawn without the mask.
  CClientDC screen(this);
  CDC dc;
  dc.CreateCompatibleDC(&screen);
  m_badge.CreateCompatibleBitmap(&screen, kBadgeSize, kBadgeSize);
  CBitmap* pOld = dc.SelectObject(&m_badge);
  dc.FillSolidRect(0, 0, kBadgeSize, kBadgeSize, kBadgeMask);
  CBrush disc(kBadgeDisc);
  CBrush* pOldBrush = dc.SelectObject(&disc);
  dc.Ellipse(2, 2, kBadgeSize - 2, kBadgeSize - 2);
  dc.SelectObject(pOldBrush);
  dc.SetBkMode(TRANSPARENT);
  CRect rc(0, 0, kBadgeSize, kBadgeSize);
  dc.DrawText("V", 1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  dc.SelectObject(pOld);

  SetScaleMode(SCALE_FIT_BOTH | SCALE_KEEP_SCALE);
  MeasurePage();
  ShowSign();
  return 0;
}

// A new sign, one opened, or the sign's properties changed.
void CSignView::OnUpdate(CView* /*pSender*/, LPARAM /*lHint*/, CObject* /*pHint*/) { ShowSign(); }

void CSignView::ShowSign() {
  const tagRECT board = GetDocument()->Layout().board;
  const int nPages = DocumentPages(&m_rcFirstPage);
  const LONG pagesRight = m_rcFirstPage.left + nPages * (m_rcFirstPage.right - m_rcFirstPage.left);
  const LONG margin = kUnitsPerInch;
  SetWindowMax(CRect(-margin, board.top + margin, std::max(board.right, pagesRight) + margin,
                     -margin),
               true);
  ZoomOutToTop(true);
  CRect rcView;
  GetView(&rcView);
  if (rcView.IsRectEmpty()) {
    CRect rcMax = WindowMax();
    SetWindow(rcMax, false);  // the first resize fits it to the view
  } else {
    SetWindowToFit((m_nScaleMode & SCALE_FIT_MASK) != 0 ? m_nScaleMode & SCALE_FIT_MASK
                                                         : SCALE_FIT_BOTH);
  }
  Invalidate();
}

void CSignView::MeasurePage() {
  CDC printer;
  if (AfxGetApp()->CreatePrinterDC(printer)) {
    m_sizePrintable = {printer.GetDeviceCaps(HORZRES), printer.GetDeviceCaps(VERTRES)};
    return;
  }
  CDC screen;
  screen.CreateCompatibleDC(nullptr);
  m_sizePrintable = {screen.GetDeviceCaps(HORZRES), screen.GetDeviceCaps(VERTRES)};
}

int CSignView::DocumentPages(tagRECT* pFirstPage) {
  return DocumentPageCount(GetDocument()->Layout().board, m_sizePrintable.cx, m_sizePrintable.cy,
                           pFirstPage);
}

// ---- drawing -------------------------------------------------------------------------

void CSignView::OnDraw(CDC* pDC) {
  ++m_nDraws;
  PushGDIObjects(pDC);
  DrawLayout(pDC);
  if (!pDC->IsPrinting()) DrawPageFrames(pDC);
  DrawBadge(pDC);
  PopGDIObjects(pDC);
}

void CSignView::DrawLayout(CDC* pDC) {
  const SignLayout& layout = GetDocument()->Layout();
  const COLORREF crLetters = GetDocument()->Settings().crLetters;
  CPen* pNoPen = GetGDIPen(0, PS_NULL);
  if (!pDC->IsPrinting()) {  // paper is white around the sign
    Use(pDC, pNoPen, GetGDIBrush(kSurround, -1));
    AddRectangle(pDC, Window());
    DrawPolygons(pDC);
  }
  Use(pDC, pNoPen, GetGDIBrush(kBoard, -1));
  AddRectangle(pDC, layout.board);
  DrawPolygons(pDC);

  Use(pDC, GetGDIPen(kStarEdge, PS_SOLID), GetGDIBrush(kStarFill, -1));
  AddOutlines(pDC, layout.stars);
  DrawPolygons(pDC);

  Use(pDC, GetGDIPen(kGridLine, PS_SOLID), nullptr);
  AddOutlines(pDC, layout.grid);
  DrawPolylines(pDC);

  Use(pDC, GetGDIPen(kLetterEdge, PS_SOLID), GetGDIBrush(crLetters, -1));
  AddOutlines(pDC, layout.letters);
  DrawPolygons(pDC);

  // The proof shows how the letters come out on a one-colour machine.
  Use(pDC, GetGDIPen(ColorToGray(kLetterEdge), PS_SOLID),
      GetGDIBrush(ColorToGray(crLetters), -1));
  AddOutlines(pDC, layout.proof);
  DrawPolygons(pDC);
}

void CSignView::DrawPageFrames(CDC* pDC) {
  tagRECT page;
  const int nPages = DocumentPages(&page);
  const LONG width = page.right - page.left;
  Use(pDC, GetGDIPen(kPageFrame, PS_DASH), nullptr);
  for (int i = 0; i < nPages; ++i) {
    AddFrame(pDC, CRect(page.left + i * width, page.top, page.left + (i + 1) * width, page.bottom));
  }
  DrawPolylines(pDC);

  pDC->SelectObject(GetGDIFont(10, "Arial"));
  pDC->SetTextColor(kPageFrame);
  pDC->SetBkMode(TRANSPARENT);
  for (int i = 0; i < nPages; ++i) {
    const tagPOINT corner = WorldToDevice(pDC, {page.left + i * width, page.top});
    CDeviceSpace device(pDC);
    CString label;
    label.Format("Page %d", i + 1);
    pDC->TextOut(corner.x + 4, corner.y + 2, label);
  }
}

// The badge is as large on paper as on the screen: on a device of another
// resolution (a printer) a copy scaled to it is drawn.
void CSignView::DrawBadge(CDC* pDC) {
  const tagPOINT at = WorldToDevice(pDC, GetDocument()->Layout().badge);
  CDeviceSpace device(pDC);
  CClientDC screen(this);
  const int nSize = MulDiv(kBadgeSize, pDC->GetDeviceCaps(LOGPIXELSX),
                           screen.GetDeviceCaps(LOGPIXELSX));
  if (nSize == kBadgeSize) {
    DrawTransparent(pDC, &m_badge, kBadgeMask, at);
    return;
  }
  CDC from, to;
  from.CreateCompatibleDC(&screen);
  to.CreateCompatibleDC(&screen);
  CBitmap scaled;
  scaled.CreateCompatibleBitmap(&screen, nSize, nSize);
  CBitmap* pOldFrom = from.SelectObject(&m_badge);
  CBitmap* pOldTo = to.SelectObject(&scaled);
  ::SetStretchBltMode(to.m_hDC, COLORONCOLOR);  // the mask colour stays pure
  to.StretchBlt(0, 0, nSize, nSize, &from, 0, 0, kBadgeSize, kBadgeSize, SRCCOPY);
  from.SelectObject(pOldFrom);
  to.SelectObject(pOldTo);
  DrawTransparent(pDC, &scaled, kBadgeMask, at);
}

// ---- mouse ---------------------------------------------------------------------------

// A left drag zooms to the rectangle dragged out; a click does nothing.
void CSignView::OnLButtonDown(UINT nFlags, CPoint point) {
  CRubberband band(this, RBS_RECT | RBS_AUTOSCROLL);
  CRect rc;
  if (band.DoRubberband(nFlags, point, &rc) == 1) {
    rc.NormalizeRect();
    ZoomIn(&rc, false);
  }
}

void CSignView::OnRButtonDown(UINT /*nFlags*/, CPoint /*point*/) { ZoomOut(true); }

// ---- commands ------------------------------------------------------------------------

void CSignView::OnViewZoomIn() {
  CRect rc;
  GetView(&rc);
  CenterOnPoint(rc.CenterPoint(), 0.5);
}

void CSignView::OnViewZoomOut() { ZoomOut(true); }

void CSignView::OnViewZoomAll() { ZoomOutToTop(true); }

void CSignView::OnUpdateViewZoomOut(CCmdUI* pCmdUI) { pCmdUI->Enable(IsZoomed()); }

void CSignView::OnViewFit(UINT nID) {
  const unsigned int nFit = SCALE_FIT_WIDTH + (nID - ID_VIEW_FIT_WIDTH);
  const unsigned int nMode = (m_nScaleMode & ~static_cast<unsigned int>(SCALE_FIT_MASK)) | nFit;
  if (nMode != m_nScaleMode) {
    SetScaleMode(nMode);  // refits
  } else {
    SetWindowToFit(nFit);
  }
}

void CSignView::OnUpdateViewFit(CCmdUI* pCmdUI) {
  const unsigned int nFit = SCALE_FIT_WIDTH + (pCmdUI->m_nID - ID_VIEW_FIT_WIDTH);
  pCmdUI->SetRadio((m_nScaleMode & SCALE_FIT_MASK) == nFit);
}

// Print setup changes the paper and so the pages the sign prints on.
void CSignView::OnFilePrintSetup() {
  AfxGetApp()->OnFilePrintSetup();
  MeasurePage();
  ShowSign();
}

void CSignView::OnViewSmooth() { SetSmoothScroll(!m_bSmoothScroll); }

void CSignView::OnUpdateViewSmooth(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bSmoothScroll ? 1 : 0); }
