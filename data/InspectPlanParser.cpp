#include "data/InspectPlanParser.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "CommonTools/TextTime.h"
#include "data/ConcurrentCalls.h"
#include "data/DAL_PatrolServer.h"
#include "data/DalExchange.h"
#include "data/FixedDigits.h"
#include "data/ParserRun.h"
#include "data/PlatformUsers.h"
#include "data/StartupCaches.h"
#include "data/TypeFilter.h"

namespace {

const char kNone[] = "--";

// "a&b" -> a and b; without "&" both take the whole text.
void SplitPair(const std::string& text, char separator, std::string& first, std::string& second) {
  const auto at = text.find(separator);
  if (at == std::string::npos) {
    first = second = text;
    return;
  }
  first = text.substr(0, at);
  second = text.substr(at + 1);
}

PlanTimeSpan ReadWindow(const std::string& item) {
  PlanTimeSpan window;
  SplitPair(item, '-', window.strStart, window.strEnd);
  window.iStartHour = dal::DigitsAt(window.strStart, 0, 2);
  window.iStartMinute = dal::DigitsAt(window.strStart, 3, 2);
  window.iEndHour = dal::DigitsAt(window.strEnd, 0, 2);
  window.iEndMinute = dal::DigitsAt(window.strEnd, 3, 2);
  return window;
}

// A plan as read from its element, with the ids whose names it still needs.
struct PendingPlan {
  InspectPlanInfo plan;
  std::vector<int> people;  // in text order; an empty text gives one id 0
};

std::vector<int> PeopleIds(const std::string& people) {
  std::vector<int> ids;
  for (const auto& piece : CommonTools::split(people, "&")) ids.push_back(dal::ReplyToInt(piece));
  return ids;
}

// Every distinct person and creator of one reply is asked for once, over several
// connections at once; the answers serve every plan that names them and go with the reply.
void CompletePlans(std::vector<PendingPlan>& pending, std::list<InspectPlanInfo>& listPlan) {
  std::map<int, PlanPeopleInfo> people;
  std::map<std::string, std::string> creators;
  for (const PendingPlan& each : pending) {
    for (int id : each.people) people.emplace(id, PlanPeopleInfo{});
    creators.emplace(each.plan.strAnnouncerID, std::string());
  }
  std::vector<std::pair<const int, PlanPeopleInfo>*> personSlots;
  for (auto& entry : people) personSlots.push_back(&entry);
  std::vector<std::pair<const std::string, std::string>*> creatorSlots;
  for (auto& entry : creators) creatorSlots.push_back(&entry);
  dal::RunConcurrently(personSlots.size() + creatorSlots.size(), [&](std::size_t i) {
    if (i < personSlots.size()) {
      const PeopleInfo person = DAL_PatrolServer().DAL_People_GetByID(personSlots[i]->first);
      personSlots[i]->second = PlanPeopleInfo{person.iID, person.strName};
      return;
    }
    auto& creator = *creatorSlots[i - personSlots.size()];
    creator.second = GetUserNameByUserID(creator.first);
  });
  for (PendingPlan& each : pending) {
    for (int id : each.people) each.plan.listPeople.push_back(people[id]);
    each.plan.strAnnouncerName = creators[each.plan.strAnnouncerID];
    listPlan.push_back(std::move(each.plan));
  }
}

std::string RouteName(int iRouteID) {
  const auto route = g_mapInspectRoute.find(iRouteID);
  return route == g_mapInspectRoute.end() ? kNone : route->second.strName;
}

// The plans of the reply the user may see, in reply order, without the names they need.
void ReadPlans(const Json::Value& root, std::vector<PendingPlan>& pending) {
  const Json::ArrayIndex count = root.size();
  for (Json::ArrayIndex i = 0; i < count; ++i) {
    const Json::Value& element = root[i];
    InspectPlanInfo plan;
    plan.iID = dal::ReadInt(element, "ID");
    plan.strName = dal::ReadText(element, "Name");
    plan.iRouteID = dal::ReadInt(element, "iRouteID");
    plan.strRouteName = kNone;
    plan.strAnnouncerID = dal::ReadText(element, "iAnnouncerID");
    plan.strAnnouncerName = kNone;
    plan.iEquipmentID = dal::ReadInt(element, "iEquipmentID");
    plan.strEquipmentName = kNone;
    plan.iType = dal::ReadInt(element, "iType");
    if (!dal::TypeVisible(plan.iType)) continue;

    const std::string date = dal::ReadText(element, "strDate");
    plan.strTime = dal::ReadText(element, "strTime");
    const std::string people = dal::ReadText(element, "Inspectpeople");
    plan.strWeek = dal::ReadText(element, "strWeek");
    plan.strRemark = dal::ReadText(element, "strRemark");

    SplitPair(date, '&', plan.strStartDate, plan.strEndDate);
    plan.strPeopleIDs = people;
    for (char& c : plan.strPeopleIDs) {
      if (c == '&') c = ',';
    }
    for (const auto& item : CommonTools::split(plan.strTime, "&")) plan.listTime.push_back(ReadWindow(item));
    plan.strRouteName = RouteName(plan.iRouteID);
    pending.push_back(PendingPlan{std::move(plan), PeopleIds(people)});
  }
}

}  // namespace

void ParseInspectPlanJsonData(const char* pData, std::list<InspectPlanInfo>& listPlan) {
  dal::RunParser(DalLogStyle::Text, DalLogStyle::AsyncRead, "ParseInspectPlanJsonData", pData,
                 [&](const Json::Value& root) {
    std::vector<PendingPlan> pending;
    // An element the library cannot read ends the reply; the plans before it still count.
    try {
      ReadPlans(root, pending);
    } catch (...) {
      CompletePlans(pending, listPlan);
      throw;
    }
    CompletePlans(pending, listPlan);
  });
}
