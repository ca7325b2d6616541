// The plan save as the dialog runs it: the checks in their order with their exact texts,
// the people's conflict windows with the other cached plans, and what reaches the patrol
// server and the plan cache.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "app/management/PlanSaver.h"
#include "data/StartupCaches.h"
#include "platform/base/Clock.h"
#include "testing/services/QueryValues.h"
#include "tests/data/CampusWorld.h"

namespace {

struct Report {
  std::wstring text;
  int kind = 0;
};

// Today is pinned to 2022-07-05.
PlanForm ValidForm() {
  PlanForm form;
  form.name = "north";
  form.type = 0;
  form.routeText = "route4";
  form.people = {{12, "zhang"}, {15, "li"}, {3, "wang"}};
  form.startDate = "2022-07-05";
  form.endDate = "2022-07-31";
  form.week = "1111100";
  form.slots = {{"08:00", "10:00"}, {"14:00", "16:00"}};
  form.remark = "note";
  return form;
}

class PlanSaverTest : public ::testing::Test {
 protected:
  PlanSaverTest() {
    SYSTEMTIME today = {};
    today.wYear = 2022;
    today.wMonth = 7;
    today.wDay = 5;
    today.wHour = 9;
    platform::PinWallClock(today);
    InspectRouteInfo route;
    route.iID = 4;
    route.strName = "route4";
    g_mapInspectRoute[4] = route;
  }
  ~PlanSaverTest() override { platform::UnpinWallClock(); }

  bool Save(int mode, const PlanForm& form, InspectPlanInfo& plan) {
    PlanSaver saver(mode, [this](const std::wstring& text, int kind) { reports.push_back({text, kind}); });
    return saver.Save(form, plan);
  }
  size_t Requests(const std::string& path) {
    size_t count = 0;
    for (const auto& request : world.http().requests()) count += request.path() == path ? 1 : 0;
    return count;
  }
  std::vector<std::map<std::string, std::string>> DateTests() {
    std::vector<std::map<std::string, std::string>> asked;
    for (const auto& request : world.http().requests()) {
      if (request.path() == "/api/InspectPlan/DateTest") asked.push_back(test_support::query_values(request.target));
    }
    return asked;
  }
  // A plan stored on the server and in the cache, for edits and conflicts.
  int SeedPlan(const std::string& name, const std::string& start, const std::string& end, int state,
               std::list<PlanPeopleInfo> people, std::list<PlanTimeSpan> spans) {
    Json::Value record;
    record["Name"] = name;
    record["iRouteID"] = 4;
    record["strDate"] = start + "&" + end;
    const int id = world.plans.plans().seed(record);
    InspectPlanInfo plan;
    plan.iID = id;
    plan.strName = name;
    plan.iRouteID = 4;
    plan.strStartDate = start;
    plan.strEndDate = end;
    plan.iPlanState = state;
    plan.strWeek = "1111100";
    plan.listPeople = std::move(people);
    plan.listTime = std::move(spans);
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    g_mapInspectPlan[id] = plan;
    return id;
  }
  InspectPlanInfo Cached(int id) {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    return g_mapInspectPlan.at(id);
  }
  size_t CacheSize() {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    return g_mapInspectPlan.size();
  }

  CampusWorld world;
  std::vector<Report> reports;
};

// --- The checks in order -----------------------------------------------------------------

struct CheckCase {
  const char* what;
  int mode;     // 1 add, 2 edit
  int state;    // the edited plan's status
  std::function<void(PlanForm&)> change;
  std::function<void(global_singleton&)> rights;
  std::wstring message;
  int kind;
  bool written;  // a request reached the server's add or update
};

std::ostream& operator<<(std::ostream& out, const CheckCase& c) { return out << c.what; }

class SaveChecks : public PlanSaverTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(SaveChecks, RefuseOrWriteWithTheExactText) {
  const CheckCase& c = GetParam();
  PlanForm form = ValidForm();
  c.change(form);
  if (c.rights) c.rights(world.session());
  InspectPlanInfo plan;
  if (c.mode == 2) {
    plan = Cached(SeedPlan("north", "2022-07-01", "2022-07-31", c.state, {}, {}));
  }
  const bool saved = Save(c.mode, form, plan);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].text, c.message);
  EXPECT_EQ(reports[0].kind, c.kind);
  EXPECT_EQ(saved, c.kind == 6);
  EXPECT_EQ(Requests("/api/InspectPlan/Add") + Requests("/api/InspectPlan/Update"), c.written ? 1u : 0u);
}

const auto kKeep = [](PlanForm&) {};

std::list<PlanPeopleInfo> People(int count) {
  std::list<PlanPeopleInfo> people;
  for (int i = 1; i <= count; ++i) people.push_back({i, "p" + std::to_string(i)});
  return people;
}

void NoFlags(global_singleton& s) {
  s.m_nAllRights = 0;
  s.m_nAllTypes = 0;
  s.m_mapTypes = {{1, "设备"}};
}

INSTANTIATE_TEST_SUITE_P(
    Table, SaveChecks,
    ::testing::Values(
        CheckCase{"the name first, with everything empty", 1, 0, [](PlanForm& f) { f = PlanForm(); }, nullptr,
                  L"计划名称不能为空!", 1, false},
        CheckCase{"no route", 1, 0, [](PlanForm& f) { f.routeText.clear(); }, nullptr, L"线路不能为空!", 1, false},
        CheckCase{"a route text no cached route has", 1, 0, [](PlanForm& f) { f.routeText = "renamed"; }, nullptr,
                  L"线路不能为空!", 1, false},
        CheckCase{"nobody ticked", 1, 0, [](PlanForm& f) { f.people.clear(); }, nullptr, L"请选择巡更人员!", 1, false},
        CheckCase{"seven people", 1, 0, [](PlanForm& f) { f.people = People(7); }, nullptr,
                  L"最多支持选择6名巡更人员!", 1, false},
        CheckCase{"six people", 1, 0, [](PlanForm& f) { f.people = People(6); }, nullptr, L"添加成功!", 6, true},
        CheckCase{"end before start", 1, 0,
                  [](PlanForm& f) {
                    f.startDate = "2022-07-10";
                    f.endDate = "2022-07-09";
                  },
                  nullptr, L"结束日期不能小于开始日期！", 1, false},
        CheckCase{"adding from yesterday", 1, 0, [](PlanForm& f) { f.startDate = "2022-07-04"; }, nullptr,
                  L"开始日期不得小于当前日期！", 1, false},
        CheckCase{"a finished plan from before today", 2, 3, [](PlanForm& f) { f.startDate = "2022-07-01"; },
                  nullptr, L"开始日期不得小于当前日期！", 1, false},
        CheckCase{"a running plan ending yesterday", 2, 2,
                  [](PlanForm& f) {
                    f.startDate = "2022-07-01";
                    f.endDate = "2022-07-04";
                  },
                  nullptr, L"结束日期不得小于当前日期！", 1, false},
        CheckCase{"a running plan ending today", 2, 2,
                  [](PlanForm& f) {
                    f.startDate = "2022-07-01";
                    f.endDate = "2022-07-05";
                  },
                  nullptr, L"编辑成功!", 6, true},
        CheckCase{"across a month end", 1, 0,
                  [](PlanForm& f) {
                    f.startDate = "2023-01-30";
                    f.endDate = "2023-02-01";
                  },
                  nullptr, L"添加成功!", 6, true},
        CheckCase{"no weekday", 1, 0, [](PlanForm& f) { f.week = "0000000"; }, nullptr, L"请选择巡更频次!", 1,
                  false},
        CheckCase{"a reversed second slot", 1, 0, [](PlanForm& f) { f.slots[1] = {"16:00", "14:00"}; }, nullptr,
                  L"时间段2:开始时间段不能大于结束时间段！", 1, false},
        CheckCase{"an empty slot passes", 1, 0, [](PlanForm& f) { f.slots = {{"09:00", "09:00"}}; }, nullptr,
                  L"添加成功!", 6, true},
        CheckCase{"touching slots", 1, 0, [](PlanForm& f) { f.slots = {{"08:00", "10:00"}, {"10:00", "12:00"}}; },
                  nullptr, L"时间段1和时间段2重复", 1, false},
        CheckCase{"touching slots, later first", 1, 0,
                  [](PlanForm& f) { f.slots = {{"10:00", "12:00"}, {"08:00", "10:00"}}; }, nullptr,
                  L"时间段1和时间段2重复", 1, false},
        CheckCase{"overlapping slots", 1, 0, [](PlanForm& f) { f.slots = {{"08:00", "11:00"}, {"10:00", "12:00"}}; },
                  nullptr, L"时间段1和时间段2重复", 1, false},
        CheckCase{"the first slot contains the second", 1, 0,
                  [](PlanForm& f) { f.slots = {{"08:00", "18:00"}, {"09:00", "10:00"}}; }, nullptr,
                  L"时间段2和时间段1重复", 1, false},
        CheckCase{"the second slot contains the first", 1, 0,
                  [](PlanForm& f) { f.slots = {{"09:00", "10:00"}, {"08:00", "18:00"}}; }, nullptr,
                  L"时间段1和时间段2重复", 1, false},
        CheckCase{"a type outside the user's types", 1, 0, kKeep, NoFlags,
                  L"您不具有该计划类型权限,\r\n请联系超级管理员分配该计划类型权限!", 1, false},
        CheckCase{"a type of the user's types", 1, 0, [](PlanForm& f) { f.type = 1; }, NoFlags, L"添加成功!", 6,
                  true},
        CheckCase{"the all-types flag alone", 1, 0, kKeep,
                  [](global_singleton& s) {
                    NoFlags(s);
                    s.m_nAllTypes = 1;
                  },
                  L"添加成功!", 6, true},
        CheckCase{"the all-areas flag alone", 1, 0, kKeep,
                  [](global_singleton& s) {
                    NoFlags(s);
                    s.m_nAllRights = 1;
                  },
                  L"添加成功!", 6, true}));

TEST_F(PlanSaverTest, SlotTextsOfAnotherFormReadDigitsByPosition) {
  const PlanTimeSpan span = PlanSaver::ReadSpan("8:5", "1x:3");
  EXPECT_EQ(span.iStartHour, 80) << "the colon in the second place counts 0";
  EXPECT_EQ(span.iStartMinute, 0) << "nothing is read past the text";
  EXPECT_EQ(span.iEndHour, 10);
  EXPECT_EQ(span.iEndMinute, 30);
  const PlanTimeSpan empty = PlanSaver::ReadSpan("", "23:59");
  EXPECT_EQ(empty.iStartHour * 60 + empty.iStartMinute, 0);
  EXPECT_EQ(empty.iEndHour * 60 + empty.iEndMinute, 23 * 60 + 59);
}

// --- Conflict windows ----------------------------------------------------------------------

struct ConflictCase {
  const char* what;
  std::string start, end;            // this plan
  std::string otherStart, otherEnd;  // the other plan, which shares person 12
  std::string dateTestAnswer;        // "" leaves the fake's own answer
  bool asked;
  std::string windowStart, windowEnd;
  bool conflict;
};

std::ostream& operator<<(std::ostream& out, const ConflictCase& c) { return out << c.what; }

class ConflictWindows : public PlanSaverTest, public ::testing::WithParamInterface<ConflictCase> {};

TEST_P(ConflictWindows, AskTheServerOnlyForShortWindows) {
  const ConflictCase& c = GetParam();
  SYSTEMTIME early = {};
  early.wYear = 2022;
  early.wMonth = 6;
  early.wDay = 1;
  platform::PinWallClock(early);
  SeedPlan("other", c.otherStart, c.otherEnd, 1, {{12, "zhang"}}, {PlanSaver::ReadSpan("08:00", "18:00")});
  if (!c.dateTestAnswer.empty()) {
    world.http().route("GET", "/api/InspectPlan/DateTest", test_support::HttpReply(200, c.dateTestAnswer));
  }
  PlanForm form = ValidForm();
  form.people = {{12, "张三"}};
  form.slots = {{"17:00", "19:00"}};
  form.startDate = c.start;
  form.endDate = c.end;
  InspectPlanInfo plan;
  Save(1, form, plan);

  const auto asked = DateTests();
  ASSERT_EQ(asked.size(), c.asked ? 1u : 0u);
  if (c.asked) {
    EXPECT_EQ(asked[0].at("strSDate"), c.windowStart);
    EXPECT_EQ(asked[0].at("strEDate"), c.windowEnd);
    EXPECT_EQ(asked[0].at("strWeek1"), "1111100");
    EXPECT_EQ(asked[0].at("strWeek2"), "1111100");
  }
  ASSERT_EQ(reports.size(), 1u);
  if (c.conflict) {
    EXPECT_EQ(reports[0].text, L"巡更人员：张三巡查时间\r\n与计划：other\r\n巡查时间重叠，请调整时间或人员");
    EXPECT_EQ(reports[0].kind, 1);
    EXPECT_EQ(Requests("/api/InspectPlan/Add"), 0u);
  } else {
    EXPECT_EQ(reports[0].text, L"添加成功!");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConflictWindows,
    ::testing::Values(
        ConflictCase{"the other starts first: 3 days, answered 1", "2022-07-05", "2022-07-10", "2022-07-01",
                     "2022-07-08", "1", true, "2022-07-05", "2022-07-08", true},
        ConflictCase{"the other starts first: 3 days, answered 0", "2022-07-05", "2022-07-10", "2022-07-01",
                     "2022-07-08", "0", true, "2022-07-05", "2022-07-08", false},
        ConflictCase{"the other ends last: 10 days", "2022-07-01", "2022-07-20", "2022-07-10", "2022-07-31", "0",
                     false, "", "", true},
        ConflictCase{"the other lies inside: the whole range", "2022-07-01", "2022-07-31", "2022-07-10",
                     "2022-07-12", "0", false, "", "", true},
        ConflictCase{"this lies inside: to the other's end", "2022-07-05", "2022-07-10", "2022-07-01", "2022-07-31",
                     "0", false, "", "", true},
        ConflictCase{"the same six days", "2022-07-01", "2022-07-07", "2022-07-01", "2022-07-07", "1", true,
                     "2022-07-01", "2022-07-07", true},
        ConflictCase{"the same seven days", "2022-07-01", "2022-07-08", "2022-07-01", "2022-07-08", "0", false, "",
                     "", true},
        ConflictCase{"no shared day", "2022-07-01", "2022-07-10", "2022-07-11", "2022-07-20", "1", false, "", "",
                     false},
        ConflictCase{"one shared day", "2022-07-01", "2022-07-10", "2022-07-10", "2022-07-20", "1", true,
                     "2022-07-10", "2022-07-10", true}));

TEST_F(PlanSaverTest, AnEditedPlanDoesNotConflictWithItsOwnCacheEntry) {
  const int id = SeedPlan("north", "2022-07-05", "2022-07-31", 2, {{12, "zhang"}}, {PlanSaver::ReadSpan("08:00", "10:00")});
  InspectPlanInfo plan = Cached(id);
  PlanForm form = ValidForm();
  form.people = {{12, "zhang"}};
  form.slots = {{"08:00", "10:00"}};
  EXPECT_TRUE(Save(2, form, plan));
  EXPECT_TRUE(DateTests().empty());
  EXPECT_EQ(reports.at(0).text, L"编辑成功!");
}

TEST_F(PlanSaverTest, APlanWithoutSlotsConflictsWithNobody) {
  SeedPlan("other", "2022-07-01", "2022-07-31", 2, {{12, "zhang"}}, {PlanSaver::ReadSpan("00:00", "23:59")});
  PlanForm form = ValidForm();
  form.people = {{12, "zhang"}};
  form.slots.clear();
  InspectPlanInfo plan;
  EXPECT_TRUE(Save(1, form, plan));
  EXPECT_TRUE(plan.strTime.empty());
  EXPECT_TRUE(plan.listTime.empty());
}

// --- What reaches the server and the cache ---------------------------------------------------

TEST_F(PlanSaverTest, AnAddSendsTheWireTextsAndCachesThePlan) {
  PlanForm form = ValidForm();
  InspectPlanInfo plan;
  ASSERT_TRUE(Save(1, form, plan));
  const Json::Value stored = world.plans.plans().request_of(plan.iID);
  EXPECT_EQ(stored["strName"].asString(), "north");
  EXPECT_EQ(stored["iRouteID"].asString(), "4");
  EXPECT_EQ(stored["AnnouncerIUserID"].asString(), "u1");
  EXPECT_EQ(stored["iEquipmentID"].asString(), "1");
  EXPECT_EQ(stored["iType"].asString(), "0");
  EXPECT_EQ(stored["strDate"].asString(), "2022-07-05&2022-07-31");
  EXPECT_EQ(stored["strTime"].asString(), "08:00-10:00&14:00-16:00");
  EXPECT_EQ(stored["Inspectpeople"].asString(), "12&15&3");
  EXPECT_EQ(stored["strWeek"].asString(), "1111100");
  EXPECT_EQ(stored["strRemark"].asString(), "note");
  EXPECT_EQ(stored["strReserve"].asString(), "");

  const InspectPlanInfo cached = Cached(plan.iID);
  EXPECT_EQ(cached.iPlanState, 2) << "starting today";
  EXPECT_EQ(cached.iEquipmentID, 1);
  EXPECT_EQ(cached.strEquipmentName, "1号巡更器");
  EXPECT_EQ(cached.strRouteName, "route4");
  EXPECT_EQ(cached.strAnnouncerName, "admin");
  EXPECT_EQ(cached.listPeople.size(), 3u);
  ASSERT_EQ(cached.listTime.size(), 2u);
  EXPECT_EQ(cached.listTime.back().iStartHour, 14);
  EXPECT_EQ(cached.listTime.back().iEndMinute, 0);
  EXPECT_EQ(reports.at(0).kind, 6);
}

TEST_F(PlanSaverTest, APlanStartingTomorrowHasNotStarted) {
  PlanForm form = ValidForm();
  form.startDate = "2022-07-06";
  InspectPlanInfo plan;
  ASSERT_TRUE(Save(1, form, plan));
  EXPECT_EQ(Cached(plan.iID).iPlanState, 1);
}

TEST_F(PlanSaverTest, AnUpdateOverwritesTheCacheEntry) {
  const int id = SeedPlan("north", "2022-07-01", "2022-07-31", 2, {}, {});
  InspectPlanInfo plan = Cached(id);
  PlanForm form = ValidForm();
  form.name = "renamed";
  form.startDate = "2022-07-01";
  ASSERT_TRUE(Save(2, form, plan));
  EXPECT_EQ(Cached(id).strName, "renamed");
  EXPECT_EQ(world.plans.plans().request_of(id)["strName"].asString(), "renamed");
  EXPECT_EQ(CacheSize(), 1u);
}

// An add answered 0 (or with no number) used to cache the plan under id 0 and say
// "添加成功!".
TEST_F(PlanSaverTest, AnAddAnsweredWithoutAnIdFailsAndLeavesTheCache) {
  for (const char* answer : {"-1", "0", "abc"}) {
    SCOPED_TRACE(answer);
    reports.clear();
    world.http().route("POST", "/api/InspectPlan/Add", test_support::HttpReply(200, answer));
    InspectPlanInfo plan;
    EXPECT_FALSE(Save(1, ValidForm(), plan));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].text, L"添加失败，请检查计划名称是否重复!");
    EXPECT_EQ(reports[0].kind, 7);
    EXPECT_EQ(CacheSize(), 0u);
    EXPECT_EQ(plan.iID, -1);
  }
}

TEST_F(PlanSaverTest, ARefusedUpdateLeavesTheCache) {
  const int id = SeedPlan("north", "2022-07-01", "2022-07-31", 2, {}, {});
  world.http().route("POST", "/api/InspectPlan/Update", test_support::HttpReply(200, "-1"));
  InspectPlanInfo plan = Cached(id);
  PlanForm form = ValidForm();
  form.name = "renamed";
  form.startDate = "2022-07-01";
  EXPECT_FALSE(Save(2, form, plan));
  EXPECT_EQ(reports.at(0).text, L"编辑失败，请检查计划名称是否重复!");
  EXPECT_EQ(reports.at(0).kind, 7);
  EXPECT_EQ(Cached(id).strName, "north");
}

}  // namespace
