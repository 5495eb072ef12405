// The print preview suite's host: a world view of pages side by side,
// printed as the sign demo prints, in the bars suite's wizard-made frame;
// and what the tests read back (a window's pixels).
#pragma once

#include "BarsFrame.h"

#include <vector>

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kMark = RGB(250, 120, 10);  // a rectangle in the page's device units
const COLORREF kBadgeMask = RGB(255, 0, 255);
const COLORREF kBadgeColour = RGB(0, 140, 0);  // the badge's square, inside its mask

COLORREF PageColor(UINT nPage);

// A world document of pages side by side, printed as the sign demo prints:
// while printing, the view is the page and the window the page's part of
// the document. Each page shows a block of its own colour, an ellipse, a
// transparent badge and its number placed in device units, and a mark at
// fixed device coordinates.
class CPreviewHostView : public CViewW {
  DECLARE_DYNCREATE(CPreviewHostView)

 public:
  CPageDC* m_pPrinter = nullptr;  // a stand-in printer; null: the application's printer
  CRect m_document = CRect(0, 3000, 9000, 0);
  CRect m_firstPage;
  int m_nPages = 0;
  int m_nPreviewDraws = 0;   // OnPrint with m_bPreview and a printing context
  int m_nOtherDraws = 0;     // OnPrint without them
  int m_nResizes = 0;        // WM_SIZE
  CRect m_mark = CRect(30, 20, 90, 50);
  CBitmap m_badge;

  std::vector<tagRECT> ZoomStack() {
    std::vector<tagRECT> stack;
    for (int i = 0; i < m_aZoomStack.GetSize(); ++i) stack.push_back(m_aZoomStack[i]);
    return stack;
  }
  unsigned int ScaleMode() const { return m_nScaleMode; }

  BOOL PreCreateWindow(CREATESTRUCTA& cs) override {
    cs.style |= WS_HSCROLL | WS_VSCROLL;
    return CViewW::PreCreateWindow(cs);
  }

  void OnDraw(CDC* pDC) override {
    const CRect rcWindow = [&] { CRect rc; GetWindow(&rc); return rc; }();
    Fill(pDC, rcWindow, kWhite);
    for (int k = 0; k < m_nPages || (k == 0 && m_nPages == 0); ++k) {
      const LONG pw = m_firstPage.Width() > 0 ? m_firstPage.Width() : 3000;
      const LONG left = k * pw;
      Fill(pDC, CRect(left + pw / 5, 2400, left + 3 * pw / 5, 900), PageColor(static_cast<UINT>(k) + 1));
    }
    if (!pDC->IsPrinting()) return;
    // In device units of the page: an ellipse, the badge, the page number
    // and the mark, as hosts place text and bitmaps.
    tagPOINT corner = {rcWindow.left + rcWindow.Width() / 2, 600};  // the page's middle
    WPtoDP(pDC, &corner, &corner, 1);
    const int nSaved = pDC->SaveDC();
    pDC->SetMapMode(MM_TEXT);
    pDC->SetWindowOrg(0, 0);
    pDC->SetViewportOrg(0, 0);
    CBrush blue(RGB(0, 0, 180));
    CBrush* pOld = pDC->SelectObject(&blue);
    pDC->Ellipse(corner.x, corner.y - 30, corner.x + 60, corner.y + 10);
    pDC->SelectObject(pOld);
    DrawTransparent(pDC, &m_badge, kBadgeMask, CPoint(corner.x + 70, corner.y - 20));
    pDC->FillSolidRect(&m_mark, kMark);
    CFont font;
    font.CreatePointFont(100, "Arial", pDC);
    CFont* pOldFont = pDC->SelectObject(&font);
    pDC->SetBkMode(TRANSPARENT);
    pDC->TextOut(m_mark.left, m_mark.bottom + 5, "Page");
    pDC->SelectObject(pOldFont);
    pDC->RestoreDC(nSaved);
  }

 protected:
  void OnSize(UINT nType, int cx, int cy) {
    ++m_nResizes;
    CViewW::OnSize(nType, cx, cy);
  }
  int OnCreate(LPCREATESTRUCTA lpcs) {
    if (CViewW::OnCreate(lpcs) == -1) return -1;
    CClientDC screen(this);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    m_badge.CreateCompatibleBitmap(&screen, 24, 24);
    CBitmap* pOld = dc.SelectObject(&m_badge);
    dc.FillSolidRect(0, 0, 24, 24, kBadgeMask);
    dc.FillSolidRect(4, 4, 16, 16, kBadgeColour);
    dc.SelectObject(pOld);
    SetWindowMax(CRect(-500, 3500, 9500, -500), true);
    SetWindow(CRect(-500, 3500, 9500, -500), true);
    return 0;
  }
  BOOL OnPreparePrinting(CPrintInfo* pInfo) override {
    pInfo->m_pTargetDC = m_pPrinter;
    return DoPreparePrinting(pInfo);
  }
  void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override {
    m_nPages = GetDocumentPages(pDC, m_document, &m_firstPage);
    pInfo->SetMaxPage(static_cast<UINT>(m_nPages));
    CViewW::OnBeginPrinting(pDC, pInfo);
  }
  void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override {
    if (pInfo != nullptr && pDC->IsPrinting()) {
      const LONG pw = m_firstPage.Width();
      const LONG left = m_document.left + static_cast<LONG>(pInfo->m_nCurPage - 1) * pw;
      SetWindowMax(CRect(m_document.left, m_document.top, m_document.left + m_nPages * pw,
                         m_document.bottom), false);
      SetViewBorder(CRect(0, 0, 0, 0));
      SetView(CRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES)));
      SetWindow(CRect(left, m_document.top, left + pw, m_document.bottom), false);
    }
    CViewW::OnPrepareDC(pDC, pInfo);
  }
  void OnPrint(CDC* pDC, CPrintInfo* pInfo) override {
    if (pInfo->m_bPreview && pDC->IsPrinting()) {
      ++m_nPreviewDraws;
    } else {
      ++m_nOtherDraws;
    }
    CViewW::OnPrint(pDC, pInfo);
  }

  DECLARE_MESSAGE_MAP()

 private:
  void Fill(CDC* pDC, const CRect& world, COLORREF color) {
    CBrush brush(color);
    CPen* pOldPen = static_cast<CPen*>(pDC->SelectStockObject(NULL_PEN));
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    const CPointW corners[] = {{world.left, world.top}, {world.right, world.top},
                               {world.right, world.bottom}, {world.left, world.bottom}};
    AddPolyPoints(pDC, CPointW{0, 0}, corners, 4, true);
    DrawPolygons(pDC);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
  }
};

// The pixels of a window's client area, 0x00RRGGBB, top row first.
struct Capture {
  int cx = 0, cy = 0;
  std::vector<DWORD> pixels;
  COLORREF At(int x, int y) const {
    const DWORD v = pixels[static_cast<size_t>(y) * static_cast<size_t>(cx) + static_cast<size_t>(x)];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  }
};
Capture CaptureClient(CWnd* pWnd);

// Pixels of page k of the printed pages that differ from `shown` at
// `origin` (the page's corner in `shown`).
int DifferingPixels(const CPageDC& printed, size_t k, const Capture& shown, CPoint origin);

// The print preview that is the frame's active view, or null.
CPreviewView* PreviewOf(CFrameWnd* pFrame);
