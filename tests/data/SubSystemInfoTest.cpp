#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "CommonTools/Md5Hex.h"
#include "data/SubSystemInfo.h"
#include "tests/data/CampusWorld.h"

namespace {

using test_support::HttpReply;

const char kFourElements[] = "<r><a/><b/><c>ADDR3</c><d>ADDR4</d></r>";
const char kService[] = "Base/WS/Service_Basic.asmx/";

struct QueryCase {
  const char* label;
  int outSideSchool;
  std::function<std::string(const std::string&)> call;
  const char* sysID;
  bool inner;
  const char* expected;
};

class SubSystemQueries : public ::testing::TestWithParam<QueryCase> {};

// Which query goes out depends on the function and the network mode; which element comes
// back depends only on the function.
TEST_P(SubSystemQueries, SendTheQueryOfTheModeAndTakeTheElementOfTheFunction) {
  const QueryCase& c = GetParam();
  CampusWorld world;
  world.session().m_nOutSideSchool = c.outSideSchool;
  world.http().route("GET", std::string("/") + kService + "WS_G_GetSubSystemServerInfo",
                     HttpReply(200, kFourElements));
  world.http().route("GET", std::string("/") + kService + "WS_G_GetSubSystemInnerServerInfo",
                     HttpReply(200, kFourElements));

  EXPECT_EQ(c.call(c.sysID), c.expected);

  const std::string id = c.sysID;
  const std::string base = world.session().m_strBaseAddr + kService;
  const std::string wanted =
      c.inner ? base + "WS_G_GetSubSystemInnerServerInfo?secCode=" + CommonTools::md5_hex_reversed(id) +
                    "&sysID=" + id + "&subjectID="
              : base + "WS_G_GetSubSystemServerInfo?sysID=" + id + "&subjectID=";
  const auto requests = world.http().requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].target, wanted);
  EXPECT_EQ(requests[0].method, "GET");
  EXPECT_TRUE(world.logLines().empty());
}

INSTANTIATE_TEST_SUITE_P(
    ByModeAndFunction, SubSystemQueries,
    ::testing::Values(QueryCase{"OutsideAddress", 1, GetSubSystemInfo, "E61", false, "ADDR4"},
                      QueryCase{"InsideAddress", 0, GetSubSystemInfo, "E01", true, "ADDR4"},
                      QueryCase{"InsideAnyNonOneMode", 2, GetSubSystemInfo, "850", true, "ADDR4"},
                      QueryCase{"InnerWhateverMode", 1, GetSubSystemInnerServerInfo, "E80", true, "ADDR4"},
                      QueryCase{"ServerInfoInside", 0, GetSubSystemServerInfo, "E61", false, "ADDR3"},
                      QueryCase{"ServerInfoOutside", 1, GetSubSystemServerInfo, "E80", false, "ADDR3"}),
    [](const ::testing::TestParamInfo<QueryCase>& info) { return std::string(info.param.label); });

TEST(SubSystemSecurityCode, IsTheReversedMd5OfTheIdAndChangesWithIt) {
  CampusWorld world;
  EXPECT_EQ(GetSubSystemInfo("E61"), world.patrol.base_url());
  EXPECT_EQ(GetSubSystemInfo("E80"), world.patrol.base_url());
  const auto requests = world.http().requests();
  ASSERT_EQ(requests.size(), 2u);
  const std::string first = requests[0].target;
  const std::string second = requests[1].target;
  ASSERT_NE(first.find("secCode="), std::string::npos) << first;
  const auto code = [](const std::string& target) {
    const auto begin = target.find("secCode=") + 8;
    return target.substr(begin, target.find('&', begin) - begin);
  };
  EXPECT_EQ(code(first).size(), 32u);
  EXPECT_NE(code(first), code(second));
  // The fake answers the inner query only for the right code, so the addresses above
  // already prove it; the digest is of the id's bytes, read backwards.
  const std::string firstCode = code(first);
  const std::string reversed(firstCode.rbegin(), firstCode.rend());
  EXPECT_EQ(reversed, CommonTools::md5_hex("E61"));
}

struct XmlCase {
  const char* label;
  const char* xml;
  const char* fourth;
  const char* third;
};

class SubSystemXml : public ::testing::TestWithParam<XmlCase> {};

TEST_P(SubSystemXml, CountsElementChildrenOnlyAndKeepsTheTextAsItIs) {
  const XmlCase& c = GetParam();
  EXPECT_EQ(ParseSubSystemServerInfo(c.xml, false), c.fourth);
  EXPECT_EQ(ParseSubSystemServerInfo(c.xml, true), c.third);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, SubSystemXml,
    ::testing::Values(
        XmlCase{"FourElements", kFourElements, "ADDR4", "ADDR3"},
        XmlCase{"ThreeElements", "<r><a/><b/><c>ADDR3</c></r>", "", "ADDR3"},
        XmlCase{"CommentsAndBlanksDoNotCount",
                "<r>\n  <a/>\n  <!-- c -->\n  <b/> loose text <c>C</c>\n  <d>D</d>\n</r>", "D", "C"},
        XmlCase{"DeclarationAndCommentBeforeTheRoot",
                "<?xml version=\"1.0\" encoding=\"utf-8\"?><!-- lead --><r><a/><b/><c>C</c><d>D</d></r>", "D", "C"},
        XmlCase{"BlanksInsideKept", "<r><a/><b/><c>x</c><d> http://10.1.2.3:80/ \n</d></r>",
                " http://10.1.2.3:80/ \n", "x"},
        XmlCase{"EntitiesDecoded", "<r><a/><b/><c>a&amp;b</c><d>&lt;d&gt;</d></r>", "<d>", "a&b"},
        XmlCase{"EmptyElements", "<r><a/><b/><c></c><d/></r>", "", ""},
        XmlCase{"FirstChildNotText", "<r><a/><b/><c><x/>C</c><d><!--n-->D</d></r>", "", ""},
        XmlCase{"FifthElementIgnored", "<r><a/><b/><c>C</c><d>D</d><e>E</e></r>", "D", "C"},
        XmlCase{"NestedElementsNotCounted", "<r><a><x/><y/><z/></a><b/><c>C</c><d>D</d></r>", "D", "C"},
        XmlCase{"NotXml", "Service unavailable", "", ""},
        XmlCase{"Unclosed", "<r><a/><b/><c>C</c><d>D</d>", "", ""},
        XmlCase{"Empty", "", "", ""}),
    [](const ::testing::TestParamInfo<XmlCase>& info) { return std::string(info.param.label); });

TEST(SubSystemFailures, BadXmlGivesNothingWithoutALogLine) {
  CampusWorld world;
  world.http().route("GET", std::string("/") + kService + "WS_G_GetSubSystemInnerServerInfo",
                     HttpReply(500, "<html><body>error"));
  EXPECT_EQ(GetSubSystemInfo("E01"), "");
  EXPECT_TRUE(world.logLines().empty());
}

TEST(SubSystemFailures, ARefusedConnectionGivesNothingAndTheLogLine) {
  CampusWorld world;
  world.session().m_strBaseAddr = RefusingBaseUrl();
  for (int mode : {0, 1}) {
    world.session().m_nOutSideSchool = mode;
    world.clearLog();
    EXPECT_EQ(GetSubSystemInfo("E61"), "");
    EXPECT_EQ(GetSubSystemServerInfo("E61"), "");
    const auto lines = world.logLines();
    ASSERT_EQ(lines.size(), 2u);
    for (const auto& line : lines) {
      const std::string head = "[GetSubSystemInfo]出错，错误信息为：";
      EXPECT_EQ(line.compare(0, head.size(), head), 0) << line;
      EXPECT_GT(line.size(), head.size()) << "the transport's error text follows";
    }
  }
}

}  // namespace
