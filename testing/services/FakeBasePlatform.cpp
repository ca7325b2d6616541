#include "testing/services/FakeBasePlatform.h"

#include <algorithm>

#include "CommonTools/Md5Hex.h"
#include "testing/services/GbkWire.h"
#include "testing/services/QueryValues.h"

namespace test_support {

namespace {

const char kModuleID[] = "E61001";
const char kAppID[] = "E61";
constexpr int kStatusOk = 200;
constexpr int kStatusDenied = 401;
// The login answers, UTF-8 on the wire. An unknown account's text is longer than 40
// bytes in GBK, which is how the login window tells it from a wrong password.
const char kWrongPassword[] = u8"0|密码错误";
const char kUnknownAccount[] = u8"0|该账号在基础平台上不存在，请确认账号后重新输入";

Json::Value envelope(int status, const char* message, Json::Value data) {
  Json::Value root;
  root["StatusCode"] = status;
  root["Msg"] = message;
  root["Data"] = std::move(data);
  return root;
}

HttpReply envelope_reply(int status, const char* message, Json::Value data) {
  return wire_json_reply(envelope(status, message, std::move(data)));
}

HttpReply denied() {
  return envelope_reply(kStatusDenied, "token invalid", Json::Value(Json::arrayValue));
}

// The identity services take the token as "Authorization: X-Token=<token>".
bool has_form_token(const RecordedRequest& request) {
  const std::string value = request.header("Authorization");
  return value.rfind("X-Token=", 0) == 0 && value.size() > 8;
}

std::string xml_text(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '&') out += "&amp;";
    else if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else out += c;
  }
  return out;
}

std::vector<std::string> comma_pieces(const std::string& text) {
  std::vector<std::string> pieces;
  std::size_t begin = 0;
  while (begin <= text.size()) {
    std::size_t end = text.find(',', begin);
    if (end == std::string::npos) end = text.size();
    if (end > begin) pieces.push_back(text.substr(begin, end - begin));
    begin = end + 1;
  }
  return pieces;
}

}  // namespace

FakeBasePlatform::FakeBasePlatform(FakeHttpServer& server) : server_(server), base_url_(server.base_url()) {
  const std::string service = "/Base/WS/Service_Basic.asmx/";
  server.route("GET", service + "WS_G_GetSubSystemServerInfo",
               [this](const RecordedRequest& r) { return address(r, false); });
  server.route("GET", service + "WS_G_GetSubSystemInnerServerInfo",
               [this](const RecordedRequest& r) { return address(r, true); });
  // The client joins a slash onto a base address that already ends in one.
  server.route("GET", "//UserMgr/Login/Api/Login.ashx",
               [this](const RecordedRequest& r) { return token_check(r); });
  // The login component joins no second slash.
  server.route("GET", "/UserMgr/Login/Api/Login.ashx", [this](const RecordedRequest& r) { return token_check(r); });
  server.route("POST", "/UserMgr/Login/Api/OnlineUser.ashx", [this](const RecordedRequest& r) {
    const std::string method = query_values(r.target)["method"];
    if (method == "Login") return login(r);
    if (method == "Logout") return logout(r);
    return HttpReply(404, "");
  });
  server.route("GET", "/UserMgr/Login/Api/OnlineUser.ashx", [this](const RecordedRequest& r) {
    if (query_values(r.target)["method"] == "GetUser") return user_of_token(r);
    return HttpReply(404, "");
  });
  server.route("GET", "/UserMgr/PowerMgr/GetIdentityTypeByUserID",
               [this](const RecordedRequest& r) { return identities_of_user(r); });
  server.route("GET", "/UserMgr/PowerMgr/GetIdentityTypeByCode",
               [this](const RecordedRequest& r) { return identities_by_code(r); });
  server.route("GET", "/UserMgr/PowerMgr/GetUserByModuleID",
               [this](const RecordedRequest& r) { return module_users(r); });
  server.route("GET", "/BaseApi/UserMgr/UserInfoMgr/GetUserContactByIDs",
               [this](const RecordedRequest& r) { return user_field(r, "Telephone"); });
  server.route("GET", "/BaseApi/UserMgr/UserInfoMgr/SearchUserByIDsOrName",
               [this](const RecordedRequest& r) { return user_field(r, "UserName"); });
  server.route("POST", "/api/v1/DataCol/DataDeliver",
               [this](const RecordedRequest& r) { return deliver(r); });
}

void FakeBasePlatform::set_address(const std::string& sysID, const std::string& address) {
  std::lock_guard<std::mutex> lock(mutex_);
  addresses_[sysID] = address;
}

void FakeBasePlatform::set_token_valid(bool valid) {
  std::lock_guard<std::mutex> lock(mutex_);
  token_valid_ = valid;
}

void FakeBasePlatform::add_identity(const FakeIdentity& identity) {
  std::lock_guard<std::mutex> lock(mutex_);
  identities_.push_back(identity);
}

void FakeBasePlatform::add_user(const FakePlatformUser& user) {
  std::lock_guard<std::mutex> lock(mutex_);
  users_.push_back(user);
}

void FakeBasePlatform::set_delivery_reply(const std::string& reply) {
  std::lock_guard<std::mutex> lock(mutex_);
  delivery_reply_ = reply;
}

std::vector<std::string> FakeBasePlatform::deliveries() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return deliveries_;
}

void FakeBasePlatform::add_picture(const std::string& path, const std::string& bytes, const std::string& contentType) {
  server_.route("GET", path, HttpReply(200, bytes, contentType));
}

int FakeBasePlatform::picture_requests(const std::string& path) const {
  int count = 0;
  for (const RecordedRequest& request : server_.requests()) {
    if (request.method == "GET" && request.path() == path) ++count;
  }
  return count;
}

// Four elements: id, name, the address outside the school, the address. The inner query
// answers only with the right security code.
HttpReply FakeBasePlatform::address(const RecordedRequest& request, bool inner) const {
  const auto query = query_values(request.target);
  const auto sysID = query.find("sysID");
  const std::string id = sysID == query.end() ? std::string() : sysID->second;
  std::string xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<ArrayOfString>";
  const auto secCode = query.find("secCode");
  const bool allowed = !inner || (secCode != query.end() && secCode->second == CommonTools::md5_hex_reversed(id));
  std::lock_guard<std::mutex> lock(mutex_);
  const auto known = addresses_.find(id);
  const std::string where = known == addresses_.end() ? base_url_ : known->second;
  if (allowed) {
    xml += "\n  <string>" + xml_text(id) + "</string>\n  <string>" + xml_text(id) +
           "</string>\n  <string>" + xml_text(where) + "</string>\n  <string>" + xml_text(where) +
           "</string>\n";
  }
  xml += "</ArrayOfString>";
  return HttpReply(200, xml, "text/xml; charset=utf-8");
}

HttpReply FakeBasePlatform::token_check(const RecordedRequest& request) const {
  const auto query = query_values(request.target);
  const auto token = query.find("token");
  std::lock_guard<std::mutex> lock(mutex_);
  Json::Value root;
  root["error"] = "0";
  const bool ended = token != query.end() &&
                     std::find(logged_out_.begin(), logged_out_.end(), token->second) != logged_out_.end();
  root["data"]["result"] = token_valid_ && token != query.end() && !token->second.empty() && !ended;
  return wire_json_reply(root);
}

Json::Value FakeBasePlatform::identity_json(const std::string& code) const {
  for (const auto& identity : identities_) {
    if (identity.code != code) continue;
    Json::Value item;
    item["IdentityCode"] = wire_text(identity.code);
    item["IdentityName"] = wire_text(identity.name);
    item["IconUrl"] = wire_text(identity.iconUrl);
    item["IsPreset"] = identity.preset != 0;
    return item;
  }
  return Json::Value();
}

const FakePlatformUser* FakeBasePlatform::find_user(const std::string& userID) const {
  for (const auto& user : users_) {
    if (user.userID == userID) return &user;
  }
  return nullptr;
}

HttpReply FakeBasePlatform::identities_of_user(const RecordedRequest& request) const {
  if (!has_form_token(request)) return denied();
  auto query = query_values(request.target);
  std::lock_guard<std::mutex> lock(mutex_);
  Json::Value data(Json::arrayValue);
  const FakePlatformUser* user = find_user(gbk_from_wire(query["UserID"]));
  // No module id asks for the identities the user holds in any module.
  if (user && (query["ModuleID"] == kModuleID || query["ModuleID"].empty())) {
    for (const auto& code : user->identityCodes) {
      Json::Value item = identity_json(code);
      if (!item.isNull()) data.append(item);
    }
  }
  return envelope_reply(kStatusOk, "", data);
}

HttpReply FakeBasePlatform::identities_by_code(const RecordedRequest& request) const {
  if (!has_form_token(request)) return denied();
  auto query = query_values(request.target);
  std::lock_guard<std::mutex> lock(mutex_);
  Json::Value data(Json::arrayValue);
  for (const auto& code : comma_pieces(gbk_from_wire(query["IdentityCodes"]))) {
    Json::Value item = identity_json(code);
    if (!item.isNull()) data.append(item);
  }
  return envelope_reply(kStatusOk, "", data);
}

HttpReply FakeBasePlatform::module_users(const RecordedRequest& request) const {
  if (!has_form_token(request)) return denied();
  auto query = query_values(request.target);
  const std::string school = gbk_from_wire(query["SchoolID"]);
  std::lock_guard<std::mutex> lock(mutex_);
  Json::Value data(Json::arrayValue);
  for (const auto& user : users_) {
    if (user.schoolID != school || user.identityCodes.empty()) continue;
    Json::Value item;
    item["UserID"] = wire_text(user.userID);
    item["UserName"] = wire_text(user.userName);
    item["Gender"] = wire_text(user.gender);
    item["PhotoPath"] = wire_text(user.photoPath);
    item["UserType"] = user.userType;
    item["IdentityCode"] = Json::Value(Json::arrayValue);
    for (const auto& code : user.identityCodes) item["IdentityCode"].append(wire_text(code));
    data.append(item);
  }
  return envelope_reply(kStatusOk, "", data);
}

// Both user-info services check that the access token belongs to the application id.
HttpReply FakeBasePlatform::user_field(const RecordedRequest& request, const char* key) const {
  auto query = query_values(request.target);
  if (query["access_token"] != CommonTools::md5_hex_reversed(query["appid"]) ||
      query["appid"] != kAppID) {
    return denied();
  }
  std::lock_guard<std::mutex> lock(mutex_);
  Json::Value data(Json::arrayValue);
  for (const auto& id : comma_pieces(gbk_from_wire(query["UserIDs"]))) {
    const FakePlatformUser* user = find_user(id);
    if (!user) continue;
    Json::Value item;
    item["UserID"] = wire_text(user->userID);
    item[key] = wire_text(std::string(key) == "Telephone" ? user->telephone : user->userName);
    data.append(item);
  }
  return envelope_reply(kStatusOk, "", data);
}

HttpReply FakeBasePlatform::deliver(const RecordedRequest& request) {
  std::lock_guard<std::mutex> lock(mutex_);
  deliveries_.push_back(request.body);
  return HttpReply(200, delivery_reply_);
}

void FakeBasePlatform::set_school_name(const std::string& schoolID, const std::string& name) {
  std::lock_guard<std::mutex> lock(mutex_);
  school_names_[schoolID] = name;
}

void FakeBasePlatform::add_account(const std::string& account, const std::string& password,
                                   const std::string& userID) {
  std::lock_guard<std::mutex> lock(mutex_);
  accounts_[account] = Account{password, userID};
}

std::string FakeBasePlatform::issue_token(const std::string& userID) {
  std::lock_guard<std::mutex> lock(mutex_);
  return issue_token_locked(userID);
}

std::string FakeBasePlatform::issue_token_locked(const std::string& userID) {
  const std::string token = "tk" + std::to_string(++issued_) + "-" + CommonTools::md5_hex_reversed(userID).substr(0, 8);
  tokens_[token] = userID;
  return token;
}

void FakeBasePlatform::set_login_reply(const std::string& reply) {
  std::lock_guard<std::mutex> lock(mutex_);
  scripted_login_ = true;
  login_reply_ = reply;
}

void FakeBasePlatform::clear_login_reply() {
  std::lock_guard<std::mutex> lock(mutex_);
  scripted_login_ = false;
}

std::vector<std::string> FakeBasePlatform::logged_out() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return logged_out_;
}

// Form fields travel percent-encoded in UTF-8, as a query does.
HttpReply FakeBasePlatform::login(const RecordedRequest& request) {
  auto form = query_values("/?" + request.body);
  std::lock_guard<std::mutex> lock(mutex_);
  if (scripted_login_) return HttpReply(200, login_reply_);
  const auto account = accounts_.find(gbk_from_wire(form["account"]));
  if (account == accounts_.end()) return HttpReply(200, kUnknownAccount);
  if (account->second.password != gbk_from_wire(form["password"])) return HttpReply(200, kWrongPassword);
  return HttpReply(200, "1|" + issue_token_locked(account->second.userID));
}

HttpReply FakeBasePlatform::user_of_token(const RecordedRequest& request) const {
  auto query = query_values(request.target);
  std::lock_guard<std::mutex> lock(mutex_);
  const auto token = tokens_.find(query["token"]);
  const FakePlatformUser* user = token == tokens_.end() ? nullptr : find_user(token->second);
  if (user == nullptr) return wire_json_reply(Json::Value());
  Json::Value item;
  item["UserType"] = user->userType;
  item["UserID"] = wire_text(user->userID);
  item["UserName"] = wire_text(user->userName);
  item["SchoolID"] = wire_text(user->schoolID);
  const auto school = school_names_.find(user->schoolID);
  item["SchoolName"] = wire_text(school == school_names_.end() ? std::string() : school->second);
  item["Extra1"] = wire_text(user->gender);
  item["Extra2"] = wire_text(user->telephone);
  item["Extra3"] = "";
  item["Extra4"] = "";
  item["PhotoUrl"] = wire_text(user->photoPath);
  item["Token"] = token->first;
  return wire_json_reply(item);
}

HttpReply FakeBasePlatform::logout(const RecordedRequest& request) {
  auto form = query_values("/?" + request.body);
  std::lock_guard<std::mutex> lock(mutex_);
  const std::string token = form["token"];
  tokens_.erase(token);
  logged_out_.push_back(token);
  return HttpReply(200, "1");
}

}  // namespace test_support
