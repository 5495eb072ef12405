// A host's world view for the view tests: it records what the view does
// (SetWindow calls, bar updates, resizes and whether they came during a bar
// update, the clip boxes OnDraw receives) and opens the protected state to the tests.
// Made with MakeViewInFrame: a borderless frame whose client area is the
// given size, holding the view.
#pragma once

#include "FrameworkTestApp.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

class CTestViewW : public CViewW {
 public:
  int nSetWindow = 0;
  int nResize = 0;
  int nResizeDuringBarUpdate = 0;
  std::vector<CRect> drawClipBoxes;  // device coordinates, one per OnDraw
  int nPrintedDraws = 0;              // OnDraw on a printing context, while printing
  // OnDraw paints the background, then these world rectangles.
  COLORREF background = RGB(255, 255, 255);
  struct WorldFill {
    CRect world;  // (left, top, right, bottom), y upwards
    COLORREF color;
  };
  std::vector<WorldFill> fills;
  // The bar updates (SetBarInfo) so far, horizontal and vertical.
  int nBarSets[2] = {0, 0};
  // A control standing in for the horizontal bar, when set.
  CScrollBar* pHorzCtrl = nullptr;
  CScrollBar* GetScrollBarCtrl(int nBar) const override {
    return nBar == SB_HORZ ? pHorzCtrl : nullptr;
  }

  void SetWindow(const tagRECT& rc, bool bRedraw, const tagSIZE& sizePage,
                 const tagSIZE& sizeLine) override {
    ++nSetWindow;
    CViewW::SetWindow(rc, bRedraw, sizePage, sizeLine);
  }
  void OnDraw(CDC* pDC) override;

  // A recorded zoom without zooming: the resize then counts as zoomed.
  void PushZoom() { m_aZoomStack.Add(m_rcWindow); }
  int ZoomCount() const { return static_cast<int>(m_aZoomStack.GetSize()); }
  CRect LastZoom() const { return CRect(m_aZoomStack[m_aZoomStack.GetSize() - 1]); }
  void SetBrushOrigin(POINT pt) { m_ptBrushOrg = pt; }

  CRect View() { CRect rc; GetView(&rc); return rc; }
  CRect Window() { CRect rc; GetWindow(&rc); return rc; }
  CRect ViewPrev() const { return CRect(m_rcViewPrev); }
  CRect WindowMax() { CRect rc; GetWindowMax(&rc); return rc; }
  CRect Border() { CRect rc; GetViewBorder(&rc); return rc; }
  CRect StoredClient() const { return CRect(m_rcClient); }
  CRect Client() const { CRect rc; GetClientRect(&rc); return rc; }
  unsigned int ScaleMode() const { return m_nScaleMode; }
  bool HorzBar() const { return m_bHorzBar; }
  bool VertBar() const { return m_bVertBar; }
  bool Printing() const { return m_bPrinting; }
  CSize Page() const { return m_sizePage; }
  CSize Line() const { return m_sizeLine; }
  CSize PageDev() const { return m_sizePageDev; }
  CSize LineDev() const { return m_sizeLineDev; }
  POINT BrushOrigin() const { return m_ptBrushOrg; }
  using CViewW::OnBeginPrinting;
  using CViewW::OnEndPrinting;

 protected:
  void SetBarInfo(int nBar, SCROLLINFO* pInfo, BOOL bRedraw) override {
    ++nBarSets[nBar == SB_VERT ? 1 : 0];
    CViewW::SetBarInfo(nBar, pInfo, bRedraw);
  }
  afx_msg void OnSize(UINT nType, int cx, int cy);
  DECLARE_MESSAGE_MAP()
};

// A view in a borderless frame whose client area is cx x cy; both objects
// are the window system's (destroy the frame to end them).
struct ViewInFrame {
  CFrameWnd* frame;
  CTestViewW* view;
};
ViewInFrame MakeViewInFrame(int cx, int cy, DWORD dwViewStyle,
                            CTestViewW* pView = new CTestViewW,
                            CFrameWnd* pFrame = new CFrameWnd);
// Resizes the frame's client area (the view follows it).
void ResizeFrame(const ViewInFrame& vf, int cx, int cy);

// Each managed bar shows what the arithmetic gives for the view's window
// and maximum window, or is hidden with it, and the view follows the
// client area.
::testing::AssertionResult BarsMatchTheWindow(CTestViewW& view);
// Every part of the maximum window can be brought into sight: on each axis
// the window spans the maximum window, or that axis's bar is shown.
::testing::AssertionResult EveryPartReachable(CTestViewW& view);

// The view's client pixels, copied out at once.
std::vector<COLORREF> ClientPixels(CWnd& wnd);
// Pixels of `after` that are found neither at the same place in `before`
// nor one pixel beside, above or below it: what a repaint changed beyond
// moving an edge by a pixel. The outermost pixels are left out: an edge
// there may move to a neighbour outside the picture.
int ChangedBeyondEdges(const std::vector<COLORREF>& after, const std::vector<COLORREF>& before,
                       int width);

// Whether the window shows its own scroll bar nBar.
bool BarVisible(const CWnd& wnd, int nBar);
SCROLLINFO BarInfo(CWnd& wnd, int nBar);
