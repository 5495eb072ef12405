#include "controls/RubberbandRules.h"

#include <algorithm>
#include <cstdint>

namespace varnel::controls {

namespace {

constexpr UINT kMkShift = 0x0004;

int64_t Abs64(int64_t v) { return v < 0 ? -v : v; }

// A distance of up to 2^32 back into 32 bits: client coordinates never get
// near the limits, but a wild value must not overflow.
LONG Clamp32(int64_t v) {
  return static_cast<LONG>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

LONG WrapAdd(LONG a, LONG b) {
  return static_cast<LONG>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

}  // namespace

tagPOINT ConstrainToAnchor(tagPOINT anchor, tagPOINT point, UINT nStyle, UINT nKeyFlags) {
  if ((nStyle & RBS_SHIFTCONSTRAIN) == 0 || (nKeyFlags & kMkShift) == 0) return point;
  int64_t dx = int64_t{point.x} - anchor.x;
  int64_t dy = int64_t{point.y} - anchor.y;
  if ((nStyle & RBS_AXISSNAP) != 0 && Abs64(dx) > 2 * Abs64(dy)) {
    dy = 0;
  } else if ((nStyle & RBS_AXISSNAP) != 0 && Abs64(dy) > 2 * Abs64(dx)) {
    dx = 0;
  } else {
    // The diagonal: a zero offset counts as negative.
    const int64_t m = std::max(Abs64(dx), Abs64(dy));
    dx = dx > 0 ? m : -m;
    dy = dy > 0 ? m : -m;
  }
  return tagPOINT{WrapAdd(anchor.x, Clamp32(dx)), WrapAdd(anchor.y, Clamp32(dy))};
}

tagSIZE AutoScrollAmount(const tagRECT& client, tagPOINT point) {
  auto past = [](LONG v, LONG low, LONG high) -> LONG {
    if (v < low) return Clamp32(int64_t{v} - low);
    if (v >= high) return Clamp32(int64_t{v} - high + 1);
    return 0;
  };
  return tagSIZE{past(point.x, client.left, client.right), past(point.y, client.top, client.bottom)};
}

bool IsSameAnchor(tagPOINT anchor, tagPOINT press, LONG reach) {
  return Abs64(int64_t{anchor.x} - press.x) <= reach &&
         Abs64(int64_t{anchor.y} - press.y) <= reach;
}

LONG RubberbandPixels(LONG n96, UINT nDpi) {
  const LONG n = ::MulDiv(n96, static_cast<int>(nDpi), 96);
  return n96 > 0 && n < 1 ? 1 : n;
}

}  // namespace varnel::controls
