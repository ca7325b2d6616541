#include "app/management/PlanSaver.h"

#include <cstdlib>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

#include "CommonTools/Conversions.h"
#include "CommonTools/global_singleton.h"
#include "data/DAL_PatrolServer.h"
#include "data/StartupCaches.h"
#include "platform/win32.h"

namespace {

const size_t kMaxPeople = 6;
const long kConflictDays = 7;

int Digit(const std::string& text, size_t at) {
  if (at >= text.size() || text[at] < '0' || text[at] > '9') return 0;
  return text[at] - '0';
}

int Minutes(int hour, int minute) { return hour * 60 + minute; }
int StartMinutes(const PlanTimeSpan& span) { return Minutes(span.iStartHour, span.iStartMinute); }
int EndMinutes(const PlanTimeSpan& span) { return Minutes(span.iEndHour, span.iEndMinute); }

bool Within(int value, int first, int last) { return first <= value && value <= last; }

// Days since 1970-01-01 of a proleptic Gregorian date; months and days outside their
// range roll over as arithmetic gives them.
long DaysFromCivil(long y, long m, long d) {
  y -= m <= 2 ? 1 : 0;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yoe = y - era * 400;
  const long mp = (m + 9) % 12;
  const long doy = (153 * mp + 2) / 5 + d - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

long Today() {
  SYSTEMTIME now = {};
  ::GetLocalTime(&now);
  return DaysFromCivil(now.wYear, now.wMonth, now.wDay);
}

std::wstring Wide(const std::string& gbk) { return CommonTools::string_to_cstring(gbk).GetString(); }

bool SpansOverlap(const std::list<PlanTimeSpan>& ours, const std::list<PlanTimeSpan>& theirs) {
  for (const PlanTimeSpan& a : ours) {
    for (const PlanTimeSpan& b : theirs) {
      const int as = StartMinutes(a), ae = EndMinutes(a), bs = StartMinutes(b), be = EndMinutes(b);
      if (Within(as, bs, be) || Within(ae, bs, be) || Within(bs, as, ae) || Within(be, as, ae)) return true;
    }
  }
  return false;
}

std::vector<InspectPlanInfo> CachedPlans() {
  std::vector<InspectPlanInfo> plans;
  std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
  for (const auto& entry : g_mapInspectPlan) plans.push_back(entry.second);
  return plans;
}

// The id of the first cached route of that name, or 0 when none has it.
int RouteIdByName(const std::string& name) {
  for (const auto& entry : g_mapInspectRoute) {
    if (entry.second.strName == name) return entry.first;
  }
  return 0;
}

}  // namespace

PlanSaver::PlanSaver(int mode, Reporter report) : m_mode(mode), m_report(std::move(report)) {}

PlanTimeSpan PlanSaver::ReadSpan(const std::string& start, const std::string& end) {
  PlanTimeSpan span;
  span.iStartHour = Digit(start, 0) * 10 + Digit(start, 1);
  span.iStartMinute = Digit(start, 3) * 10 + Digit(start, 4);
  span.iEndHour = Digit(end, 0) * 10 + Digit(end, 1);
  span.iEndMinute = Digit(end, 3) * 10 + Digit(end, 4);
  span.strStart = start;
  span.strEnd = end;
  return span;
}

long PlanSaver::DayNumber(const std::string& date) {
  const size_t first = date.find('-');
  const size_t last = date.rfind('-');
  const long year = std::atol(date.substr(0, first).c_str());
  const long month = first == std::string::npos ? 0 : std::atol(date.substr(first + 1, 2).c_str());
  const long day = last == std::string::npos ? 0 : std::atol(date.substr(last + 1, 2).c_str());
  return DaysFromCivil(year, month, day);
}

bool PlanSaver::Save(const PlanForm& form, InspectPlanInfo& plan) {
  plan.listTime.clear();
  if (form.name.empty()) {
    Refuse(L"计划名称不能为空!");
    return false;
  }
  // A route text no cached route carries (renamed in the route dialog meanwhile) is
  // refused like an empty one: the plan must not point at a route nobody chose.
  const int routeId = form.routeText.empty() ? 0 : RouteIdByName(form.routeText);
  if (routeId == 0) {
    Refuse(L"线路不能为空!");
    return false;
  }
  plan.listPeople = form.people;
  if (form.people.empty()) {
    Refuse(L"请选择巡更人员!");
    return false;
  }
  if (form.people.size() > kMaxPeople) {
    Refuse(L"最多支持选择6名巡更人员!");
    return false;
  }
  if (!ReadDates(form, plan)) return false;
  if (form.week == "0000000") {
    Refuse(L"请选择巡更频次!");
    return false;
  }
  std::string time;
  for (const auto& slot : form.slots) {
    if (!time.empty()) time += "&";
    time += slot.first + "-" + slot.second;
    plan.listTime.push_back(ReadSpan(slot.first, slot.second));
  }
  if (!CheckTimeSlots(plan)) return false;
  if (!HasTypeRight(form.type)) {
    Refuse(L"您不具有该计划类型权限,\r\n请联系超级管理员分配该计划类型权限!");
    return false;
  }

  const global_singleton& session = global_singleton::get_const_instance();
  std::string people;
  std::string peopleIds;
  for (const PlanPeopleInfo& person : form.people) {
    if (!people.empty()) {
      people += "&";
      peopleIds += ",";
    }
    people += std::to_string(person.iID);
    peopleIds += std::to_string(person.iID);
  }
  plan.strName = form.name;
  plan.iRouteID = routeId;
  plan.strRouteName = form.routeText;
  plan.strAnnouncerID = session.m_userInfo.strUserID;
  plan.strAnnouncerName = session.m_userInfo.strUserName;
  plan.iEquipmentID = 1;
  plan.strEquipmentName = "1号巡更器";
  plan.iType = form.type;
  plan.strPeopleIDs = peopleIds;
  plan.strWeek = form.week;
  plan.strTime = time;
  plan.strRemark = form.remark;
  plan.strReserve = "";
  if (CheckPeopleConflicts(plan)) return false;
  return Write(plan, people);
}

bool PlanSaver::ReadDates(const PlanForm& form, InspectPlanInfo& plan) {
  const long start = DayNumber(form.startDate);
  const long end = DayNumber(form.endDate);
  const long today = Today();
  if (end < start) {
    Refuse(L"结束日期不能小于开始日期！");
    return false;
  }
  if (m_mode == 1 || plan.iPlanState == 3) {
    if (start < today) {
      Refuse(L"开始日期不得小于当前日期！");
      return false;
    }
  } else if (end < today) {
    Refuse(L"结束日期不得小于当前日期！");
    return false;
  }
  plan.iPlanState = start <= today ? 2 : 1;
  plan.strStartDate = form.startDate;
  plan.strEndDate = form.endDate;
  return true;
}

bool PlanSaver::HasTypeRight(int type) const {
  const global_singleton& session = global_singleton::get_const_instance();
  if (session.m_nAllTypes == 1 || session.m_nAllRights == 1) return true;
  return session.m_mapTypes.count(type) != 0;
}

bool PlanSaver::CheckTimeSlots(const InspectPlanInfo& plan) {
  std::vector<std::pair<int, int>> slots;
  for (const PlanTimeSpan& span : plan.listTime) {
    if (StartMinutes(span) > EndMinutes(span)) {
      Refuse(L"时间段" + std::to_wstring(slots.size() + 1) + L":开始时间段不能大于结束时间段！");
      return false;
    }
    slots.emplace_back(StartMinutes(span), EndMinutes(span));
  }
  for (size_t i = 0; i < slots.size(); ++i) {
    for (size_t j = 0; j < slots.size(); ++j) {
      if (i == j) continue;
      if (Within(slots[i].first, slots[j].first, slots[j].second) ||
          Within(slots[i].second, slots[j].first, slots[j].second)) {
        Refuse(L"时间段" + std::to_wstring(i + 1) + L"和时间段" + std::to_wstring(j + 1) + L"重复");
        return false;
      }
    }
  }
  return true;
}

bool PlanSaver::CheckPeopleConflicts(const InspectPlanInfo& plan) {
  // A copy: the date test below asks the server, and no lock is held across a request.
  for (const InspectPlanInfo& other : CachedPlans()) {
    if (other.iID == plan.iID) continue;
    for (const PlanPeopleInfo& person : plan.listPeople) {
      if (!Conflicts(plan, other, person)) continue;
      Refuse(L"巡更人员：" + Wide(person.strName) + L"巡查时间\r\n与计划：" + Wide(other.strName) +
             L"\r\n巡查时间重叠，请调整时间或人员");
      return true;
    }
  }
  return false;
}

bool PlanSaver::Conflicts(const InspectPlanInfo& plan, const InspectPlanInfo& other, const PlanPeopleInfo& person) {
  bool shared = false;
  for (const PlanPeopleInfo& theirs : other.listPeople) shared = shared || theirs.iID == person.iID;
  if (!shared || !SpansOverlap(plan.listTime, other.listTime)) return false;
  const long s1 = DayNumber(plan.strStartDate), e1 = DayNumber(plan.strEndDate);
  const long s2 = DayNumber(other.strStartDate), e2 = DayNumber(other.strEndDate);
  if (e2 < s1 || s2 > e1) return false;
  std::string from = plan.strStartDate, to = plan.strEndDate;
  long first = s1, last = e1;
  if (s2 <= s1) {
    to = other.strEndDate;
    last = e2;
  } else if (e2 >= e1) {
    from = other.strStartDate;
    first = s2;
  }
  if (last - first >= kConflictDays) return true;
  return DAL_PatrolServer().DAL_InspectPlan_DateTest(from, to, plan.strWeek, other.strWeek) != 0;
}

bool PlanSaver::Write(InspectPlanInfo& plan, const std::string& people) {
  const std::string date = plan.strStartDate + "&" + plan.strEndDate;
  DAL_PatrolServer server;
  int result = 0;
  if (m_mode == 1) {
    result = server.DAL_InspectPlan_Add(plan.strName, plan.iRouteID, plan.strAnnouncerID, plan.iEquipmentID,
                                        plan.iType, date, plan.strTime, people, plan.strWeek, plan.strRemark,
                                        plan.strReserve);
  } else {
    result = server.DAL_InspectPlan_Update(plan.iID, plan.strName, plan.iRouteID, plan.strAnnouncerID,
                                           plan.iEquipmentID, plan.iType, date, plan.strTime, people,
                                           plan.strWeek, plan.strRemark, plan.strReserve);
  }
  // An add answered 0 or with no number stored nothing the cache could name; an update
  // fails only with the transport's -1.
  const bool failed = m_mode == 1 ? result <= 0 : result == -1;
  if (failed) {
    m_report(m_mode == 1 ? L"添加失败，请检查计划名称是否重复!" : L"编辑失败，请检查计划名称是否重复!", 7);
    return false;
  }
  if (m_mode == 1) plan.iID = result;
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    if (m_mode == 1) {
      g_mapInspectPlan.emplace(plan.iID, plan);
    } else {
      g_mapInspectPlan[plan.iID] = plan;
    }
  }
  m_report(m_mode == 1 ? L"添加成功!" : L"编辑成功!", 6);
  return true;
}
