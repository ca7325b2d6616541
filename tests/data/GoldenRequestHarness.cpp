#include "tests/data/GoldenRequestHarness.h"

#include <cctype>
#include <regex>

#include "CommonTools/Conversions.h"
#include "CommonTools/Network.h"
#include "testing/http/FakeHttpServer.h"
#include "testing/services/WireJson.h"

namespace data_test {

namespace {

std::string LocalAddress() {
  BSTR local = CommonTools::get_local_ipv4();
  const std::string address = CommonTools::cstring_to_string(CStringW(local));
  SysFreeString(local);
  return address;
}

}  // namespace

Sent AuditPost(const std::string& eventUtf8) {
  return Sent{"POST", "api/InspectLog/Add",
              "{\"strEvent\":\"" + eventUtf8 +
                  "\",\"strTime\":\"{TIME}\",\"strUserID\":\"u1\",\"strUserIP\":\"{IP}\",\"strUserName\":\"" +
                  kZhangSanUtf8 + "\"}\n"};
}

void PrintTo(const GoldenRow& row, std::ostream* os) { *os << row.call; }

std::string GoldenRowName(const ::testing::TestParamInfo<GoldenRow>& info) {
  std::string name;
  for (const char c : std::string(info.param.call)) {
    if (std::isalnum(static_cast<unsigned char>(c))) name += c;
  }
  return name;
}

void GoldenRequestFixture::ExpectSentExactly(const GoldenRow& row) {
  test_support::FakeHttpServer server;
  server.set_fallback(test_support::HttpReply(200, row.reply));
  UseServer(server.base_url());
  DAL_PatrolServer dal;

  EXPECT_EQ(row.run(dal), row.result);

  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), row.sent.size());
  for (std::size_t i = 0; i < requests.size(); ++i) {
    const Sent& expected = row.sent[i];
    SCOPED_TRACE(expected.target);
    EXPECT_EQ(requests[i].method, expected.method);
    EXPECT_EQ(requests[i].target, server.base_url() + expected.target);
    EXPECT_EQ(requests[i].body, WithSentValues(expected.body, requests[i].body));
    if (expected.method == "POST") {
      EXPECT_EQ(requests[i].header("Content-Type"), "application/json");
    }
  }
}

std::string GoldenRequestFixture::WithSentValues(std::string expected, const std::string& sentBody) {
  Json::Value sent;
  if (!test_support::read_wire_json(sentBody, sent)) return expected;
  const std::regex timeForm(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)");
  const auto replace = [&](const std::string& token, const std::string& value) {
    const auto at = expected.find(token);
    if (at == std::string::npos) return;
    if (token == "{IP}") {
      EXPECT_EQ(value, LocalAddress());
    } else {
      EXPECT_TRUE(std::regex_match(value, timeForm)) << token << " " << value;
    }
    expected.replace(at, token.size(), value);
  };
  replace("{TIME}", sent["strTime"].asString());
  replace("{NOW}", sent["strReserve"].asString());
  replace("{IP}", sent["strUserIP"].asString());
  return expected;
}

}  // namespace data_test
