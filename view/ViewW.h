// CViewW: the abstract world view. It shows a world rectangle (the window,
// 32-bit world units, y upwards) inside a rectangle of pixels (the view,
// the client area less a border), fits the window to the view's
// proportions on request, keeps it inside the maximum window, drives the
// scroll bars (one scroll unit is 10 world units, the vertical bar's values
// negated), prepares device contexts so that the window's corners land on
// the view's corners, and sets its screen state aside while printing.
//
// A host derives from it and supplies OnDraw, drawing in world coordinates
// through the world mapping (WPtoLP and kin) on the prepared context.
#pragma once

#include "afx/base/AfxArray.h"
#include "afx/ui/AfxView.h"
#include "frame/WorldGeometry.h"
#include "view/ViewGeometry.h"
#include "view/ViewScroll.h"
#include "view/ViewZoom.h"

class VARNEL_API CViewW : public CView {
  DECLARE_DYNAMIC(CViewW)

 protected:
  CViewW();

 public:
  ~CViewW() override;

  // ---- the view: the client rectangle less the border (pixels) ----
  // Nothing is refitted or redrawn by these.
  void SetView(const tagRECT& rcClient);
  void GetView(tagRECT* pRect);
  tagSIZE GetViewSize();
  // Margins kept free inside the client area (widths, not coordinates).
  void SetViewBorder(const tagRECT& rcBorder);
  void GetViewBorder(tagRECT* pRect);

  // ---- the window, the maximum window and the minimum size (world) ----
  // Sets the window, shifted inside the maximum window; outside printing it
  // also sets the scroll sizes (sizeDefault or zero members for the
  // defaults) and the bars, and with bRedraw repaints the whole view.
  virtual void SetWindow(const tagRECT& rcWindow, bool bRedraw = true,
                         const tagSIZE& sizePage = sizeDefault,
                         const tagSIZE& sizeLine = sizeDefault);
  void GetWindow(tagRECT* pRect);
  tagSIZE GetWindowSize();
  // The current window is neither tested nor moved; bUpdateBars brings the
  // bars up to date.
  void SetWindowMax(const tagRECT& rcMax, bool bUpdateBars);
  void GetWindowMax(tagRECT* pRect);
  tagSIZE GetWindowMaxSize();
  // Moves the rectangle inside the maximum window where its size allows;
  // true when anything changed.
  virtual bool CheckRange(tagRECT& rc);
  void SetWindowSizeMin(const tagSIZE& size);
  void GetWindowSizeMin(tagSIZE* pSize);

  // ---- scale and fitting ----
  // Refits (SetWindowToFit) when the fit bits change.
  void SetScaleMode(unsigned int nMode);
  // In place: up to the minimum size and, for fit modes 1 to 3, to the
  // view's proportions; bKeepOrigin keeps left and bottom, else the centre.
  void AdjustRectToFit(tagRECT* pRect, unsigned int nFit, bool bKeepOrigin);
  // Shows the maximum window fitted with nFit.
  void SetWindowToFit(unsigned int nFit);
  // Shows the rectangle fitted both ways.
  void SetScaleToWindow(tagRECT* pRect, bool bKeepOrigin);
  // After a resize: keeps world units per pixel, origin corner fixed.
  void SetWindowToScale();
  // True while the zoom stack holds an entry.
  bool IsZoomed();

  // ---- zoom and centring ----
  // Each zoom in records the window it leaves (while the stack holds fewer
  // than the zoom levels); zooming out returns to recorded windows.
  // Shows a dragged device rectangle, fitted both ways; a drag below the
  // system's drag threshold in both dimensions is a click and does nothing.
  void ZoomIn(tagRECT* pRect, bool bKeepOrigin);
  // Back to the window recorded last, fitted.
  void ZoomOut(bool bKeepOrigin);
  // Back to the window recorded first; the stack is emptied.
  void ZoomOutToTop(bool bKeepOrigin);
  // Centres the window on a device (or world) point and multiplies its size
  // by dFactor (below 1 zooms in); no fitting and no minimum size.
  void CenterOnPoint(tagPOINT pt, double dFactor);
  void CenterOnPointW(tagPOINT pt, double dFactor);
  // Entries already recorded stay when the count is lowered.
  void SetZoomLevels(int nLevels);
  int GetZoomLevels();

  // ---- scroll bars ----
  // Page and line distances in world units; zero members take defaults.
  void SetScrollSizes(const tagSIZE& sizePage, const tagSIZE& sizeLine);
  // Moves one bar's thumb (SB_HORZ: the window's left, SB_VERT: its top)
  // without scrolling.
  void SetScrollPosW(int nBar, LONG nPos, bool bRedraw);

  // ---- scrolling (the picture on screen moves; only the uncovered strip
  // is repainted) ----
  // A packed code word (low byte horizontal, next byte vertical, 255 for
  // none) and a thumb position in scroll units; with bDoScroll false only
  // asks whether the window would move.
  BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE) override;
  // A world distance, through pixels.
  int OnScrollByW(CSizeW sizeScroll, int bDoScroll);
  // A pixel distance, limited to whole pixels inside the maximum window.
  BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE) override;
  // Scrolls the window's (left, top) corner to a world point.
  void ScrollToPositionW(CPointW pt);
  // Animated scrolling in small steps; returns the previous setting.
  bool SetSmoothScroll(bool bSmooth);

  // ---- device contexts and printing ----
  // Clips to the view (one pixel larger to the right and downwards; not in
  // print preview), sets the mapping and the brush origin.
  void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
  // The mapping alone: the view's pixels as logical coordinates with y
  // upwards, and the world mapping's origin and extent from the window.
  void SetDCViewAndWindow(CDC* pDC);
  void SaveViewAndWindow();
  void RestoreViewAndWindow();
  // Pages of the device's proportions a world document needs (left to
  // right, full height); the first page's world rectangle into pPage.
  int GetDocumentPages(CDC* pDC, tagRECT& rcDoc, tagRECT* pPage);
  // Records the scroll styles as the bars the view manages.
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

 protected:
  void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
  void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  // Ctrl zooms in (away from the user) or out, once a notification; Shift
  // scrolls vertically, no key horizontally. False only when the view
  // scrolls in no direction and Ctrl is not held.
  afx_msg int OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
  // A tilt wheel or sideways swipe: scrolls horizontally, right for a
  // positive distance.
  afx_msg void OnMouseHWheel(UINT nFlags, short zDelta, CPoint pt);
  // Reads the wheel setting afresh.
  afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
  DECLARE_MESSAGE_MAP()

 protected:
  // Asks SetWindow and SetScrollSizes for the default page and line sizes.
  static const tagSIZE sizeDefault;

  tagRECT m_rcWindow;
  tagRECT m_rcWindowMax;
  tagRECT m_rcView;
  tagRECT m_rcViewPrev;  // the view before the latest resize
  tagRECT m_rcClient;
  tagRECT m_rcViewBorder;
  bool m_bHorzBar = false;
  bool m_bVertBar = false;
  bool m_bUpdatingBars = false;
  bool m_bPrinting = false;
  unsigned int m_nScaleMode = SCALE_KEEP_SCALE;
  bool m_bSmoothScroll = false;
  tagSIZE m_sizeWindowMin = {5000, 5000};
  tagSIZE m_sizePage = {0, 0};
  tagSIZE m_sizeLine = {0, 0};
  tagSIZE m_sizeLineDev = {0, 0};
  tagSIZE m_sizePageDev = {0, 0};
  int m_nZoomLevels = 5;
  CArray<tagRECT, const tagRECT&> m_aZoomStack;
  tagRECT m_rcWindowSave = {};
  tagRECT m_rcWindowMaxSave = {};
  tagRECT m_rcViewSave = {};
  tagRECT m_rcViewPrevSave = {};
  tagRECT m_rcViewBorderSave = {};
  tagRECT m_rcClientSave = {};
  tagPOINT m_ptBrushOrg = {0, 0};

 private:
  // Range, page and position of each managed bar, shown or hidden.
  void UpdateBars();
  void ApplyBar(int nBar, const BarValues& values);
  // Moves the client pixels by -size and the brush origin with them.
  void ShiftWindow(CSize size);
  // Whether the view scrolls in this direction (SB_HORZ, SB_VERT).
  bool IsDirectionAvailable(int nBar) const;
  // The world rectangle the view shows when offset by a pixel distance.
  tagRECT ViewOffsetToWorld(CDC* pDC, CSize offset);
  void ScrollSmoothly(CDC* pDC, CSize size);
  // The scroll position a scroll-bar message means: the bar's 32-bit
  // tracking position for the thumb codes, else the message's.
  int MessagePosition(int nBar, UINT nSBCode, UINT nPos);
  // Appends the current window to the zoom stack while the levels allow.
  void RecordZoom();
  // Ctrl+wheel: zooms in around the cursor and keeps it on its world point.
  void ZoomInAtCursor(CPoint ptScreen);
  // A wheel's pixel distance, repainted at once when the view moved.
  void ScrollByWheel(CSize size);
};
