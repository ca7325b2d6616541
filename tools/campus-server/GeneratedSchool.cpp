#include "tools/campus-server/GeneratedSchool.h"

#include <cstdio>
#include <stdexcept>
#include <utility>

#include "testing/services/CivilDate.h"

namespace campus_server {

namespace {

using test_support::CivilDate;

const int kRouteLength = 8;
const int kPlanTypes = 7;
const int kDaysBack = 10;
// Three slots over the whole day: one is under way at any minute but the last.
const char kSlots[] = "00:00-08:00&08:00-16:00&16:00-23:59";
const int kSlotStartHours[] = {0, 8, 16};

template <class... Values>
std::string Printed(const char* format, Values... values) {
  char text[128];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

std::string DayText(int offset) { return CivilDate::today().plus(offset).text(); }

// The reader's clock form of a moment: YYMMDDhhmmss.
std::string ReaderTime(const CivilDate& day, int minuteOfDay) {
  return Printed("%02d%02d%02d%02d%02d00", day.year % 100, day.month, day.day, minuteOfDay / 60, minuteOfDay % 60);
}

std::string PersonCode(int person) { return Printed("%010d", person); }
std::string ReaderCode(int reader) { return Printed("GR-%05d", reader); }
std::string CheckpointCode(int checkpoint) { return Printed("G%07d", checkpoint); }

}  // namespace

GeneratedSchool::GeneratedSchool(SchoolSize size, std::vector<std::string> creators, std::vector<int> buildings)
    : m_size(size), m_creators(std::move(creators)), m_buildings(std::move(buildings)) {
  if (m_creators.empty() || m_buildings.empty()) throw std::invalid_argument("a generated school needs users and buildings");
}

void GeneratedSchool::Seed(SchoolServices services) const {
  SeedPeople(services);
  SeedCheckpoints(services);
  SeedReaders(services);
  SeedRoutes(services);
  SeedPlans(services);
  SeedVisits(services);
  SeedDeviceRecords(services);
  SeedLog(services);
}

std::vector<int> GeneratedSchool::RouteCheckpoints(int route) const {
  std::vector<int> checkpoints;
  for (int k = 0; k < kRouteLength; ++k) {
    checkpoints.push_back(((route - 1) * kRouteLength + k) % m_size.checkpoints + 1);
  }
  return checkpoints;
}

void GeneratedSchool::SeedPeople(SchoolServices services) const {
  for (int id = 1; id <= m_size.people; ++id) {
    Json::Value person;
    person["iID"] = id;
    person["iGroup"] = 1100000 + id % 10;
    person["strName"] = Printed(u8"巡更员%d", id);
    person["UserID"] = Printed("gp%06d", id);
    person["iIdentity"] = 2;
    person["strTelephone"] = Printed("139%08d", id);
    person["strReserve"] = "";
    services.patrol.people().seed(person);
  }
}

void GeneratedSchool::SeedCheckpoints(SchoolServices services) const {
  for (int id = 1; id <= m_size.checkpoints; ++id) {
    Json::Value checkpoint;
    checkpoint["iID"] = id;
    checkpoint["strName"] = Printed(u8"巡更点%d", id);
    checkpoint["iAreaID"] = m_buildings[static_cast<std::size_t>(id) % m_buildings.size()];
    checkpoint["ifloor"] = 1 + id % 5;
    checkpoint["strCode"] = CheckpointCode(id);
    for (const char* key : {"strCameraID", "strCamName", "strCamIp", "strCamAccount", "strCamPassword", "strReserve"}) {
      checkpoint[key] = "";
    }
    checkpoint["CamPort"] = 0;
    checkpoint["CamBrand"] = 0;
    services.patrol.checkpoints().seed(checkpoint);
  }
}

void GeneratedSchool::SeedReaders(SchoolServices services) const {
  const std::string now = DayText(0) + " 08:00:00";
  for (int id = 1; id <= m_size.readers; ++id) {
    Json::Value reader;
    reader["iID"] = id;
    reader["strName"] = Printed(u8"巡更棒%d", id);
    reader["strCode"] = ReaderCode(id);
    reader["iPeopleID"] = (id - 1) % m_size.people + 1;
    reader["strTelephone"] = Printed("138%08d", id);
    reader["iVoiceStatus"] = 1;
    reader["iVoice"] = 5;
    reader["iNotifyWay"] = 1;
    reader["iFingerprintStatus"] = 0;
    reader["ServerType"] = 1;
    reader["Serveraddr"] = "127.0.0.1:9468";
    reader["strReserve"] = now;
    services.patrol.readers().seed(reader);
  }
}

void GeneratedSchool::SeedRoutes(SchoolServices services) const {
  const std::string created = DayText(-30) + " 09:00:00";
  int link = 0;
  for (int id = 1; id <= m_size.routes; ++id) {
    Json::Value route;
    route["iID"] = id;
    route["strName"] = Printed(u8"线路%d", id);
    route["iType"] = id % kPlanTypes;
    route["iAnnouncerID"] = m_creators[static_cast<std::size_t>(id) % m_creators.size()];
    route["strReserve"] = created;
    services.plans.routes().seed(route);
    for (int checkpoint : RouteCheckpoints(id)) {
      Json::Value entry;
      entry["iID"] = ++link;
      entry["iRouteId"] = id;
      entry["iDeviceID"] = checkpoint;
      services.plans.links().seed(entry);
    }
  }
}

// One plan in ten has ended; the rest run from a month ago to a month ahead, every day.
void GeneratedSchool::SeedPlans(SchoolServices services) const {
  for (int id = 1; id <= m_size.plans; ++id) {
    const bool ended = id % 10 == 0;
    Json::Value plan;
    plan["ID"] = id;
    plan["Name"] = Printed(u8"巡更计划%d", id);
    plan["iRouteID"] = (id - 1) % m_size.routes + 1;
    plan["iAnnouncerID"] = m_creators[static_cast<std::size_t>(id) % m_creators.size()];
    plan["iEquipmentID"] = (id - 1) % m_size.readers + 1;
    plan["iType"] = id % kPlanTypes;
    plan["strDate"] = DayText(-30) + "&" + DayText(ended ? -1 : 30);
    plan["strTime"] = kSlots;
    plan["Inspectpeople"] = std::to_string((2 * id - 2) % m_size.people + 1) + "&" +
                            std::to_string((2 * id - 1) % m_size.people + 1);
    plan["strWeek"] = "1111111";
    plan["strRemark"] = "";
    services.plans.plans().seed(plan);
  }
}

// Visit n goes to plan n mod plans, on one of the last ten days, in one of its slots, at
// the checkpoints of its route in turn; one in eight finds something abnormal, one in
// five fails.
void GeneratedSchool::SeedVisits(SchoolServices services) const {
  for (int n = 0; n < m_size.visits; ++n) {
    const int plan = n % m_size.plans + 1;
    const int round = n / m_size.plans;
    const int route = (plan - 1) % m_size.routes + 1;
    const int slot = round % 3;
    const int minute = kSlotStartHours[slot] * 60 + 5 + round % 60;
    Json::Value visit;
    visit["iID"] = n + 1;
    visit["iType"] = 2;
    visit["iPlanID"] = plan;
    visit["iPositionID"] = RouteCheckpoints(route)[static_cast<std::size_t>(round) % kRouteLength];
    visit["iState"] = 1;
    visit["iResult"] = n % 5 == 0 ? 0 : 1;
    visit["iAbnormal"] = n % 8 == 0 ? 1 : 0;
    visit["strInspectPeopleID"] = std::to_string((2 * plan - 2) % m_size.people + 1);
    visit["strDate"] = DayText(-(round % kDaysBack));
    visit["strTime"] = Printed("%02d:%02d:00", minute / 60, minute % 60);
    visit["strPhoto"] = "";
    visit["strSound"] = "";
    visit["strReserve"] = "";
    services.plans.visits().seed(visit);
  }
}

void GeneratedSchool::SeedDeviceRecords(SchoolServices services) const {
  const CivilDate today = CivilDate::today();
  for (int n = 0; n < m_size.records; ++n) {
    const int reader = n % m_size.readers + 1;
    Json::Value record;
    record["iID"] = n + 1;
    record["iType"] = n % 7;
    record["strDeviceCode"] = ReaderCode(reader);
    record["strPeopleCode"] = PersonCode((reader - 1) % m_size.people + 1);
    record["strInspectPositionDeviceCode"] = CheckpointCode(n % m_size.checkpoints + 1);
    record["strTime"] = ReaderTime(today.plus(-(n % kDaysBack)), (n / kDaysBack) % (24 * 60));
    record["strReserve"] = "--";
    services.patrol.device_records().seed(record);
  }
}

void GeneratedSchool::SeedLog(SchoolServices services) const {
  for (int n = 0; n < m_size.log; ++n) {
    const int minute = (n / kDaysBack) % (24 * 60);
    Json::Value line;
    line["iID"] = n + 1;
    line["strUserID"] = m_creators[static_cast<std::size_t>(n) % m_creators.size()];
    line["strUser"] = Printed(u8"用户%d", n % 50);
    line["strUserIP"] = "127.0.0.1";
    line["strTime"] = DayText(-(n % kDaysBack)) + Printed(" %02d:%02d:00", minute / 60, minute % 60);
    line["strEvent"] = Printed(u8"编辑巡更计划-巡更计划%d", n % m_size.plans + 1);
    services.patrol.audit_log().seed(line);
  }
}

}  // namespace campus_server
