// The framework's drawing objects: wrappers of GDI pens, brushes, fonts,
// bitmaps, regions and palettes. Each wrapper owns the handle it holds and
// deletes it when destroyed; Detach takes the handle back out.
//
// The constructors that create an object throw CResourceException when the
// system refuses it; the Create... members report failure by FALSE.
#pragma once

#if defined(_WIN32)

#include "afx/base/AfxCore.h"
#include "afx/base/AfxGeometry.h"

class CDC;

// The handle maps are internal (AfxGdiHandleMap.h); wrappers befriend them.
template <class HANDLE_T, class OBJECT_T>
class CGdiHandleMap;

class VARNEL_API CGdiObject : public CObject {
  DECLARE_DYNCREATE(CGdiObject)

 public:
  HGDIOBJ m_hObject = nullptr;

  CGdiObject() = default;
  ~CGdiObject() override;

  operator HGDIOBJ() const { return m_hObject; }  // NOLINT: as the framework's
  HGDIOBJ GetSafeHandle() const { return m_hObject; }

  // Takes ownership of a handle; FALSE for a null one.
  BOOL Attach(HGDIOBJ hObject);
  // Gives the handle up without deleting it.
  HGDIOBJ Detach();
  // Deletes the handle held (if any); the wrapper can be used again.
  BOOL DeleteObject();
  // Holds one of the system's stock objects (GetStockObject); deleting
  // a stock object later does nothing, as the system ignores it.
  BOOL CreateStockObject(int nIndex);
  BOOL UnrealizeObject();

  int GetObject(int nCount, void* lpObject) const;
  UINT GetObjectType() const;

  // The wrapper of a handle: the one that holds it, or a temporary one of
  // the class matching the handle's kind.
  static CGdiObject* FromHandle(HGDIOBJ hObject);
  // Destroys the temporary wrappers made by FromHandle, leaving their
  // handles alone. The application calls it when idle.
  static void DeleteTempMap();
  // The wrappers in the handle map: the calling thread's temporary ones,
  // or the permanent ones of every thread.
  static int GetWrapperCount(bool bTemporary);

 protected:
  // FromHandle for a class: a permanent wrapper of that class, else a
  // temporary one made by pClass's factory.
  static CGdiObject* FromHandleOf(HGDIOBJ hObject, CRuntimeClass* pClass);

 private:
  friend class CGdiHandleMap<HGDIOBJ, CGdiObject>;
  void ClearHandlesOfTemporary() { m_hObject = nullptr; }
};

class VARNEL_API CPen : public CGdiObject {
  DECLARE_DYNCREATE(CPen)

 public:
  CPen() = default;
  CPen(int nPenStyle, int nWidth, COLORREF crColor);  // throws CResourceException*

  BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
  BOOL CreatePenIndirect(const LOGPEN* lpLogPen);
  int GetLogPen(LOGPEN* pLogPen) const { return GetObject(sizeof(LOGPEN), pLogPen); }

  operator HPEN() const { return static_cast<HPEN>(m_hObject); }  // NOLINT
  static CPen* FromHandle(HPEN hPen);
};

class CBitmap;

class VARNEL_API CBrush : public CGdiObject {
  DECLARE_DYNCREATE(CBrush)

 public:
  CBrush() = default;
  explicit CBrush(COLORREF crColor);         // solid; throws CResourceException*
  CBrush(int nIndex, COLORREF crColor);      // hatch; throws CResourceException*
  explicit CBrush(CBitmap* pBitmap);         // pattern; throws CResourceException*

  BOOL CreateSolidBrush(COLORREF crColor);
  BOOL CreateHatchBrush(int nIndex, COLORREF crColor);
  // The brush keeps its own copy of the pattern: the bitmap may be deleted.
  BOOL CreatePatternBrush(CBitmap* pBitmap);
  BOOL CreateBrushIndirect(const LOGBRUSH* lpLogBrush);
  BOOL CreateSysColorBrush(int nIndex);
  int GetLogBrush(LOGBRUSH* pLogBrush) const { return GetObject(sizeof(LOGBRUSH), pLogBrush); }

  operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }  // NOLINT
  static CBrush* FromHandle(HBRUSH hBrush);
};

class VARNEL_API CFont : public CGdiObject {
  DECLARE_DYNCREATE(CFont)

 public:
  CFont() = default;

  BOOL CreateFontIndirect(const LOGFONTA* lpLogFont);
  BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                  BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                  BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
                  BYTE nPitchAndFamily, LPCSTR lpszFacename);
  // A font of nPointSize tenths of a point in the given face, its height
  // converted to logical units of pDC (its attribute context), or of the
  // screen when pDC is null. nDpiY, when not 0, is the density the points
  // are taken at instead of the context's (a window's on a monitor of
  // another density).
  BOOL CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC = nullptr, int nDpiY = 0);
  // The same with the height of lpLogFont read as tenths of a point.
  BOOL CreatePointFontIndirect(const LOGFONTA* lpLogFont, CDC* pDC = nullptr, int nDpiY = 0);
  int GetLogFont(LOGFONTA* pLogFont) const { return GetObject(sizeof(LOGFONTA), pLogFont); }

  operator HFONT() const { return static_cast<HFONT>(m_hObject); }  // NOLINT
  static CFont* FromHandle(HFONT hFont);
};

class VARNEL_API CBitmap : public CGdiObject {
  DECLARE_DYNCREATE(CBitmap)

 public:
  CBitmap() = default;

  // A bitmap resource, looked for in the application and then in the
  // registered extension libraries (AfxFindResourceHandle); FALSE when
  // there is none. (<windows.h> renames LoadBitmap to LoadBitmapA, here and
  // in every caller alike.)
  BOOL LoadBitmap(LPCSTR lpszResourceName);
  BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCEA(nIDResource)); }
  // One of the system's predefined bitmaps (OBM_CLOSE and kin, defined by
  // <windows.h> when OEMRESOURCE is).
  BOOL LoadOEMBitmap(UINT nIDBitmap);
  BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
  BOOL CreateBitmapIndirect(const BITMAP* lpBitmap);
  BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
  int GetBitmap(BITMAP* pBitMap) const { return GetObject(sizeof(BITMAP), pBitMap); }
  CSize GetBitmapDimension() const;

  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }  // NOLINT
  static CBitmap* FromHandle(HBITMAP hBitmap);
};

class VARNEL_API CRgn : public CGdiObject {
  DECLARE_DYNCREATE(CRgn)

 public:
  CRgn() = default;

  BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
  BOOL CreateRectRgnIndirect(const RECT* lpRect);
  BOOL CreateEllipticRgn(int x1, int y1, int x2, int y2);
  BOOL CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode);
  BOOL CreatePolyPolygonRgn(const POINT* lpPoints, const INT* lpPolyCounts, int nCount, int nMode);

  // This region becomes the combination of two others (RGN_AND, RGN_OR,
  // RGN_XOR, RGN_DIFF, RGN_COPY); it must hold a region already. Returns
  // the region type (NULLREGION, SIMPLEREGION, COMPLEXREGION) or ERROR.
  int CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode);
  int CopyRgn(const CRgn* pRgnSrc) { return CombineRgn(pRgnSrc, nullptr, RGN_COPY); }
  void SetRectRgn(int x1, int y1, int x2, int y2);
  void SetRectRgn(const RECT* lpRect) { SetRectRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
  BOOL EqualRgn(const CRgn* pRgn) const;
  int OffsetRgn(int x, int y);
  int GetRgnBox(LPRECT lpRect) const;
  BOOL PtInRegion(int x, int y) const;
  BOOL RectInRegion(const RECT* lpRect) const;

  operator HRGN() const { return static_cast<HRGN>(m_hObject); }  // NOLINT
  static CRgn* FromHandle(HRGN hRgn);
};

class VARNEL_API CPalette : public CGdiObject {
  DECLARE_DYNCREATE(CPalette)

 public:
  CPalette() = default;

  BOOL CreatePalette(const LOGPALETTE* lpLogPalette);
  BOOL CreateHalftonePalette(CDC* pDC);
  int GetEntryCount() const;
  UINT GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const;

  operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }  // NOLINT
  static CPalette* FromHandle(HPALETTE hPalette);
};

#endif  // _WIN32
