// The clipboard held in the process: one opener at a time, blocks owned by the
// clipboard, and what each call answers when the clipboard is not open.
#include <gtest/gtest.h>

#include <cwchar>

#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "platform/win32.h"

namespace {

using platform::headless::GuiThread;
using platform::headless::TestDriver;

HGLOBAL TextBlock(const wchar_t* text) {
  const size_t n = std::wcslen(text) + 1;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, n * sizeof(WCHAR));
  std::wmemcpy(static_cast<WCHAR*>(GlobalLock(block)), text, n);
  GlobalUnlock(block);
  return block;
}

std::wstring TextIn(HANDLE block) {
  const auto* text = static_cast<const WCHAR*>(GlobalLock(block));
  std::wstring copy = text ? text : L"";
  GlobalUnlock(block);
  return copy;
}

TEST(Clipboard, HoldsTextForTheProcess) {
  TestDriver driver;
  ASSERT_TRUE(OpenClipboard(nullptr));
  ASSERT_TRUE(EmptyClipboard());
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT)) << "emptied";
  HGLOBAL block = TextBlock(L"巡更点");
  EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, block), block);
  HGLOBAL second = TextBlock(L"路线");
  SetClipboardData(CF_UNICODETEXT, second);
  EXPECT_EQ(GetClipboardData(CF_UNICODETEXT), second) << "a second block replaces the first, which the clipboard frees";
  EXPECT_EQ(GlobalSize(block), 0u) << "freed";
  EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr) << "only the formats set are there";
  EXPECT_TRUE(CloseClipboard());
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT)) << "asked without opening";

  GuiThread other;
  other.Call([&] {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_EQ(TextIn(GetClipboardData(CF_UNICODETEXT)), L"路线") << "another thread reads it";
  });
  EXPECT_FALSE(OpenClipboard(nullptr)) << "open on the other thread";
  other.Call([] { EXPECT_TRUE(CloseClipboard()); });
  EXPECT_TRUE(OpenClipboard(nullptr));
  EXPECT_TRUE(CloseClipboard());
}

TEST(Clipboard, RefusesCallsWhileClosed) {
  TestDriver driver;
  EXPECT_FALSE(CloseClipboard());
  EXPECT_FALSE(EmptyClipboard());
  HGLOBAL block = TextBlock(L"x");
  EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, block), nullptr);
  GlobalFree(block);  // refused, so still the caller's
  EXPECT_EQ(GetClipboardData(CF_UNICODETEXT), nullptr);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, nullptr), nullptr) << "no data given";
  EXPECT_TRUE(CloseClipboard());
}

}  // namespace
