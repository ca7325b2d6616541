// Each list the patrol server sends has a cap of its own: a reply over it is refused before
// it takes the machine's memory, with one line that says so, and the caller gets the empty
// list it gets for any failed read.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "CommonTools/HttpHelper.h"
#include "data/DAL_PatrolServer.h"
#include "testing/http/FakeHttpServer.h"
#include "tests/data/DataTestBase.h"

namespace {

using data_test::DataTestBase;
using test_support::HttpReply;
using namespace std::chrono_literals;

constexpr std::uint64_t kMiB = 1ull << 20;

class ReplyCap : public DataTestBase {
 protected:
  void SetUp() override {
    DataTestBase::SetUp();
    UseServer(server.base_url());
    // A refusal that waited for the announced body would end at the read limit instead.
    CommonTools::http_helper::instance()->set_read_limit(5s);
  }
  void TearDown() override {
    CommonTools::http_helper::instance()->set_read_limit(CommonTools::http_helper::kDefaultLimit);
    DataTestBase::TearDown();
  }

  std::string OneLine() const {
    const auto lines = Lines();
    EXPECT_EQ(lines.size(), 1u);
    return lines.empty() ? std::string() : lines[0].text;
  }

  test_support::FakeHttpServer server;
};

std::string Refusal(std::uint64_t cap) {
  return "read: the reply is larger than its cap of " + std::to_string(cap) + " bytes and was refused";
}

// The server announces one byte more than the kind's cap: the client refuses at once,
// without reading the body.
TEST_F(ReplyCap, EachListKindRefusesAReplyAnnouncedOverItsCap) {
  const struct {
    const char* path;
    std::function<std::size_t()> read;
    std::uint64_t cap;
    const char* name;
  } cases[] = {
      {"/api/InspectPlan/Get", [] { return DAL_PatrolServer().DAL_InspectPlan_Get().size(); }, 32 * kMiB,
       "DAL_InspectPlan_Get"},
      {"/api/InspectRoute/Get", [] { return DAL_PatrolServer().DAL_InspectRoute_Get().size(); }, 16 * kMiB,
       "DAL_InspectRoute_Get"},
      {"/api/InspectPositionDevice/Get", [] { return DAL_PatrolServer().DAL_InspectPosDevice_Get().size(); },
       32 * kMiB, "DAL_InspectPosDevice_Get()"},
      {"/api/InspectDevice/Get", [] { return DAL_PatrolServer().DAL_InspectDevice_Get().size(); }, 32 * kMiB,
       "DAL_InspectDevice_Get()"},
      {"/api/Authority/Get", [] { return DAL_PatrolServer().Authority_Get().size(); }, 32 * kMiB,
       "Authority_Get"},
      {"/api/DeviceRecord/Get", [] { return DAL_PatrolServer().DAL_DeviceRecord_Get().size(); }, 192 * kMiB,
       "DAL_DeviceRecord_Get"},
      {"/api/InspectLog/Get", [] { return DAL_PatrolServer().DAL_SystemLog_Get().size(); }, 256 * kMiB,
       "DAL_SystemLog_Get"},
      {"/api/InspectRecord/GetByDate",
       [] { return DAL_PatrolServer().DAL_InspectRecord_GetByDate("2026-01-01", "2026-12-31").size(); },
       256 * kMiB, "DAL_InspectRecord_GetByDate"},
      // A kind without a cap of its own has the transport's.
      {"/api/InspectRecord/GetPassRate",
       [] { return DAL_PatrolServer().DAL_InspectRecord_GetPassRate(1, "2026-01-01", 0).size(); },
       CommonTools::http_helper::kDefaultReplyCap, "DAL_InspectRecord_GetPassRate"},
  };
  for (const auto& c : cases) {
    ClearLines();
    server.route("GET", c.path, HttpReply(200, "").with_header("Content-Length", std::to_string(c.cap + 1)));
    EXPECT_EQ(c.read(), 0u) << c.path;
    const std::string line = OneLine();
    EXPECT_EQ(line.rfind(std::string("[") + c.name + "]", 0), 0u) << line;
    EXPECT_NE(line.find(Refusal(c.cap)), std::string::npos) << c.path << ": " << line;
  }
}

// A list of well-formed people that runs just past its kind's cap is refused whole; the
// same people within the cap are all read.
TEST_F(ReplyCap, AWellFormedListOverItsCapIsRefusedWhole) {
  const std::string person =
      "{\"UserID\":\"xg01\",\"iGroup\":1100000,\"iID\":1,\"iIdentity\":2,\"strName\":\"p\","
      "\"strReserve\":\"\",\"strTelephone\":\"13900000011\"}";
  const auto list = [&](std::size_t count) {
    std::string json = "[";
    json.reserve(count * (person.size() + 1) + 2);
    for (std::size_t i = 0; i < count; ++i) json += (i ? "," : "") + person;
    return json + "]";
  };
  const std::size_t overCount = 16 * kMiB / (person.size() + 1) + 1;
  const std::size_t withinCount = 10000;
  const struct {
    std::size_t count;
    std::size_t read;
    std::size_t lines;
  } cases[] = {{withinCount, withinCount, 0}, {overCount, 0, 1}};
  for (const auto& c : cases) {
    ClearLines();
    server.route("GET", "/api/InspectPeople/Get", HttpReply(200, list(c.count)));
    EXPECT_EQ(DAL_PatrolServer().DAL_People_Get().size(), c.read) << c.count;
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), c.lines) << c.count;
    if (c.lines) {
      EXPECT_NE(lines[0].text.find(Refusal(16 * kMiB)), std::string::npos) << lines[0].text;
    }
  }
}

}  // namespace
