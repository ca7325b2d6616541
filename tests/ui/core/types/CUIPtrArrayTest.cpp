#include "ui/core/types/CUIPtrArray.h"

#include <gtest/gtest.h>

#include <vector>

using SkinUI::CUIPtrArray;

namespace {

// Distinct fake pointers; the array never dereferences them.
LPVOID P(intptr_t n) { return reinterpret_cast<LPVOID>(n); }

std::vector<LPVOID> Contents(const CUIPtrArray& a) {
  std::vector<LPVOID> out;
  for (int i = 0; i < a.GetSize(); ++i) out.push_back(a.GetAt(i));
  return out;
}

TEST(CUIPtrArrayGrowth, KeepsEveryElementAcrossEachGrowth) {
  // Capacity 0 grows to 11, then doubles; an array made with n slots grows at n - 1.
  struct Case {
    int prealloc;
    int count;
  } cases[] = {{0, 10}, {0, 11}, {0, 12}, {0, 22}, {0, 23}, {0, 1000}, {1, 5}, {4, 4}, {100, 300}};
  for (const Case& c : cases) {
    CUIPtrArray a(c.prealloc);
    for (int i = 1; i <= c.count; ++i) ASSERT_TRUE(a.Add(P(i)));
    ASSERT_EQ(c.count, a.GetSize());
    for (int i = 0; i < c.count; ++i) EXPECT_EQ(P(i + 1), a.At(i)) << c.prealloc << "/" << c.count << " at " << i;
  }
}

TEST(CUIPtrArrayBounds, GetAtInsertAtAndRemoveAt) {
  CUIPtrArray a;
  a.Add(P(1));
  a.Add(P(2));
  a.Add(P(3));
  EXPECT_EQ(nullptr, a.GetAt(3));
  EXPECT_EQ(nullptr, a.GetAt(-1));
  EXPECT_EQ(P(3), a.GetAt(2));

  struct Case {
    int index;
    bool ok;
    std::vector<LPVOID> after;
  } inserts[] = {
      {0, true, {P(9), P(1), P(2), P(3)}},
      {1, true, {P(1), P(9), P(2), P(3)}},
      {3, true, {P(1), P(2), P(3), P(9)}},
      {4, false, {P(1), P(2), P(3)}},
      {-1, false, {P(1), P(2), P(3)}},
  };
  for (const Case& c : inserts) {
    CUIPtrArray b(a);
    EXPECT_EQ(c.ok, b.InsertAt(c.index, P(9))) << c.index;
    EXPECT_EQ(c.after, Contents(b)) << c.index;
  }

  struct RemoveCase {
    int index;
    bool ok;
    std::vector<LPVOID> after;
  } removes[] = {
      {0, true, {P(2), P(3)}},
      {1, true, {P(1), P(3)}},
      {2, true, {P(1), P(2)}},
      {3, false, {P(1), P(2), P(3)}},
      {-1, false, {P(1), P(2), P(3)}},
  };
  for (const RemoveCase& c : removes) {
    CUIPtrArray b(a);
    EXPECT_EQ(c.ok, b.RemoveAt(c.index)) << c.index;
    EXPECT_EQ(c.after, Contents(b)) << c.index;
  }
}

TEST(CUIPtrArrayBounds, InsertingAtTheFrontAcrossGrowthKeepsOrder) {
  CUIPtrArray a;
  for (int i = 1; i <= 50; ++i) ASSERT_TRUE(a.InsertAt(0, P(i)));
  for (int i = 0; i < 50; ++i) EXPECT_EQ(P(50 - i), a.At(i));
}

TEST(CUIPtrArrayState, FindEmptyResizeAndCopies) {
  CUIPtrArray a;
  EXPECT_TRUE(a.IsEmpty());
  a.Add(P(7));
  a.Add(P(8));
  EXPECT_EQ(1, a.Find(P(8)));
  EXPECT_EQ(-1, a.Find(P(9)));

  CUIPtrArray copy(a);
  copy.Add(P(9));
  EXPECT_EQ(2, a.GetSize());  // the copy has its own block
  EXPECT_EQ(3, copy.GetSize());
  CUIPtrArray assigned;
  assigned = copy;
  copy.RemoveAt(0);
  EXPECT_EQ(P(7), assigned.GetAt(0));

  a.Resize(5);
  EXPECT_EQ(5, a.GetSize());
  for (int i = 0; i < 5; ++i) EXPECT_EQ(nullptr, a.GetAt(i));
  EXPECT_TRUE(a.Add(P(1)));
  EXPECT_EQ(P(1), a.GetAt(5));

  a.Empty();
  EXPECT_TRUE(a.IsEmpty());
  EXPECT_EQ(nullptr, a.GetAt(0));
  EXPECT_TRUE(a.Add(P(2)));
  EXPECT_EQ(P(2), a.GetAt(0));
}

}  // namespace
