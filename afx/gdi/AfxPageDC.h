// CPageDC: a page-sized bitmap standing in for a printer, so that the
// framework's print loop can print without one (set it as
// CPrintInfo::m_pTargetDC): a memory context over a 32-bit top-down DIB
// section of the page's printable area, which answers GetDeviceCaps as
// the page's device. Each page starts white; each page that ends is kept,
// and shown to OnPageDone, which may end the job as failed (a file that
// could not be written, say).
#pragma once

#include "afx/gdi/AfxDC.h"

#include <vector>

class VARNEL_API CPageDC : public CDC {
  DECLARE_DYNAMIC(CPageDC)

 public:
  // A page of the printable area a memory context reports (the screen's).
  CPageDC();
  CPageDC(int cx, int cy);
  // The page of pLike (a printer's context): its paper, printable area and
  // offsets at nDpi pixels to the inch, as a picture of that printer's
  // page at that resolution shows them.
  CPageDC(CDC* pLike, int nDpi);
  ~CPageDC() override;

  // The page's printable size (HORZRES, VERTRES) and size in millimetres
  // (HORZSIZE, VERTSIZE), resolution (LOGPIXELSX, LOGPIXELSY), paper
  // (PHYSICALWIDTH, PHYSICALHEIGHT) and offsets of the printable area
  // (PHYSICALOFFSETX, PHYSICALOFFSETY); anything else as the memory context.
  int GetDeviceCaps(int nIndex) const override;

  int GetPageWidth() const { return m_cx; }
  int GetPageHeight() const { return m_cy; }
  // A pixel of an ended page (counted from 0).
  COLORREF GetPagePixel(size_t nPage, int x, int y) const;

  int StartDoc(LPDOCINFOA lpDocInfo) override;
  int StartPage() override;
  int EndPage() override;
  int EndDoc() override;
  int AbortDoc() override;

  // The ended pages' pixels, 0x00RRGGBB, top row first.
  std::vector<std::vector<DWORD>> m_pages;
  int m_nDocsStarted = 0;
  int m_nDocsEnded = 0;
  int m_nDocsAborted = 0;

 protected:
  // The page that just ended (the last of m_pages); false fails the job.
  virtual bool OnPageDone() { return true; }

 private:
  void CreatePage(int cx, int cy);
  int m_cx = 0;
  int m_cy = 0;
  // The device the page stands for: resolution, paper, offsets.
  int m_nDpiX = 0;
  int m_nDpiY = 0;
  CSize m_sizePaper;
  CPoint m_ptOffset;
  DWORD* m_pBits = nullptr;
  HBITMAP m_hBitmap = nullptr;
  HGDIOBJ m_hOld = nullptr;
};
