#include "view/ViewZoom.h"

#include "view/ViewGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace varnel::view {

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

bool ZoomedSizeAboveFloor(tagSIZE windowSize, double f, tagSIZE floor, tagSIZE* pSize) {
  if (std::isnan(f)) return false;
  tagSIZE size{ScaleWindowDimension(windowSize.cx, f), ScaleWindowDimension(windowSize.cy, f)};
  if (f >= 1.0 || (size.cx >= floor.cx && size.cy >= floor.cy)) {
    *pSize = size;  // zooming out, or staying above the floor
    return true;
  }
  if (windowSize.cx <= 0 || windowSize.cy <= 0) return false;
  const double g = std::max(static_cast<double>(floor.cx) / windowSize.cx,
                            static_cast<double>(floor.cy) / windowSize.cy);
  if (!(g < 1.0)) return false;
  // The product may fall a unit short of the floor it was aimed at.
  size.cx = std::max(ScaleWindowDimension(windowSize.cx, g), floor.cx);
  size.cy = std::max(ScaleWindowDimension(windowSize.cy, g), floor.cy);
  if (size.cx >= windowSize.cx && size.cy >= windowSize.cy) return false;
  *pSize = size;
  return true;
}

WheelAction ChooseWheelAction(unsigned int nFlags, int z, bool bHorzAvailable,
                              bool bVertAvailable) {
  if ((nFlags & kKeyControl) != 0) return z > 0 ? WheelAction::ZoomIn : WheelAction::ZoomOut;
  if (!bHorzAvailable && !bVertAvailable) return WheelAction::Refuse;
  if (bHorzAvailable && (nFlags & kKeyShift) == 0) return WheelAction::ScrollHorz;
  if (bVertAvailable && (nFlags & kKeyShift) != 0) return WheelAction::ScrollVert;
  return WheelAction::Nothing;
}

int64_t WheelAccumulator::Add(int z, unsigned int nSteps) {
  const bool bTurned = (z > 0 && m_nParts < 0) || (z < 0 && m_nParts > 0);
  if (bTurned || nSteps != m_nSteps) m_nParts = 0;
  m_nSteps = nSteps;
  // z * nSteps: at most 2^15 * 2^32, kept well inside 64 bits.
  m_nParts += int64_t{z} * (nSteps == kWheelPageScroll ? 1 : int64_t{nSteps});
  const int64_t steps = m_nParts / 120;
  m_nParts -= steps * 120;
  return steps;
}

LONG WheelScrollDistance(int64_t steps, bool bPages, LONG lineDev, LONG pageDev) {
  if (steps == 0) return 0;
  if (bPages || steps > kLongMax || steps < kLongMin) {
    return steps > 0 ? pageDev : AfxWrapNeg(pageDev);
  }
  const int64_t d = steps * lineDev;
  if (d >= pageDev) return pageDev;
  return static_cast<LONG>(d < kLongMin ? kLongMin : d);
}

}  // namespace varnel::view
