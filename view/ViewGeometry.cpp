#include "view/ViewGeometry.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace varnel::view {

namespace {

// The middle of two coordinates, rounded up at halves: (a + b + 1) / 2
// truncated toward zero, in 64 bits so that it never overflows (the result
// always fits).
LONG Centre(LONG a, LONG b) {
  return static_cast<LONG>((int64_t{a} + b + 1) / 2);
}

}  // namespace

LONG WorldWidth(const tagRECT& rc) { return AfxWrapSub(rc.right, rc.left); }
LONG WorldHeight(const tagRECT& rc) { return AfxWrapSub(rc.top, rc.bottom); }
tagSIZE DeviceSize(const tagRECT& rc) {
  return tagSIZE{AfxWrapSub(rc.right, rc.left), AfxWrapSub(rc.bottom, rc.top)};
}

bool IsUsableWorldRect(const tagRECT& rc) {
  const int64_t w = int64_t{rc.right} - rc.left;
  const int64_t h = int64_t{rc.top} - rc.bottom;
  return w >= INT32_MIN && w <= INT32_MAX && h >= INT32_MIN && h <= INT32_MAX;
}

tagRECT ViewFromClient(const tagRECT& client, const tagRECT& border) {
  return tagRECT{AfxWrapAdd(client.left, border.left), AfxWrapAdd(client.top, border.top),
                 AfxWrapSub(client.right, border.right),
                 AfxWrapSub(client.bottom, border.bottom)};
}

void FitRectToView(tagRECT& rc, unsigned int fit, bool keepOrigin, tagSIZE viewSize,
                   tagSIZE minSize) {
  tagRECT r = rc;
  LONG w = WorldWidth(r);
  LONG h = WorldHeight(r);
  const LONG cx = Centre(r.left, r.right);
  const LONG cy = Centre(r.top, r.bottom);

  if (w < minSize.cx) {
    w = minSize.cx;
    if (!keepOrigin) r.left = AfxWrapSub(cx, w / 2);
    r.right = AfxWrapAdd(r.left, w);
  }
  if (h < minSize.cy) {
    h = minSize.cy;
    if (!keepOrigin) r.bottom = AfxWrapSub(cy, h / 2);
    r.top = AfxWrapAdd(r.bottom, h);
  }

  // The proportions compared as the ratios of world to view size; a view
  // without width or height gives infinite (or undefined) ratios, and the
  // derived dimension is then MulDiv's -1.
  fit &= SCALE_FIT_MASK;
  const double rx = static_cast<double>(w) / viewSize.cx;
  const double ry = static_cast<double>(h) / viewSize.cy;
  const LONG h2 = MulDiv(w, viewSize.cy, viewSize.cx);
  const LONG w2 = MulDiv(h, viewSize.cx, viewSize.cy);
  // Rounded proportions compare unequal both ways: a fitted rectangle would
  // otherwise grow by a unit each time it is fitted again.
  const bool bFitted = h2 == h || w2 == w;
  if (fit == SCALE_FIT_BOTH && bFitted) {
    // already the view's proportions
  } else if (fit == SCALE_FIT_WIDTH || (fit == SCALE_FIT_BOTH && rx > ry)) {
    if (!keepOrigin) r.bottom = AfxWrapSub(cy, h2 / 2);
    r.top = AfxWrapAdd(r.bottom, h2);
  } else if (fit == SCALE_FIT_HEIGHT || (fit == SCALE_FIT_BOTH && ry > rx)) {
    if (!keepOrigin) r.left = AfxWrapSub(cx, w2 / 2);
    r.right = AfxWrapAdd(r.left, w2);
  }
  rc = r;
}

namespace {

// Moves the span [low, high] back inside [maxLow, maxHigh], keeping its
// length: first down below maxHigh, then up above maxLow (so a span longer
// than the range ends aligned on maxLow). True when it moved.
bool ShiftSpanIntoRange(LONG& low, LONG& high, LONG maxLow, LONG maxHigh) {
  const LONG length = AfxWrapSub(high, low);
  bool changed = false;
  if (high > maxHigh) {
    high = maxHigh;
    low = AfxWrapSub(high, length);
    changed = true;
  }
  if (low < maxLow) {
    low = maxLow;
    high = AfxWrapAdd(low, length);
    changed = true;
  }
  return changed;
}

}  // namespace

bool ShiftIntoRange(tagRECT& rc, const tagRECT& max) {
  const bool vertical = ShiftSpanIntoRange(rc.bottom, rc.top, max.bottom, max.top);
  const bool horizontal = ShiftSpanIntoRange(rc.left, rc.right, max.left, max.right);
  return vertical || horizontal;
}

namespace {

bool SameSize(tagSIZE a, tagSIZE b) { return a.cx == b.cx && a.cy == b.cy; }

// A dimension of the window at the scale: MulDiv(world, view now, view
// then); one the scale has no pixels for stays as it is.
LONG ScaledDimension(LONG current, LONG world, LONG view, LONG scaleView) {
  return scaleView > 0 ? MulDiv(world, view, scaleView) : current;
}

tagSIZE SizeAtScale(tagSIZE current, tagSIZE viewSize, const ViewScale& scale) {
  return tagSIZE{ScaledDimension(current.cx, scale.world.cx, viewSize.cx, scale.view.cx),
                 ScaledDimension(current.cy, scale.world.cy, viewSize.cy, scale.view.cy)};
}

}  // namespace

ViewScale ScaleToKeep(const ViewScale& kept, tagSIZE windowSize, tagSIZE prevView) {
  if (SameSize(SizeAtScale(windowSize, prevView, kept), windowSize)) return kept;
  return ViewScale{windowSize, prevView};
}

tagRECT WindowKeepingScale(const tagRECT& window, tagSIZE viewSize, const ViewScale& scale) {
  const tagSIZE size =
      SizeAtScale(tagSIZE{WorldWidth(window), WorldHeight(window)}, viewSize, scale);
  tagRECT r = window;
  r.right = AfxWrapAdd(r.left, size.cx);
  r.top = AfxWrapAdd(r.bottom, size.cy);
  return r;
}

FitPasses::Next FitPasses::After(tagSIZE before, tagSIZE after) {
  if (SameSize(before, after)) return Next::Done;
  if (m_nSeen < kKept) m_seen[m_nSeen++] = before;
  for (int i = 0; i < m_nSeen; ++i) {
    if (SameSize(m_seen[i], after)) return Next::Flipping;
  }
  // A view whose size keeps changing without repeating counts as flipping
  // too: the fit has had its passes.
  return m_nSeen >= kMaxFitPasses ? Next::Flipping : Next::Again;
}

ScrollSizes ComputeScrollSizes(tagSIZE page, tagSIZE line, tagSIZE windowSize, tagSIZE viewSize) {
  ScrollSizes s{page, line, {0, 0}, {0, 0}};
  if (s.page.cx == 0) s.page.cx = MulDiv(windowSize.cx, 95, 100);
  if (s.page.cy == 0) s.page.cy = MulDiv(windowSize.cy, 95, 100);
  if (s.line.cx == 0) s.line.cx = MulDiv(windowSize.cx, 1, 15);
  if (s.line.cy == 0) s.line.cy = MulDiv(windowSize.cy, 1, 15);
  s.pageDev.cx = MulDiv(viewSize.cx, s.page.cx, windowSize.cx);
  s.pageDev.cy = MulDiv(viewSize.cy, s.page.cy, windowSize.cy);
  s.lineDev.cx = MulDiv(viewSize.cx, s.line.cx, windowSize.cx);
  s.lineDev.cy = MulDiv(viewSize.cy, s.line.cy, windowSize.cy);
  return s;
}

LONG ScrollUnits(LONG x) {
  // Two multiplications in this order: the bars have always shown these
  // values, which differ from x / 10 where the product falls just below a
  // half (40325 gives 4032). |result| <= 2^31 / 10 + 1: it fits.
  double d = static_cast<double>(x) * 0.0001;
  d = d * 1000.0;
  d += x >= 0 ? 0.5 : -0.5;
  return static_cast<LONG>(d);
}

namespace {

bool PageBelowRange(LONG nPage, LONG nMin, LONG nMax) {
  return static_cast<uint32_t>(nPage) <
         static_cast<uint32_t>(nMax) - static_cast<uint32_t>(nMin);
}

}  // namespace

BarValues HorzBarValues(const tagRECT& window, const tagRECT& max) {
  BarValues v;
  v.nMin = ScrollUnits(max.left);
  v.nMax = ScrollUnits(max.right);
  v.nPage = ScrollUnits(window.right) - ScrollUnits(window.left) + 1;
  v.nPos = ScrollUnits(window.left);
  v.bShow = PageBelowRange(v.nPage, v.nMin, v.nMax);
  return v;
}

BarValues VertBarValues(const tagRECT& window, const tagRECT& max) {
  BarValues v;
  v.nMin = -ScrollUnits(max.top);
  v.nMax = -ScrollUnits(max.bottom);
  v.nPage = ScrollUnits(window.top) - ScrollUnits(window.bottom) + 1;
  v.nPos = -ScrollUnits(window.top);
  v.bShow = PageBelowRange(v.nPage, v.nMin, v.nMax);
  return v;
}

ViewMapping MappingForView(const tagRECT& view, const tagRECT& window) {
  const tagSIZE v = DeviceSize(view);
  ViewMapping m;
  m.windowOrg = {view.left, view.top};
  m.windowExt = v;
  m.viewportOrg = {view.left, view.bottom};
  m.viewportExt = {v.cx, AfxWrapNeg(v.cy)};
  m.worldOrg = {window.left, window.bottom};
  m.worldExt = {WorldWidth(window), WorldHeight(window)};
  return m;
}

tagSIZE DeviceRangeFloor(tagSIZE maxSize, tagSIZE viewSize) {
  // maxSize * view / window <= range, so window >= maxSize * view / range,
  // rounded up; the products fit in 64 bits.
  auto floor = [](LONG max, LONG view) -> LONG {
    if (max <= 0 || view <= 0) return 1;
    const int64_t n = int64_t{max} * view;
    return static_cast<LONG>(std::max<int64_t>(1, (n + kViewDeviceRange - 1) / kViewDeviceRange));
  };
  return tagSIZE{floor(maxSize.cx, viewSize.cx), floor(maxSize.cy, viewSize.cy)};
}

int DocumentPageCount(const tagRECT& doc, int widthPx, int heightPx, tagRECT* pFirstPage) {
  const LONG pw = MulDiv(WorldHeight(doc), widthPx, heightPx);
  if (pFirstPage != nullptr) {
    *pFirstPage = tagRECT{doc.left, doc.top, AfxWrapAdd(doc.left, pw), doc.bottom};
  }
  if (pw <= 0) return 0;  // no page width: nothing can be paginated
  const double pages = std::ceil(static_cast<double>(int64_t{doc.right} - doc.left) / pw);
  if (pages <= 0.0) return 0;
  if (pages >= static_cast<double>(INT_MAX)) return INT_MAX;
  return static_cast<int>(pages);
}

ResizeAction ChooseResizeAction(bool bZoomed, unsigned int nScaleMode) {
  if (bZoomed) {
    return (nScaleMode & SCALE_KEEP_SCALE) != 0 ? ResizeAction::KeepScale
                                                 : ResizeAction::RefitWindow;
  }
  if ((nScaleMode & SCALE_FIT_MASK) != SCALE_FIT_NONE) return ResizeAction::FitMaxWindow;
  return ResizeAction::None;
}

}  // namespace varnel::view
