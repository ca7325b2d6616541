#pragma once
// The school's base platform, played on a test server: the sub-system address service
// (every sub-system points back at the same server unless told otherwise), the token
// check, the identity and user services with their envelope, the user contact and name
// services, the data-collection delivery, and the login component's accounts and tokens
// (OnlineUserProtocol.md beside this file). Data are held in the program's GBK and sent
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

  // The name the login component gives for a school's users.
  void set_school_name(const std::string& schoolID, const std::string& name);
  // A login account of a user added with add_user.
  void add_account(const std::string& account, const std::string& password, const std::string& userID);
  // A token of the user, as a successful login would issue it.
  std::string issue_token(const std::string& userID);
  // While set, every login is answered with this text instead of the accounts' answer.
  void set_login_reply(const std::string& reply);
  void clear_login_reply();
  // The tokens logged out, in order.
  std::vector<std::string> logged_out() const;

 private:
  HttpReply address(const RecordedRequest& request, bool inner) const;
  HttpReply token_check(const RecordedRequest& request) const;
  HttpReply identities_of_user(const RecordedRequest& request) const;
  HttpReply identities_by_code(const RecordedRequest& request) const;
  HttpReply module_users(const RecordedRequest& request) const;
  HttpReply user_field(const RecordedRequest& request, const char* key) const;
  HttpReply deliver(const RecordedRequest& request);
  HttpReply login(const RecordedRequest& request);
  HttpReply user_of_token(const RecordedRequest& request) const;
  HttpReply logout(const RecordedRequest& request);
  std::string issue_token_locked(const std::string& userID);

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
  struct Account {
    std::string password;
    std::string userID;
  };
  std::map<std::string, Account> accounts_;
  std::map<std::string, std::string> tokens_;  // token -> user ID
  std::map<std::string, std::string> school_names_;
  std::vector<std::string> logged_out_;
  int issued_ = 0;
  bool scripted_login_ = false;
  std::string login_reply_;
};

}  // namespace test_support
