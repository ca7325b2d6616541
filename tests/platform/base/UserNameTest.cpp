// The account name: the effective user's login name, and the buffer rules of the call.
#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include "platform/base/CodePage.h"
#include "platform/base/UserName.h"

namespace {

TEST(UserName, IsTheEffectiveUsersLoginName) {
  wchar_t name[260] = {0};
  DWORD length = 260;
  ASSERT_TRUE(GetUserNameW(name, &length));
  const std::string expected = getpwuid(geteuid())->pw_name;
  EXPECT_EQ(platform::codepage::WideToUtf8(name), expected);
  EXPECT_EQ(length, expected.size() + 1);
}

TEST(UserName, ASmallBufferAsksForTheSizeNeeded) {
  const std::string expected = getpwuid(geteuid())->pw_name;
  wchar_t name[1] = {L'?'};
  DWORD length = 1;
  EXPECT_FALSE(GetUserNameW(name, &length));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(length, expected.size() + 1);
  EXPECT_EQ(name[0], L'?');
  EXPECT_FALSE(GetUserNameW(name, nullptr));
}

}  // namespace
