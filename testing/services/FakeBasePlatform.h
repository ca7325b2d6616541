#pragma once
// The school's base platform, played on a test server: the sub-system address service
// (every sub-system points back at the same server unless told otherwise), the token
// check, the identity and user services with their envelope, the user contact and name
// services, and the data-collection delivery. Data are held in the program's GBK and sent
// as UTF-8. Handlers run on the server's thread; the setters may be called at any time.
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include <json/json.h>

#include "testing/http/FakeHttpServer.h"

namespace test_support {

struct FakeIdentity {
  std::string code;  // "IC0001" is the super user
  std::string name;
  std::string iconUrl;
  int preset = 0;
};

struct FakePlatformUser {
  std::string userID;
  std::string userName;
  std::string gender;
  std::string photoPath;
  std::string telephone;
  std::string schoolID;
  int userType = 0;
  std::vector<std::string> identityCodes;
};

class FakeBasePlatform {
 public:
  // Installs the platform's routes on the server, which must outlive this object's use.
  explicit FakeBasePlatform(FakeHttpServer& server);

  // The address the service gives for a sub-system id, in both queries.
  void set_address(const std::string& sysID, const std::string& address);
  void set_token_valid(bool valid);
  void add_identity(const FakeIdentity& identity);
  void add_user(const FakePlatformUser& user);
  // The body the data-collection service answers with.
  void set_delivery_reply(const std::string& reply);
  // The bodies delivered to the data-collection service, as they arrived.
  std::vector<std::string> deliveries() const;
  // Serves a picture (an identity icon, a user's photo) at a path of the server; the
  // server's request log counts its downloads.
  void add_picture(const std::string& path, const std::string& bytes, const std::string& contentType);
  // The GET requests for that path so far.
  int picture_requests(const std::string& path) const;

 private:
  HttpReply address(const RecordedRequest& request, bool inner) const;
  HttpReply token_check(const RecordedRequest& request) const;
  HttpReply identities_of_user(const RecordedRequest& request) const;
  HttpReply identities_by_code(const RecordedRequest& request) const;
  HttpReply module_users(const RecordedRequest& request) const;
  HttpReply user_field(const RecordedRequest& request, const char* key) const;
  HttpReply deliver(const RecordedRequest& request);

  const FakePlatformUser* find_user(const std::string& userID) const;
  Json::Value identity_json(const std::string& code) const;

  FakeHttpServer& server_;
  std::string base_url_;
  mutable std::mutex mutex_;
  std::map<std::string, std::string> addresses_;
  bool token_valid_ = true;
  std::vector<FakeIdentity> identities_;
  std::vector<FakePlatformUser> users_;
  std::string delivery_reply_ = "1";
  std::vector<std::string> deliveries_;
};

}  // namespace test_support
