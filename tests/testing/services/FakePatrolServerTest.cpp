#include <gtest/gtest.h>

#include <string>

#include "CommonTools/HttpHelper.h"
#include "testing/services/FakePatrolServer.h"

namespace {

using test_support::FakePatrolServer;

struct WriteCase {
  const char* what;
  std::string path;
  std::string body;
  std::string reply;
};

std::string Post(const FakePatrolServer& server, const std::string& path, std::string body) {
  std::string url = server.base_url() + path;
  std::string reply;
  CommonTools::http_helper::instance()->request(url, body, CommonTools::http_helper::kPost, reply);
  return reply;
}

// A round trip only proves something if the fake refuses what the real server would not
// understand: every field present, none extra, each in its JSON form.
TEST(FakePatrolServer, RefusesWritesThatDoNotMatchTheServerInterface) {
  const std::string person =
      "\"strName\":\"n\",\"UserID\":\"P\",\"iIdentity\":\"6\",\"strTelephone\":\"1\",\"strReserve\":\"--\"";
  const WriteCase cases[] = {
      {"a well-formed add", "api/InspectPeople/Add", "{\"iGroup\":\"1\"," + person + "}", "1"},
      {"an integer sent as a number where text is due", "api/InspectPeople/Add", "{\"iGroup\":1," + person + "}", "-1"},
      {"a key missing", "api/InspectPeople/Add", "{" + person + "}", "-1"},
      {"a key too many", "api/InspectPeople/Add", "{\"iGroup\":\"1\",\"x\":\"\"," + person + "}", "-1"},
      {"not JSON", "api/InspectPeople/Add", "iGroup=1", "-1"},
      {"an update of a missing record", "api/InspectPeople/Update", "{\"iID\":\"9\",\"iGroup\":\"1\"," + person + "}",
       "-1"},
      {"an update with its id in the wrong form", "api/InspectPeople/Update",
       "{\"iID\":1,\"iGroup\":\"1\"," + person + "}", "-1"},
      {"a delete with its id in the wrong form", "api/InspectPeople/Delete", "{\"iID\":1}", "-1"},
      {"a delete of the record added above", "api/InspectPeople/Delete", "{\"iID\":\"1\"}", "1"},
  };
  FakePatrolServer server;
  for (const WriteCase& c : cases) {
    EXPECT_EQ(Post(server, c.path, c.body), c.reply) << c.what;
  }
  EXPECT_EQ(server.people().size(), 0u);
}

}  // namespace
