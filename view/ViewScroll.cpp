#include "view/ViewScroll.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace varnel::view {

namespace {

// Scroll-bar codes (the platform's SB_ values).
enum : unsigned int {
  kLineUp = 0,
  kLineDown = 1,
  kPageUp = 2,
  kPageDown = 3,
  kThumbPosition = 4,
  kThumbTrack = 5,
  kTop = 6,
  kBottom = 7
};

// World coordinate of a thumb position: exact for every position a bar
// can deliver; beyond 32 bits it stops at the far end of the range.
LONG ThumbToWorld(int nPos) {
  const int64_t w = int64_t{nPos} * 10;
  return static_cast<LONG>(std::clamp<int64_t>(w, INT32_MIN, INT32_MAX));
}

// One axis: the distance for a code, with the signs of that axis (+1 for
// x, -1 for y, whose world coordinates grow upwards) and its window and
// maximum edges (left/right or top/bottom).
LONG AxisDistance(unsigned int nCode, int nPos, LONG line, LONG page, int sign, LONG winStart,
                  LONG winEnd, LONG maxStart, LONG maxEnd) {
  switch (nCode) {
    case kLineUp: return sign > 0 ? AfxWrapNeg(line) : line;
    case kLineDown: return sign > 0 ? line : AfxWrapNeg(line);
    case kPageUp: return sign > 0 ? AfxWrapNeg(page) : page;
    case kPageDown: return sign > 0 ? page : AfxWrapNeg(page);
    case kThumbPosition: {
      const LONG w = ThumbToWorld(nPos);
      return AfxWrapSub(sign > 0 ? w : AfxWrapNeg(w), winStart);
    }
    case kTop: return AfxWrapSub(maxStart, winStart);
    case kBottom: return AfxWrapSub(maxEnd, winEnd);
    case kThumbTrack:  // dragging the thumb scrolls only on release
    default: return 0;
  }
}

int64_t Magnitude(LONG v) { return std::llabs(int64_t{v}); }

struct AxisPlan {
  int steps;
  LONG step;
  LONG remainder;
};

AxisPlan PlanAxis(LONG d, LONG lineDev, LONG pageDev) {
  int steps = 8;
  if (Magnitude(d) <= int64_t{lineDev} + 2) {
    steps = 4;
  } else if (Magnitude(d) > pageDev / 2) {
    steps = 12;
  }
  const LONG step = d / steps;
  return AxisPlan{steps, step, d - steps * step};
}

// a / b rounded to the nearest integer, halves away from zero (b > 0),
// like MulDiv; the quotient of any two values below 2^63.
int64_t RoundDiv(int64_t a, int64_t b) {
  int64_t q = a / b;
  const int64_t r = a % b;
  if (2 * std::llabs(r) >= b) q += a < 0 ? -1 : 1;
  return q;
}

LONG Clamp32(int64_t v) { return static_cast<LONG>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

// One axis of the canvas: world coordinates at `view` pixels for `world`
// units, both positive and within 31 bits (a window the view accepts).
struct CanvasAxis {
  int64_t world;
  int64_t view;
  bool Usable() const { return world > 0 && world <= INT32_MAX && view > 0; }
  // The canvas pixel of a world coordinate.
  int64_t Pixel(LONG a) const { return RoundDiv(int64_t{a} * view, world); }
  // a moved by the whole units nearest to d pixels. The window keeps where
  // it lies between pixels: a picture moved by whole pixels is then drawn
  // alike, and shapes keep their rounding.
  LONG Moved(LONG a, LONG d) const { return Clamp32(a + RoundDiv(int64_t{d} * world, view)); }
};

CanvasAxis XAxis(const tagRECT& window, tagSIZE viewSize) {
  return CanvasAxis{int64_t{window.right} - window.left, viewSize.cx};
}
CanvasAxis YAxis(const tagRECT& window, tagSIZE viewSize) {
  return CanvasAxis{int64_t{window.top} - window.bottom, viewSize.cy};
}

}  // namespace

tagRECT WindowScrolledBy(const tagRECT& window, tagSIZE viewSize, tagSIZE pixels) {
  tagRECT rc = window;
  const CanvasAxis x = XAxis(window, viewSize);
  if (pixels.cx != 0 && x.Usable()) {
    rc.left = x.Moved(window.left, pixels.cx);
    rc.right = AfxWrapAdd(rc.left, AfxWrapSub(window.right, window.left));
  }
  // Device y grows downwards: the picture moving up is the window's
  // bottom moving down the canvas.
  const CanvasAxis y = YAxis(window, viewSize);
  if (pixels.cy != 0 && y.Usable()) {
    rc.bottom = y.Moved(window.bottom, AfxWrapNeg(pixels.cy));
    rc.top = AfxWrapAdd(rc.bottom, AfxWrapSub(window.top, window.bottom));
  }
  return rc;
}

tagSIZE PixelsBetween(const tagRECT& from, const tagRECT& to, tagSIZE viewSize) {
  tagSIZE d{0, 0};
  const CanvasAxis x = XAxis(from, viewSize);
  if (x.Usable()) d.cx = Clamp32(x.Pixel(to.left) - x.Pixel(from.left));
  const CanvasAxis y = YAxis(from, viewSize);
  if (y.Usable()) d.cy = Clamp32(y.Pixel(from.bottom) - y.Pixel(to.bottom));
  return d;
}

tagSIZE ScrollCodeDistance(unsigned int nCodes, int nPos, tagSIZE line, tagSIZE page,
                           const tagRECT& window, const tagRECT& max) {
  const unsigned int nHorz = nCodes & 255;
  const unsigned int nVert = (nCodes / 256) & 255;
  return tagSIZE{
      AxisDistance(nHorz, nPos, line.cx, page.cx, +1, window.left, window.right, max.left,
                   max.right),
      AxisDistance(nVert, nPos, line.cy, page.cy, -1, window.top, window.bottom, max.top,
                   max.bottom)};
}

tagSIZE WorldToPixelDistance(tagSIZE world, tagSIZE viewSize, tagSIZE windowSize) {
  const LONG dx = MulDiv(world.cx, viewSize.cx, windowSize.cx);
  const LONG dy = MulDiv(world.cy, viewSize.cy, windowSize.cy);
  return tagSIZE{dx, AfxWrapNeg(dy)};
}

tagPOINT ClampScrollTarget(tagPOINT target, const tagRECT& window, const tagRECT& max) {
  const LONG w = AfxWrapSub(window.right, window.left);
  const LONG h = AfxWrapSub(window.top, window.bottom);
  // Compared in 64 bits: the far edge of the window may lie beyond 32 bits.
  if (target.x < max.left) {
    target.x = max.left;
  } else if (int64_t{target.x} + w > max.right) {
    target.x = AfxWrapSub(max.right, w);
  }
  if (target.y > max.top) {
    target.y = max.top;
  } else if (int64_t{target.y} - h < max.bottom) {
    target.y = AfxWrapAdd(max.bottom, h);
  }
  return target;
}

LONG ShiftBrushOrigin(LONG org, LONG d) {
  LONG v = AfxWrapAdd(org, AfxWrapNeg(d) % 8);
  if (v < 0) {
    v += 8;
  } else if (v >= 8) {
    v -= 8;
  }
  return v;
}

bool IsSmoothDistance(tagSIZE d, tagSIZE pageDev) {
  return Magnitude(d.cx) <= pageDev.cx && Magnitude(d.cy) <= pageDev.cy;
}

std::vector<SmoothMove> PlanSmoothScroll(tagSIZE d, tagSIZE lineDev, tagSIZE pageDev) {
  const AxisPlan x = PlanAxis(d.cx, lineDev.cx, pageDev.cx);
  const AxisPlan y = PlanAxis(d.cy, lineDev.cy, pageDev.cy);
  std::vector<SmoothMove> moves;
  if (x.step != 0 || y.step != 0) {
    const int n = std::max(x.steps, y.steps);
    for (int i = 0; i < n; ++i) {
      moves.push_back({{i < x.steps ? x.step : 0, i < y.steps ? y.step : 0}, true});
    }
  }
  if (x.remainder != 0 || y.remainder != 0) moves.push_back({{x.remainder, y.remainder}, false});
  return moves;
}

}  // namespace varnel::view
