#include "tests/data/CampusWorld.h"

#include "data/StartupCaches.h"
#include "testing/http/RefusingAddress.h"
#include "testing/services/WireJson.h"

namespace {

void ClearCaches() {
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    g_mapInspectPlan.clear();
  }
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
    g_mapInspectPosDevice.clear();
  }
  g_mapInspectRoute.clear();
  g_mapPeople.clear();
  g_mapInspectDevice.clear();
  g_mapDigiArea.clear();
  g_mapCampus.clear();
}

}  // namespace

CampusWorld::CampusWorld()
    : platform(patrol.http()), campus(patrol.http()), plans(patrol, &campus) {
  ClearCaches();
  global_singleton& s = session();
  m_saved = Saved{s.m_strBaseAddr, s.m_strServerAddr, s.m_nOutSideSchool, s.m_userInfo,
                  s.m_strToken,    s.m_nAllRights,    s.m_nAllTypes,       s.m_mapTypes};
  s.m_strBaseAddr = patrol.base_url();
  s.m_strServerAddr = patrol.base_url();
  s.m_nOutSideSchool = 0;
  s.m_userInfo = OnlineUserInfo();
  s.m_userInfo.strUserID = "u1";
  s.m_userInfo.strUserName = "admin";
  s.m_userInfo.strSchoolID = "s1";
  s.m_userInfo.strToken = "tok";
  s.m_strToken = "tok";
  s.m_nAllRights = 1;
  s.m_nAllTypes = 1;
  s.m_mapTypes.clear();
  DalLog::SetObserver([this](DalLog::Sink sink, int, const std::string& line) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lines.emplace_back(sink, line);
  });
}

CampusWorld::~CampusWorld() {
  DalLog::SetObserver(nullptr);
  ClearCaches();
  global_singleton& s = session();
  s.m_strBaseAddr = m_saved.baseAddr;
  s.m_strServerAddr = m_saved.serverAddr;
  s.m_nOutSideSchool = m_saved.outSideSchool;
  s.m_userInfo = m_saved.user;
  s.m_strToken = m_saved.token;
  s.m_nAllRights = m_saved.allRights;
  s.m_nAllTypes = m_saved.allTypes;
  s.m_mapTypes = m_saved.types;
}

std::vector<Json::Value> CampusWorld::requestBodies(const std::string& path) {
  std::vector<Json::Value> bodies;
  for (const test_support::RecordedRequest& request : http().requests()) {
    if (request.path() != path) continue;
    Json::Value body;
    test_support::read_wire_json(request.body, body);
    bodies.push_back(body);
  }
  return bodies;
}

std::vector<std::string> CampusWorld::logLines() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  std::vector<std::string> lines;
  for (const auto& line : m_lines) lines.push_back(line.second);
  return lines;
}

std::vector<std::string> CampusWorld::logLines(DalLog::Sink sink) const {
  std::lock_guard<std::mutex> lock(m_mutex);
  std::vector<std::string> lines;
  for (const auto& line : m_lines) {
    if (line.first == sink) lines.push_back(line.second);
  }
  return lines;
}

void CampusWorld::clearLog() {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_lines.clear();
}

std::string RefusingBaseUrl() { return test_support::RefusingBaseUrl(); }
