#include "testing/session/ProgramSession.h"

#include "CommonTools/global_singleton.h"

namespace test_support {

void ForgetProgramSession(global_singleton& s) {
  s.m_pMainFrame = nullptr;
  s.m_nOutSideSchool = 0;
  s.m_bLoginInit = false;
  s.m_strBaseAddr.clear();
  s.m_strServerAddr.clear();
  s.m_userInfo = OnlineUserInfo();
  s.m_strIdentityCode.clear();
  s.m_strIdentityIcon.clear();
  s.m_strIdentityName.clear();
  s.m_strToken.clear();
  s.m_nAllRights = 0;
  s.m_nAllTypes = 0;
  s.m_nAllModules = 0;
  s.m_mapModules.clear();
  s.m_mapTypes.clear();
}

}  // namespace test_support
