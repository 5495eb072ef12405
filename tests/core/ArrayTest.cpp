// CArray: the growth rule and the kept memory that the polygon batcher and
// other callers rely on, and correct element lifetimes.
#include "afx/base/AfxArray.h"
#include "afx/base/AfxGeometry.h"
#include "afx/base/AfxString.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(CArray, GrowsByTheStepOrToTheNewSizeWhenLarger) {
  CArray<tagPOINT, const tagPOINT&> points;
  points.SetSize(1024, 1024);
  EXPECT_EQ(points.GetSize(), 1024);
  EXPECT_EQ(points.GetCapacity(), 1024);
  EXPECT_EQ(points.GetData()[1023].x, 0);  // new elements are zero

  points.SetAtGrow(7, tagPOINT{7, -7});
  points.SetAtGrow(1024, tagPOINT{1, 2});  // one past the end: size + 1
  EXPECT_EQ(points.GetSize(), 1025);
  EXPECT_EQ(points.GetCapacity(), 2048);   // old capacity + step
  EXPECT_EQ(points[7].y, -7);              // moved over
  EXPECT_EQ(points[1024].y, 2);

  points.SetAtGrow(5000, tagPOINT{5, 5});  // beyond old capacity + step
  EXPECT_EQ(points.GetSize(), 5001);
  EXPECT_EQ(points.GetCapacity(), 5001);
  EXPECT_EQ(points[4999].x, 0);
}

TEST(CArray, DefaultStepIsAnEighthOfTheSizeBetween4And1024) {
  CArray<int> values;
  std::vector<int> capacities;
  for (int i = 0; i < 60; ++i) {
    values.Add(i);
    if (capacities.empty() || capacities.back() != values.GetCapacity())
      capacities.push_back(values.GetCapacity());
  }
  EXPECT_EQ(capacities, (std::vector<int>{4, 8, 12, 16, 20, 24, 28, 32, 36, 40, 45, 50, 56, 63}));
  for (int i = 0; i < 60; ++i) ASSERT_EQ(values[i], i);

  CArray<int> big;
  big.SetSize(16384);
  big.Add(1);
  EXPECT_EQ(big.GetCapacity(), 16384 + 1024);
}

TEST(CArray, ShrinkingKeepsTheMemoryAndRemoveAllFreesIt) {
  CArray<int> values;
  values.SetSize(100, 50);
  int* data = values.GetData();
  values.SetSize(10);
  EXPECT_EQ(values.GetData(), data);
  EXPECT_EQ(values.GetCapacity(), 100);
  values.SetAtGrow(99, 1);  // fits again: no reallocation
  EXPECT_EQ(values.GetData(), data);
  EXPECT_EQ(values[50], 0);  // re-grown elements start at zero
  EXPECT_EQ(values.GetGrowBy(), 50);
  values.RemoveAll();
  EXPECT_EQ(values.GetData(), nullptr);
  EXPECT_EQ(values.GetSize(), 0);
  EXPECT_EQ(values.GetCapacity(), 0);
}

TEST(CArray, SetAtGrowFromAnElementOfTheSameArray) {
  // The argument refers into the array that grows (and moves) under it.
  CArray<CPoint, CPoint&> points;
  CPoint first(1, 2);
  points.Add(first);
  for (int i = 0; i < 100; ++i) points.Add(points[0]);
  EXPECT_EQ(points.GetSize(), 101);
  EXPECT_EQ(points[100], CPoint(1, 2));
}

TEST(CArray, ElementsWithOwnMemoryAreConstructedAndDestroyed) {
  // Under the sanitizers a missed destruction leaks and a missed
  // construction crashes.
  CArray<CString, const CString&> texts;
  for (int i = 0; i < 40; ++i) texts.Add(CString("a fairly long text that is heap allocated"));
  texts.InsertAt(1, CString("inserted"), 2);
  texts.RemoveAt(0);
  EXPECT_EQ(texts.GetSize(), 41);
  EXPECT_STREQ(texts[0], "inserted");
  EXPECT_STREQ(texts[1], "inserted");
  texts.SetSize(3);
  texts.SetSize(5);
  EXPECT_EQ(texts[4].GetLength(), 0);
  texts.InsertAt(10, CString("beyond"));
  EXPECT_EQ(texts.GetSize(), 11);
  EXPECT_STREQ(texts[10], "beyond");
}

}  // namespace

namespace {

TEST(CArray, AppendToItselfAndCopy) {
  CArray<int> a;
  for (int i = 0; i < 5; ++i) a.Add(i);
  EXPECT_EQ(a.Append(a), 5);  // growing moves the source under the loop
  ASSERT_EQ(a.GetSize(), 10);
  EXPECT_EQ(a[9], 4);
  CArray<int> b;
  b.Copy(a);
  EXPECT_EQ(b.GetSize(), 10);
  EXPECT_EQ(b[7], 2);
}

}  // namespace
