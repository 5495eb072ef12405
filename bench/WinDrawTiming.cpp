// Timings that need real GDI, run by hand under Wine (Google Benchmark is
// not available for mingw). Each measurement runs beside its reference in
// the same process; every figure is the median of kRepetitions runs after
// one warm-up run.
//   (a) WPtoDP on 1,000,000 points through a real memory DC, against a
//       plain loop doing the same two MulDiv per point;
//   (b) 10,000 octagons through the batcher and DrawPolygons, against one
//       Polygon call per octagon on precomputed device points;
//   (c) the same outlines through DrawPolylines, against one Polyline each.
// The batcher converts while the batch is built, so its build time is
// reported apart from its drawing time as well as in the total.
#include "Varnel.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int kRepetitions = 21;
constexpr int kPoints = 1000000;
constexpr int kGrid = 100;  // kGrid x kGrid polygons
constexpr int kPolygons = kGrid * kGrid;
constexpr int kCorners = 8;
constexpr int kCell = 10;  // pixels per grid cell
constexpr int kCanvas = kGrid * kCell;
// World units per pixel in the drawing runs.
constexpr LONG kUnitsPerPixel = 16;

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The median of the samples after the first, which is the warm-up run.
double Median(const std::vector<double>& samples) {
  std::vector<double> sorted(samples.begin() + 1, samples.end());
  std::sort(sorted.begin(), sorted.end());
  return sorted[sorted.size() / 2];
}

// Runs one warm-up round and kRepetitions timed rounds; each round runs
// every variant in turn, so that a burst of load from elsewhere on the
// machine falls on all of them alike. A variant records its own samples.
template <class... Variants>
void Rounds(Variants... variants) {
  for (int round = 0; round <= kRepetitions; ++round) (variants(), ...);
}

// A memory DC drawing into a 32-bit top-down DIB section.
class DibCanvas {
 public:
  explicit DibCanvas(int size) : m_size(size) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap.Attach(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    m_bits = static_cast<const DWORD*>(bits);
    m_dc.CreateCompatibleDC(nullptr);
    m_dc.SelectObject(&m_bitmap);
  }
  ~DibCanvas() { m_dc.DeleteDC(); }  // before the bitmap: it is selected in it

  bool Ready() const { return m_bits != nullptr && m_dc.GetSafeHdc() != nullptr; }
  CDC& dc() { return m_dc; }
  void Clear() { m_dc.FillSolidRect(0, 0, m_size, m_size, RGB(255, 255, 255)); }
  std::vector<DWORD> Pixels() {
    ::GdiFlush();
    return std::vector<DWORD>(m_bits, m_bits + m_size * m_size);
  }

 private:
  int m_size;
  const DWORD* m_bits = nullptr;
  CDC m_dc;
  CBitmap m_bitmap;
};

// (a) The world view's mapping (isotropic, y flipped) on a 1000 x 800 view.
void TimeConversion(DibCanvas& canvas) {
  CDC& dc = canvas.dc();
  dc.SetMapMode(MM_ISOTROPIC);
  dc.SetWindowOrg(0, 0);
  dc.SetWindowExt(1000, 800);
  dc.SetViewportOrg(0, 800);
  dc.SetViewportExt(1000, -800);
  SetWorldOrg(&dc, -50000, -40000);
  SetWorldExt(&dc, 100000, 80000);
  // The reference uses the values WPtoDP reads, taken once beforehand.
  const tagPOINT worldOrg = GetWorldOrg(&dc);
  const tagPOINT worldExt = GetWorldExt(&dc);
  const CPoint org = dc.GetViewportOrg();
  const CSize ext = dc.GetViewportExt();

  std::vector<tagPOINT> world(kPoints);
  std::mt19937 random(8);
  std::uniform_int_distribution<LONG> x(-50000, 50000), y(-40000, 40000);
  for (tagPOINT& p : world) p = {x(random), y(random)};
  std::vector<tagPOINT> viaLibrary(kPoints), viaLoop(kPoints);

  std::vector<double> library, loop;
  Rounds(
      [&] {
        const Clock::time_point start = Clock::now();
        WPtoDP(&dc, world.data(), viaLibrary.data(), kPoints);
        library.push_back(Seconds(start));
      },
      // Values stay far from overflow: plain int arithmetic is defined here.
      [&] {
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < kPoints; ++i) {
          viaLoop[i].x = MulDiv(world[i].x - worldOrg.x, ext.cx, worldExt.x) + org.x;
          viaLoop[i].y = MulDiv(world[i].y - worldOrg.y, ext.cy, worldExt.y) + org.y;
        }
        loop.push_back(Seconds(start));
      });
  // Comparing the results also keeps the compiler from dropping either loop.
  const bool same = std::equal(viaLibrary.begin(), viaLibrary.end(), viaLoop.begin(),
                               [](const tagPOINT& a, const tagPOINT& b) {
                                 return a.x == b.x && a.y == b.y;
                               });
  std::printf("(a) 1,000,000 points, world to device (same results: %s)\n", same ? "yes" : "NO");
  std::printf("    WPtoDP with a memory DC    %7.3f ns/point\n", Median(library) * 1e9 / kPoints);
  std::printf("    plain two-MulDiv loop      %7.3f ns/point\n", Median(loop) * 1e9 / kPoints);
  std::printf("    ratio WPtoDP / loop        %7.3f\n\n", Median(library) / Median(loop));
  dc.SetMapMode(MM_TEXT);
}

// The octagons in world units, y upwards: one per grid cell, radius 4 px,
// apart from each other so that drawing them together or one by one gives
// the same pixels.
std::vector<CPointW> Octagons() {
  static const int kOffsets[kCorners][2] = {{4, 2},   {2, 4},   {-2, 4}, {-4, 2},
                                            {-4, -2}, {-2, -4}, {2, -4}, {4, -2}};
  std::vector<CPointW> points;
  points.reserve(kPolygons * kCorners);
  for (int row = 0; row < kGrid; ++row) {
    for (int column = 0; column < kGrid; ++column) {
      const LONG cx = column * kCell + kCell / 2, cy = row * kCell + kCell / 2;
      for (const auto& o : kOffsets)
        points.push_back(CPointW{(cx + o[0]) * kUnitsPerPixel, (cy + o[1]) * kUnitsPerPixel});
    }
  }
  return points;
}

// Device points from world units: pixels, y downwards from the top edge.
void MapWorldToPixels(CDC& dc) {
  dc.SetMapMode(MM_TEXT);
  SetWorldOrg(&dc, 0, kCanvas * kUnitsPerPixel);
  SetWorldExt(&dc, kUnitsPerPixel, -kUnitsPerPixel);
}

// (b) and (c): `drawBatch` is DrawPolygons or DrawPolylines, `drawOne` is
// CDC::Polygon or CDC::Polyline.
void TimeDrawing(DibCanvas& canvas, const char* title, void (*drawBatch)(CDC*),
                 BOOL (CDC::*drawOne)(const POINT*, int)) {
  CDC& dc = canvas.dc();
  MapWorldToPixels(dc);
  const std::vector<CPointW> world = Octagons();
  const CPointW origin = {0, 0};

  // The references draw the same device points, converted beforehand;
  // their pixels are what every variant must leave.
  std::vector<tagPOINT> device(world.size());
  std::transform(world.begin(), world.end(), device.begin(),
                 [](const CPointW& p) { return tagPOINT{p.x, p.y}; });
  WPtoDP(&dc, device.data(), device.data(), static_cast<int>(device.size()));
  canvas.Clear();
  for (int i = 0; i < kPolygons; ++i) (dc.*drawOne)(&device[i * kCorners], kCorners);
  const std::vector<DWORD> expected = canvas.Pixels();
  bool same = true;

  // Each variant starts on a cleared canvas (untimed) and is checked after.
  auto timed = [&](std::vector<double>& samples, auto draw) {
    canvas.Clear();
    ::GdiFlush();
    const Clock::time_point start = Clock::now();
    draw();
    ::GdiFlush();
    samples.push_back(Seconds(start));
    same = same && canvas.Pixels() == expected;
  };
  // The batcher, its build (which converts every point) and its draw also
  // timed apart.
  std::vector<double> builds, draws, totals, separate, convertAndSeparate;
  Rounds(
      [&] {
        timed(totals, [&] {
          const Clock::time_point start = Clock::now();
          for (int i = 0; i < kPolygons; ++i)
            AddPolyPoints(&dc, origin, &world[i * kCorners], kCorners, false);
          builds.push_back(Seconds(start));
          const Clock::time_point drawStart = Clock::now();
          drawBatch(&dc);
          ::GdiFlush();
          draws.push_back(Seconds(drawStart));
        });
      },
      [&] {
        timed(separate, [&] {
          for (int i = 0; i < kPolygons; ++i) (dc.*drawOne)(&device[i * kCorners], kCorners);
        });
      },
      // What a host without the batcher would write: each polygon's points
      // through WPtoDP (one query of the context per polygon), then one call.
      [&] {
        timed(convertAndSeparate, [&] {
          tagPOINT points[kCorners];
          for (int i = 0; i < kPolygons; ++i) {
            for (int k = 0; k < kCorners; ++k)
              points[k] = tagPOINT{world[i * kCorners + k].x, world[i * kCorners + k].y};
            WPtoDP(&dc, points, points, kCorners);
            (dc.*drawOne)(points, kCorners);
          }
        });
      });

  const double total = Median(totals), draw = Median(draws), one = Median(separate);
  const double converting = Median(convertAndSeparate);
  std::printf("%s (same pixels: %s)\n", title, same ? "yes" : "NO");
  std::printf("    batcher incl. conversion        %7.1f ns/polygon\n", total * 1e9 / kPolygons);
  std::printf("      its build (conversion, store) %7.1f ns/polygon\n",
              Median(builds) * 1e9 / kPolygons);
  std::printf("      its batched draw              %7.1f ns/polygon\n", draw * 1e9 / kPolygons);
  std::printf("    one call per polygon            %7.1f ns/polygon\n", one * 1e9 / kPolygons);
  std::printf("    WPtoDP + one call per polygon   %7.1f ns/polygon\n",
              converting * 1e9 / kPolygons);
  std::printf("    ratio batcher total / one call per polygon           %6.3f\n", total / one);
  std::printf("    ratio batched draw / one call per polygon            %6.3f\n", draw / one);
  std::printf("    ratio batcher total / WPtoDP + one call per polygon  %6.3f\n\n",
              total / converting);
}

}  // namespace

int main() {
  DibCanvas canvas(kCanvas);
  if (!canvas.Ready()) {
    std::printf("could not make the DIB section memory DC\n");
    return 1;
  }
  std::printf("medians of %d runs; %d octagons on a %d x %d 32-bit DIB section\n\n",
              kRepetitions, kPolygons, kCanvas, kCanvas);
  TimeConversion(canvas);

  CDC& dc = canvas.dc();
  CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
  CBrush brush(RGB(40, 90, 200));
  CPen* oldPen = dc.SelectObject(&pen);
  CBrush* oldBrush = dc.SelectObject(&brush);
  TimeDrawing(canvas, "(b) 10,000 filled octagons: DrawPolygons vs Polygon", &DrawPolygons,
              &CDC::Polygon);
  TimeDrawing(canvas, "(c) 10,000 octagon outlines: DrawPolylines vs Polyline", &DrawPolylines,
              &CDC::Polyline);
  dc.SelectObject(oldPen);
  dc.SelectObject(oldBrush);
  return 0;
}
