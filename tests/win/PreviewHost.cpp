#include "PreviewHost.h"

COLORREF PageColor(UINT nPage) { return RGB(30 * nPage, 160 - 30 * nPage, 200); }

IMPLEMENT_DYNCREATE(CPreviewHostView, CViewW)

BEGIN_MESSAGE_MAP(CPreviewHostView, CViewW)
  ON_WM_CREATE()
  ON_WM_SIZE()
  ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
  ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
END_MESSAGE_MAP()


Capture CaptureClient(CWnd* pWnd) {
  pWnd->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  CRect rc;
  pWnd->GetClientRect(&rc);
  CPageDC copy(rc.Width(), rc.Height());
  const HDC hWindow = ::GetDC(pWnd->m_hWnd);
  ::BitBlt(copy.m_hDC, 0, 0, rc.Width(), rc.Height(), hWindow, 0, 0, SRCCOPY);
  ::ReleaseDC(pWnd->m_hWnd, hWindow);
  copy.EndPage();
  Capture capture;
  capture.cx = rc.Width();
  capture.cy = rc.Height();
  capture.pixels = copy.m_pages.back();
  return capture;
}

int DifferingPixels(const CPageDC& printed, size_t k, const Capture& shown, CPoint origin) {
  int n = 0;
  for (int y = 0; y < printed.GetPageHeight(); ++y) {
    for (int x = 0; x < printed.GetPageWidth(); ++x) {
      const int sx = origin.x + x, sy = origin.y + y;
      if (sx < 0 || sy < 0 || sx >= shown.cx || sy >= shown.cy ||
          shown.At(sx, sy) != printed.GetPagePixel(k, x, y)) {
        ++n;
      }
    }
  }
  return n;
}


CPreviewView* PreviewOf(CFrameWnd* pFrame) {
  CView* pView = pFrame->GetActiveView();
  return pView != nullptr && pView->IsKindOf(RUNTIME_CLASS(CPreviewView))
             ? static_cast<CPreviewView*>(pView)
             : nullptr;
}
