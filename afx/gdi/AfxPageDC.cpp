#include "afx/gdi/AfxPageDC.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CPageDC, CDC)

CPageDC::CPageDC() {
  CreateCompatibleDC(nullptr);
  CreatePage(GetDeviceCaps(HORZRES), GetDeviceCaps(VERTRES));
}

CPageDC::CPageDC(int cx, int cy) {
  CreateCompatibleDC(nullptr);
  CreatePage(cx, cy);
}

void CPageDC::CreatePage(int cx, int cy) {
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

int CPageDC::AbortDoc() { return ++m_nDocsAborted; }
