#pragma once
// The process-wide objects of the lower layers that exist before the program's entry
// runs. They are all defined in ProcessObjects.cpp so that their construction order is
// the one fixed there; the start-up caches, which come in the middle of that order, are
// the data layer's (data/StartupCaches.h).
#include <string>

#include "CommonTools/OnlineUserInfo.h"
#include "CommonTools/global_singleton.h"

// The user the login roads fill; copied into the session object after login.
extern OnlineUserInfo g_OnlineUserInfo;

// The online user's ID as the login component reported it.
extern std::string g_strUserID;
