#include <list>
#include <string>

#include <gtest/gtest.h>

#include "data/PlatformReplies.h"

namespace {

struct TokenCase {
  const char* label;
  const char* reply;
  bool valid;
};

class TokenCheckReplies : public ::testing::TestWithParam<TokenCase> {};

// Only an explicit "no" logs the user out; everything else keeps the session.
TEST_P(TokenCheckReplies, OnlyErrorZeroWithAFalseResultIsInvalid) {
  EXPECT_EQ(ParseUsersAuthority(GetParam().reply), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    TruthTable, TokenCheckReplies,
    ::testing::Values(TokenCase{"TextZeroFalse", R"({"error":"0","data":{"result":false}})", false},
                      TokenCase{"NumberZeroFalse", R"({"error":0,"data":{"result":false}})", false},
                      TokenCase{"ZeroTrue", R"({"error":"0","data":{"result":true}})", true},
                      TokenCase{"ZeroResultMissing", R"({"error":"0","data":{}})", false},
                      TokenCase{"ZeroDataMissing", R"({"error":"0"})", false},
                      TokenCase{"OtherErrorFalse", R"({"error":"1","data":{"result":false}})", true},
                      TokenCase{"OtherNumberErrorFalse", R"({"error":401,"data":{"result":false}})", true},
                      TokenCase{"ErrorMissing", R"({"data":{"result":false}})", true},
                      TokenCase{"NotJson", "<html>502 Bad Gateway</html>", true},
                      TokenCase{"Empty", "", true},
                      TokenCase{"RootArray", R"([{"error":"0"}])", true},
                      TokenCase{"ResultAsText", R"({"error":"0","data":{"result":"no"}})", true}),
    [](const ::testing::TestParamInfo<TokenCase>& info) { return std::string(info.param.label); });

struct EnvelopeCase {
  const char* label;
  const char* reply;
  int result;
  std::size_t added;
};

class IdentityEnvelopes : public ::testing::TestWithParam<EnvelopeCase> {};

// A refused reply leaves what the caller already had and adds nothing.
TEST_P(IdentityEnvelopes, AcceptOnlyStatus200WithData) {
  const EnvelopeCase& c = GetParam();
  for (auto parse : {ParseResponseIdentityCode, ParseResponseIdentityByCode}) {
    std::list<IdentityInfo> identities(1);
    EXPECT_EQ(parse(c.reply, identities), c.result);
    EXPECT_EQ(identities.size(), 1 + c.added);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Envelope, IdentityEnvelopes,
    ::testing::Values(
        EnvelopeCase{"Status200TwoItems",
                     R"({"StatusCode":200,"Msg":"","Data":[{"IdentityCode":"IC0001"},{"IdentityCode":"IC0009"}]})", 0, 2},
        EnvelopeCase{"AnotherStatus", R"({"StatusCode":500,"Msg":"boom","Data":[{"IdentityCode":"IC0001"}]})", -1, 0},
        EnvelopeCase{"EmptyData", R"({"StatusCode":200,"Msg":"none","Data":[]})", -1, 0},
        EnvelopeCase{"DataMissing", R"({"StatusCode":200,"Msg":""})", -1, 0},
        EnvelopeCase{"DataAnObject", R"({"StatusCode":200,"Data":{"IdentityCode":"IC0001"}})", -1, 0},
        EnvelopeCase{"NotJson", "Service unavailable", -1, 0},
        EnvelopeCase{"ElementNotAnObject", R"({"StatusCode":200,"Data":[{"IdentityCode":"a"},3]})", -1, 0}),
    [](const ::testing::TestParamInfo<EnvelopeCase>& info) { return std::string(info.param.label); });

TEST(IdentityFields, ReadEveryKeyWithPresetAsBooleanOrNumber) {
  std::list<IdentityInfo> identities;
  ASSERT_EQ(ParseResponseIdentityCode(
                R"({"StatusCode":200,"Msg":"ok","Data":[)"
                R"({"IdentityCode":"IC0001","IdentityName":"管理员","IconUrl":"/i/a.png","IsPreset":true},)"
                R"({"IdentityCode":"IC0003","IsPreset":0},{"IdentityCode":"IC0004","IsPreset":2}]})",
                identities),
            0);
  ASSERT_EQ(identities.size(), 3u);
  auto it = identities.begin();
  EXPECT_EQ(it->IdentityCode, "IC0001");
  EXPECT_EQ(it->IdentityName, "管理员");
  EXPECT_EQ(it->IconUrl, "/i/a.png");
  EXPECT_TRUE(it->IsPreset);
  ++it;
  EXPECT_EQ(it->IdentityName, "");
  EXPECT_FALSE(it->IsPreset);
  ++it;
  EXPECT_TRUE(it->IsPreset);
}

struct SuperUserCase {
  const char* label;
  const char* codes;
  int superUser;
};

class SuperUser : public ::testing::TestWithParam<SuperUserCase> {};

TEST_P(SuperUser, NeedsTheExactCode) {
  const std::string reply = std::string(R"({"StatusCode":200,"Msg":"","Data":[{"UserID":"t1","UserName":"张老师",)") +
                            R"("Gender":"女","PhotoPath":"p.jpg","UserType":2,"IdentityCode":)" +
                            GetParam().codes + "}]}";
  std::list<ModuleUserInfo> users;
  ASSERT_EQ(ParseGetUserByModuleID(reply.c_str(), users), 0);
  ASSERT_EQ(users.size(), 1u);
  EXPECT_EQ(users.front().IsSuperUser, GetParam().superUser);
  EXPECT_EQ(users.front().UserName, "张老师");
  EXPECT_EQ(users.front().Gender, "女");
  EXPECT_EQ(users.front().UserType, 2);
}

INSTANTIATE_TEST_SUITE_P(Codes, SuperUser,
                         ::testing::Values(SuperUserCase{"SecondOfTwo", R"(["IC0002","IC0001"])", 1},
                                           SuperUserCase{"LongerCode", R"(["IC00012"])", 0},
                                           SuperUserCase{"OtherCase", R"(["ic0001"])", 0},
                                           SuperUserCase{"NoCodes", "[]", 0},
                                           SuperUserCase{"NoArray", "null", 0}),
                         [](const ::testing::TestParamInfo<SuperUserCase>& info) {
                           return std::string(info.param.label);
                         });

TEST(ModuleUserFields, KeepTheIdentityCodesInOrder) {
  std::list<ModuleUserInfo> users;
  ASSERT_EQ(ParseGetUserByModuleID(
                R"({"StatusCode":200,"Data":[{"UserID":"a","IdentityCode":["IC0003","IC0001","IC0002"]},{"UserID":"b"}]})",
                users),
            0);
  ASSERT_EQ(users.size(), 2u);
  EXPECT_EQ(users.front().IdentityCode, (std::list<std::string>{"IC0003", "IC0001", "IC0002"}));
  EXPECT_EQ(users.back().UserID, "b");
  EXPECT_TRUE(users.back().IdentityCode.empty());
}

TEST(SingleValueEnvelopes, TakeTheFirstUserOrNothing) {
  const char* twoUsers =
      R"({"StatusCode":200,"Data":[{"UserID":"a","UserName":"王五","Telephone":"13800000001"},)"
      R"({"UserID":"b","UserName":"赵六","Telephone":"13800000002"}]})";
  EXPECT_EQ(ParseGetUserContact(twoUsers), "13800000001");
  EXPECT_EQ(ParseGetUserName(twoUsers), "王五");
  for (const char* refused : {R"({"StatusCode":200,"Data":[]})", R"({"StatusCode":404,"Data":[{"UserName":"x"}]})",
                              "", "[1,2]"}) {
    EXPECT_EQ(ParseGetUserContact(refused), "") << refused;
    EXPECT_EQ(ParseGetUserName(refused), "") << refused;
  }
  EXPECT_EQ(ParseGetUserContact(R"({"StatusCode":200,"Data":[{"Telephone":13800000003}]})"), "13800000003");
}

}  // namespace
