#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "CommonTools/HttpDownload.h"
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

// The pictures a client downloads are the bytes the upload stored, under the plan, the run
// and the name; anything else is a 404, which leaves the client no file.
TEST(FakePatrolServer, ServesStoredPicturesUnderTheirRunAndName) {
  FakePatrolServer server;
  server.pictures().store(3, "2024050108000900", "a.jpg", "JPEG-A");
  server.pictures().store(3, "2024050108000900", "\xcd\xbc.png", "PNG-GBK");  // "图.png" in GBK
  const struct {
    const char* what;
    std::string path;
    std::string bytes;  // "" for a 404
  } cases[] = {
      {"a stored picture", "ResPic/3/2024050108000900/a.jpg", "JPEG-A"},
      {"a name sent in UTF-8 finds its GBK form", "ResPic/3/2024050108000900/%E5%9B%BE.png", "PNG-GBK"},
      {"another run", "ResPic/3/2024050109000900/a.jpg", ""},
      {"another plan", "ResPic/4/2024050108000900/a.jpg", ""},
      {"an unknown name", "ResPic/3/2024050108000900/b.jpg", ""},
      {"no name", "ResPic/3/2024050108000900", ""},
  };
  const std::filesystem::path target = std::filesystem::temp_directory_path() / "fake-patrol-picture.bin";
  for (const auto& c : cases) {
    std::filesystem::remove(target);
    const int result = http_download((server.base_url() + c.path).c_str(), target.string().c_str());
    if (c.bytes.empty()) {
      EXPECT_NE(result, 0) << c.what;
      EXPECT_FALSE(std::filesystem::exists(target)) << c.what;
      continue;
    }
    ASSERT_EQ(result, 0) << c.what;
    std::ifstream file(target, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), c.bytes) << c.what;
  }
  std::filesystem::remove(target);
}

}  // namespace
