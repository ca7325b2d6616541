// Values that go into the query of a request reach the server as the values they are: a
// "&", "#", "?", "=", a space or "..\" in an id, a date, a name or the token neither
// starts another parameter nor changes the address.
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "data/DAL_PatrolServer.h"
#include "data/PlatformUsers.h"
#include "testing/services/QueryValues.h"
#include "tests/data/CampusWorld.h"

namespace {

const char kHostile[] = "a&x=1#b?c d..\\e/f%g+";
const char kHostileGbkName[] = "\xd5\xc5&x=\xc8\xfd";  // 张&x=三
const char kHostileUtf8Name[] = "\xe5\xbc\xa0&x=\xe4\xb8\x89";

class QueryValues : public ::testing::Test {
 protected:
  CampusWorld world;
};

TEST_F(QueryValues, EveryValueIsSentEncodedAndReadBackWhole) {
  const struct {
    const char* what;
    std::function<void()> call;
    const char* path;
    const char* key;
    std::string value;  // as the server reads it, UTF-8
  } cases[] = {
      {"exception record time", [] { DAL_PatrolServer().DAL_ExceptionRecord_Get(3, kHostile); },
       "/api/ExceptionRecord/Get", "Time", kHostile},
      {"records by date, start", [] { DAL_PatrolServer().DAL_InspectRecord_GetByDate(kHostile, "2024-05-01"); },
       "/api/InspectRecord/GetByDate", "strStartDate", kHostile},
      {"pass rate date", [] { DAL_PatrolServer().DAL_InspectRecord_GetPassRate(3, kHostile, 1); },
       "/api/InspectRecord/GetPassRate", "strDate", kHostile},
      {"run records, time", [] { DAL_PatrolServer().DAL_InspectRecord_GetByIDAndTime(3, kHostile, 1); },
       "/api/InspectRecord/GetByIDAndTime", "strTime", kHostile},
      {"plan date test", [] { DAL_PatrolServer().DAL_InspectPlan_DateTest(kHostile, "b", "1", "2"); },
       "/api/InspectPlan/DateTest", "strSDate", kHostile},
      {"picture names, time", [] { DAL_PatrolServer().DAL_UploadPic_GetNames(3, kHostile); }, "/Upload.ashx",
       "Time", kHostile},
      {"rights of a user named in GBK", [] { DAL_PatrolServer().Authority_Get_ByID(kHostileGbkName); },
       "/api/Authority/GetByID", "strId", kHostileUtf8Name},
      {"identities of a user", [] { GetUsersIdentityCode("tok", kHostile, "E61001"); },
       "/UserMgr/PowerMgr/GetIdentityTypeByUserID", "UserID", kHostile},
      {"identities by code", [] { GetIdentityByCode(kHostile, "IC0002"); }, "/UserMgr/PowerMgr/GetIdentityTypeByCode",
       "SchoolID", kHostile},
      {"a user's name", [] { GetUserNameByUserID(kHostile); }, "/BaseApi/UserMgr/UserInfoMgr/SearchUserByIDsOrName",
       "UserIDs", kHostile},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const size_t before = world.http().requests().size();
    c.call();
    const auto requests = world.http().requests();
    ASSERT_EQ(requests.size(), before + 1);
    const test_support::RecordedRequest& sent = requests.back();
    EXPECT_EQ(sent.path(), c.path);
    auto query = test_support::query_values(sent.target);
    EXPECT_EQ(query[c.key], c.value);
    EXPECT_EQ(query.count("x"), 0u) << "no parameter slipped in: " << sent.target;
    EXPECT_EQ(sent.target.find_first_of("# \\"), std::string::npos) << sent.target;
  }
}

TEST_F(QueryValues, TheSessionsTokenAndUserIdAreSentWhole) {
  world.session().m_userInfo.strToken = "t&userID=admin";
  world.session().m_userInfo.strUserID = "u 1#";
  DAL_PatrolServer().DAL_InspectRecord_GetByIDAndTime(3, "2024-05-01/08:00-09:30", 1);
  const auto requests = world.http().requests();
  ASSERT_FALSE(requests.empty());
  auto query = test_support::query_values(requests.back().target);
  EXPECT_EQ(query["token"], "t&userID=admin");
  EXPECT_EQ(query["userID"], "u 1#");
  EXPECT_EQ(query["strTime"], "2024-05-01/08:00-09:30");
}

}  // namespace
