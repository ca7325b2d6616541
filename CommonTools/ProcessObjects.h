#pragma once
// The process-wide objects that exist before the program's entry runs. They are all
// defined in ProcessObjects.cpp so that their construction order is the one fixed
// there.
#include <string>

#include "CommonTools/global_singleton.h"
#include "app/shell/OnlineUserInfo.h"

// The user the login roads fill; copied into the session object after login.
extern OnlineUserInfo g_OnlineUserInfo;

// The online user's ID as the login component reported it.
extern std::string g_strUserID;
