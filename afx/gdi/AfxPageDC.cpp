#include "afx/gdi/AfxPageDC.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CPageDC, CDC)

CPageDC::CPageDC() {
  CreateCompatibleDC(nullptr);
  CreatePage(::GetDeviceCaps(m_hAttribDC, HORZRES), ::GetDeviceCaps(m_hAttribDC, VERTRES));
}

CPageDC::CPageDC(int cx, int cy) {
  CreateCompatibleDC(nullptr);
  CreatePage(cx, cy);
}

CPageDC::CPageDC(CDC* pLike, int nDpi) {
  CreateCompatibleDC(nullptr);
  const int nLikeX = pLike->GetDeviceCaps(LOGPIXELSX);
  const int nLikeY = pLike->GetDeviceCaps(LOGPIXELSY);
  const auto x = [&](int nIndex) { return ::MulDiv(pLike->GetDeviceCaps(nIndex), nDpi, nLikeX); };
  const auto y = [&](int nIndex) { return ::MulDiv(pLike->GetDeviceCaps(nIndex), nDpi, nLikeY); };
  CreatePage(x(HORZRES), y(VERTRES));
  m_nDpiX = m_nDpiY = nDpi;
  m_sizePaper = CSize(x(PHYSICALWIDTH), y(PHYSICALHEIGHT));
  m_ptOffset = CPoint(x(PHYSICALOFFSETX), y(PHYSICALOFFSETY));
}

void CPageDC::CreatePage(int cx, int cy) {
  // Until told otherwise, the page is a sheet of the memory context's
  // resolution with no margins.
  m_nDpiX = ::GetDeviceCaps(m_hAttribDC, LOGPIXELSX);
  m_nDpiY = ::GetDeviceCaps(m_hAttribDC, LOGPIXELSY);
  m_sizePaper = CSize(cx, cy);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = cx;
  info.bmiHeader.biHeight = -cy;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  m_hBitmap = ::CreateDIBSection(m_hDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (m_hBitmap == nullptr) return;  // no page: every page then fails
  m_pBits = static_cast<DWORD*>(bits);
  m_cx = cx;
  m_cy = cy;
  m_hOld = ::SelectObject(m_hDC, m_hBitmap);
}

CPageDC::~CPageDC() {
  if (m_hOld != nullptr) ::SelectObject(m_hDC, m_hOld);
  DeleteDC();
  if (m_hBitmap != nullptr) ::DeleteObject(m_hBitmap);
}

COLORREF CPageDC::GetPagePixel(size_t nPage, int x, int y) const {
  const DWORD v = m_pages[nPage][static_cast<size_t>(y) * static_cast<size_t>(m_cx) +
                                 static_cast<size_t>(x)];
  return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

int CPageDC::GetDeviceCaps(int nIndex) const {
  switch (nIndex) {
    case HORZRES: return m_cx;
    case VERTRES: return m_cy;
    case LOGPIXELSX: return m_nDpiX;
    case LOGPIXELSY: return m_nDpiY;
    case HORZSIZE: return m_nDpiX > 0 ? ::MulDiv(m_cx, 254, m_nDpiX * 10) : 0;
    case VERTSIZE: return m_nDpiY > 0 ? ::MulDiv(m_cy, 254, m_nDpiY * 10) : 0;
    case PHYSICALWIDTH: return m_sizePaper.cx;
    case PHYSICALHEIGHT: return m_sizePaper.cy;
    case PHYSICALOFFSETX: return m_ptOffset.x;
    case PHYSICALOFFSETY: return m_ptOffset.y;
    default: return CDC::GetDeviceCaps(nIndex);
  }
}

int CPageDC::StartDoc(LPDOCINFOA) { return ++m_nDocsStarted; }

int CPageDC::StartPage() {
  if (m_pBits == nullptr) return -1;
  // Through the bits: the context may already carry the view's clipping
  // and mapping from the page's first preparation.
  ::GdiFlush();
  std::fill(m_pBits, m_pBits + static_cast<size_t>(m_cx) * static_cast<size_t>(m_cy),
            DWORD{0x00FFFFFF});
  return 1;
}

int CPageDC::EndPage() {
  ::GdiFlush();
  m_pages.emplace_back(m_pBits, m_pBits + static_cast<size_t>(m_cx) * static_cast<size_t>(m_cy));
  return OnPageDone() ? 1 : -1;
}

int CPageDC::EndDoc() { return ++m_nDocsEnded; }

int CPageDC::AbortDoc() {
  m_bPrinting = FALSE;
  return ++m_nDocsAborted;
}
