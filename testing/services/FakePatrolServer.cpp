#include "testing/services/FakePatrolServer.h"

#include <cstdlib>
#include <utility>
#include <vector>

#include "testing/services/FakePictureFiles.h"
#include "testing/services/QueryValues.h"
#include "testing/services/WireJson.h"

namespace test_support {

namespace {

using K = FieldKind;

const char kRefused[] = "-1";

// A field whose request and reply keys are the same.
PatrolField same(const char* key, FieldKind kind) { return PatrolField{key, kind, key}; }
// A field the request sends but the replies never give back.
PatrolField request_only(const char* key, FieldKind kind) { return PatrolField{key, kind, ""}; }

std::vector<PatrolField> audit_fields() {
  return {same("strUserID", K::Text), PatrolField{"strUserName", K::Text, "strUser"}, same("strUserIP", K::Text),
          same("strTime", K::Text), same("strEvent", K::Text)};
}

std::vector<PatrolField> checkpoint_fields() {
  return {same("strName", K::Text),        same("iAreaID", K::Number),       same("ifloor", K::Number),
          same("strCameraID", K::Text),    same("strCode", K::Text),         same("strCamName", K::Text),
          same("strCamIp", K::Text),       same("strCamAccount", K::Text),   same("strCamPassword", K::Text),
          same("CamPort", K::Number),      same("CamBrand", K::Number),      same("strReserve", K::Text),
          request_only("strSchoolID", K::Text)};
}

std::vector<PatrolField> people_fields() {
  return {same("iGroup", K::DigitText),    same("strName", K::Text),     same("UserID", K::Text),
          same("iIdentity", K::DigitText), same("strTelephone", K::Text), same("strReserve", K::Text)};
}

std::vector<PatrolField> reader_fields() {
  return {same("strName", K::Text),
          same("strCode", K::Text),
          request_only("time", K::Text),
          same("iPeopleID", K::Number),
          same("strTelephone", K::Text),
          same("iVoiceStatus", K::DigitText),
          same("iVoice", K::DigitText),
          same("iNotifyWay", K::DigitText),
          same("iFingerprintStatus", K::DigitText),
          same("ServerType", K::Number),
          same("Serveraddr", K::Text),
          same("strReserve", K::Text),
          request_only("strSchoolID", K::Text)};
}

std::vector<PatrolField> fingerprint_fields() {
  return {same("iDeviceID", K::DigitText), same("iPeopleID", K::DigitText), same("strCode", K::Text)};
}

std::vector<PatrolField> device_record_fields() {
  return {same("iType", K::Number),        same("strDeviceCode", K::Text),
          same("strPeopleCode", K::Text),  same("strTime", K::Text),
          same("strInspectPositionDeviceCode", K::Text), same("strReserve", K::Text)};
}

std::vector<PatrolField> exception_record_fields() {
  return {PatrolField{"PlanID", K::Number, "iPlanID"}, same("strTime", K::Text), same("strRemark", K::Text)};
}

std::vector<PatrolField> login_fields() {
  return {request_only("ID", K::Number), same("UserID", K::Text), same("UserName", K::Text),
          same("SchoolID", K::Text),     same("SchoolName", K::Text), same("Token", K::Text),
          same("Time", K::Text)};
}

std::vector<PatrolField> rights_fields() {
  return {same("strUserID", K::Text), same("strUserName", K::Text), same("TypeAuthority", K::Text),
          same("strModuleAuthority", K::Text), same("strReserve", K::Text)};
}

HttpReply json_reply(const Json::Value& value) {
  return HttpReply(200, write_wire_json(value), "application/json; charset=utf-8");
}

HttpReply text_reply(const std::string& text) { return HttpReply(200, text); }

HttpReply id_reply(int id) { return text_reply(id > 0 ? std::to_string(id) : kRefused); }

// The body as a JSON object; null when it is not one.
Json::Value body_object(const RecordedRequest& request) {
  Json::Value body;
  if (!read_wire_json(request.body, body) || !body.isObject()) return Json::Value();
  return body;
}

// Takes the record id out of the body; false when it is missing or in the wrong form.
bool take_id(Json::Value& body, const std::string& key, FieldKind kind, int& id) {
  if (!body.isObject() || !body.isMember(key)) return false;
  Json::Value converted;
  if (!PatrolTable::convert(body[key], kind, converted)) return false;
  id = converted.asInt();
  body.removeMember(key);
  return true;
}

int query_int(const RecordedRequest& request, const std::string& key) {
  const auto values = query_values(request.target);
  const auto value = values.find(key);
  return value == values.end() ? 0 : std::atoi(value->second.c_str());
}

std::string query_text(const RecordedRequest& request, const std::string& key) {
  const auto values = query_values(request.target);
  const auto value = values.find(key);
  return value == values.end() ? std::string() : value->second;
}

PatrolTable::Filter int_equals(const char* key, int value) {
  return [key, value](const Json::Value& record) { return record[key].isInt() && record[key].asInt() == value; };
}

PatrolTable::Filter text_equals(const char* key, std::string value) {
  return [key, value](const Json::Value& record) { return record[key].isString() && record[key].asString() == value; };
}

// The form parts of an upload in the order the client must send them.
bool upload_parts_in_order(const RecordedRequest& request) {
  const auto& parts = request.parts;
  return parts.size() == 4 && parts[0].name == "chunk" && parts[0].body == "0" && parts[1].name == "chunks" &&
         parts[1].body == "1" && parts[2].name == "name" && parts[2].body.empty() && parts[3].name == "file" &&
         parts[3].has_filename;
}

std::string join_names(const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& name : names) {
    if (!joined.empty()) joined += '&';
    joined += name;
  }
  return joined;
}

}  // namespace

FakePatrolServer::~FakePatrolServer() { http_.stop(); }

FakePatrolServer::FakePatrolServer(unsigned short port)
    : http_(port),
      audit_log_("iID", audit_fields()),
      checkpoints_("iID", checkpoint_fields()),
      people_("iID", people_fields()),
      readers_("iID", reader_fields()),
      fingerprints_("iID", fingerprint_fields()),
      device_records_("iID", device_record_fields()),
      patrol_records_("iID", device_record_fields()),
      exception_records_("iID", exception_record_fields()),
      login_records_("ID", login_fields()),
      rights_("", rights_fields()) {
  serve_audit_log();
  serve_checkpoints();
  serve_people();
  serve_readers();
  serve_device_records();
  serve_exception_records();
  serve_login_records();
  serve_rights();
  serve_pictures();
  serve_picture_files(http_, pictures_);
  serve_server_port();
}

void FakePatrolServer::serve_get(const std::string& path, PatrolTable& table) {
  http_.route("GET", path, [&table](const RecordedRequest&) { return json_reply(table.all()); });
}

void FakePatrolServer::serve_add(const std::string& path, PatrolTable& table) {
  http_.route("POST", path, [&table](const RecordedRequest& request) { return id_reply(table.add(body_object(request))); });
}

void FakePatrolServer::serve_update(const std::string& path, PatrolTable& table, const std::string& id_key,
                                    FieldKind id_kind) {
  http_.route("POST", path, [&table, id_key, id_kind](const RecordedRequest& request) {
    Json::Value body = body_object(request);
    int id = 0;
    if (!take_id(body, id_key, id_kind, id) || !table.update(id, body)) return text_reply(kRefused);
    return id_reply(id);
  });
}

void FakePatrolServer::serve_delete(const std::string& path, PatrolTable& table, const std::string& id_key,
                                    FieldKind id_kind) {
  http_.route("POST", path, [&table, id_key, id_kind](const RecordedRequest& request) {
    Json::Value body = body_object(request);
    int id = 0;
    if (!take_id(body, id_key, id_kind, id) || body.size() != 0 || !table.remove(id)) return text_reply(kRefused);
    return text_reply("1");
  });
}

void FakePatrolServer::serve_audit_log() {
  serve_add("/api/InspectLog/Add", audit_log_);
  serve_get("/api/InspectLog/Get", audit_log_);
}

void FakePatrolServer::serve_checkpoints() {
  const std::string base = "/api/InspectPositionDevice/";
  serve_get(base + "Get", checkpoints_);
  http_.route("GET", base + "GetByAreaID", [this](const RecordedRequest& request) {
    return json_reply(checkpoints_.select(int_equals("iAreaID", query_int(request, "iAreaID"))));
  });
  serve_add(base + "Add", checkpoints_);
  serve_update(base + "Update", checkpoints_, "iID", K::DigitText);
  serve_delete(base + "Delete", checkpoints_, "iID", K::Number);
}

void FakePatrolServer::serve_people() {
  const std::string base = "/api/InspectPeople/";
  serve_get(base + "Get", people_);
  http_.route("GET", base + "GetByID", [this](const RecordedRequest& request) {
    return json_reply(people_.find(query_int(request, "ID")));
  });
  serve_add(base + "Add", people_);
  serve_update(base + "Update", people_, "iID", K::DigitText);
  serve_delete(base + "Delete", people_, "iID", K::DigitText);
}

void FakePatrolServer::serve_readers() {
  const std::string base = "/api/InspectDevice/";
  serve_get(base + "Get", readers_);
  serve_add(base + "Add", readers_);
  serve_update(base + "Update", readers_, "iID", K::DigitText);
  serve_delete(base + "Delete", readers_, "iID", K::Number);
  http_.route("GET", "/api/Fingerprint/GetbyDeviceID", [this](const RecordedRequest& request) {
    return json_reply(fingerprints_.select(int_equals("iDeviceID", query_int(request, "ID"))));
  });
  serve_add("/api/Fingerprint/Add", fingerprints_);
  serve_delete("/api/Fingerprint/Delete", fingerprints_, "iID", K::Number);
}

void FakePatrolServer::serve_device_records() {
  serve_get("/api/DeviceRecord/Get", device_records_);
  serve_add("/api/DeviceRecord/Add", device_records_);
  serve_add("/api/InspectRecord/InspectRecordAdd", patrol_records_);
}

void FakePatrolServer::serve_exception_records() {
  const std::string base = "/api/ExceptionRecord/";
  http_.route("GET", base + "Get", [this](const RecordedRequest& request) {
    const auto plan = int_equals("iPlanID", query_int(request, "PlanID"));
    const auto time = text_equals("strTime", query_text(request, "Time"));
    return json_reply(exception_records_.first([&](const Json::Value& record) { return plan(record) && time(record); }));
  });
  serve_add(base + "Add", exception_records_);
  serve_update(base + "Update", exception_records_, "ID", K::Number);
}

// The server keeps the login records it was sent and answers the latest.
void FakePatrolServer::serve_login_records() {
  serve_add("/api/LoginInfo/Add", login_records_);
  http_.route("GET", "/api/LoginInfo/Get", [this](const RecordedRequest&) {
    const Json::Value all = login_records_.all();
    return json_reply(all.empty() ? Json::Value() : all[all.size() - 1]);
  });
}

// Rights are found by user id: an add of a known user and an update of an unknown one are
// refused.
void FakePatrolServer::serve_rights() {
  const std::string base = "/api/Authority/";
  serve_get(base + "Get", rights_);
  http_.route("GET", base + "GetByID", [this](const RecordedRequest& request) {
    return json_reply(rights_.first(text_equals("strUserID", query_text(request, "strId"))));
  });
  http_.route("POST", base + "Add", [this](const RecordedRequest& request) {
    const Json::Value body = body_object(request);
    if (rights_.first_id(text_equals("strUserID", body["strUserID"].asString())) != 0) return text_reply(kRefused);
    return id_reply(rights_.add(body));
  });
  http_.route("POST", base + "Update", [this](const RecordedRequest& request) {
    const Json::Value body = body_object(request);
    const int id = rights_.first_id(text_equals("strUserID", body["strUserID"].asString()));
    return id_reply(id != 0 && rights_.update(id, body) ? id : -1);
  });
}

void FakePatrolServer::serve_pictures() {
  http_.route("POST", "/Upload.ashx", [this](const RecordedRequest& request) {
    if (!upload_parts_in_order(request) || query_text(request, "FileType") != "1") return text_reply(kRefused);
    const int plan = query_int(request, "PlanID");
    const std::string time = query_text(request, "Time");
    const std::string name = query_text(request, "FileName");
    const std::string type = query_text(request, "UploadType");
    if (type == "1") {
      pictures_.store(plan, time, name, request.parts[3].body);
      return text_reply("1");
    }
    if (type == "16") return text_reply(pictures_.erase(plan, time, name) ? "1" : kRefused);
    return text_reply(kRefused);
  });
  http_.route("GET", "/Upload.ashx", [this](const RecordedRequest& request) {
    if (query_text(request, "UploadType") != "32") return text_reply(kRefused);
    return text_reply(join_names(pictures_.names(query_int(request, "PlanID"), query_text(request, "Time"))));
  });
}

void FakePatrolServer::set_server_port_reply(const std::string& reply) {
  std::lock_guard<std::mutex> lock(server_port_mutex_);
  server_port_reply_ = reply;
}

void FakePatrolServer::serve_server_port() {
  http_.route("GET", "/api/Cloud/GetServerPort", [this](const RecordedRequest&) {
    std::lock_guard<std::mutex> lock(server_port_mutex_);
    return text_reply(server_port_reply_);
  });
}

}  // namespace test_support
