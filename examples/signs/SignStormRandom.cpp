// The storm's generator and the parsing of its options.
#include "SignStorm.h"

#include <cstdlib>

namespace storm {

// ---- the generator ---------------------------------------------------------------------

uint32_t StormRandom::Next() {
  // MT19937, as published: the same 32-bit outputs as std::mt19937.
  if (m_index > 624) {
    m_mt[0] = m_state;
    for (uint32_t i = 1; i < 624; ++i) {
      m_mt[i] = 1812433253u * (m_mt[i - 1] ^ (m_mt[i - 1] >> 30)) + i;
    }
    m_index = 624;
  }
  if (m_index == 624) {
    for (int i = 0; i < 624; ++i) {
      const uint32_t y = (m_mt[i] & 0x80000000u) | (m_mt[(i + 1) % 624] & 0x7fffffffu);
      m_mt[i] = m_mt[(i + 397) % 624] ^ (y >> 1) ^ ((y & 1u) != 0 ? 0x9908b0dfu : 0u);
    }
    m_index = 0;
  }
  uint32_t y = m_mt[m_index++];
  y ^= y >> 11;
  y ^= (y << 7) & 0x9d2c5680u;
  y ^= (y << 15) & 0xefc60000u;
  return y ^ (y >> 18);
}

int StormRandom::Between(int lo, int hi) {
  // The 32 bits scaled onto the span: no division, no rejection loop.
  const uint64_t span = static_cast<uint64_t>(static_cast<int64_t>(hi) - lo + 1);
  return static_cast<int>(lo + static_cast<int64_t>((Next() * span) >> 32));
}

int StormRandom::Weighted(const std::vector<int>& weights) {
  int total = 0;
  for (int w : weights) total += w;
  int pick = Between(0, total - 1);
  for (size_t i = 0; i < weights.size(); ++i) {
    if (pick < weights[i]) return static_cast<int>(i);
    pick -= weights[i];
  }
  return static_cast<int>(weights.size()) - 1;
}

bool ParseSeeds(const char* text, std::vector<uint32_t>* pSeeds) {
  pSeeds->clear();
  while (*text != '\0') {
    char* end = nullptr;
    const unsigned long seed = std::strtoul(text, &end, 10);
    if (end == text || (*end != ',' && *end != '\0')) return false;
    pSeeds->push_back(static_cast<uint32_t>(seed));
    text = *end == ',' ? end + 1 : end;
  }
  return !pSeeds->empty();
}

bool ParseWeights(const char* text, std::vector<uint32_t>* pWeights) {
  std::vector<uint32_t> weights;
  if (!ParseSeeds(text, &weights) || weights.size() != kEventKinds) return false;
  uint64_t total = 0;
  for (uint32_t w : weights) total += w;
  if (total == 0 || total > 1000000) return false;
  *pWeights = weights;
  return true;
}

}  // namespace storm
