// The polygon batcher drawing on a real context: one call per batch, fills
// and outlines by pixels, regions, and the batch emptied afterwards.
#include "DibCanvas.h"
#include "WorldViewMapping.h"
#include "draw/PolygonBatcher.h"
#include "draw/WorldMapping.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

// A 100 x 100 view of the world window (0, 0)-(1000, 1000), y upwards.
class BatcherCanvas : public ::testing::Test {
 protected:
  void SetUp() override {
    CDC& dc = canvas.dc();
    canvas.Fill(kWhite);
    PrepareAsWorldView(dc, 100, 100, RECT{0, 1000, 1000, 0});
    dc.SelectStockObject(BLACK_BRUSH);
    dc.SelectStockObject(BLACK_PEN);
  }
  void TearDown() override { FlushPolygons(); }

  // A world square, device y of its inside: 100 - world y / 10.
  void Square(LONG x, LONG y, LONG size, bool logical = true) {
    const CPointW corners[4] = {{x, y}, {x + size, y}, {x + size, y + size}, {x, y + size}};
    ASSERT_EQ(AddPolyPoints(&canvas.dc(), CPointW{0, 0}, corners, 4, logical), 1);
  }
  // Device pixel of a world point.
  COLORREF AtWorld(LONG x, LONG y) { return canvas.At(x / 10, 100 - y / 10 - 1); }

  DibCanvas canvas{100, 100};
};

TEST_F(BatcherCanvas, SeveralPolygonsFillInOneCall) {
  Square(100, 100, 200);
  Square(500, 500, 200);
  Square(100, 600, 100);
  DrawPolygons(&canvas.dc());
  EXPECT_EQ(AtWorld(200, 200), kBlack);
  EXPECT_EQ(AtWorld(600, 600), kBlack);
  EXPECT_EQ(AtWorld(150, 650), kBlack);
  EXPECT_EQ(AtWorld(400, 400), kWhite);
  // The batch is empty now: drawing again draws nothing new.
  canvas.Fill(kWhite);
  DrawPolygons(&canvas.dc());
  EXPECT_EQ(AtWorld(200, 200), kWhite);
}

TEST_F(BatcherCanvas, OnePolygonAndOffsets) {
  const CPointW corners[4] = {{0, 0}, {200, 0}, {200, 200}, {0, 200}};
  AddPolyPoints(&canvas.dc(), CPointW{500, 500}, corners, 4, true);
  DrawPolygons(&canvas.dc());
  EXPECT_EQ(AtWorld(600, 600), kBlack);
  EXPECT_EQ(AtWorld(100, 100), kWhite);
}

TEST_F(BatcherCanvas, OutlinesAreNotFilled) {
  Square(100, 100, 400);
  Square(600, 600, 300);
  DrawPolylines(&canvas.dc());
  // Device corners: (10, 90) (50, 90) (50, 50) (10, 50), and (60, 40) (90,
  // 40) (90, 10) (60, 10); an outline is open, so its closing edge is not drawn.
  EXPECT_EQ(canvas.At(50, 70), kBlack) << "the first outline's right edge";
  EXPECT_EQ(canvas.At(30, 50), kBlack) << "the first outline's top edge";
  EXPECT_EQ(canvas.At(10, 70), kWhite) << "the first outline's closing edge";
  EXPECT_EQ(AtWorld(300, 300), kWhite) << "inside stays white";
  EXPECT_EQ(AtWorld(750, 750), kWhite);
  EXPECT_EQ(canvas.At(90, 25), kBlack) << "the second outline's right edge";
}

TEST_F(BatcherCanvas, DevicePointsDrawWithoutTheMapping) {
  Square(100, 100, 200, false);  // stored as device points
  CDC& dc = canvas.dc();
  dc.SetMapMode(MM_TEXT);
  dc.SetWindowOrg(0, 0);
  dc.SetViewportOrg(0, 0);
  DrawPolygons(&dc);
  EXPECT_EQ(canvas.At(20, 80), kBlack);
}

TEST_F(BatcherCanvas, RegionFromTheBatch) {
  Square(100, 100, 200);
  Square(150, 150, 100);  // inside the first: alternate fill leaves a hole
  CRgn region;
  ASSERT_TRUE(CreatePolyRegion(&region));
  // The region holds the points as stored: logical here, world / 10.
  EXPECT_TRUE(region.PtInRegion(12, 12));
  EXPECT_FALSE(region.PtInRegion(20, 20)) << "the hole";
  EXPECT_FALSE(region.PtInRegion(50, 50));

  CRgn none;
  EXPECT_FALSE(CreatePolyRegion(&none)) << "an empty batch makes no region";
  EXPECT_EQ(none.GetSafeHandle(), nullptr);
}

TEST_F(BatcherCanvas, UnfinishedPointsAreDiscardedWithTheBatch) {
  BeginPolygon(&canvas.dc(), CPointW{0, 0}, true);
  AddPolyPoint(CPointW{100, 100});
  AddPolyPoint(CPointW{900, 100});
  AddPolyPoint(CPointW{500, 900});
  CRgn region;
  EXPECT_FALSE(CreatePolyRegion(&region));
  Square(100, 100, 100);
  DrawPolygons(&canvas.dc());
  EXPECT_EQ(AtWorld(500, 300), kWhite) << "the unfinished triangle is gone";
  EXPECT_EQ(AtWorld(150, 150), kBlack);
}

// FlushPolygons empties the batch but keeps what BeginPolygon gave: the
// next points still convert through that target, offset and flag.
TEST_F(BatcherCanvas, FlushingKeepsTheTargetOffsetAndFlag) {
  BeginPolygon(&canvas.dc(), CPointW{500, 500}, true);
  AddPolyPoint(CPointW{900, 900});
  FlushPolygons();
  for (const CPointW& p : {CPointW{0, 0}, CPointW{200, 0}, CPointW{200, 200}}) AddPolyPoint(p);
  ASSERT_TRUE(EndPolygon());
  CRgn region;
  ASSERT_TRUE(CreatePolyRegion(&region));
  EXPECT_TRUE(region.PtInRegion(68, 52)) << "logical (50, 50)-(70, 70), y upwards";
  EXPECT_FALSE(region.PtInRegion(68, 40)) << "not device coordinates";
}

// A polygon of one point is recorded as two, which every outline call and
// region accepts beside the others (a count of 1 would fail the whole call).
TEST_F(BatcherCanvas, LonePointsGoAlongWithTheBatch) {
  const CPointW lone = {800, 800};
  for (int operation = 0; operation < 3; ++operation) {
    canvas.Fill(kWhite);
    ASSERT_EQ(AddPolyPoints(&canvas.dc(), CPointW{0, 0}, &lone, 1, true), 1);
    Square(100, 100, 400);
    if (operation == 2) {
      CRgn region;
      ASSERT_TRUE(CreatePolyRegion(&region));
      EXPECT_TRUE(region.PtInRegion(30, 30));
      EXPECT_FALSE(region.PtInRegion(80, 80));
      continue;
    }
    (operation == 0 ? DrawPolygons : DrawPolylines)(&canvas.dc());
    EXPECT_EQ(canvas.At(50, 70), kBlack) << operation << ": the square's right edge";
    int stray = 0;  // in the lone point's corner, beside its own pixel
    for (int y = 0; y < 40; ++y)
      for (int x = 60; x < 100; ++x) stray += (x != 80 || y != 20) && canvas.At(x, y) != kWhite;
    EXPECT_EQ(stray, 0) << operation;
  }
}

TEST_F(BatcherCanvas, ManyPolygonsGrowTheStoresAndStillDraw) {
  // 300 squares of 8 points each: 2400 points and 300 counts, past both
  // stores' first blocks.
  auto origin = [](int i) { return CPointW{(i % 20) * 50, (i / 20) * 60}; };
  for (int i = 0; i < 300; ++i) {
    const CPointW o = origin(i);
    const CPointW ring[8] = {{0, 0},   {15, 0},  {30, 0}, {30, 15},
                             {30, 30}, {15, 30}, {0, 30}, {0, 15}};
    ASSERT_EQ(AddPolyPoints(&canvas.dc(), o, ring, 8, true), 1);
  }
  DrawPolygons(&canvas.dc());
  for (int i : {0, 150, 299}) {
    const CPointW o = origin(i);
    EXPECT_EQ(AtWorld(o.x + 15, o.y + 15), kBlack) << "square " << i;
    EXPECT_EQ(AtWorld(o.x + 45, o.y + 15), kWhite) << "beside square " << i;
  }
}

// ---- the platform calls, as a metafile records them ----------------------

// The record's i-th field after its type, size and bounds.
DWORD Field(const ENHMETARECORD& record, int i) {
  DWORD value = 0;
  std::memcpy(&value, reinterpret_cast<const BYTE*>(&record) + 24 + 4 * i, sizeof value);
  return value;
}

std::string DescribeRecord(const ENHMETARECORD& record) {
  const auto field = [&](int i) { return std::to_string(Field(record, i)); };
  switch (record.iType) {
    case EMR_POLYGON: case EMR_POLYGON16: return "Polygon " + field(0);
    case EMR_POLYLINE: case EMR_POLYLINE16: return "Polyline " + field(0);
    case EMR_POLYPOLYGON: case EMR_POLYPOLYGON16:
      return "PolyPolygon " + field(0) + " " + field(1);
    case EMR_POLYPOLYLINE: case EMR_POLYPOLYLINE16:
      return "PolyPolyline " + field(0) + " " + field(1);
    default: return "";
  }
}

int CALLBACK CollectRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM calls) {
  const std::string call = DescribeRecord(*record);
  if (!call.empty()) reinterpret_cast<std::vector<std::string>*>(calls)->push_back(call);
  return 1;
}

// The outline calls a batch draw makes, drawn into a metafile context (the
// points were converted through the canvas: the target need not be the
// context drawn on): "Polygon 4" is one Polygon call of 4 points,
// "PolyPolygon 3 12" one PolyPolygon call of 3 polygons and 12 points.
std::vector<std::string> RecordedCalls(void (*draw)(CDC*)) {
  CDC metafile;
  EXPECT_TRUE(metafile.Attach(::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr)));
  draw(&metafile);
  HENHMETAFILE hRecord = ::CloseEnhMetaFile(metafile.Detach());
  std::vector<std::string> calls;
  ::EnumEnhMetaFile(nullptr, hRecord, &CollectRecord, &calls, nullptr);
  ::DeleteEnhMetaFile(hRecord);
  return calls;
}

struct CallCase {
  void (*draw)(CDC*);
  int polygons;  // squares of 4 points
  std::vector<std::string> calls;
};

TEST_F(BatcherCanvas, EachDrawIsOneCallOfTheRightKind) {
  const CallCase cases[] = {
      {DrawPolygons, 0, {}},
      {DrawPolygons, 1, {"Polygon 4"}},
      {DrawPolygons, 3, {"PolyPolygon 3 12"}},
      {DrawPolylines, 1, {"Polyline 4"}},
      {DrawPolylines, 3, {"PolyPolyline 3 12"}},
  };
  for (const CallCase& c : cases) {
    for (int i = 0; i < c.polygons; ++i) Square(100 * i, 0, 50);
    EXPECT_EQ(RecordedCalls(c.draw), c.calls) << c.polygons;
  }
}

}  // namespace
