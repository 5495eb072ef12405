// The framework's image list: a wrapper of a common-controls image list
// that owns it and destroys it when destroyed. Used for drawing bitmaps
// with one colour left transparent (the list builds the mask).
#pragma once

#if defined(_WIN32)

#include "afx/base/AfxCore.h"
#include "afx/base/AfxGeometry.h"

#include <commctrl.h>

class CBitmap;
class CDC;

class VARNEL_API CImageList : public CObject {
  DECLARE_DYNCREATE(CImageList)

 public:
  HIMAGELIST m_hImageList = nullptr;

  CImageList() = default;
  ~CImageList() override;

  operator HIMAGELIST() const { return m_hImageList; }  // NOLINT: as the framework's
  HIMAGELIST GetSafeHandle() const { return m_hImageList; }
  BOOL Attach(HIMAGELIST hImageList);
  HIMAGELIST Detach();
  BOOL DeleteImageList();

  // Images of cx x cy pixels; nFlags are the ILC_ flags (ILC_MASK for a
  // mask, ILC_COLORDDB or ILC_COLOR32 and so on for the colour format).
  BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
  int GetImageCount() const;
  // Adds the bitmap's images; every pixel of crMask becomes transparent.
  // Returns the index of the first new image, or -1.
  int Add(CBitmap* pbmImage, COLORREF crMask);
  // Adds the bitmap's images with an explicit monochrome mask (may be null).
  int Add(CBitmap* pbmImage, CBitmap* pbmMask);
  int Add(HICON hIcon);
  // Draws image nImage at pt (logical coordinates of pDC's output) with
  // the ILD_ style (ILD_TRANSPARENT leaves masked pixels untouched).
  BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
};

#endif  // _WIN32
