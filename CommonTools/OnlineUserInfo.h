#pragma once
// The logged-in user as the platform's local login component reports it. Copied
// member by member into the session object; every text is narrow GBK. The shell fills
// it, but it sits here, below everything that reads it, because the session object
// holds a copy.
#include <string>

struct OnlineUserInfo {
  int nUserType = -1;  // -1 until a login fills it; 6 and 8 are the administrator types
  std::string strUserID;
  std::string strUserName;
  std::string strPassword;  // only the login window fills it
  std::string strSchoolID;
  std::string strSchoolName;
  std::string strExtra1;
  std::string strExtra2;
  std::string strExtra3;
  std::string strExtra4;
  std::string strPhotoUrl;
  std::string strToken;
};
