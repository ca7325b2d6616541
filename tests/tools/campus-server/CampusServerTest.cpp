// Runs the stand-alone server as its own process and loads the client's start-up data from
// it in the order the shell loads its caches.
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CommonTools/global_singleton.h"
#include "data/DAL_Digital_Lessmark.h"
#include "data/DAL_PatrolServer.h"
#include "data/PlatformUsers.h"
#include "data/StartupCaches.h"
#include "data/SubSystemInfo.h"
#include "platform/base/UrlDownload.h"

extern char** environ;

namespace {

// The server's process with its standard output; stopped and reaped at the end.
class ServerProcess {
 public:
  // The server on any free port, after the given options.
  explicit ServerProcess(std::vector<std::string> options = {}) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    char program[] = CAMPUS_SERVER_PATH;
    options.insert(options.begin(), program);
    options.push_back("0");
    std::vector<char*> args;
    for (std::string& option : options) args.push_back(&option[0]);
    args.push_back(nullptr);
    if (posix_spawn(&m_pid, program, &actions, nullptr, args.data(), environ) != 0) m_pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    m_output = pipeEnds[0];
  }

  ~ServerProcess() {
    if (m_pid > 0) {
      kill(m_pid, SIGKILL);
      waitpid(m_pid, nullptr, 0);
    }
    if (m_output >= 0) close(m_output);
  }

  // One line of output; empty when none comes within the bound (the server is stuck).
  std::string ReadLine() {
    std::string line;
    char c = 0;
    while (true) {
      pollfd ready{m_output, POLLIN, 0};
      if (poll(&ready, 1, 20000) != 1 || read(m_output, &c, 1) != 1) return line;
      if (c == '\n') return line;
      line += c;
    }
  }

  // Asks the server to stop; its exit status, or -1 when it did not exit normally.
  int Stop() {
    kill(m_pid, SIGTERM);
    int status = 0;
    const pid_t reaped = waitpid(m_pid, &status, 0);
    m_pid = -1;
    if (reaped <= 0 || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
  }

  bool Started() const { return m_pid > 0; }

  // The address it prints once it listens; empty when it printed something else.
  std::string Url() {
    const std::string banner = ReadLine();
    const std::string head = "campus-server listening on ";
    return banner.rfind(head, 0) == 0 ? banner.substr(head.size()) : std::string();
  }

 private:
  pid_t m_pid = -1;
  int m_output = -1;
};

std::string Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%Y-%m-%d", &local);
  return text;
}

void LogIn(const std::string& url) {
  global_singleton& session = global_singleton::get_mutable_instance();
  session.m_strBaseAddr = url;
  session.m_nOutSideSchool = 0;
  session.m_userInfo = OnlineUserInfo();
  session.m_userInfo.strUserID = "admin";
  session.m_userInfo.strSchoolID = "S0001";
  session.m_userInfo.strToken = "token-of-admin";
  session.m_strToken = session.m_userInfo.strToken;
  session.m_nAllRights = 1;
}

// The bytes of what the URL serves, "" when the download fails.
std::string Download(const std::string& url) {
  const std::string file = "/tmp/campus-server-test-" + std::to_string(::getpid()) + ".bin";
  const std::wstring wideUrl(url.begin(), url.end());
  const std::wstring wideFile(file.begin(), file.end());
  if (FAILED(URLDownloadToFileW(nullptr, wideUrl.c_str(), wideFile.c_str(), 0, nullptr))) return "";
  std::ifstream in(file, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  std::remove(file.c_str());
  return bytes.str();
}

TEST(CampusServer, ServesTheStartupLoadAndStopsCleanly) {
  ServerProcess server;
  ASSERT_TRUE(server.Started());
  const std::string url = server.Url();
  ASSERT_FALSE(url.empty());
  LogIn(url);

  // Address service, then the token check.
  const std::string patrolAddress = GetSubSystemInfo("E61");
  ASSERT_EQ(patrolAddress, url);
  global_singleton::get_mutable_instance().m_strServerAddr = patrolAddress;
  EXPECT_TRUE(GetUsersAuthority());
  EXPECT_EQ(CheckUsersIdentity("token-of-admin", "admin", "E61001"), 1);

  // The user box's pictures: the identity's icon and the user's photo, by their URLs.
  const auto identities = GetUsersIdentityCode("token-of-admin", "admin", "");
  ASSERT_EQ(identities.size(), 1u);
  EXPECT_EQ(identities.front().IconUrl, url + "Icons/IC0001.png");
  EXPECT_EQ(Download(identities.front().IconUrl).substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_EQ(Download(url + "Photos/admin.png").substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_EQ(Download(url + "Photos/bwc01.jpg").substr(0, 3), "\xFF\xD8\xFF");

  // Rights.
  const AuthorityInfo rights = DAL_PatrolServer().Authority_Get_ByID("admin");
  EXPECT_EQ(rights.TypeAuthority.size(), 7u);

  // Buildings and campuses.
  DAL_Digital_Lessmark campus;
  g_mapDigiArea = campus.GetAllBuilding();
  g_mapCampus = campus.GetCampusInfo();
  DAL_Digital_Lessmark::AttachBuildings(g_mapDigiArea, g_mapCampus);
  EXPECT_EQ(g_mapDigiArea.size(), 3u);
  ASSERT_EQ(g_mapCampus.size(), 2u);
  EXPECT_EQ(g_mapCampus.begin()->second.listArea.size(), 2u);
  EXPECT_FALSE(g_mapDigiArea.begin()->second.listCamera.empty());

  // People, checkpoints.
  for (const auto& person : DAL_PatrolServer().DAL_People_Get()) g_mapPeople.emplace(person.iID, person);
  EXPECT_EQ(g_mapPeople.size(), 4u);
  {
    const auto checkpoints = DAL_PatrolServer().DAL_InspectPosDevice_Get();
    std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
    for (const auto& checkpoint : checkpoints) g_mapInspectPosDevice.emplace(checkpoint.iID, checkpoint);
    EXPECT_EQ(g_mapInspectPosDevice.size(), 12u);
  }

  // Routes, grouped by building with the campus of their buildings.
  for (const auto& route : DAL_PatrolServer().DAL_InspectRoute_Get()) g_mapInspectRoute.emplace(route.iID, route);
  ASSERT_EQ(g_mapInspectRoute.size(), 3u);
  const InspectRouteInfo& night = g_mapInspectRoute.begin()->second;
  EXPECT_EQ(night.mapArea.size(), 2u);
  EXPECT_EQ(night.iCampusID, 1);
  EXPECT_FALSE(night.strAnnouncerName.empty());

  // Plans over the current week, named after their routes and people.
  const auto plans = DAL_PatrolServer().DAL_InspectPlan_Get();
  ASSERT_EQ(plans.size(), 3u);
  const std::string today = Today();
  for (const auto& plan : plans) {
    EXPECT_LE(plan.strStartDate, today);
    EXPECT_GE(plan.strEndDate, today);
    EXPECT_NE(plan.strRouteName, "--");
    ASSERT_FALSE(plan.listPeople.empty());
    EXPECT_FALSE(plan.listPeople.front().strName.empty());
    EXPECT_FALSE(plan.listTime.empty());
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    g_mapInspectPlan.emplace(plan.iID, plan);
  }

  // Readers, with their fingerprints.
  EXPECT_EQ(DAL_PatrolServer().DAL_InspectDevice_Get().size(), 3u);

  // The last days' visits: passes, misses and one abnormal visit.
  const auto runs = DAL_PatrolServer().DAL_InspectRecord_GetByDate("2000-01-01", today);
  std::size_t visits = 0;
  int abnormal = 0;
  for (const auto& run : runs) {
    for (const auto& window : run.second.mapSubGroup) {
      visits += window.second.listRecord.size();
      for (const auto& record : window.second.listRecord) abnormal += record.iAbnormal;
    }
  }
  EXPECT_GE(runs.size(), 4u);
  EXPECT_EQ(visits, 17u);
  EXPECT_EQ(abnormal, 1);

  EXPECT_EQ(server.Stop(), 0);
  g_mapInspectRoute.clear();
  g_mapPeople.clear();
  g_mapCampus.clear();
  g_mapDigiArea.clear();
  std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
  g_mapInspectPosDevice.clear();
}

// The broker's address is the server's own host unless --no-broker leaves it out; the
// other sub-systems stay where they were either way.
TEST(CampusServer, NamesTheBrokerUnlessToldNotTo) {
  struct Case {
    std::vector<std::string> options;
    bool brokerNamed;
  };
  for (const Case& c : {Case{{}, true}, Case{{"--no-broker"}, false}}) {
    SCOPED_TRACE(c.options.empty() ? "no option" : c.options.front());
    ServerProcess server(c.options);
    ASSERT_TRUE(server.Started());
    const std::string url = server.Url();
    ASSERT_FALSE(url.empty());
    LogIn(url);
    EXPECT_EQ(GetSubSystemInfo("E61"), url);
    EXPECT_EQ(GetSubSystemInfo("E80"), c.brokerNamed ? url : std::string());
    EXPECT_EQ(server.Stop(), 0);
  }
}

// A generated school in the fixtures' setting: the counts asked for, a route of eight
// checkpoints under each plan run, and the same school again on the next start.
TEST(CampusServer, ServesAGeneratedSchoolOfTheCountsAsked) {
  std::vector<std::string> firstNames;
  for (int run = 0; run < 2; ++run) {
    ServerProcess server({"--no-broker", "--school", "plans=30,people=12,records=50,log=40,visits=90"});
    ASSERT_TRUE(server.Started());
    const std::string url = server.Url();
    ASSERT_FALSE(url.empty());
    LogIn(url);
    global_singleton::get_mutable_instance().m_strServerAddr = url;
    DAL_PatrolServer patrol;
    EXPECT_EQ(patrol.DAL_People_Get().size(), 12u);
    EXPECT_EQ(patrol.DAL_InspectPosDevice_Get().size(), 30u);
    EXPECT_EQ(patrol.DAL_InspectRoute_Get().size(), 3u);
    EXPECT_EQ(patrol.DAL_DeviceRecord_Get().size(), 50u);
    EXPECT_EQ(patrol.DAL_SystemLog_Get().size(), 40u);
    const auto plans = patrol.DAL_InspectPlan_Get();
    ASSERT_EQ(plans.size(), 30u);
    EXPECT_EQ(plans.front().listTime.size(), 3u);
    ASSERT_EQ(plans.front().listPeople.size(), 2u);
    EXPECT_FALSE(plans.front().listPeople.front().strName.empty());
    std::size_t positions = 0;
    for (const auto& area : patrol.DAL_InspectRecord_GetByIDAndTime(1, Today() + "/08:00-16:00", 1)) {
      positions += area.listPosition.size();
    }
    EXPECT_EQ(positions, 8u);
    std::vector<std::string> names;
    for (const auto& plan : plans) names.push_back(plan.strName + "|" + plan.strStartDate + "|" + plan.strPeopleIDs);
    if (run == 0) firstNames = names;
    EXPECT_EQ(names, firstNames);
    EXPECT_EQ(server.Stop(), 0);
  }
}

TEST(CampusServer, RefusesCountsItCannotRead) {
  for (const char* counts : {"plans=0", "plans=ten", "pupils=5", "plans", "plans=5,", "records=99999999999"}) {
    SCOPED_TRACE(counts);
    ServerProcess server({"--school", counts});
    ASSERT_TRUE(server.Started());
    EXPECT_EQ(server.Url(), "");
    EXPECT_EQ(server.Stop(), 2);
  }
}

}  // namespace
