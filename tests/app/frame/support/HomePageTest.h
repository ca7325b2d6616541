#pragma once
// What the home page's tests start from: the headless driver, a UI thread, the fakes of
// the outside services with the session pointed at them, the start-up caches filled by
// the test, the wall clock pinned, and the page made on the UI thread as a window of its
// own (the frame is not needed to show it).
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/frame/home/CHomePageWndEx.h"
#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "tests/app/shell/support/ShellWindowTest.h"
#include "tests/data/CampusWorld.h"

namespace frametest {

// A local time; the weekday is worked out from the date.
SYSTEMTIME LocalTime(int year, int month, int day, int hour = 9, int minute = 0);

// A plan of the cache: dates "YYYY-MM-DD", weekdays from Monday, slots "HH:MM-HH:MM"
// joined by "&".
InspectPlanInfo MakePlan(int id, int type, const std::string& start, const std::string& end,
                         const std::string& week, const std::string& slots = "");

// The home page reads what it shows on a worker the driver does not wait for: a bounded
// wait until the page has its answer and the UI thread is idle; fails saying so.
void WaitForHomeReading(platform::headless::TestDriver& driver, HWND hwnd, const CHomePageWndEx& page);

class HomePageTest : public ::testing::Test {
 protected:
  HomePageTest();
  ~HomePageTest() override;

  // Before the page is made.
  void PinClock(const SYSTEMTIME& local);
  void AddPlan(const InspectPlanInfo& plan);
  // The areas GetByIDAndTime answers for every run: one area whose checkpoint records
  // have these results and anomaly flags.
  void ServeRunRecords(const std::vector<int>& results, const std::vector<int>& anomalies = {});
  // GetPassRate answers, for every plan, these periods as {dateflag, records due, passed}.
  void ServePassRates(const std::vector<std::vector<int>>& periods);

  // Makes the page and waits until it has read what it shows and the UI thread is idle.
  void OpenPage();
  void OnPage(const std::function<void()>& call) { shelltest::OnWindowThread(hwnd, call); }
  void ClickControl(HWND window, LPCTSTR name);

  platform::headless::TestDriver driver;
  platform::headless::GuiThread ui;
  CampusWorld world;
  std::unique_ptr<CHomePageWndEx> page;
  HWND hwnd = nullptr;
};

}  // namespace frametest
