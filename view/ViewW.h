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
//
// The usable coordinate range: world coordinates are any 32-bit signed
// values, but the window's and the maximum window's width and height
// (right - left, top - bottom) must fit in 32 signed bits, at most
// 2^31 - 1 units: the view computes them in 32 bits. SetWindow and
// SetWindowMax refuse a rectangle beyond that (an assertion in debug
// builds; the view is left unchanged). Zooming in stops at the minimum
// window size, and before a scale at which the maximum window would reach
// more than 2^27 - 1 pixels from the view (kViewDeviceRange: the range GDI
// draws in on the NT family). Conversions between world units and pixels
// take their products in 64 bits.
//
// The prepared context uses the anisotropic mapping mode with equal window
// and viewport extents, where the view's original rules name the isotropic
// one: the isotropic mode adjusts the viewport extent to the device's
// proportions in millimetres, which are not its pixels' on many devices
// (Wine's screen, printers with unequal resolutions), and would move the
// window's corners off the view's by a pixel or more. With equal extents
// both modes map alike wherever the isotropic one leaves them alone.
#pragma once

#include "afx/base/AfxArray.h"
#include "afx/ui/AfxView.h"
#include "afx/wnd/AfxDpi.h"
#include "frame/WorldGeometry.h"
#include "view/ViewGeometry.h"
#include "view/ViewScroll.h"
#include "view/ViewZoom.h"

#include <optional>

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
  // defaults) and the bars, and with bRedraw repaints the whole view. When
  // showing or hiding a bar resizes the view, the resize is handled (a
  // refit, or the kept scale) once both bars are shown or hidden; each
  // bar's values are then set once, for the window it leaves, and only
  // where they differ from what the bar shows. While printing the window
  // is taken as given: a page's window is not pulled back inside the
  // maximum window. Refuses a rectangle whose width or height does not fit
  // in 32 signed bits.
  virtual void SetWindow(const tagRECT& rcWindow, bool bRedraw = true,
                         const tagSIZE& sizePage = sizeDefault,
                         const tagSIZE& sizeLine = sizeDefault);
  void GetWindow(tagRECT* pRect);
  tagSIZE GetWindowSize();
  // The current window is neither tested nor moved; bUpdateBars brings the
  // bars up to date. Refuses a rectangle whose width or height does not
  // fit in 32 signed bits.
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
  // Shows the maximum window fitted with nFit, refitted while bars shown or
  // hidden change the view. When no window of this fit can settle (a bar
  // it needs in the view without the bar is not needed in the view with
  // it), shows the maximum window fitted both ways, which needs no bars:
  // the bars always end matching the window, and all of the maximum window
  // can be reached.
  void SetWindowToFit(unsigned int nFit);
  // Shows the rectangle fitted both ways, fitted afresh for the view as it
  // is once bars have appeared or gone (if that never settles, the window
  // shown last is grown instead).
  void SetScaleToWindow(tagRECT* pRect, bool bKeepOrigin);
  // After a resize: keeps world units per pixel, origin corner fixed. The
  // scale is kept as the ratio of the window and view it was set with, so
  // that any sequence of sizes keeps it.
  void SetWindowToScale();
  // True while the zoom stack holds an entry.
  bool IsZoomed();

  // ---- zoom and centring ----
  // Each zoom in records the window it leaves (while the stack holds fewer
  // than the zoom levels); zooming out returns to recorded windows.
  // Zooming in never goes below the minimum window size, nor to a scale at
  // which the maximum window would leave the device range.
  // Shows a dragged device rectangle, fitted both ways; a drag below the
  // system's drag threshold in both dimensions is a click and does nothing.
  void ZoomIn(tagRECT* pRect, bool bKeepOrigin);
  // Back to the window recorded last, refitted to the view's proportions
  // only as far as they need (the minimum size does not apply: the window
  // was shown before). A round trip returns to the window it left.
  void ZoomOut(bool bKeepOrigin);
  // Back to the window recorded first; the stack is emptied.
  void ZoomOutToTop(bool bKeepOrigin);
  // Centres the window on a device (or world) point and multiplies its size
  // by dFactor (below 1 zooms in); no fitting. A zoom in stops at the
  // minimum window size: the factor is cut so that the nearer dimension
  // lands on it, and a window already there is left alone (nothing is
  // recorded).
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
  // A pixel distance: the window moves by whole world units, limited to the
  // maximum window, and the pixels on screen by what that move is in whole
  // pixels (see WindowScrolledBy), so that after any sequence of scrolls a
  // full repaint changes at most a pixel at an edge. The distance the
  // pixels moved is reported through SetScrolledBy (ScrollContentBy).
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
  // Pages of the proportions of the device's printable area inside the
  // view border a world document needs (left to right, full height); the
  // first page's world rectangle into pPage. Set the page's border (device
  // pixels) first, after OnBeginPrinting has set the screen's aside.
  int GetDocumentPages(CDC* pDC, tagRECT& rcDoc, tagRECT* pPage);
  // Records the scroll styles as the bars the view manages.
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

 protected:
  void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
  void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

  // Sets a managed bar's values (SetScrollInfo): every bar update of the
  // view passes here, so that a derived view can count or time them.
  virtual void SetBarInfo(int nBar, SCROLLINFO* pInfo, BOOL bRedraw);

  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  // Ctrl zooms in (away from the user) or out, once a notification; Shift
  // scrolls vertically, no key horizontally, by the lines a notch of the
  // wheel setting. Parts of a notch (high-resolution wheels, touchpads) add
  // up until they make a line, or a notch for a zoom or the page setting.
  // False only when the view scrolls in no direction and Ctrl is not held.
  afx_msg int OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
  // A tilt wheel or sideways swipe: scrolls horizontally, right for a
  // positive distance, by the characters a notch of the system setting, in
  // lines; passed on to the parent when the view cannot scroll that way.
  afx_msg void OnMouseHWheel(UINT nFlags, short zDelta, CPoint pt);
  // Reads the wheel setting afresh.
  afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
  // The frame moved to a monitor of another density and took its new size
  // in between. Where a resize keeps the scale (zoomed, SCALE_KEEP_SCALE),
  // the scale follows the density instead (WindowForDensity): the view
  // shows the world rectangle it showed, to the pixel where the view grew
  // as the density did, and a trip back returns to it. Other resizes'
  // windows (refitted, the maximum window fitted) do not depend on the
  // density.
  afx_msg LRESULT OnDpiChangedBeforeParent(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnDpiChangedAfterParent(WPARAM wParam, LPARAM lParam);
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
  // While one lives, the bars' values wait (ViewWInternal.h).
  class BarHold;
  // Range, page and position of each managed bar, shown or hidden; a
  // resize they cause is handled before they are set.
  void UpdateBars();
  // Ends a bar update, then handles a resize it caused.
  void EndBarUpdate();
  // What a resize does with the window (ChooseResizeAction).
  void ApplyResizeAction();
  // Shows rc fitted both ways with minSize as the minimum (SetScaleToWindow).
  void ShowFitted(const tagRECT& rc, bool bKeepOrigin, tagSIZE minSize);
  // The smallest window a zoom in may show.
  tagSIZE ZoomFloor();
  // CenterOnPointW; false when the zoom was refused.
  bool ZoomAround(tagPOINT pt, double dFactor);
  // Shows or hides the bar at once; a shown bar's values wait.
  void ApplyBar(int nBar, const varnel::view::BarValues& values);
  // Sets the bars whose values wait, where they differ from the bar's.
  void SetWaitingBars();
  // Moves the client pixels by -size and the brush origin with them.
  void ShiftWindow(CSize size);
  // Whether the view scrolls in this direction (SB_HORZ, SB_VERT).
  bool IsDirectionAvailable(int nBar) const;
  // Moves the window to target in small repainted steps, the pixels by
  // `size` in all.
  void ScrollSmoothly(const tagRECT& target, CSize size);
  // The scroll position a scroll-bar message means: the bar's 32-bit
  // tracking position for the thumb codes, else the message's.
  int MessagePosition(int nBar, UINT nSBCode, UINT nPos);
  // Appends the current window to the zoom stack while the levels allow.
  void RecordZoom();
  // Ctrl+wheel: zooms in around the cursor and keeps it on its world point.
  void ZoomInAtCursor(CPoint ptScreen);
  // A wheel's pixel distance, repainted at once when the view moved.
  void ScrollByWheel(CSize size);

  varnel::view::ViewScale m_scaleKept;  // the scale a keep-scale resize keeps
  int m_nFitting = 0;           // fit loops under way: they refit for resizes
  bool m_bResizePending = false;  // a bar update resized the view
  int m_nResizeDepth = 0;       // resizes handled inside resizes' bar updates
  varnel::view::WheelAccumulator m_wheel;   // parts of notches of the vertical wheel
  varnel::view::WheelAction m_wheelAction = varnel::view::WheelAction::Nothing;  // what for
  varnel::view::WheelAccumulator m_hwheel;  // and of the tilt wheel
  int m_nBarHolds = 0;                      // BarHold objects alive
  std::optional<varnel::view::BarValues> m_barWaiting[2];  // SB_HORZ, SB_VERT
  CDpiChange m_dpiChange;   // a change of density under way
  tagRECT m_rcWindowDpi{};  // the window shown before it
  tagSIZE m_sizeViewDpi{};  // and the view's size then
};
