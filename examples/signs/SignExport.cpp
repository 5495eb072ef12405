// Printing and exporting: the framework's print loop draws each page of
// the sign with the view's own OnDraw; the export prints onto a page-sized
// bitmap that writes every finished page as a PNG file.
#include "Signs.h"

#include <memory>

namespace {

// The framework's stand-in page that writes each page it ends as a PNG
// file: the application printer's page at the screen's resolution, or the
// printable area a memory context reports when there is no printer.
class CPngPageDC : public CPageDC {
 public:
  explicit CPngPageDC(std::string dir) : m_dir(std::move(dir)) {}
  CPngPageDC(std::string dir, CDC* pPrinter, int nDpi)
      : CPageDC(pPrinter, nDpi), m_dir(std::move(dir)) {}

  int m_nSaved = 0;
  bool m_bKeep = false;  // keep the pictures in m_saved
  std::vector<PixelImage> m_saved;

 protected:
  bool OnPageDone() override {
    PixelImage page;
    page.width = GetPageWidth();
    page.height = GetPageHeight();
    page.pixels = m_pages.back();
    CString path;
    path.Format("%s\\page-%d.png", m_dir.c_str(), ++m_nSaved);
    if (!SavePng(page, path)) return false;  // ends the job as failed
    if (m_bKeep) m_saved.push_back(std::move(page));
    return true;
  }

 private:
  std::string m_dir;
};

}  // namespace

int CSignView::ExportPages(const std::string& dir) {
  ::CreateDirectoryA(dir.c_str(), nullptr);  // fails harmlessly when it exists
  CDC printer;
  CClientDC screen(this);
  const std::unique_ptr<CPngPageDC> page =
      AfxGetApp()->CreatePrinterDC(printer)
          ? std::make_unique<CPngPageDC>(dir, &printer, screen.GetDeviceCaps(LOGPIXELSX))
          : std::make_unique<CPngPageDC>(dir);
  m_nExportDpi = page->GetDeviceCaps(LOGPIXELSX);
  m_ptExportOffset = {page->GetDeviceCaps(PHYSICALOFFSETX), page->GetDeviceCaps(PHYSICALOFFSETY)};
  page->m_bKeep = m_bKeepExportedPages;
  m_pPrintTarget = page.get();
  OnFilePrint();
  m_pPrintTarget = nullptr;
  m_exportedPages = std::move(page->m_saved);
  return page->m_nSaved;
}

void CSignView::OnFileExport() {
  const int nPages = ExportPages(m_strExportDir);
  CString message;
  message.Format("%d pages written to %s", nPages, m_strExportDir.c_str());
  AfxMessageBox(message, MB_ICONINFORMATION);
}

BOOL CSignView::OnPreparePrinting(CPrintInfo* pInfo) {
  pInfo->m_pTargetDC = m_pPrintTarget;  // null: a printer, from the print dialog
  return DoPreparePrinting(pInfo);
}

// The page count depends on the device's proportions, known from here on.
void CSignView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) {
  tagRECT board = GetDocument()->Layout().board;
  m_nPrintPages = GetDocumentPages(pDC, board, &m_rcFirstPage);
  pInfo->SetMaxPage(static_cast<UINT>(m_nPrintPages));
  CViewW::OnBeginPrinting(pDC, pInfo);
}

// While printing, the view is the page and the window the page's part of
// the sign; the screen's state comes back when the job ends.
void CSignView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
  if (pInfo != nullptr && pDC->IsPrinting()) {
    const LONG width = m_rcFirstPage.right - m_rcFirstPage.left;
    const LONG left = m_rcFirstPage.left + static_cast<LONG>(pInfo->m_nCurPage - 1) * width;
    SetWindowMax(CRect(m_rcFirstPage.left, m_rcFirstPage.top,
                       m_rcFirstPage.left + m_nPrintPages * width, m_rcFirstPage.bottom),
                 false);
    SetViewBorder(CRect(0, 0, 0, 0));
    SetView(CRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES)));
    SetWindow(CRect(left, m_rcFirstPage.top, left + width, m_rcFirstPage.bottom), false);
  }
  CViewW::OnPrepareDC(pDC, pInfo);
}
