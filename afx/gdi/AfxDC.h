// The framework's device context, CDC.
//
// A CDC holds two handles: m_hDC, which drawing goes to, and m_hAttribDC,
// which queries are answered from (mapping, colours, current objects,
// text metrics, device capabilities). For an ordinary context both are the
// same handle; a print-preview context draws on the screen while it
// answers as the printer, and so overrides the virtual setters below to
// see every mapping change.
//
// A CDC owns its handle: the destructor deletes it (DeleteDC). Contexts
// that must be released otherwise (a window's client area, a paint
// context) are subclasses that Attach the handle they get and Detach it in
// their destructor before giving it back to the system.
#pragma once

#if defined(_WIN32)

#include "afx/base/AfxCore.h"
#include "afx/gdi/AfxGdi.h"
#include "afx/base/AfxGeometry.h"
#include "afx/base/AfxString.h"

class VARNEL_API CDC : public CObject {
  DECLARE_DYNCREATE(CDC)

 public:
  HDC m_hDC = nullptr;        // output
  HDC m_hAttribDC = nullptr;  // queries
  BOOL m_bPrinting = FALSE;   // set while a print job draws on this context

  CDC() = default;
  ~CDC() override;

  // ---- handles ----
  operator HDC() const { return m_hDC; }  // NOLINT: as the framework's
  HDC GetSafeHdc() const { return m_hDC; }
  // Takes ownership of hDC as both output and attribute handle.
  BOOL Attach(HDC hDC);
  // Gives the output handle up without deleting it; both handles clear.
  HDC Detach();
  virtual void SetAttribDC(HDC hDC) { m_hAttribDC = hDC; }
  virtual void SetOutputDC(HDC hDC) { m_hDC = hDC; }
  virtual void ReleaseAttribDC() { m_hAttribDC = nullptr; }
  virtual void ReleaseOutputDC() { m_hDC = nullptr; }
  // The wrapper of a handle: the CDC that holds it, else a temporary one.
  static CDC* FromHandle(HDC hDC);
  // Destroys the temporary wrappers made by FromHandle (handles untouched).
  static void DeleteTempMap();
  // The wrappers in the handle map: the calling thread's temporary ones,
  // or the permanent ones of every thread.
  static int GetWrapperCount(bool bTemporary);

  BOOL CreateDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput,
                const DEVMODEA* lpInitData);
  // A memory context compatible with pDC's output (the screen when null).
  BOOL CreateCompatibleDC(CDC* pDC);
  BOOL DeleteDC();
  virtual int SaveDC();
  virtual BOOL RestoreDC(int nSavedDC);
  // Virtual so that a stand-in page can answer as the device it stands for.
  virtual int GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hAttribDC, nIndex); }

  // ---- printing. The document and page calls are virtual so that a
  // stand-in page (a bitmap, a metafile) can take the printer's part.
  BOOL IsPrinting() const { return m_bPrinting; }
  virtual int StartDoc(LPDOCINFOA lpDocInfo) { return ::StartDocA(m_hDC, lpDocInfo); }
  int StartDoc(LPCSTR lpszDocName);
  virtual int StartPage() { return ::StartPage(m_hDC); }
  virtual int EndPage() { return ::EndPage(m_hDC); }
  virtual int EndDoc() { return ::EndDoc(m_hDC); }
  // Abandons the job; the context is no longer printing (the print loop
  // then stops without ending the job).
  virtual int AbortDoc() {
    m_bPrinting = FALSE;
    return ::AbortDoc(m_hDC);
  }

  // ---- mapping: setters change both handles, getters ask the attribute one
  virtual int SetMapMode(int nMapMode);
  int GetMapMode() const { return ::GetMapMode(m_hAttribDC); }
  virtual CPoint SetWindowOrg(int x, int y);
  CPoint SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }
  CPoint GetWindowOrg() const;
  virtual CSize SetWindowExt(int cx, int cy);
  CSize SetWindowExt(SIZE size) { return SetWindowExt(size.cx, size.cy); }
  CSize GetWindowExt() const;
  virtual CPoint SetViewportOrg(int x, int y);
  CPoint SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }
  CPoint GetViewportOrg() const;
  virtual CSize SetViewportExt(int cx, int cy);
  CSize SetViewportExt(SIZE size) { return SetViewportExt(size.cx, size.cy); }
  CSize GetViewportExt() const;
  virtual CPoint OffsetViewportOrg(int nWidth, int nHeight);
  virtual CPoint OffsetWindowOrg(int nWidth, int nHeight);
  void LPtoDP(LPPOINT lpPoints, int nCount = 1) const { ::LPtoDP(m_hAttribDC, lpPoints, nCount); }
  void LPtoDP(LPRECT lpRect) const { LPtoDP(reinterpret_cast<LPPOINT>(lpRect), 2); }
  void DPtoLP(LPPOINT lpPoints, int nCount = 1) const { ::DPtoLP(m_hAttribDC, lpPoints, nCount); }
  void DPtoLP(LPRECT lpRect) const { DPtoLP(reinterpret_cast<LPPOINT>(lpRect), 2); }

  // ---- clipping
  // Replaces the clipping region with a copy of pRgn (none when null).
  virtual int SelectClipRgn(CRgn* pRgn);
  // Combines the clipping region with pRgn by nMode (RGN_AND, RGN_OR,
  // RGN_XOR, RGN_DIFF, RGN_COPY).
  virtual int SelectClipRgn(CRgn* pRgn, int nMode);
  int IntersectClipRect(int x1, int y1, int x2, int y2);
  int IntersectClipRect(LPCRECT lpRect);
  int ExcludeClipRect(int x1, int y1, int x2, int y2);
  int ExcludeClipRect(LPCRECT lpRect);
  virtual int GetClipBox(LPRECT lpRect) const { return ::GetClipBox(m_hDC, lpRect); }

  // ---- brush origin (device units of the output handle)
  CPoint SetBrushOrg(int x, int y);
  CPoint SetBrushOrg(POINT point) { return SetBrushOrg(point.x, point.y); }
  CPoint GetBrushOrg() const;

  // ---- object selection: into both handles; the previous object comes
  // back as the wrapper of its handle (temporary when nobody holds it).
  CPen* SelectObject(CPen* pPen);
  CBrush* SelectObject(CBrush* pBrush);
  virtual CFont* SelectObject(CFont* pFont);
  CBitmap* SelectObject(CBitmap* pBitmap);
  // Selecting a region sets the clipping region; returns its type.
  int SelectObject(CRgn* pRgn);
  CGdiObject* SelectObject(CGdiObject* pObject);
  HGDIOBJ SelectObject(HGDIOBJ hObject);
  virtual CGdiObject* SelectStockObject(int nIndex);
  CPalette* SelectPalette(CPalette* pPalette, BOOL bForceBackground);
  UINT RealizePalette() { return ::RealizePalette(m_hDC); }
  CPen* GetCurrentPen() const;
  CBrush* GetCurrentBrush() const;
  CFont* GetCurrentFont() const;
  CBitmap* GetCurrentBitmap() const;
  CPalette* GetCurrentPalette() const;

  // ---- colours and modes
  virtual COLORREF SetTextColor(COLORREF crColor);
  COLORREF GetTextColor() const { return ::GetTextColor(m_hAttribDC); }
  virtual COLORREF SetBkColor(COLORREF crColor);
  COLORREF GetBkColor() const { return ::GetBkColor(m_hAttribDC); }
  int SetBkMode(int nBkMode);
  int GetBkMode() const { return ::GetBkMode(m_hAttribDC); }
  int SetROP2(int nDrawMode);
  int GetROP2() const { return ::GetROP2(m_hAttribDC); }
  int SetPolyFillMode(int nPolyFillMode);
  int GetPolyFillMode() const { return ::GetPolyFillMode(m_hAttribDC); }
  UINT SetTextAlign(UINT nFlags);
  UINT GetTextAlign() const { return ::GetTextAlign(m_hAttribDC); }

  // ---- lines and shapes (logical coordinates of the output handle)
  CPoint MoveTo(int x, int y);
  CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
  BOOL LineTo(int x, int y);
  BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
  CPoint GetCurrentPosition() const;
  BOOL Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }
  BOOL Rectangle(LPCRECT lpRect);
  BOOL Ellipse(int x1, int y1, int x2, int y2) { return ::Ellipse(m_hDC, x1, y1, x2, y2); }
  BOOL Polygon(const POINT* lpPoints, int nCount) { return ::Polygon(m_hDC, lpPoints, nCount); }
  BOOL PolyPolygon(const POINT* lpPoints, const INT* lpPolyCounts, int nCount) {
    return ::PolyPolygon(m_hDC, lpPoints, lpPolyCounts, nCount);
  }
  BOOL Polyline(const POINT* lpPoints, int nCount) { return ::Polyline(m_hDC, lpPoints, nCount); }
  BOOL PolyPolyline(const POINT* lpPoints, const DWORD* lpPolyPoints, int nCount);

  // ---- filling and frames
  // Fills with a colour without any brush. The fill is done in the
  // background colour, which stays set to clr afterwards (as documented:
  // opaque text drawn next has that background).
  void FillSolidRect(LPCRECT lpRect, COLORREF clr);
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
  void FillRect(LPCRECT lpRect, CBrush* pBrush);
  void FrameRect(LPCRECT lpRect, CBrush* pBrush);
  void InvertRect(LPCRECT lpRect) { ::InvertRect(m_hDC, lpRect); }
  // One-pixel outline: top edge (cx - 1 pixels) and left edge (cy - 1) in
  // the top-left colour, right edge (cy) and bottom edge (cx) in the
  // bottom-right colour.
  void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
  void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
  BOOL DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags) {
    return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
  }
  // Inverts a dotted frame: drawing it twice restores the pixels.
  void DrawFocusRect(LPCRECT lpRect) { ::DrawFocusRect(m_hDC, lpRect); }
  BOOL DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState) {
    return ::DrawFrameControl(m_hDC, lpRect, nType, nState);
  }

  // The drag frame: a frame of thickness size along the inside of lpRect
  // replaces the frame of thickness sizeLast along lpRectLast (none when
  // null). Both are drawn by inverting with a brush (a 50 % halftone by
  // default), and only where the two frames differ, so that the frame on
  // screen is always the latest and drawing one twice removes it. A
  // thickness of 0 draws nothing. Rectangles are logical coordinates;
  // thicknesses are device pixels.
  void DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast,
                    CBrush* pBrush = nullptr, CBrush* pBrushLast = nullptr);
  // The shared 50 % halftone brush: a checkerboard in the text colour and
  // background colour of the context it is used on.
  static CBrush* GetHalftoneBrush();

  // ---- blits
  BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop) {
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
  }
  BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
              DWORD dwRop);
  BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                  int nSrcWidth, int nSrcHeight, DWORD dwRop);
  COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
  COLORREF SetPixel(int x, int y, COLORREF crColor) { return ::SetPixel(m_hDC, x, y, crColor); }

  // ---- text
  BOOL TextOut(int x, int y, LPCSTR lpszString, int nCount) {
    return ::TextOutA(m_hDC, x, y, lpszString, nCount);
  }
  BOOL TextOut(int x, int y, const CString& str) { return TextOut(x, y, str, str.GetLength()); }
  int DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
    return ::DrawTextA(m_hDC, lpszString, nCount, lpRect, nFormat);
  }
  int DrawText(const CString& str, LPRECT lpRect, UINT nFormat) {
    return DrawText(str, str.GetLength(), lpRect, nFormat);
  }
  // Measured on the attribute handle with its selected font.
  CSize GetTextExtent(LPCSTR lpszString, int nCount) const;
  CSize GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }
  BOOL GetTextMetrics(LPTEXTMETRICA lpMetrics) const {
    return ::GetTextMetricsA(m_hAttribDC, lpMetrics);
  }

  // ---- DrawState: an icon, a bitmap or text in a state (DSS_DISABLED,
  // DSS_UNION, ...) given in nFlags; the kind flag (DST_...) is added here.
  // A size of (0, 0) means the image's or the text's own size.
  BOOL DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush = nullptr);
  BOOL DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush);
  BOOL DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush = nullptr);
  BOOL DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush = nullptr);
  // Text; with bPrefixText an ampersand underlines the next character.
  // nTextLen 0 means up to the terminating zero.
  BOOL DrawState(CPoint pt, CSize size, LPCSTR lpszText, UINT nFlags, BOOL bPrefixText = TRUE,
                 int nTextLen = 0, HBRUSH hBrush = nullptr);
  BOOL DrawState(CPoint pt, CSize size, LPCSTR lpszText, UINT nFlags, BOOL bPrefixText,
                 int nTextLen, CBrush* pBrush);

 private:
  friend class CGdiHandleMap<HDC, CDC>;
  void ClearHandlesOfTemporary() { m_hDC = m_hAttribDC = nullptr; }
  // The handles a setter must change: the output handle and, when it is a
  // different one, the attribute handle.
  template <class F>
  void ForBothHandles(F f) {
    if (m_hDC != nullptr && m_hDC != m_hAttribDC) f(m_hDC);
    if (m_hAttribDC != nullptr) f(m_hAttribDC);
  }
  HGDIOBJ SelectHandle(HGDIOBJ hObject);
  BOOL DrawStateRaw(CPoint pt, CSize size, LPARAM lData, WPARAM wData, UINT nFlags, HBRUSH hBrush);
};

#endif  // _WIN32
