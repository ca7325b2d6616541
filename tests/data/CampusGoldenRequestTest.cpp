// The exact requests of the route, plan and patrol-record operations, row by row like the
// table of the other families: the call, what the server answers, the result, and every
// request in order with its body bytes (written out by hand, UTF-8 as they travel).
#include <gtest/gtest.h>

#include <string>

#include "CommonTools/global_singleton.h"
#include "data/DAL_PatrolServer.h"
#include "tests/data/GoldenRequestHarness.h"

namespace {

using data_test::AuditPost;
using data_test::GoldenRow;
using data_test::kEastGateGbk;
using data_test::kEastGateUtf8;

const std::string kAddPlanUtf8 = "\xe6\xb7\xbb\xe5\x8a\xa0\xe5\xb7\xa1\xe6\x9b\xb4\xe8\xae\xa1\xe5\x88\x92-";
const std::string kEditPlanUtf8 = "\xe7\xbc\x96\xe8\xbe\x91\xe5\xb7\xa1\xe6\x9b\xb4\xe8\xae\xa1\xe5\x88\x92-";
const std::string kAddRouteUtf8 = "\xe6\xb7\xbb\xe5\x8a\xa0\xe8\xb7\xaf\xe7\xba\xbf-";
const std::string kEditRouteUtf8 = "\xe6\x9b\xb4\xe6\x96\xb0\xe8\xb7\xaf\xe7\xba\xbf-";
const std::string kNorthLineGbk = "\xb1\xb1\xcf\xdf";  // 北线
const std::string kNorthLineUtf8 = "\xe5\x8c\x97\xe7\xba\xbf";

const std::string kPlanBody =
    std::string("{\"AnnouncerIUserID\":\"u1\",\"Inspectpeople\":\"12&7\",\"iEquipmentID\":\"3\",\"iRouteID\":\"5\","
                "\"iType\":\"0\",\"strDate\":\"2022-06-01&2022-06-30\",\"strName\":\"") +
    kEastGateUtf8 +
    "\",\"strRemark\":\"\",\"strReserve\":\"\",\"strTime\":\"08:00-09:30\",\"strWeek\":\"1111100\"}\n";
const std::string kPlanUpdateBody =
    std::string("{\"AnnouncerIUserID\":\"u1\",\"Inspectpeople\":\"12&7\",\"iEquipmentID\":\"-3\",\"iID\":\"9\","
                "\"iRouteID\":\"5\",\"iType\":\"6\",\"strDate\":\"2022-06-01&2022-06-30\",\"strName\":\"") +
    kEastGateUtf8 +
    "\",\"strRemark\":\"a\\\"b\",\"strReserve\":\"r\",\"strTime\":\"08:00-09:30&14:00-15:00\","
    "\"strWeek\":\"0000011\"}\n";
const std::string kRouteAddBody = "{\"AnnouncerIUserID\":\"u1\",\"iType\":3,\"strName\":\"" + kNorthLineUtf8 +
                                  "\",\"strReserve\":\"{NOW}\"}\n";
const std::string kRouteUpdateBody = "{\"AnnouncerIUserID\":\"t9\",\"iID\":\"4\",\"iType\":3,\"strName\":\"" +
                                     kNorthLineUtf8 + "\",\"strReserve\":\"2022-01-02 03:04:05\"}\n";
const std::string kRecordUpdateBody =
    "{\"Type\":\"2\",\"iAbnormal\":\"1\",\"iID\":\"31\",\"iPlanID\":\"9\",\"iPositionID\":\"12\",\"iResult\":\"0\","
    "\"iState\":\"1\",\"strDate\":\"2022-06-01\",\"strInspectPeopleID\":\"12&7\",\"strPhoto\":\"a.jpg\","
    "\"strReserve\":\"\",\"strSound\":\"\",\"strTime\":\"08:05\"}\n";

int AddPlan(DAL_PatrolServer& d) {
  return d.DAL_InspectPlan_Add(kEastGateGbk, 5, "u1", 3, 0, "2022-06-01&2022-06-30", "08:00-09:30", "12&7", "1111100",
                               "", "");
}
int UpdatePlan(DAL_PatrolServer& d) {
  return d.DAL_InspectPlan_Update(9, kEastGateGbk, 5, "u1", -3, 6, "2022-06-01&2022-06-30", "08:00-09:30&14:00-15:00",
                                  "12&7", "0000011", "a\"b", "r");
}
int AddRoute(DAL_PatrolServer& d) { return d.DAL_InspectRoute_Add(kNorthLineGbk, 3); }
int UpdateRoute(DAL_PatrolServer& d) {
  return d.DAL_InspectRoute_Update(4, kNorthLineGbk, 3, "t9", "2022-01-02 03:04:05");
}
int UpdateRecord(DAL_PatrolServer& d) {
  return d.DAL_InspectRecord_Update(31, 2, 9, 12, "12&7", "2022-06-01", "08:05", 1, 0, 1, "a.jpg", "", "");
}

const GoldenRow kRows[] = {
    {"DAL_InspectPlan_Add", AddPlan, "57", 57,
     {{"POST", "api/InspectPlan/Add", kPlanBody}, AuditPost(kAddPlanUtf8 + kEastGateUtf8)}},
    {"DAL_InspectPlan_Add refused", AddPlan, "-1", -1, {{"POST", "api/InspectPlan/Add", kPlanBody}}},
    {"DAL_InspectPlan_Update", UpdatePlan, "9", 9,
     {{"POST", "api/InspectPlan/Update", kPlanUpdateBody}, AuditPost(kEditPlanUtf8 + kEastGateUtf8)}},
    {"DAL_InspectPlan_Update refused", UpdatePlan, "-1", -1, {{"POST", "api/InspectPlan/Update", kPlanUpdateBody}}},
    {"DAL_InspectPlan_Delete", [](DAL_PatrolServer& d) { return d.DAL_InspectPlan_Delete(9); }, "0", 1,
     {{"POST", "api/InspectPlan/Delete", "{\"iID\":9}\n"}}},
    {"DAL_InspectPlan_Delete refused", [](DAL_PatrolServer& d) { return d.DAL_InspectPlan_Delete(9); }, "-1", -1,
     {{"POST", "api/InspectPlan/Delete", "{\"iID\":9}\n"}}},
    {"DAL_InspectPlan_DateTest",
     [](DAL_PatrolServer& d) { return d.DAL_InspectPlan_DateTest("2022-06-01", "2022-06-05", "1111100", "0000011"); },
     "1", 1, {{"GET", "api/InspectPlan/DateTest?strSDate=2022-06-01&strEDate=2022-06-05&strWeek1=1111100&strWeek2=0000011", ""}}},
    {"DAL_InspectPlan_DateTest refused reads as no clash",
     [](DAL_PatrolServer& d) { return d.DAL_InspectPlan_DateTest("a", "b", "c", "d"); }, "-1", 0,
     {{"GET", "api/InspectPlan/DateTest?strSDate=a&strEDate=b&strWeek1=c&strWeek2=d", ""}}},
    {"DAL_InspectRoute_Add", AddRoute, "4", 4,
     {{"POST", "api/InspectRoute/Add", kRouteAddBody}, AuditPost(kAddRouteUtf8 + kNorthLineUtf8)}},
    {"DAL_InspectRoute_Add refused", AddRoute, "-1", -1, {{"POST", "api/InspectRoute/Add", kRouteAddBody}}},
    {"DAL_InspectRoute_Update", UpdateRoute, "1", 1,
     {{"POST", "api/InspectRoute/Update", kRouteUpdateBody}, AuditPost(kEditRouteUtf8 + kNorthLineUtf8)}},
    {"DAL_InspectRoute_Update refused", UpdateRoute, "-1", -1, {{"POST", "api/InspectRoute/Update", kRouteUpdateBody}}},
    {"DAL_InspectRoute_Delete", [](DAL_PatrolServer& d) { return d.DAL_InspectRoute_Delete(4); }, "1", 1,
     {{"POST", "api/InspectRoute/Delete", "{\"iID\":4}\n"}}},
    {"DAL_InspectRouteDevice_GetByID",
     [](DAL_PatrolServer& d) { return static_cast<int>(d.DAL_InspectRouteDevice_GetByID(4).size()); }, "[{}]", 1,
     {{"GET", "api/InspectRouteDevice/GetByID?ID=4", ""}}},
    {"DAL_InspectRouteDevice_Add", [](DAL_PatrolServer& d) { return d.DAL_InspectRouteDevice_Add(4, 12); }, "17", 17,
     {{"POST", "api/InspectRouteDevice/Add", "{\"iPositionDeviceID\":12,\"iRouteId\":4}\n"}}},
    {"DAL_InspectRouteDevice_Delete", [](DAL_PatrolServer& d) { return d.DAL_InspectRouteDevice_Delete(4); }, "3", 1,
     {{"POST", "api/InspectRouteDevice/Delete", "{\"iRouteId\":4}\n"}}},
    {"DAL_InspectRecord_Update", UpdateRecord, "31", 31, {{"POST", "api/InspectRecord/Update", kRecordUpdateBody}}},
    {"DAL_InspectRecord_Update refused", UpdateRecord, "-1", -1,
     {{"POST", "api/InspectRecord/Update", kRecordUpdateBody}}},
    {"DAL_InspectRecord_GetByIDAndTime",
     [](DAL_PatrolServer& d) {
       return static_cast<int>(d.DAL_InspectRecord_GetByIDAndTime(9, "2022-06-01/08:00-09:30", 1).size());
     },
     "[]", 0,
     {{"GET",
       "api/InspectRecord/GetByIDAndTime?token=T0&userID=u1&campusId=1&ID=9&strTime=2022-06-01%2F08%3A00-09%3A30&Type=1",
       ""}}},
    {"DAL_InspectRecord_GetByID", [](DAL_PatrolServer& d) { return d.DAL_InspectRecord_GetByID(31).iID; },
     "{\"iID\":31}", 31, {{"GET", "api/InspectRecord/GetByID?ID=31", ""}}},
    {"DAL_InspectRecord_GetPassRate",
     [](DAL_PatrolServer& d) { return static_cast<int>(d.DAL_InspectRecord_GetPassRate(9, "2022-06-01", 2).size()); },
     "[]", 0, {{"GET", "api/InspectRecord/GetPassRate?iPlanID=9&strDate=2022-06-01&iType=2", ""}}},
    {"DAL_InspectRecord_GetForDownLoad",
     [](DAL_PatrolServer& d) { return static_cast<int>(d.DAL_InspectRecord_GetForDownLoad(9, "2022-06-01", 3).size()); },
     "[]", 0, {{"GET", "api/InspectRecord/GetrecordRorDownLoad?iPlanID=9&strDate=2022-06-01&iType=3", ""}}},
    {"DAL_InspectRecord_GetByDate",
     [](DAL_PatrolServer& d) { return static_cast<int>(d.DAL_InspectRecord_GetByDate("2022-06-01", "2022-06-07").size()); },
     "[]", 0, {{"GET", "api/InspectRecord/GetByDate?strStartDate=2022-06-01&strEndDate=2022-06-07", ""}}},
};

class CampusGoldenRequests : public data_test::GoldenRequestFixture {
 protected:
  void SetUp() override {
    GoldenRequestFixture::SetUp();
    global_singleton::get_mutable_instance().m_userInfo.strToken = "T0";
  }
};

TEST_P(CampusGoldenRequests, AreSentExactly) { ExpectSentExactly(GetParam()); }

INSTANTIATE_TEST_SUITE_P(RoutesPlansAndRecords, CampusGoldenRequests, ::testing::ValuesIn(kRows),
                         data_test::GoldenRowName);

}  // namespace
