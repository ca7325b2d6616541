#include "data/InspectPlanParser.h"

#include "CommonTools/TextTime.h"
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

// An empty people text still asks once, for id 0.
void ReadPeople(const std::string& people, InspectPlanInfo& plan) {
  for (const auto& piece : CommonTools::split(people, "&")) {
    const PeopleInfo person = DAL_PatrolServer().DAL_People_GetByID(dal::ReplyToInt(piece));
    plan.listPeople.push_back(PlanPeopleInfo{person.iID, person.strName});
  }
  plan.strPeopleIDs = people;
  for (char& c : plan.strPeopleIDs) {
    if (c == '&') c = ',';
  }
}

std::string RouteName(int iRouteID) {
  const auto route = g_mapInspectRoute.find(iRouteID);
  return route == g_mapInspectRoute.end() ? kNone : route->second.strName;
}

}  // namespace

void ParseInspectPlanJsonData(const char* pData, std::list<InspectPlanInfo>& listPlan) {
  dal::RunParser(DalLogStyle::Text, DalLogStyle::AsyncRead, "ParseInspectPlanJsonData", pData,
                 [&](const Json::Value& root) {
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
      ReadPeople(people, plan);
      plan.strAnnouncerName = GetUserNameByUserID(plan.strAnnouncerID);
      for (const auto& item : CommonTools::split(plan.strTime, "&")) plan.listTime.push_back(ReadWindow(item));
      plan.strRouteName = RouteName(plan.iRouteID);
      listPlan.push_back(std::move(plan));
    }
  });
}
