#include "draw/GdiCacheTable.h"

namespace varnel::draw {

uint32_t PenBrushKey::Hash() const {
  const uint32_t kindAndStyle = (uint32_t{kind} << 4) | static_cast<uint32_t>(style);
  return (kindAndStyle << 24) | colour;
}

uint32_t FontKey::Hash() const {
  uint32_t hash = 0;
  for (char c : faceName) {
    hash = hash * 33u + static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(c)));
  }
  return hash + static_cast<uint32_t>(pointSize);
}

}  // namespace varnel::draw
