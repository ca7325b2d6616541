// Global memory blocks: what a fixed and a movable block give when locked, sized,
// unlocked, grown and freed, and what a handle that is no block gives.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/base/Error.h"
#include "platform/base/GlobalMemory.h"

namespace {

struct BlockCase {
  const char* what;
  UINT flags;
  bool handleIsMemory;
};

class GlobalBlock : public ::testing::TestWithParam<BlockCase> {};

TEST_P(GlobalBlock, LocksToItsBytesAndFreesOnce) {
  const BlockCase& c = GetParam();
  HGLOBAL hMem = GlobalAlloc(c.flags | GMEM_ZEROINIT, 16);
  ASSERT_NE(hMem, nullptr);
  EXPECT_EQ(GlobalSize(hMem), 16u);
  auto* bytes = static_cast<BYTE*>(GlobalLock(hMem));
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(bytes == hMem, c.handleIsMemory);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(bytes[i], 0) << "zero-initialised, byte " << i;
  std::memcpy(bytes, "patrol", 6);
  GlobalUnlock(hMem);
  EXPECT_EQ(std::memcmp(GlobalLock(hMem), "patrol", 6), 0) << "the bytes stay behind the handle";
  GlobalUnlock(hMem);
  EXPECT_EQ(GlobalFree(hMem), nullptr);
  EXPECT_EQ(GlobalFree(hMem), hMem) << "a freed block is no block";
  EXPECT_EQ(GlobalSize(hMem), 0u);
}

INSTANTIATE_TEST_SUITE_P(Memory, GlobalBlock,
                         ::testing::Values(BlockCase{"Fixed", GMEM_FIXED, true},
                                           BlockCase{"Movable", GMEM_MOVEABLE, false}),
                         [](const ::testing::TestParamInfo<BlockCase>& info) { return info.param.what; });

TEST(GlobalMemory, AMovableBlockCountsItsLocks) {
  HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE, 4);
  ASSERT_NE(GlobalLock(hMem), nullptr);
  ASSERT_NE(GlobalLock(hMem), nullptr);
  EXPECT_TRUE(GlobalUnlock(hMem)) << "still locked once";
  SetLastError(ERROR_INVALID_FUNCTION);
  EXPECT_FALSE(GlobalUnlock(hMem));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(NO_ERROR)) << "unlocked now";
  EXPECT_FALSE(GlobalUnlock(hMem));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_LOCKED));
  GlobalFree(hMem);
}

TEST(GlobalMemory, AnEmptyMovableBlockHasNoBytesToLock) {
  HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE, 0);
  ASSERT_NE(hMem, nullptr);
  EXPECT_EQ(GlobalSize(hMem), 0u);
  EXPECT_EQ(GlobalLock(hMem), nullptr);
  EXPECT_EQ(GlobalFree(hMem), nullptr);
}

TEST(GlobalMemory, GrowingKeepsTheBytesAndAMovableHandle) {
  HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE, 3);
  std::memcpy(GlobalLock(hMem), "abc", 3);
  GlobalUnlock(hMem);
  EXPECT_EQ(GlobalReAlloc(hMem, 6, GMEM_ZEROINIT), hMem);
  EXPECT_EQ(GlobalSize(hMem), 6u);
  const BYTE expected[] = {'a', 'b', 'c', 0, 0, 0};
  EXPECT_EQ(std::memcmp(GlobalLock(hMem), expected, 6), 0);
  GlobalUnlock(hMem);
  GlobalFree(hMem);

  HGLOBAL hFixed = GlobalAlloc(GMEM_FIXED, 3);
  EXPECT_EQ(GlobalReAlloc(hFixed, 64, 0), nullptr) << "a fixed block grows only where it may move";
  EXPECT_EQ(GlobalSize(hFixed), 3u);
  HGLOBAL hMoved = GlobalReAlloc(hFixed, 64, GMEM_MOVEABLE);
  ASSERT_NE(hMoved, nullptr);
  EXPECT_EQ(GlobalSize(hMoved), 64u);
  EXPECT_EQ(GlobalLock(hMoved), hMoved) << "still fixed: the handle is the memory";
  GlobalFree(hMoved);
}

TEST(GlobalMemory, AHandleThatIsNoBlockIsRefused) {
  int notABlock = 0;
  SetLastError(NO_ERROR);
  EXPECT_EQ(GlobalLock(&notABlock), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_EQ(GlobalSize(&notABlock), 0u);
  EXPECT_EQ(GlobalFree(&notABlock), &notABlock);
  EXPECT_EQ(GlobalReAlloc(&notABlock, 8, GMEM_MOVEABLE), nullptr);
}

}  // namespace
