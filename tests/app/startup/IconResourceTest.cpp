// The program icon (resource 101) compiled into the program: found, loaded at the sizes
// asked, shared when loaded as the system loads icons.
#include <gtest/gtest.h>

#include "platform/base/Resource.h"
#include "platform/win32.h"

namespace {

TEST(IconResource, IsCompiledIntoTheProgram) {
  const HMODULE program = ::GetModuleHandleW(nullptr);
  HRSRC found = ::FindResourceW(program, MAKEINTRESOURCEW(101), RT_GROUP_ICON);
  ASSERT_NE(found, nullptr);
  const auto* bytes = static_cast<const unsigned char*>(::LockResource(::LoadResource(program, found)));
  ASSERT_GT(::SizeofResource(program, found), 8u);
  EXPECT_EQ(bytes[1], 'P');  // a PNG
  EXPECT_EQ(::FindResourceW(program, L"#101", RT_ICON), found);
  EXPECT_EQ(::FindResourceW(program, MAKEINTRESOURCEW(102), RT_GROUP_ICON), nullptr);
  EXPECT_EQ(::FindResourceW(program, MAKEINTRESOURCEW(101), RT_BITMAP), nullptr);
}

TEST(IconResource, LoadsAtTheAskedSize) {
  const HINSTANCE program = ::GetModuleHandleW(nullptr);
  const struct {
    int cx, cy;
    UINT flags;
    LONG width, height;
  } cases[] = {{0, 0, LR_DEFAULTCOLOR, 64, 64}, {48, 24, LR_DEFAULTCOLOR, 48, 24}, {0, 0, LR_DEFAULTSIZE, 32, 32}};
  for (const auto& c : cases) {
    const HICON icon = static_cast<HICON>(::LoadImageW(program, MAKEINTRESOURCEW(101), IMAGE_ICON, c.cx, c.cy, c.flags));
    ASSERT_NE(icon, nullptr);
    SIZE size{};
    ASSERT_TRUE(platform::GetIconSize(icon, &size));
    EXPECT_EQ(size.cx, c.width);
    EXPECT_EQ(size.cy, c.height);
    EXPECT_TRUE(::DestroyIcon(icon));
  }
  EXPECT_EQ(::LoadImageW(program, MAKEINTRESOURCEW(7), IMAGE_ICON, 0, 0, 0), nullptr);
}

TEST(IconResource, LoadIconGivesTheSharedProgramIcon) {
  const HINSTANCE program = ::GetModuleHandleW(nullptr);
  const HICON icon = ::LoadIconW(program, MAKEINTRESOURCEW(101));
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(::LoadIconW(program, MAKEINTRESOURCEW(101)), icon);
  SIZE size{};
  ASSERT_TRUE(platform::GetIconSize(icon, &size));
  EXPECT_EQ(size.cx, ::GetSystemMetrics(SM_CXICON));
  EXPECT_FALSE(::DestroyIcon(icon));  // shared icons stay
  // The system's icons are still the system's.
  EXPECT_NE(::LoadIconW(nullptr, IDI_APPLICATION), nullptr);
}

}  // namespace
