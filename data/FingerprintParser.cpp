#include "data/FingerprintParser.h"

#include "data/ParserRun.h"
#include "data/StartupCaches.h"

namespace {

std::string PeopleName(int iPeopleID) {
  const auto people = g_mapPeople.find(iPeopleID);
  return people == g_mapPeople.end() ? std::string() : people->second.strName;
}

void ReadFingerprint(const Json::Value& element, FingerprintInfo& fingerprint) {
  fingerprint.iID = dal::ReadInt(element, "iID");
  fingerprint.iDeviceID = dal::ReadInt(element, "iDeviceID");
  fingerprint.iPeopleID = dal::ReadInt(element, "iPeopleID");
  fingerprint.strCode = dal::ReadText(element, "strCode");
  fingerprint.strPeopleName = PeopleName(fingerprint.iPeopleID);
}

}  // namespace

void ParseFingerprintJsonData(const char* pData, std::list<FingerprintInfo>& listFingerprint) {
  dal::RunParser(DalLogStyle::TextPrefixed, "ParseFingerprintJsonData", pData, [&](const Json::Value& root) {
    dal::ParseEachElement<FingerprintInfo>(
        root, ReadFingerprint,
        [&](FingerprintInfo&& fingerprint) { listFingerprint.push_back(std::move(fingerprint)); });
  });
}
