#include "testing/services/FakeRoutesAndPlans.h"

#include <cstdlib>
#include <vector>

#include "testing/services/GbkWire.h"
#include "testing/services/QueryValues.h"
#include "testing/services/WireJson.h"

namespace test_support {

namespace {

using K = FieldKind;

const char kRefused[] = "-1";
constexpr int kVisitKind = 2;

PatrolField same(const char* key, FieldKind kind) { return PatrolField{key, kind, key}; }

std::vector<PatrolField> route_fields() {
  return {same("strName", K::Text), same("iType", K::Number), PatrolField{"AnnouncerIUserID", K::Text, "iAnnouncerID"},
          same("strReserve", K::Text)};
}

std::vector<PatrolField> link_fields() {
  return {same("iRouteId", K::Number), PatrolField{"iPositionDeviceID", K::Number, "iDeviceID"}};
}

std::vector<PatrolField> plan_fields() {
  return {PatrolField{"strName", K::Text, "Name"},
          same("iRouteID", K::DigitText),
          PatrolField{"AnnouncerIUserID", K::Text, "iAnnouncerID"},
          same("iEquipmentID", K::DigitText),
          same("iType", K::DigitText),
          same("strDate", K::Text),
          same("strTime", K::Text),
          same("Inspectpeople", K::Text),
          same("strWeek", K::Text),
          same("strRemark", K::Text),
          PatrolField{"strReserve", K::Text, ""}};
}

std::vector<PatrolField> visit_update_fields() {
  return {PatrolField{"Type", K::DigitText, "iType"},
          same("iPlanID", K::DigitText),
          same("iPositionID", K::DigitText),
          same("strInspectPeopleID", K::Text),
          same("strTime", K::Text),
          same("strDate", K::Text),
          same("iState", K::DigitText),
          same("iResult", K::DigitText),
          same("iAbnormal", K::DigitText),
          same("strPhoto", K::Text),
          same("strSound", K::Text),
          same("strReserve", K::Text)};
}

HttpReply json_reply(const Json::Value& value) {
  return HttpReply(200, write_wire_json(value), "application/json; charset=utf-8");
}

HttpReply text_reply(const std::string& text) { return HttpReply(200, text); }

HttpReply id_reply(int id) { return text_reply(id > 0 ? std::to_string(id) : kRefused); }

Json::Value body_object(const RecordedRequest& request) {
  Json::Value body;
  if (!read_wire_json(request.body, body) || !body.isObject()) return Json::Value();
  return body;
}

// The id under key in the form given, taken out of the body; 0 when missing or malformed.
int take_id(Json::Value& body, const char* key, FieldKind kind) {
  if (!body.isObject() || !body.isMember(key)) return 0;
  Json::Value converted;
  if (!PatrolTable::convert(body[key], kind, converted)) return 0;
  body.removeMember(key);
  return converted.asInt();
}

std::string query_text(const RecordedRequest& request, const char* key) {
  const auto values = query_values(request.target);
  const auto value = values.find(key);
  return value == values.end() ? std::string() : value->second;
}

int query_int(const RecordedRequest& request, const char* key) {
  return std::atoi(query_text(request, key).c_str());
}

// "YYYY-MM-DD&YYYY-MM-DD" of a plan; false when either half is no date.
bool plan_dates(const Json::Value& plan, CivilDate& first, CivilDate& last) {
  const std::string dates = plan["strDate"].asString();
  const auto at = dates.find('&');
  if (at == std::string::npos) return CivilDate::parse(dates, first) && CivilDate::parse(dates, last);
  return CivilDate::parse(dates.substr(0, at), first) && CivilDate::parse(dates.substr(at + 1), last);
}

int window_count(const Json::Value& plan) {
  const std::string windows = plan["strTime"].asString();
  if (windows.empty()) return 0;
  int count = 1;
  for (char c : windows) count += c == '&';
  return count;
}

// The first and last day of the period of `type` that holds the date.
void period_of(const CivilDate& date, int type, CivilDate& first, CivilDate& last) {
  first = last = date;
  if (type == 2) {
    first = date.plus(1 - date.weekday());
    last = first.plus(6);
  } else if (type == 3) {
    first.day = 1;
    last = CivilDate{date.month == 12 ? date.year + 1 : date.year, date.month == 12 ? 1 : date.month + 1, 1}.plus(-1);
  } else if (type == 4) {
    first = CivilDate{date.year, 1, 1};
    last = CivilDate{date.year, 12, 31};
  }
}

// A day of the period `back` periods before the date's own (1 days, 2 weeks, 3 months,
// 4 years).
CivilDate periods_before(const CivilDate& date, int type, int back) {
  if (type == 2) return date.plus(-7L * back);
  if (type == 3) {
    const int months = date.year * 12 + (date.month - 1) - back;
    return CivilDate{months / 12, months % 12 + 1, 1};
  }
  if (type == 4) return CivilDate{date.year - back, 1, 1};
  return date.plus(-back);
}

}  // namespace

FakeRoutesAndPlans::FakeRoutesAndPlans(FakePatrolServer& server, const FakeCampusService* campus)
    : server_(server),
      campus_(campus),
      routes_("iID", route_fields()),
      links_("iID", link_fields()),
      plans_("ID", plan_fields()),
      visits_("iID", visit_update_fields()) {
  // The per-plan and per-route queries of a big school would scan every link and visit.
  links_.index_on("iRouteId");
  visits_.index_on("iPlanID");
  visits_.index_on_text("strDate");
  serve_routes();
  serve_plans();
  serve_visits();
}

Json::Value FakeRoutesAndPlans::links_of_route(int route) const {
  Json::Value out(Json::arrayValue);
  const Json::Value links = links_.select_where("iRouteId", route);
  for (const auto& link : links) {
    const Json::Value checkpoint = server_.checkpoints().find(link["iDeviceID"].asInt());
    Json::Value item;
    item["iID"] = link["iID"];
    item["iDeviceID"] = link["iDeviceID"];
    item["strDeviceName"] = checkpoint["strName"].asString();
    item["strCode"] = checkpoint["strCode"].asString();
    item["CamID"] = checkpoint["strCameraID"].asString();
    item["CamName"] = checkpoint["strCamName"].asString();
    item["CamIp"] = checkpoint["strCamIp"].asString();
    item["CamAccount"] = checkpoint["strCamAccount"].asString();
    item["CamPassword"] = checkpoint["strCamPassword"].asString();
    item["CamPort"] = checkpoint["CamPort"].asInt();
    item["CamBrand"] = checkpoint["CamBrand"].asInt();
    out.append(item);
  }
  return out;
}

void FakeRoutesAndPlans::serve_routes() {
  FakeHttpServer& http = server_.http();
  http.route("GET", "/api/InspectRoute/Get", [this](const RecordedRequest&) { return json_reply(routes_.all()); });
  http.route("POST", "/api/InspectRoute/Add",
             [this](const RecordedRequest& request) { return id_reply(routes_.add(body_object(request))); });
  http.route("POST", "/api/InspectRoute/Update", [this](const RecordedRequest& request) {
    Json::Value body = body_object(request);
    const int id = take_id(body, "iID", K::DigitText);
    return id_reply(id > 0 && routes_.update(id, body) ? id : -1);
  });
  http.route("POST", "/api/InspectRoute/Delete", [this](const RecordedRequest& request) {
    Json::Value body = body_object(request);
    const int id = take_id(body, "iID", K::Number);
    return text_reply(body.size() == 0 && routes_.remove(id) ? "1" : kRefused);
  });
  http.route("GET", "/api/InspectRouteDevice/GetByID",
             [this](const RecordedRequest& request) { return json_reply(links_of_route(query_int(request, "ID"))); });
  http.route("POST", "/api/InspectRouteDevice/Add",
             [this](const RecordedRequest& request) { return id_reply(links_.add(body_object(request))); });
  // Takes every link of the route away; a route without links is no error.
  http.route("POST", "/api/InspectRouteDevice/Delete", [this](const RecordedRequest& request) {
    Json::Value body = body_object(request);
    const int route = take_id(body, "iRouteId", K::Number);
    if (route <= 0 || body.size() != 0) return text_reply(kRefused);
    for (const auto& link : links_.select_where("iRouteId", route)) links_.remove(link["iID"].asInt());
    return text_reply("1");
  });
}

void FakeRoutesAndPlans::serve_plans() {
  FakeHttpServer& http = server_.http();
  http.route("GET", "/api/InspectPlan/Get", [this](const RecordedRequest&) { return json_reply(plans_.all()); });
  http.route("POST", "/api/InspectPlan/Add",
             [this](const RecordedRequest& request) { return id_reply(plans_.add(body_object(request))); });
  http.route("POST", "/api/InspectPlan/Update", [this](const RecordedRequest& request) {
    Json::Value body = body_object(request);
    const int id = take_id(body, "iID", K::DigitText);
    return id_reply(id > 0 && plans_.update(id, body) ? id : -1);
  });
  http.route("POST", "/api/InspectPlan/Delete", [this](const RecordedRequest& request) {
    Json::Value body = body_object(request);
    const int id = take_id(body, "iID", K::Number);
    return text_reply(body.size() == 0 && plans_.remove(id) ? "1" : kRefused);
  });
  // Two masks clash when they share a weekday.
  http.route("GET", "/api/InspectPlan/DateTest", [](const RecordedRequest& request) {
    const std::string first = query_text(request, "strWeek1");
    const std::string second = query_text(request, "strWeek2");
    for (std::size_t i = 0; i < first.size() && i < second.size(); ++i) {
      if (first[i] == '1' && second[i] == '1') return text_reply("1");
    }
    return text_reply("0");
  });
}

Json::Value FakeRoutesAndPlans::visits_between(int plan, const CivilDate& first, const CivilDate& last) const {
  const std::string from = first.text();
  const std::string to = last.text();
  return visits_.select_where("iPlanID", plan, [from, to](const Json::Value& visit) {
    const std::string date = visit["strDate"].asString();
    return visit["iType"].asInt() == kVisitKind && from <= date && date <= to;
  });
}

int FakeRoutesAndPlans::due_visits(const Json::Value& plan, const CivilDate& day) const {
  CivilDate first;
  CivilDate last;
  if (!plan_dates(plan, first, last) || day.to_days() < first.to_days() || day.to_days() > last.to_days()) return 0;
  const std::string week = plan["strWeek"].asString();
  const std::size_t weekday = static_cast<std::size_t>(day.weekday());
  if (week.size() < weekday || week[weekday - 1] != '1') return 0;
  const int checkpoints = static_cast<int>(links_.select_where("iRouteId", plan["iRouteID"].asInt()).size());
  return window_count(plan) * checkpoints;
}

// Seven buckets, one per period up to the date's own: "dateflag" 7 is the period holding
// the date, 6 the one before, and so on. Visits are due up to the date, not after it.
Json::Value FakeRoutesAndPlans::pass_rate(int planId, const CivilDate& date, int period) const {
  const Json::Value plan = plans_.find(planId);
  Json::Value buckets(Json::arrayValue);
  for (int back = 6; back >= 0; --back) {
    CivilDate first;
    CivilDate last;
    period_of(periods_before(date, period, back), period, first, last);
    if (last.to_days() > date.to_days()) last = date;
    Json::Value bucket;
    bucket["dateflag"] = 7 - back;
    bucket["iTodalNum"] = 0;
    bucket["InspectRecordPassRateList"] = Json::Value(Json::arrayValue);
    for (long day = first.to_days(); day <= last.to_days(); ++day) {
      const CivilDate current = CivilDate::from_days(day);
      if (!plan.isNull()) bucket["iTodalNum"] = bucket["iTodalNum"].asInt() + due_visits(plan, current);
    }
    for (const auto& visit : visits_between(planId, first, last)) {
      if (visit["iResult"].asInt() != 0) bucket["InspectRecordPassRateList"].append(visit);
    }
    buckets.append(bucket);
  }
  return buckets;
}

// "YYYY-MM-DD/HH:MM-HH:MM": the areas of the plan's route, each with its checkpoints and
// the visit made to each within the window.
Json::Value FakeRoutesAndPlans::run_areas(int planId, const std::string& run) const {
  Json::Value areas(Json::arrayValue);
  const Json::Value plan = plans_.find(planId);
  const auto slash = run.find('/');
  if (plan.isNull() || slash == std::string::npos) return areas;
  const std::string date = run.substr(0, slash);
  const std::string window = run.substr(slash + 1);
  const std::string start = window.substr(0, window.find('-'));
  const std::string end = window.find('-') == std::string::npos ? start : window.substr(window.find('-') + 1);
  std::vector<DigiAreaInfo> buildings;
  if (campus_) buildings = campus_->buildings();
  const Json::Value visitsOfDay = visits_.select_where("iPlanID", planId, [&date](const Json::Value& visit) {
    return visit["strDate"].asString() == date;
  });
  for (const auto& link : links_of_route(plan["iRouteID"].asInt())) {
    const Json::Value checkpoint = server_.checkpoints().find(link["iDeviceID"].asInt());
    const int areaId = checkpoint["iAreaID"].asInt();
    Json::ArrayIndex index = 0;
    while (index < areas.size() && areas[index]["AreaID"].asInt() != areaId) ++index;
    if (index == areas.size()) {
      Json::Value area;
      area["AreaID"] = areaId;
      area["planID"] = planId;
      area["AreaName"] = "";
      area["strBuildingType"] = "";
      for (const auto& building : buildings) {
        if (building.buildingId != areaId) continue;
        area["AreaName"] = wire_text(building.buildingName);
        area["strBuildingType"] = wire_text(building.buildingType);
      }
      area["iAreaType"] = 1;
      area["iCoordinate_x"] = 40 + 60 * static_cast<int>(index);
      area["iCoordinate_y"] = 50;
      area["leftFocus"] = 0;
      area["topFocus"] = 0;
      area["iTrajectoryNum"] = static_cast<int>(index) + 1;
      area["PositionDevicelist"] = Json::Value(Json::arrayValue);
      areas.append(area);
    }
    Json::Value position;
    position["ID"] = 0;
    position["PositionDeviceID"] = link["iDeviceID"];
    position["Name"] = link["strDeviceName"];
    position["strCode"] = link["strCode"];
    for (const char* key : {"iAbnormal", "iState", "iType", "iResult"}) position[key] = 0;
    for (const char* key : {"strTime", "strReserve", "strInspectPeopleID", "strPhoto", "strSound"}) position[key] = "";
    position["iPlanID"] = planId;
    position["strDate"] = date;
    // Ascending id: the last visit of the window is the one shown.
    for (const auto& visit : visitsOfDay) {
      const std::string time = visit["strTime"].asString().substr(0, 5);
      const bool here = visit["iPositionID"].isInt() && visit["iPositionID"].asInt() == link["iDeviceID"].asInt();
      if (!here || time < start || time > end) continue;
      position["ID"] = visit["iID"];
      for (const char* key : {"iAbnormal", "iState", "iType", "iResult", "strTime", "strReserve", "strInspectPeopleID",
                              "strPhoto", "strSound"}) {
        position[key] = visit[key];
      }
    }
    areas[index]["PositionDevicelist"].append(position);
  }
  return areas;
}

void FakeRoutesAndPlans::serve_visits() {
  FakeHttpServer& http = server_.http();
  const std::string base = "/api/InspectRecord/";
  http.route("GET", base + "GetByID", [this](const RecordedRequest& request) {
    return json_reply(visits_.find(query_int(request, "ID")));
  });
  http.route("GET", base + "GetByDate", [this](const RecordedRequest& request) {
    const std::string from = query_text(request, "strStartDate");
    const std::string to = query_text(request, "strEndDate");
    return HttpReply(200, visits_.wire_text_between("strDate", from, to), "application/json; charset=utf-8");
  });
  http.route("GET", base + "GetrecordRorDownLoad", [this](const RecordedRequest& request) {
    CivilDate date;
    if (!CivilDate::parse(query_text(request, "strDate"), date)) return json_reply(Json::Value(Json::arrayValue));
    CivilDate first;
    CivilDate last;
    period_of(date, query_int(request, "iType"), first, last);
    return json_reply(visits_between(query_int(request, "iPlanID"), first, last));
  });
  http.route("GET", base + "GetPassRate", [this](const RecordedRequest& request) {
    CivilDate date;
    if (!CivilDate::parse(query_text(request, "strDate"), date)) return json_reply(Json::Value(Json::arrayValue));
    return json_reply(pass_rate(query_int(request, "iPlanID"), date, query_int(request, "iType")));
  });
  http.route("GET", base + "GetByIDAndTime", [this](const RecordedRequest& request) {
    return json_reply(run_areas(query_int(request, "ID"), query_text(request, "strTime")));
  });
  http.route("POST", base + "Update", [this](const RecordedRequest& request) {
    Json::Value body = body_object(request);
    const int id = take_id(body, "iID", K::DigitText);
    return id_reply(id > 0 && visits_.update(id, body) ? id : -1);
  });
}

}  // namespace test_support
