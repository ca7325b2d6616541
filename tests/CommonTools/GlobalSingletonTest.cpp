#include <gtest/gtest.h>

#include "CommonTools/ProcessObjects.h"
#include "CommonTools/global_singleton.h"

namespace {

void ExpectEmptyUser(const OnlineUserInfo& user) {
  EXPECT_EQ(user.nUserType, -1);
  const std::string* texts[] = {&user.strUserID,     &user.strUserName, &user.strPassword,
                                &user.strSchoolID,   &user.strSchoolName, &user.strExtra1,
                                &user.strExtra2,     &user.strExtra3,   &user.strExtra4,
                                &user.strPhotoUrl,   &user.strToken};
  for (const std::string* text : texts) EXPECT_TRUE(text->empty()) << *text;
}

TEST(GlobalSingletonTest, BothAccessorsReachOneObject) {
  EXPECT_EQ(&global_singleton::get_mutable_instance(), &global_singleton::get_const_instance());
}

TEST(GlobalSingletonTest, BeforeLoginEverythingHasItsInitialValue) {
  const global_singleton& session = global_singleton::get_const_instance();
  EXPECT_EQ(session.m_pMainFrame, nullptr);
  EXPECT_EQ(session.m_nOutSideSchool, 0);
  EXPECT_FALSE(session.m_bLoginInit);
  EXPECT_EQ(session.m_strBaseAddr, "");
  EXPECT_EQ(session.m_strServerAddr, "");
  ExpectEmptyUser(session.m_userInfo);
  EXPECT_EQ(session.m_strIdentityCode, "");
  EXPECT_EQ(session.m_strIdentityIcon, "");
  EXPECT_EQ(session.m_strIdentityName, "");
  EXPECT_EQ(session.m_strToken, "");
  EXPECT_EQ(session.m_nAllRights, 0);
  EXPECT_EQ(session.m_nAllTypes, 0);
  EXPECT_EQ(session.m_nAllModules, 0);
  EXPECT_TRUE(session.m_mapModules.empty());
  EXPECT_TRUE(session.m_mapTypes.empty());
}

TEST(GlobalSingletonTest, ProcessUserRecordsStartEmpty) {
  ExpectEmptyUser(g_OnlineUserInfo);
  EXPECT_EQ(g_strUserID, "");
}

}  // namespace
