#include <gtest/gtest.h>

#include <list>
#include <string>
#include <utility>
#include <vector>

#include "data/DeviceRecordParser.h"
#include "data/InspectPosDeviceParser.h"
#include "data/PeopleParser.h"
#include "tests/data/DataTestBase.h"

namespace {

using data_test::DataTestBase;
using data_test::kLibraryText;

enum class LogKind { None, Failed, Exception };

struct PeopleFields {
  int iID;
  int iGroup;
  std::string strName;
  std::string strReserve;
};

struct RuleCase {
  const char* rule;
  std::string listReply;
  std::vector<std::pair<int, std::string>> appended;  // iID and strName of each appended person
  LogKind listLog;
  std::string singleReply;
  PeopleFields single;  // the record after the parse
  LogKind singleLog;
};

// What the single-record parse starts from, so that "untouched" can be seen.
const PeopleFields kOld{99, 9, "old", "keep"};

PeopleInfo OldPerson() {
  PeopleInfo person;
  person.iID = kOld.iID;
  person.iGroup = kOld.iGroup;
  person.strName = kOld.strName;
  person.strReserve = kOld.strReserve;
  return person;
}

void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.rule; }

class ParserRules : public DataTestBase, public ::testing::WithParamInterface<RuleCase> {
 protected:
  void ExpectLog(LogKind kind, const std::string& parser, const std::string& reply) {
    if (kind == LogKind::None) {
      ExpectTextLine("");
    } else if (kind == LogKind::Failed) {
      ExpectTextLine("[" + parser + "]出错，错误信息为：" + kLibraryText + "\n");
    } else {
      ExpectTextLine("[" + parser + "]解析异常，异常信息为：" + kLibraryText + "\njson数据为：" + reply + "\n");
    }
    ClearLines();
  }
};

TEST_P(ParserRules, HoldForTheListParser) {
  const RuleCase& c = GetParam();
  PeopleInfo before;
  before.iID = 500;
  std::list<PeopleInfo> people{before};
  ParsePeopleJsonData(c.listReply.c_str(), people);
  ASSERT_EQ(people.size(), 1 + c.appended.size());
  EXPECT_EQ(people.front().iID, 500);  // earlier content is never touched
  auto person = std::next(people.begin());
  for (const auto& expected : c.appended) {
    EXPECT_EQ(person->iID, expected.first);
    EXPECT_EQ(person->strName, expected.second);
    ++person;
  }
  ExpectLog(c.listLog, "ParsePeopleJsonData", c.listReply);
}

TEST_P(ParserRules, HoldForTheSingleRecordParser) {
  const RuleCase& c = GetParam();
  PeopleInfo person = OldPerson();
  ParsePeopleGetByIDJsonData(c.singleReply.c_str(), person);
  EXPECT_EQ(person.iID, c.single.iID);
  EXPECT_EQ(person.iGroup, c.single.iGroup);
  EXPECT_EQ(person.strName, c.single.strName);
  EXPECT_EQ(person.strReserve, c.single.strReserve);
  ExpectLog(c.singleLog, "ParsePeopleGetByIDJsonData", c.singleReply);
}

const PeopleFields kEmpty{0, 0, "", ""};

INSTANTIATE_TEST_SUITE_P(
    People, ParserRules,
    ::testing::Values(
        RuleCase{"empty array", "[]", {}, LogKind::None, "[]", kOld, LogKind::Exception},
        RuleCase{"empty object has no elements", "{}", {}, LogKind::None, "{}", kEmpty, LogKind::None},
        RuleCase{"null", "null", {}, LogKind::None, "null", kEmpty, LogKind::None},
        RuleCase{"a plain number", "5", {}, LogKind::None, "5", kOld, LogKind::Exception},
        RuleCase{"a non-empty object", "{\"iID\":3}", {}, LogKind::Exception,
                 "{\"iID\":3,\"strName\":\"a\"}", {3, 0, "a", ""}, LogKind::None},
        RuleCase{"a string where an integer belongs stops the parse there",
                 "[{\"iID\":1},{\"iID\":\"12\"},{\"iID\":3}]", {{1, ""}}, LogKind::Exception,
                 "{\"iID\":4,\"iGroup\":\"12\",\"strName\":\"a\"}", {4, 9, "old", "keep"}, LogKind::Exception},
        RuleCase{"a missing key reads as 0 or empty",
                 "[{\"iID\":1,\"strName\":\"a\"},{\"strName\":\"b\"}]", {{1, "a"}, {0, "b"}}, LogKind::None,
                 "{\"strName\":\"b\"}", {0, 0, "b", ""}, LogKind::None},
        RuleCase{"booleans: 0 or 1 for an integer, their word for a text",
                 "[{\"iID\":true,\"strName\":false}]", {{1, "false"}}, LogKind::None,
                 "{\"iID\":false,\"strName\":true}", {0, 0, "true", ""}, LogKind::None},
        RuleCase{"a number in a text field reads as its decimal text",
                 "[{\"iID\":2,\"strName\":15}]", {{2, "15"}}, LogKind::None,
                 "{\"strName\":-7,\"strReserve\":1.5}", {0, 0, "-7", "1.5"}, LogKind::None},
        RuleCase{"null members and null elements read as empty",
                 "[null,{\"iID\":null,\"strName\":null}]", {{0, ""}, {0, ""}}, LogKind::None,
                 "{\"iID\":null,\"strReserve\":null}", kEmpty, LogKind::None},
        RuleCase{"an array or object in a text field stops the parse",
                 "[{\"iID\":1},{\"iID\":2,\"strName\":[]}]", {{1, ""}}, LogKind::Exception,
                 "{\"iID\":5,\"strName\":{}}", {5, 0, "old", "keep"}, LogKind::Exception},
        RuleCase{"an element that is neither object nor null stops the parse",
                 "[{\"iID\":1},7,{\"iID\":3}]", {{1, ""}}, LogKind::Exception,
                 "[{\"iID\":1}]", kOld, LogKind::Exception},
        RuleCase{"a syntax error leaves everything untouched", "[{\"iID\":1},", {}, LogKind::Failed,
                 "{\"iID\":", kOld, LogKind::Failed},
        RuleCase{"an empty reply is a syntax error", "", {}, LogKind::Failed, "", kOld, LogKind::Failed}),
    [](const ::testing::TestParamInfo<RuleCase>& info) { return "Rule" + std::to_string(info.index); });

// The checkpoint and device-record parsers release each element as they read it: what
// they keep, and where they stop, is what the rules above say for any list parser.
struct ConsumingCase {
  const char* rule;
  std::string reply;
  std::vector<int> ids;  // iID of each appended record
  bool logged;
};

void PrintTo(const ConsumingCase& c, std::ostream* os) { *os << c.rule; }

class ConsumingParsers : public DataTestBase, public ::testing::WithParamInterface<ConsumingCase> {};

template <class Record>
std::vector<int> IdsAfter(const std::list<Record>& records) {
  std::vector<int> ids;
  for (auto it = std::next(records.begin()); it != records.end(); ++it) ids.push_back(it->iID);
  return ids;
}

TEST_P(ConsumingParsers, KeepWhatTheyReadBeforeAnError) {
  const ConsumingCase& c = GetParam();
  std::list<InspectPosDeviceInfo> checkpoints(1);
  ParseInspectPosDeviceJsonData(c.reply.c_str(), checkpoints);
  EXPECT_EQ(IdsAfter(checkpoints), c.ids);
  EXPECT_EQ(Lines().size(), c.logged ? 1u : 0u);
  ClearLines();

  std::list<DeviceRecordInfo> records(1);
  ParseDeviceRecordJsonData(c.reply.c_str(), records);
  EXPECT_EQ(IdsAfter(records), c.ids);
  EXPECT_EQ(Lines().size(), c.logged ? 1u : 0u);
  ClearLines();
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ConsumingParsers,
    ::testing::Values(ConsumingCase{"every element", "[{\"iID\":1},null,{\"iID\":3}]", {1, 0, 3}, false},
                      ConsumingCase{"a plain element stops the parse", "[{\"iID\":1},7,{\"iID\":3}]", {1}, true},
                      ConsumingCase{"a wrong type stops the parse", "[{\"iID\":1},{\"iID\":\"x\"},{\"iID\":3}]",
                                    {1}, true},
                      ConsumingCase{"an object is read by index and stops", "{\"iID\":3}", {}, true},
                      ConsumingCase{"an empty object has no elements", "{}", {}, false}),
    [](const ::testing::TestParamInfo<ConsumingCase>& info) { return "Rule" + std::to_string(info.index); });

}  // namespace
