#include "draw/ColorUtil.h"


COLORREF ColorToGray(COLORREF colour) {
  const DWORD r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
  if (r == g && g == b) return colour;
  const DWORD y = (30 * r + 59 * g + 11 * b) / 100;
  return y | (y << 8) | (y << 16);
}
