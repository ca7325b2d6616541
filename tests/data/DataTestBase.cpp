#include "tests/data/DataTestBase.h"

#include "CommonTools/global_singleton.h"
#include "data/StartupCaches.h"

namespace data_test {

namespace {

void ClearCaches() {
  g_mapCampus.clear();
  g_mapPeople.clear();
  g_mapInspectDevice.clear();
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
    g_mapInspectPosDevice.clear();
  }
  g_mapDigiArea.clear();
}

}  // namespace

void DataTestBase::SetUp() {
  global_singleton& session = global_singleton::get_mutable_instance();
  session.m_userInfo = OnlineUserInfo();
  session.m_userInfo.strUserID = "u1";
  session.m_userInfo.strUserName = kZhangSanGbk;
  session.m_userInfo.strSchoolID = "S01";
  UseServer("http://127.0.0.1:9/");
  ClearCaches();
  DalLog::SetObserver([this](DalLog::Sink sink, int level, const std::string& line) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lines.push_back(CaughtLine{sink, level, line});
  });
}

void DataTestBase::TearDown() {
  DalLog::SetObserver(nullptr);
  ClearCaches();
}

void DataTestBase::UseServer(const std::string& baseUrl) {
  global_singleton::get_mutable_instance().m_strServerAddr = baseUrl;
}

std::vector<CaughtLine> DataTestBase::Lines() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_lines;
}

void DataTestBase::ClearLines() {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_lines.clear();
}

void DataTestBase::ExpectTextLine(const std::string& expected) const {
  const auto lines = Lines();
  if (expected.empty()) {
    EXPECT_TRUE(lines.empty()) << lines.front().text;
    return;
  }
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].sink, DalLog::Sink::TextLog);
  EXPECT_EQ(lines[0].level, 3);
  const std::string& text = lines[0].text;
  const std::string placeholder = kLibraryText;
  const auto at = expected.find(placeholder);
  if (at == std::string::npos) {
    EXPECT_EQ(text, expected);
    return;
  }
  const std::string head = expected.substr(0, at);
  const std::string tail = expected.substr(at + placeholder.size());
  ASSERT_GT(text.size(), head.size() + tail.size()) << text;
  EXPECT_EQ(text.substr(0, head.size()), head);
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

}  // namespace data_test
