#include "tests/data/broker/RecordReplies.h"

#include <json/json.h>

namespace broker_test {

namespace {

// The records of these tests hold ASCII texts only, so GBK and UTF-8 agree.
std::string RecordJson(const InspectRecordInfo& record) {
  Json::Value json(Json::objectValue);
  json["iID"] = record.iID;
  json["iType"] = record.iType;
  json["iPlanID"] = record.iPlanID;
  json["iPositionID"] = record.iPositionID;
  json["strInspectPeopleID"] = record.strInspectPeopleID;
  json["strDate"] = record.strDate;
  json["strTime"] = record.strTime;
  json["iState"] = record.iState;
  json["iResult"] = record.iResult;
  json["iAbnormal"] = record.iAbnormal;
  json["strPhoto"] = record.strPhoto;
  json["strSound"] = record.strSound;
  json["strReserve"] = record.strReserve;
  return Json::FastWriter().write(json);
}

std::string QueryValue(const std::string& target, const std::string& key) {
  const std::string marker = key + "=";
  const std::string::size_type query = target.find('?');
  if (query == std::string::npos) return "";
  std::string::size_type at = target.find(marker, query);
  if (at == std::string::npos) return "";
  at += marker.size();
  return target.substr(at, target.find('&', at) - at);
}

}  // namespace

RecordReplies::RecordReplies(test_support::FakeHttpServer& server) : m_server(server) {
  server.route("GET", kPath, [this](const test_support::RecordedRequest& request) {
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = m_bodies.find(QueryValue(request.target, "ID"));
    return test_support::HttpReply(200, found == m_bodies.end() ? "{}" : found->second,
                                   "application/json; charset=utf-8");
  });
}

void RecordReplies::Put(const InspectRecordInfo& record) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_bodies[std::to_string(record.iID)] = RecordJson(record);
}

void RecordReplies::Clear() {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_bodies.clear();
}

int RecordReplies::Requests() const {
  int count = 0;
  for (const test_support::RecordedRequest& request : m_server.requests()) {
    if (request.path() == kPath) ++count;
  }
  return count;
}

}  // namespace broker_test
