// A cache hit of the drawing-object cache against what it saves: the same
// pen asked for again inside a bracket, beside creating and deleting that
// pen with the platform each time. Runs under Wine (no Google Benchmark in
// the win build); prints the median of several repetitions of each and
// their ratio.
#include "Varnel.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRepetitions = 9;
constexpr int kCalls = 200000;
constexpr COLORREF kColour = RGB(10, 20, 30);

volatile std::uintptr_t g_sink;  // keeps the handles asked for observable

// Nanoseconds per call of one repetition of f over kCalls calls.
template <class F>
double NanosecondsPerCall(F f) {
  const auto start = std::chrono::steady_clock::now();
  std::uintptr_t sink = 0;
  for (int i = 0; i < kCalls; ++i) sink ^= f();
  const auto elapsed = std::chrono::steady_clock::now() - start;
  g_sink = sink;
  return std::chrono::duration<double, std::nano>(elapsed).count() / kCalls;
}

template <class F>
double MedianNanosecondsPerCall(F f) {
  std::vector<double> times;
  for (int r = 0; r < kRepetitions; ++r) times.push_back(NanosecondsPerCall(f));
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

std::uintptr_t Bits(HGDIOBJ h) { return reinterpret_cast<std::uintptr_t>(h); }

}  // namespace

int main() {
  CDC dc;
  if (!dc.CreateCompatibleDC(nullptr)) return 1;

  PushGDIObjects(&dc);
  GetGDIPen(kColour, PS_SOLID);  // created once; every call timed is a hit
  const double hit =
      MedianNanosecondsPerCall([] { return Bits(GetGDIPen(kColour, PS_SOLID)->m_hObject); });
  PopGDIObjects(&dc);

  const double platform = MedianNanosecondsPerCall([] {
    HPEN hPen = ::CreatePen(PS_SOLID, 1, kColour);
    ::DeleteObject(hPen);
    return Bits(hPen);
  });

  std::printf("median of %d repetitions of %d calls\n", kRepetitions, kCalls);
  std::printf("cache hit (GetGDIPen in a bracket):  %8.1f ns\n", hit);
  std::printf("CreatePen + DeleteObject:            %8.1f ns\n", platform);
  std::printf("ratio (platform / cache hit):        %8.1f\n", platform / hit);
  return 0;
}
