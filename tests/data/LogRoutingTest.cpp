#include <gtest/gtest.h>

#include <functional>
#include <list>
#include <map>
#include <string>

#include "data/AuthorityParser.h"
#include "data/DAL_PatrolServer.h"
#include "data/DeviceRecordParser.h"
#include "data/InspectPosDeviceParser.h"
#include "data/LoginParser.h"
#include "data/SystemLogParser.h"
#include "testing/http/FakeHttpServer.h"
#include "tests/data/DataTestBase.h"

namespace {

using data_test::DataTestBase;
using test_support::FakeHttpServer;
using test_support::HttpReply;

const std::string kNotArray = "in Json::Value::operator[](ArrayIndex)const: requires arrayValue";

struct RouteCase {
  const char* what;
  std::function<void()> act;
  DalLog::Sink sink;
  int level;
  std::string head;  // the line is head + the reader's own error text + tail, or head + tail
  std::string tail;
  bool readerText;   // a reader's error text stands between head and tail
};

class LogRouting : public DataTestBase, public ::testing::WithParamInterface<RouteCase> {};

void PrintTo(const RouteCase& c, std::ostream* os) { *os << c.what; }

TEST_P(LogRouting, SendsEachFamilysLinesToItsLogger) {
  const RouteCase& c = GetParam();
  FakeHttpServer server;
  server.set_fallback(HttpReply(200, "-1"));  // every exchange is refused
  UseServer(server.base_url());
  c.act();
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].sink, c.sink);
  EXPECT_EQ(lines[0].level, c.level);
  const std::string& text = lines[0].text;
  if (!c.readerText) {
    EXPECT_EQ(text, c.head + c.tail);
    return;
  }
  ASSERT_GT(text.size(), c.head.size() + c.tail.size());
  EXPECT_EQ(text.substr(0, c.head.size()), c.head);
  EXPECT_EQ(text.substr(text.size() - c.tail.size()), c.tail);
}

using Sink = DalLog::Sink;

INSTANTIATE_TEST_SUITE_P(
    Families, LogRouting,
    ::testing::Values(
        RouteCase{"an operation of the text-log families",
                  [] { DAL_PatrolServer().DAL_People_Delete("5"); }, Sink::TextLog, 3,
                  "[DAL_People_Delete]出错，错误信息为：-1\n", "", false},
        RouteCase{"the two list reads named with parentheses",
                  [] { DAL_PatrolServer().DAL_InspectDevice_Get(); }, Sink::TextLog, 3,
                  "[DAL_InspectDevice_Get()]出错，错误信息为：-1\n", "", false},
        RouteCase{"a reply that is not JSON, text log",
                  [] {
                    LoginSessionInfo info;
                    ParseLogin("x", info);
                  },
                  Sink::TextLog, 3, "[ParseLogin]出错，错误信息为：", "\n", true},
        RouteCase{"a plain parse exception",
                  [] {
                    std::list<DeviceRecordInfo> records;
                    ParseDeviceRecordJsonData("{\"a\":1}", records);
                  },
                  Sink::TextLog, 3,
                  "[ParseDeviceRecordJsonData]解析异常，异常信息为：" + kNotArray + "\njson数据为：{\"a\":1}\n", "",
                  false},
        RouteCase{"a parse exception behind its prefix",
                  [] {
                    std::list<InspectPosDeviceInfo> checkpoints;
                    ParseInspectPosDeviceJsonData("{\"a\":1}", checkpoints);
                  },
                  Sink::TextLog, 3,
                  "解析异常：[ParseInspectPosDeviceJsonData]解析异常，异常信息为：" + kNotArray +
                      "\njson数据为：{\"a\":1}\n",
                  "", false},
        RouteCase{"an audit-log read", [] { DAL_PatrolServer().DAL_SystemLog_Get(); }, Sink::AsyncLog, 2,
                  "[DAL_SystemLog_Get]出错，错误信息为：-1", "", false},
        RouteCase{"an audit-log write ends its head in an ASCII colon",
                  [] { DAL_PatrolServer().DAL_SystemLog_Add("e"); }, Sink::AsyncLog, 2,
                  "[DAL_SystemLog_Add]出错，错误信息为:-1", "", false},
        RouteCase{"a rights read", [] { DAL_PatrolServer().Authority_Get_ByID("u1"); }, Sink::AsyncLog, 2,
                  "[Authority_Get_ByID]出错，错误信息为：-1", "", false},
        RouteCase{"a rights write", [] { DAL_PatrolServer().Authority_Update("u1", "n", "--", "--", ""); },
                  Sink::AsyncLog, 2, "[Authority_Update]出错，错误信息为:-1", "", false},
        RouteCase{"a rights reply that is not JSON",
                  [] {
                    std::map<std::string, AuthorityInfo> rights;
                    ParseAuthority("x", rights);
                  },
                  Sink::AsyncLog, 2, "[ParseAuthority]出错，错误信息为：", "", true},
        RouteCase{"an audit-log parse exception",
                  [] {
                    std::list<SystemLogInfo> entries;
                    ParseSystemLogJsonData("{\"a\":1}", entries);
                  },
                  Sink::AsyncLog, 2,
                  "[ParseSystemLogJsonData]解析异常，异常信息为：" + kNotArray + "\njson数据为：{\"a\":1}", "",
                  false}),
    [](const ::testing::TestParamInfo<RouteCase>& info) { return "Route" + std::to_string(info.index); });

}  // namespace
