#include "platform/login/OnlineUserService.h"

#include <curl/curl.h>
#include <json/json.h>

#include <memory>
#include <mutex>

#include "platform/base/CodePage.h"

namespace platform::login {

namespace {

const char kUserPage[] = "UserMgr/Login/Api/OnlineUser.ashx";
const char kTokenPage[] = "UserMgr/Login/Api/Login.ashx";
constexpr size_t kReplyLimit = 1 << 20;

struct CurlDeleter {
  void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};

size_t Collect(char* data, size_t size, size_t count, void* target) {
  auto* reply = static_cast<std::string*>(target);
  const size_t bytes = size * count;
  if (reply->size() + bytes > kReplyLimit) return 0;  // ends the transfer as a failure
  reply->append(data, bytes);
  return bytes;
}

std::string Escaped(const std::wstring& text) {
  const std::string utf8 = codepage::WideToUtf8(text);
  char* escaped = curl_easy_escape(nullptr, utf8.c_str(), static_cast<int>(utf8.size()));
  std::string result = escaped != nullptr ? escaped : "";
  curl_free(escaped);
  return result;
}

// The reply of a completed exchange with status 200; nothing for any failure.
std::optional<std::string> Exchange(const std::string& url, const std::string* form) {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
  std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
  if (!curl) return std::nullopt;
  std::string reply;
  CURL* handle = curl.get();
  curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
  curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, OnlineUserService::kLimitMilliseconds);
  // The read limit: no byte for that long ends the exchange.
  curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, OnlineUserService::kLimitMilliseconds / 1000);
  curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &Collect);
  curl_easy_setopt(handle, CURLOPT_WRITEDATA, &reply);
  if (form != nullptr) {
    curl_easy_setopt(handle, CURLOPT_POSTFIELDS, form->c_str());
    curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE, static_cast<long>(form->size()));
  }
  if (curl_easy_perform(handle) != CURLE_OK) return std::nullopt;
  long status = 0;
  curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
  if (status != 200) return std::nullopt;
  return reply;
}

std::optional<Json::Value> JsonOf(const std::optional<std::string>& reply) {
  if (!reply) return std::nullopt;
  Json::CharReaderBuilder builder;
  std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
  Json::Value root;
  std::string errors;
  if (!reader->parse(reply->data(), reply->data() + reply->size(), &root, &errors)) return std::nullopt;
  return root;
}

std::wstring Text(const Json::Value& object, const char* key) {
  const Json::Value& value = object[key];
  return value.isString() ? codepage::Utf8ToWide(value.asString()) : std::wstring();
}

}  // namespace

OnlineUserService::OnlineUserService(std::wstring baseAddress, std::wstring systemId)
    : base_(codepage::WideToUtf8(baseAddress)), systemId_(codepage::WideToUtf8(systemId)) {
  if (!base_.empty() && base_.back() != '/') base_ += '/';
}

std::string OnlineUserService::Url(const std::string& page, const std::string& query) const {
  return base_ + page + "?" + query + "&sysID=" + Escaped(codepage::Utf8ToWide(systemId_));
}

std::optional<std::wstring> OnlineUserService::Login(const std::wstring& account, const std::wstring& password) const {
  const std::string form = "account=" + Escaped(account) + "&password=" + Escaped(password);
  const std::optional<std::string> reply = Exchange(Url(kUserPage, "method=Login"), &form);
  if (!reply) return std::nullopt;
  return codepage::Utf8ToWide(*reply);
}

std::optional<OnlineUserRecord> OnlineUserService::UserByToken(const std::wstring& token) const {
  const std::optional<Json::Value> root = JsonOf(Exchange(Url(kUserPage, "method=GetUser&token=" + Escaped(token)), nullptr));
  if (!root) return std::nullopt;
  OnlineUserRecord user;
  if (!root->isObject()) return user;
  const Json::Value& type = (*root)["UserType"];
  user.userType = type.isInt() ? type.asInt() : 0;
  user.userID = Text(*root, "UserID");
  user.userName = Text(*root, "UserName");
  user.schoolID = Text(*root, "SchoolID");
  user.schoolName = Text(*root, "SchoolName");
  user.extra1 = Text(*root, "Extra1");
  user.extra2 = Text(*root, "Extra2");
  user.extra3 = Text(*root, "Extra3");
  user.extra4 = Text(*root, "Extra4");
  user.photoUrl = Text(*root, "PhotoUrl");
  user.token = token;
  return user;
}

std::optional<bool> OnlineUserService::CheckToken(const std::wstring& token) const {
  const std::optional<Json::Value> root =
      JsonOf(Exchange(base_ + kTokenPage + "?token=" + Escaped(token) + "&method=TokenCheck&params=" + systemId_, nullptr));
  if (!root || !root->isObject() || !(*root)["data"].isObject()) return std::nullopt;
  const Json::Value& result = (*root)["data"]["result"];
  if (!result.isBool()) return std::nullopt;
  return result.asBool();
}

bool OnlineUserService::Logout(const std::wstring& token) const {
  const std::string form = "token=" + Escaped(token);
  return Exchange(Url(kUserPage, "method=Logout"), &form).has_value();
}

}  // namespace platform::login
