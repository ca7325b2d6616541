// The words of the people and rights pages, and the mask the type boxes make.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "app/management/AuthorityTexts.h"
#include "app/management/PeopleTexts.h"

namespace {

TEST(PeopleTexts, PatrolTypeNamesFollowTheMaskOrder) {
  const struct {
    int group;
    std::wstring names;
  } cases[] = {
      {1010000, L"安防,消防"},
      {0, L""},
      {100, L"宿舍"},
      {1000001, L"安防,教学"},
      {1111111, L"安防,设备,消防,食堂,宿舍,卫生,教学"},
      {12345678, L""},  // more digits than types: no mask at all
  };
  for (const auto& c : cases) EXPECT_EQ(PatrolTypeNames(c.group), c.names) << c.group;
}

TEST(PeopleTexts, RoleNamesWithDashesForUnknownTypes) {
  const struct {
    int identity;
    std::wstring name;
  } cases[] = {{0, L"管理员"}, {1, L"教师"}, {6, L"超级管理员"}, {7, L"领导"}, {11, L"其他"}, {3, L"--"}, {-1, L"--"}};
  for (const auto& c : cases) EXPECT_EQ(IdentityCodeName(c.identity), c.name) << c.identity;
}

TEST(PeopleTexts, MaskBuiltFromTheTickedBoxesInMaskOrder) {
  using Ticks = std::array<bool, kPatrolTypeCount>;
  //                 安防   设备   消防   食堂   宿舍   卫生   教学
  EXPECT_EQ(PatrolTypeMask(Ticks{true, false, true, false, false, false, false}), 1010000);
  EXPECT_EQ(PatrolTypeMask(Ticks{true, false, false, false, false, false, true}), 1000001);
  EXPECT_EQ(PatrolTypeMask(Ticks{false, false, false, false, true, false, false}), 100);
  EXPECT_EQ(PatrolTypeMask(Ticks{}), 0);
}

TEST(PeopleTexts, TypePositionsReadThroughLostLeadingZeros) {
  EXPECT_TRUE(HasPatrolType(100, 4));
  EXPECT_FALSE(HasPatrolType(100, 0));
  EXPECT_TRUE(HasPatrolType(1010000, 2));
  EXPECT_FALSE(HasPatrolType(1010000, 7));
  EXPECT_FALSE(HasPatrolType(1010000, -1));
}

AuthorityInfo Record(std::vector<std::string> areas, std::vector<std::string> modules) {
  AuthorityInfo info;
  info.strUserID = "u2";
  info.TypeAuthority = std::move(areas);
  info.strModuleAuthority = std::move(modules);
  return info;
}

TEST(AuthorityTexts, ListedWordsJoinedAndEveryWordIsAll) {
  const AuthorityInfo five = Record({"安防", "设备", "消防", "食堂", "教学"}, {"巡更结果", "巡更主页"});
  EXPECT_EQ(AuthorityAreaText(&five), L"安防,设备,消防,食堂,教学");
  EXPECT_EQ(AuthorityModuleText(&five), L"巡更结果,巡更主页");

  const AuthorityInfo all = Record({"安防", "设备", "消防", "食堂", "宿舍检查", "清洁卫生", "教学"},
                                   {"巡更结果", "巡更人员管理", "巡更设备管理", "巡更线路", "巡更计划管理", "巡更主页"});
  EXPECT_EQ(AuthorityAreaText(&all), L"全部");
  EXPECT_EQ(AuthorityModuleText(&all), L"全部");

  EXPECT_EQ(AuthorityAreaText(nullptr), L"全部");
  EXPECT_EQ(AuthorityModuleText(nullptr), L"全部");
}

TEST(AuthorityTexts, NothingChosenTravelsAsDashes) {
  EXPECT_EQ(AuthorityListText(L""), "--");
  EXPECT_EQ(AuthorityListText(L"安防,教学"), "安防,教学");
}

}  // namespace
