#include <list>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "data/PlatformReplies.h"
#include "tests/data/DataTestBase.h"

namespace {

using data_test::DataTestBase;
using data_test::kLibraryText;

const std::string kNotAnObject = "in Json::Value::find(begin, end): requires objectValue or nullValue";

struct TokenCase {
  const char* label;
  const char* reply;
  bool valid;
  std::string line;  // what the text log receives; empty for nothing
};

void PrintTo(const TokenCase& c, std::ostream* os) { *os << c.label; }

class TokenCheckReplies : public DataTestBase, public ::testing::WithParamInterface<TokenCase> {};

// Only an explicit "no" logs the user out; everything else keeps the session.
TEST_P(TokenCheckReplies, OnlyErrorZeroWithAFalseResultIsInvalid) {
  EXPECT_EQ(ParseUsersAuthority(GetParam().reply), GetParam().valid);
  ExpectTextLine(GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    TruthTable, TokenCheckReplies,
    ::testing::Values(TokenCase{"TextZeroFalse", R"({"error":"0","data":{"result":false}})", false, ""},
                      TokenCase{"NumberZeroFalse", R"({"error":0,"data":{"result":false}})", false, ""},
                      TokenCase{"ZeroTrue", R"({"error":"0","data":{"result":true}})", true, ""},
                      TokenCase{"ZeroResultMissing", R"({"error":"0","data":{}})", false, ""},
                      TokenCase{"ZeroDataMissing", R"({"error":"0"})", false, ""},
                      TokenCase{"OtherErrorFalse", R"({"error":"1","data":{"result":false}})", true,
                                "[ParseUsersAuthority]出错，错误码为:1\n"},
                      TokenCase{"OtherNumberErrorFalse", R"({"error":401,"data":{"result":false}})", true,
                                "[ParseUsersAuthority]出错，错误码为:401\n"},
                      TokenCase{"ErrorMissing", R"({"data":{"result":false}})", true,
                                "[ParseUsersAuthority]出错，错误码为:0\n"},
                      TokenCase{"NotJson", "<html>502 Bad Gateway</html>", true,
                                "[ParseUsersAuthority]出错，错误信息为:" + std::string(kLibraryText) + "\n"},
                      TokenCase{"Empty", "", true,
                                "[ParseUsersAuthority]出错，错误信息为:" + std::string(kLibraryText) + "\n"},
                      TokenCase{"RootArray", R"([{"error":"0"}])", true,
                                "[ParseUsersAuthority]出错，错误信息为:" + kNotAnObject + "\n"},
                      TokenCase{"ResultAsText", R"({"error":"0","data":{"result":"no"}})", true,
                                "[ParseUsersAuthority]出错，错误信息为:Value is not convertible to bool.\n"}),
    [](const ::testing::TestParamInfo<TokenCase>& info) { return std::string(info.param.label); });

struct EnvelopeCase {
  const char* label;
  const char* reply;
  int result;
  std::size_t added;
  std::string line;  // the text log's line after the reader's name in brackets; empty for none
};

void PrintTo(const EnvelopeCase& c, std::ostream* os) { *os << c.label; }

class IdentityEnvelopes : public DataTestBase, public ::testing::WithParamInterface<EnvelopeCase> {};

// A refused reply leaves what the caller already had and adds nothing.
TEST_P(IdentityEnvelopes, AcceptOnlyStatus200WithData) {
  const EnvelopeCase& c = GetParam();
  using Parse = int (*)(const char*, std::list<IdentityInfo>&);
  for (const auto& reader : {std::pair<std::string, Parse>{"ParseResponseIdentityCode", ParseResponseIdentityCode},
                             std::pair<std::string, Parse>{"ParseResponseIdentityByCode", ParseResponseIdentityByCode}}) {
    SCOPED_TRACE(reader.first);
    ClearLines();
    std::list<IdentityInfo> identities(1);
    EXPECT_EQ(reader.second(c.reply, identities), c.result);
    EXPECT_EQ(identities.size(), 1 + c.added);
    ExpectTextLine(c.line.empty() ? "" : "[" + reader.first + "]" + c.line);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Envelope, IdentityEnvelopes,
    ::testing::Values(
        EnvelopeCase{"Status200TwoItems",
                     R"({"StatusCode":200,"Msg":"","Data":[{"IdentityCode":"IC0001"},{"IdentityCode":"IC0009"}]})", 0, 2,
                     ""},
        EnvelopeCase{"AnotherStatus", R"({"StatusCode":500,"Msg":"boom","Data":[{"IdentityCode":"IC0001"}]})", -1, 0,
                     "出错，错误码为:500\n错误信息:boom\n"},
        EnvelopeCase{"EmptyData", R"({"StatusCode":200,"Msg":"none","Data":[]})", -1, 0,
                     "出错,请求数据返回为空，错误码为:200\n错误信息:none\n"},
        EnvelopeCase{"DataMissing", R"({"StatusCode":200,"Msg":""})", -1, 0,
                     "出错,请求数据返回为空，错误码为:200\n错误信息:\n"},
        EnvelopeCase{"DataAnObject", R"({"StatusCode":200,"Data":{"IdentityCode":"IC0001"}})", -1, 0,
                     "出错,请求数据返回为空，错误码为:200\n错误信息:\n"},
        EnvelopeCase{"NotJson", "Service unavailable", -1, 0, "出错，错误信息为:" + std::string(kLibraryText) + "\n"},
        EnvelopeCase{"ElementNotAnObject", R"({"StatusCode":200,"Data":[{"IdentityCode":"a"},3]})", -1, 0,
                     "出错，错误信息为:" + kNotAnObject + "\n"}),
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

class SingleValueEnvelopes : public DataTestBase {};

TEST_F(SingleValueEnvelopes, TakeTheFirstUserOrNothing) {
  const char* twoUsers =
      R"({"StatusCode":200,"Data":[{"UserID":"a","UserName":"王五","Telephone":"13800000001"},)"
      R"({"UserID":"b","UserName":"赵六","Telephone":"13800000002"}]})";
  EXPECT_EQ(ParseGetUserContact(twoUsers), "13800000001");
  EXPECT_EQ(ParseGetUserName(twoUsers), "王五");
  EXPECT_TRUE(Lines().empty());
  for (const char* refused : {R"({"StatusCode":200,"Data":[]})", R"({"StatusCode":404,"Data":[{"UserName":"x"}]})",
                              "", "[1,2]"}) {
    ClearLines();
    EXPECT_EQ(ParseGetUserContact(refused), "") << refused;
    EXPECT_EQ(ParseGetUserName(refused), "") << refused;
    EXPECT_EQ(Lines().size(), 2u) << refused;
  }
  ClearLines();
  EXPECT_EQ(ParseGetUserName(R"({"StatusCode":404,"Msg":"gone","Data":[{"UserName":"x"}]})"), "");
  ExpectTextLine("[ParseGetUserName]出错，错误码为:404\n错误信息:gone\n");
  ClearLines();
  EXPECT_EQ(ParseGetUserContact(R"({"StatusCode":200,"Data":[{"Telephone":["138"]}]})"), "");
  ExpectTextLine("[ParseGetUserContact]出错，错误信息为:Type is not convertible to string\n");
  EXPECT_EQ(ParseGetUserContact(R"({"StatusCode":200,"Data":[{"Telephone":13800000003}]})"), "13800000003");
}

}  // namespace
