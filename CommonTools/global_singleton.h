#pragma once
// The one session object of the process: where the servers are, who is logged in
// and what that user may do. Start-up and login fill it on the UI thread before the
// main frame exists; afterwards every thread only reads it, so it has no lock.
#include <map>
#include <string>

#include <boost/serialization/singleton.hpp>

#include "CommonTools/OnlineUserInfo.h"

// The shell's main window, held by pointer only; nothing here calls it.
class CMainFrameWnd;

class global_singleton : public boost::serialization::singleton<global_singleton> {
 public:
  CMainFrameWnd* m_pMainFrame = nullptr;
  int m_nOutSideSchool = 0;  // 1 outside the school network, 0 inside
  bool m_bLoginInit = false;  // the local login component is initialised
  std::string m_strBaseAddr;  // "http://" + host + "/"
  std::string m_strServerAddr;  // ends with "/"
  OnlineUserInfo m_userInfo;
  std::string m_strIdentityCode;  // "IC0001" is the super user
  std::string m_strIdentityIcon;
  std::string m_strIdentityName;
  std::string m_strToken;
  int m_nAllRights = 0;
  int m_nAllTypes = 0;
  int m_nAllModules = 0;
  std::map<std::string, int> m_mapModules;  // module name -> 1
  std::map<int, std::string> m_mapTypes;  // patrol type code -> type name
};
