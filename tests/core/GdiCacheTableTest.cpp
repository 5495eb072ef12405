#include "draw/ColorUtil.h"
#include "draw/GdiCacheTable.h"

#include <gtest/gtest.h>

using namespace varnel::draw;

namespace {

TEST(GdiCacheKeys, HashAndBucketOfKnownKeys) {
  const struct {
    PenBrushKey key;
    uint32_t hash;
    int bucket;
  } penBrush[] = {
      {{PenBrushKey::kPenKind, 0, 0xFF}, 0xFFu, 0},
      {{PenBrushKey::kBrushKind, -1, 0x123456}, 0xFF123456u, 3},  // the style's high bits are lost
      {{PenBrushKey::kBrushKind, 3, 0}, 0x13000000u, 2},
      {{PenBrushKey::kPenKind, 2, 0x010203}, 0x02010203u, 8},
  };
  for (const auto& c : penBrush) {
    EXPECT_EQ(c.key.Hash(), c.hash);
    EXPECT_EQ((GdiCacheTable<PenBrushKey, int>::Bucket(c.key)), c.bucket);
  }
  const struct {
    FontKey key;
    uint32_t hash;
    int bucket;
  } fonts[] = {
      {{10, "Arial"}, 81299347u, 9},
      {{10, "arial"}, 119248819u, 7},
      {{9, "Arial"}, 81299346u, 8},
      {{12, "Caf\xE9"}, 2516767u, 2},  // a byte above 127 counts as negative
      {{7, ""}, 7u, 7},
  };
  for (const auto& c : fonts) {
    EXPECT_EQ(c.key.Hash(), c.hash) << c.key.faceName;
    EXPECT_EQ((GdiCacheTable<FontKey, int>::Bucket(c.key)), c.bucket) << c.key.faceName;
  }
}

TEST(GdiCacheTable, ChainsCollisionsAndTellsKeysApart) {
  GdiCacheTable<PenBrushKey, int> table;
  EXPECT_FALSE(table.HasBuckets());
  EXPECT_EQ(table.Find({PenBrushKey::kPenKind, 0, 0xFF}), nullptr);
  // 0xFF and 0xFF + 17 share bucket 0; a pen and a brush of one colour and
  // style are different keys.
  table.Insert({PenBrushKey::kPenKind, 0, 0xFF}, 1);
  table.Insert({PenBrushKey::kPenKind, 0, 0xFF + 17}, 2);
  table.Insert({PenBrushKey::kBrushKind, 0, 0xFF}, 3);
  EXPECT_TRUE(table.HasBuckets());
  EXPECT_EQ(table.ChainLength(0), 2);
  EXPECT_EQ(*table.Find({PenBrushKey::kPenKind, 0, 0xFF}), 1);
  EXPECT_EQ(*table.Find({PenBrushKey::kPenKind, 0, 0xFF + 17}), 2);
  EXPECT_EQ(*table.Find({PenBrushKey::kBrushKind, 0, 0xFF}), 3);
  EXPECT_EQ(table.Find({PenBrushKey::kPenKind, 1, 0xFF}), nullptr);
}

TEST(GdiCacheTable, AllocatesInBlocksOfTenAndEmptiesWhole) {
  GdiCacheTable<FontKey, int> table;
  for (int size = 1; size <= 25; ++size) table.Insert({size, "Arial"}, size);
  EXPECT_EQ(table.GetCount(), 25);
  EXPECT_EQ(table.GetBlockCount(), 3);
  int sum = 0;
  table.ForEach([&](const FontKey&, int value) { sum += value; });
  EXPECT_EQ(sum, 25 * 26 / 2);
  EXPECT_EQ(*table.Find({17, "Arial"}), 17);
  EXPECT_EQ(table.Find({17, "ARIAL"}), nullptr);
  EXPECT_EQ(table.Find({17, "Arial", 144}), nullptr);  // made for another density
  EXPECT_EQ(FontKey({17, "Arial", 144}).Hash(), FontKey({17, "Arial"}).Hash());

  table.RemoveAll();
  EXPECT_EQ(table.GetCount(), 0);
  EXPECT_EQ(table.GetBlockCount(), 0);
  EXPECT_FALSE(table.HasBuckets());
  EXPECT_EQ(table.Find({17, "Arial"}), nullptr);
  table.Insert({9, "Arial"}, 9);
  EXPECT_EQ(*table.Find({9, "Arial"}), 9);
}

TEST(ColorToGray, GreyOfEqualBrightness) {
  const struct {
    COLORREF colour, grey;
  } cases[] = {
      {RGB(255, 0, 0), RGB(76, 76, 76)},
      {RGB(0, 255, 0), RGB(150, 150, 150)},
      {RGB(0, 0, 255), RGB(28, 28, 28)},
      {RGB(255, 255, 255), RGB(255, 255, 255)},
      {RGB(1, 2, 3), RGB(1, 1, 1)},
      {RGB(200, 200, 200) | 0x02000000u, RGB(200, 200, 200) | 0x02000000u},  // grey: flag kept
      {RGB(255, 0, 0) | 0x01000000u, RGB(76, 76, 76)},                        // flag dropped
      {RGB(255, 255, 254), RGB(254, 254, 254)},
  };
  for (const auto& c : cases) EXPECT_EQ(ColorToGray(c.colour), c.grey) << std::hex << c.colour;
}

}  // namespace
