#include "view/ViewZoom.h"

#include "view/ViewGeometry.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// The key flags of a wheel notification.
constexpr unsigned int kKeyShift = 4;    // MK_SHIFT
constexpr unsigned int kKeyControl = 8;  // MK_CONTROL

constexpr int64_t kLongMin = std::numeric_limits<LONG>::min();
constexpr int64_t kLongMax = std::numeric_limits<LONG>::max();

}  // namespace

bool IsZoomDrag(const tagRECT& rcDrag, tagSIZE dragThreshold) {
  const tagSIZE size = DeviceSize(rcDrag);
  return size.cx >= dragThreshold.cx || size.cy >= dragThreshold.cy;
}

bool ZoomStackRecords(int nEntries, int nLevels) { return nEntries < nLevels; }

LONG ScaleWindowDimension(LONG n, double f) {
  const double d = std::trunc(static_cast<double>(n) * f);
  if (std::isnan(d)) return 0;
  if (d <= static_cast<double>(kLongMin)) return static_cast<LONG>(kLongMin);
  if (d >= static_cast<double>(kLongMax)) return static_cast<LONG>(kLongMax);
  return static_cast<LONG>(d);
}

tagRECT WindowCenteredOn(tagPOINT pt, tagSIZE windowSize, double f) {
  const LONG w = ScaleWindowDimension(windowSize.cx, f);
  const LONG h = ScaleWindowDimension(windowSize.cy, f);
  tagRECT rc;
  rc.left = AfxWrapSub(pt.x, w / 2);
  rc.right = AfxWrapAdd(rc.left, w);
  rc.bottom = AfxWrapSub(pt.y, h / 2);
  rc.top = AfxWrapAdd(rc.bottom, h);
  return rc;
}

WheelAction ChooseWheelAction(unsigned int nFlags, int z, bool bHorzAvailable,
                              bool bVertAvailable) {
  if ((nFlags & kKeyControl) != 0) return z > 0 ? WheelAction::ZoomIn : WheelAction::ZoomOut;
  if (!bHorzAvailable && !bVertAvailable) return WheelAction::Refuse;
  if (bHorzAvailable && (nFlags & kKeyShift) == 0) return WheelAction::ScrollHorz;
  if (bVertAvailable && (nFlags & kKeyShift) != 0) return WheelAction::ScrollVert;
  return WheelAction::Nothing;
}

LONG WheelScrollDistance(int z, unsigned int nLines, LONG lineDev, LONG pageDev) {
  // The line count is handed to MulDiv as the signed number of its bits.
  const int t = MulDiv(-z, static_cast<int>(nLines), 120);
  if (t == -1 || nLines == kWheelPageScroll) return z > 0 ? AfxWrapNeg(pageDev) : pageDev;
  const int64_t d = int64_t{t} * lineDev;
  if (d >= pageDev) return pageDev;
  return static_cast<LONG>(d < kLongMin ? kLongMin : d);
}
