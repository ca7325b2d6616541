// The home page an administrator opens the day on: the counts of people, checkpoints,
// readers and plans by type, today's plans, and the pass-rate chart of today, each as
// the server's fixture school holds them.
#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include <boost/asio/connect.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/read.hpp>
#include <boost/asio/write.hpp>
#include <json/json.h>

#include "CommonTools/Conversions.h"
#include "testing/services/CivilDate.h"
#include "tests/journeys/support/JourneyWorld.h"
#include "ui/controls/CPieChartUI.h"
#include "ui/core/control/CContainerUI.h"

namespace journeys {
namespace {

using test_support::CivilDate;

class HomeJourney : public JourneyWorld {
 protected:
  void TearDown() override { CloseIfRunning(frame); }

  // What the patrol server answers a GET of that path and query, as JSON.
  Json::Value ServerGet(const std::string& target) {
    const std::string url = ServerUrl();  // "http://127.0.0.1:<port>/"
    const std::string port = url.substr(url.rfind(':') + 1, url.size() - url.rfind(':') - 2);
    boost::asio::io_context io;
    boost::asio::ip::tcp::socket socket(io);
    boost::asio::ip::tcp::resolver resolver(io);
    boost::asio::connect(socket, resolver.resolve("127.0.0.1", port));
    const std::string request = "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
    boost::asio::write(socket, boost::asio::buffer(request));
    std::string reply;
    boost::system::error_code error;
    char chunk[4096];
    for (;;) {
      const size_t got = socket.read_some(boost::asio::buffer(chunk), error);
      reply.append(chunk, got);
      if (error) break;
    }
    Json::Value value;
    Json::Reader().parse(reply.substr(reply.find("\r\n\r\n") + 4), value);
    return value;
  }

  HWND frame = nullptr;
};

TEST_F(HomeJourney, TheCountsTodaysPlansAndTheChartMatchTheSchool) {
  frame = StartLoggedIn(kAdmin);
  ASSERT_NE(frame, nullptr);
  user.WaitShown(frame, L"label_peopleNum");

  EXPECT_EQ(user.Text(frame, L"label_peopleNum"), std::to_wstring(patrol().people().all().size()));
  EXPECT_EQ(user.Text(frame, L"label_positionNum"), std::to_wstring(patrol().checkpoints().all().size()));
  EXPECT_EQ(user.Text(frame, L"label_DeviceNum"), std::to_wstring(patrol().readers().all().size()));

  // Plans by type: running (every fixture plan runs around today) over all.
  const std::vector<const wchar_t*> typeLabels = {L"label_SafeNum",      L"label_DevicePlanNum", L"label_fireNum",
                                                  L"label_CanteenNum",   L"label_DormitoryNum",  L"label_healthNum",
                                                  L"label_TestNum"};
  std::vector<int> total(typeLabels.size(), 0);
  for (const Json::Value& plan : plans().plans().all()) ++total.at(plan["iType"].asInt());
  auto expectedTile = [&](size_t type) { return std::to_wstring(total[type]) + L"/" + std::to_wstring(total[type]); };
  user.WaitFor("the plan type tiles", [&] {
    for (size_t type = 0; type < typeLabels.size(); ++type) {
      if (user.Text(frame, typeLabels[type]) != expectedTile(type)) return false;
    }
    return true;
  });
  for (size_t type = 0; type < typeLabels.size(); ++type) {
    EXPECT_EQ(user.Text(frame, typeLabels[type]), expectedTile(type)) << "type " << type;
  }

  // Today's plans: those whose dates hold today and whose week has today.
  const CivilDate today = CivilDate::today();
  int running = 0;
  for (const Json::Value& plan : plans().plans().all()) {
    const std::string dates = plan["strDate"].asString();
    const std::string week = plan["strWeek"].asString();
    CivilDate first;
    CivilDate last;
    if (!CivilDate::parse(dates.substr(0, 10), first) || !CivilDate::parse(dates.substr(11, 10), last)) continue;
    if (first.to_days() <= today.to_days() && today.to_days() <= last.to_days() && week[today.weekday() - 1] == '1') {
      ++running;
    }
  }
  // The tree and its count fill from a worker as the server answers.
  auto todayCount = [&] {
    const std::wstring text = user.Text(frame, L"label_TodayPlanNum");
    return text.substr(text.find(L'/') + 1);
  };
  auto folders = [&] {
    size_t count = 0;
    for (const std::wstring& row : user.Items(frame, L"TodayPlantreelist")) count += row.find(L'~') == std::wstring::npos;
    return count;
  };
  user.WaitFor("today's plans on the home page",
               [&] { return todayCount() == std::to_wstring(running) && folders() == static_cast<size_t>(running); });
  EXPECT_EQ(todayCount(), std::to_wstring(running));
  EXPECT_EQ(folders(), static_cast<size_t>(running));

  // The pass rate of the plan type the chart starts on (安防) over each range the tabs
  // offer, against the server's buckets.
  const std::vector<std::pair<const wchar_t*, int>> ranges = {
      {L"tabToday", 1}, {L"tabWeek", 2}, {L"tabMonth", 3}, {L"tabYear", 4}};
  for (const auto& range : ranges) {
    SCOPED_TRACE(CommonTools::wstring_to_string(range.first));
    user.Click(frame, range.first);
    user.Settle();
    int passed = 0;
    int due = 0;
    for (const Json::Value& plan : plans().plans().all()) {
      if (plan["iType"].asInt() != 0) continue;
      const Json::Value buckets = ServerGet("/api/InspectRecord/GetPassRate?iPlanID=" + plan["ID"].asString() +
                                            "&strDate=" + today.text() + "&iType=" + std::to_string(range.second));
      for (const Json::Value& bucket : buckets) {
        if (bucket["dateflag"].asInt() != 7) continue;
        passed += static_cast<int>(bucket["InspectRecordPassRateList"].size());
        due += bucket["iTodalNum"].asInt();
      }
    }
    const int pass = due == 0 ? 0 : passed * 100 / due;
    const int missed = due == 0 ? 0 : (pass == 0 ? (due - passed) * 100 / due : 100 - pass);
    int shownPassed = -1;
    int shownMissed = -1;
    bool drawn = false;
    auto readChart = [&] {
      drawn = false;
      user.Read(frame, L"PiechartVL", [&](SkinUI::CControlUI* holder) {
        auto* box = static_cast<SkinUI::CContainerUI*>(holder->GetInterface(L"Container"));
        for (int i = 0; box != nullptr && i < box->GetCount(); ++i) {
          auto* chart = dynamic_cast<SkinUI::CPieChartUI*>(box->GetItemAt(i));
          if (chart == nullptr) continue;
          drawn = true;
          shownPassed = chart->GetPassed();
          shownMissed = chart->GetMissed();
        }
      });
      return due == 0 ? !drawn : drawn && shownPassed == pass && shownMissed == missed;
    };
    // The chart, too, is drawn when the worker's answers arrive.
    user.WaitFor("the chart of the range", readChart);
    if (due == 0) {
      EXPECT_FALSE(drawn) << "no visit was due, so no chart";
      continue;
    }
    ASSERT_TRUE(drawn);
    EXPECT_EQ(shownPassed, pass) << passed << " of " << due;
    EXPECT_EQ(shownMissed, missed);
  }
}

}  // namespace
}  // namespace journeys
