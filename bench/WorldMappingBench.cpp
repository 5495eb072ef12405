// World to device conversion of a million points: ConvertFromWorld (the
// arithmetic WPtoDP runs on an array after asking the context once) beside
// a plain loop doing the same two MulDiv per point on the same data.
// Natively there is no device context, so WPtoDP's one query per call is
// not part of this measurement; the Wine timing program measures it.
#include "draw/WorldMath.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

using namespace varnel::draw;

namespace {

constexpr int kPoints = 1000000;

// A world view's mapping: the world window (-50000, -40000)-(50000, 40000)
// onto a 1000 x 800 pixel viewport with y flipped. Clamping is off, as on
// the NT family.
const WorldLevel kLevel = {{-50000, -40000}, {100000, 80000}, 1.0};
const ContextMapping kViewport = {{0, 800}, {1000, -800}};

const std::vector<tagPOINT>& WorldPoints() {
  static const std::vector<tagPOINT> points = [] {
    std::vector<tagPOINT> p(kPoints);
    std::mt19937 random(8);  // fixed seed: the same data every run
    std::uniform_int_distribution<LONG> x(-50000, 50000), y(-40000, 40000);
    for (tagPOINT& point : p) point = {x(random), y(random)};
    return p;
  }();
  return points;
}

// Reports seconds per point beside the time per million.
void CountPoints(benchmark::State& state) {
  state.SetItemsProcessed(state.iterations() * kPoints);
  state.counters["per_point"] = benchmark::Counter(
      kPoints, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void ConvertFromWorldArray(benchmark::State& state) {
  const std::vector<tagPOINT>& from = WorldPoints();
  std::vector<tagPOINT> to(kPoints);
  for (auto _ : state) {
    ConvertFromWorld(kViewport, kLevel, false, from.data(), to.data(), kPoints);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  CountPoints(state);
}
BENCHMARK(ConvertFromWorldArray)->Unit(benchmark::kMillisecond);

// The reference: what a host would write by hand. The values stay far from
// overflow, so plain int arithmetic is defined here.
void PlainMulDivLoop(benchmark::State& state) {
  const std::vector<tagPOINT>& from = WorldPoints();
  std::vector<tagPOINT> to(kPoints);
  for (auto _ : state) {
    for (int i = 0; i < kPoints; ++i) {
      to[i].x = MulDiv(from[i].x - kLevel.org.x, kViewport.ext.cx, kLevel.ext.x) + kViewport.org.x;
      to[i].y = MulDiv(from[i].y - kLevel.org.y, kViewport.ext.cy, kLevel.ext.y) + kViewport.org.y;
    }
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  CountPoints(state);
}
BENCHMARK(PlainMulDivLoop)->Unit(benchmark::kMillisecond);

}  // namespace
