// CPreviewDC: print preview's device context. It answers as the printer
// (device capabilities, mapping queries, conversions and text measurement
// come from the printer's context) while it draws on another context, the
// preview's window: whatever mapping the host sets for the printer is set
// on the output scaled by the preview's scale, with the printer's device
// point (0, 0) at the origin the preview chose. At a scale of 1 the output
// gets the printer's pixels exactly.
#pragma once

#include "afx/gdi/AfxDC.h"
#include "afx/base/AfxPreviewLayout.h"

#include <utility>
#include <vector>

class VARNEL_API CPreviewDC : public CDC {
  DECLARE_DYNAMIC(CPreviewDC)

 public:
  CPreviewDC();
  // Deletes neither handle: the printer's and the output are lent.
  ~CPreviewDC() override;

  // The printer it stands for (not owned): a printer's context or a page
  // standing in for one.
  void SetPrinter(CDC* pPrinter);
  CDC* GetPrinter() const { return m_pPrinter; }
  // Where it draws from now on: the printer's device point (0, 0) at
  // ptOrigin of hOutput (device units), distances scaled.
  void SetOutput(HDC hOutput, POINT ptOrigin, const PreviewScale& scale);
  void ReleaseOutputDC() override;
  const PreviewScale& GetScale() const { return m_scale; }
  // A printer device point as a device point of the output.
  CPoint PrinterToOutput(POINT pt) const;

  int GetDeviceCaps(int nIndex) const override;
  int SaveDC() override;
  BOOL RestoreDC(int nSavedDC) override;

  int SetMapMode(int nMapMode) override;
  CPoint SetWindowOrg(int x, int y) override;
  CSize SetWindowExt(int cx, int cy) override;
  CPoint SetViewportOrg(int x, int y) override;
  CSize SetViewportExt(int cx, int cy) override;
  CPoint OffsetViewportOrg(int nWidth, int nHeight) override;
  CPoint OffsetWindowOrg(int nWidth, int nHeight) override;
  using CDC::SetViewportExt;
  using CDC::SetViewportOrg;
  using CDC::SetWindowExt;
  using CDC::SetWindowOrg;

  // Regions come in the printer's device units.
  int SelectClipRgn(CRgn* pRgn) override;
  int SelectClipRgn(CRgn* pRgn, int nMode) override;

  // Preview starts no job and no page.
  int StartDoc(LPDOCINFOA) override { return 1; }
  int StartPage() override { return 1; }
  int EndPage() override { return 1; }
  int EndDoc() override { return 1; }
  int AbortDoc() override { return 1; }

 private:
  // Sets the output's mapping from the printer's, scaled and moved.
  void MirrorMapping();
  HRGN OutputRegion(HRGN hPrinterRgn) const;

  CDC* m_pPrinter = nullptr;
  POINT m_ptOrigin = {0, 0};
  PreviewScale m_scale;
  // The save levels of the printer's context and the output, in pairs.
  std::vector<std::pair<int, int>> m_saved;
};
