#include "data/PeopleParser.h"

#include "data/ParserRun.h"

namespace {

// Field by field into the record, so that a single-record parse that fails keeps the
// fields read before the failure.
void ReadPeople(const Json::Value& object, PeopleInfo& people) {
  people.iID = dal::ReadInt(object, "iID");
  people.iGroup = dal::ReadInt(object, "iGroup");
  people.strName = dal::ReadText(object, "strName");
  people.iIdentity = dal::ReadInt(object, "iIdentity");
  people.strTelephone = dal::ReadText(object, "strTelephone");
  people.UserID = dal::ReadText(object, "UserID");
  people.strReserve = dal::ReadText(object, "strReserve");
}

}  // namespace

void ParsePeopleJsonData(const char* pData, std::list<PeopleInfo>& listPeople) {
  dal::RunParser(DalLogStyle::Text, "ParsePeopleJsonData", pData, [&](const Json::Value& root) {
    dal::ParseEachElement<PeopleInfo>(root, ReadPeople,
                                      [&](PeopleInfo&& people) { listPeople.push_back(std::move(people)); });
  });
}

void ParsePeopleGetByIDJsonData(const char* pData, PeopleInfo& people) {
  dal::RunParser(DalLogStyle::Text, "ParsePeopleGetByIDJsonData", pData,
                 [&](const Json::Value& root) { ReadPeople(root, people); });
}
