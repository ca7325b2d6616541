#pragma once
// What the tests of the plan execution view and the exception record dialog start from:
// the shell's window fixture, the campus world's fake servers, a cached plan "夜巡" (id 3,
// route 7 through 东楼's 东门 (5) and 天台 (3) and 南楼's 南门 (9), people 张三 (user
// "U1") and 李四), the scripted browser under the web browser's class, the toasts
// collected and the program's picture folder cleared.
#include <atomic>
#include <string>
#include <vector>

#include <json/json.h>

#include "tests/app/shell/support/ShellWindowTest.h"
#include "tests/app/shell/support/ToastLog.h"
#include "tests/ui/controls/support/ScriptedBrowserScope.h"
#include "tests/data/CampusWorld.h"

namespace plantest {

using Strings = std::vector<std::wstring>;

const int kPlanId = 3;
const char kRunKey[] = "2024-05-01/08:00-09:30";
const char kTimeKey[] = "2024050108000930";

// A message box as it was shown: its text, closed afterwards by its first button.
struct Message {
  std::wstring text;
  bool shown = false;
};

class PlanRunWindowTest : public shelltest::ShellWindowTest {
 protected:
  PlanRunWindowTest();
  ~PlanRunWindowTest() override;

  // The reply of api/InspectRecord/GetByIDAndTime, areas as the server sends them.
  void ScriptRunAreas(const Json::Value& areas);
  static Json::Value Area(int id, const std::string& name);
  static Json::Value Visit(int recordId, int checkpoint, const std::string& name, int state, int result, int abnormal,
                           const std::string& time, const std::string& remark);

  Strings Toasts();
  // The open message box of the process (class "MessagWnd"), answered with its first
  // button ("yes", else "close").
  Message TakeMessage();
  // The bodies of the requests to that path, in order.
  std::vector<Json::Value> Bodies(const std::string& path);
  // "<exe dir>/res/3/<time key>" on the file system.
  std::string RunPictureFolder() const;
  std::string ProgramFolder() const;

  CampusWorld world;

 private:
  oletest::ScriptedBrowserScope browser_{ui};
  shelltest::ToastLog toasts_;
};

}  // namespace plantest
