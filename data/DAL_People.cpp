#include "data/DAL_PatrolServer.h"
#include "data/JsonBody.h"
#include "data/PeopleParser.h"

namespace {

// Every member is a JSON string, the integers included.
JsonBody PeopleBody(const std::string& strName, const std::string& UserID, int iIdentity, int iGroup,
                    const std::string& strTelephone, const std::string& strReserve) {
  JsonBody body;
  body.DigitText("iGroup", iGroup)
      .Text("strName", strName)
      .Text("UserID", UserID)
      .DigitText("iIdentity", iIdentity)
      .Text("strTelephone", strTelephone)
      .Text("strReserve", strReserve);
  return body;
}

}  // namespace

std::list<PeopleInfo> DAL_PatrolServer::DAL_People_Get() {
  return Fetch("api/InspectPeople/Get", DalLogStyle::Text, "DAL_People_Get", ParsePeopleJsonData);
}

PeopleInfo DAL_PatrolServer::DAL_People_GetByID(int iID) {
  return Fetch("api/InspectPeople/GetByID?ID=" + std::to_string(iID), DalLogStyle::Text, "DAL_People_GetByID",
               ParsePeopleGetByIDJsonData);
}

int DAL_PatrolServer::DAL_People_Add(std::string strName, std::string UserID, int iIdentity, int iGroup,
                                     std::string strTelephone, std::string strReserve) {
  return Write("api/InspectPeople/Add", PeopleBody(strName, UserID, iIdentity, iGroup, strTelephone, strReserve),
               DalLogStyle::Text, "DAL_People_Add", "添加人员-" + strName);
}

int DAL_PatrolServer::DAL_People_Update(int iID, std::string strName, std::string UserID, int iIdentity,
                                        int iGroup, std::string strTelephone, std::string strReserve) {
  JsonBody body = PeopleBody(strName, UserID, iIdentity, iGroup, strTelephone, strReserve);
  body.DigitText("iID", iID);
  return Write("api/InspectPeople/Update", body, DalLogStyle::Text, "DAL_People_Update", "编辑人员-" + strName);
}

int DAL_PatrolServer::DAL_People_Delete(std::string strID) {
  JsonBody body;
  body.Text("iID", strID);
  return Remove("api/InspectPeople/Delete", body, DalLogStyle::Text, "DAL_People_Delete");
}
