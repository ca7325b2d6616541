#include "platform/base/UserName.h"

#include <pwd.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/base/CodePage.h"

namespace {

// The user database's name for the effective user; its number when it has none.
std::string EffectiveUserName() {
  const uid_t uid = geteuid();
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
  struct passwd entry;
  struct passwd* found = nullptr;
  if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
      found->pw_name != nullptr) {
    return found->pw_name;
  }
  return std::to_string(uid);
}

}  // namespace

BOOL GetUserNameW(LPWSTR lpBuffer, LPDWORD pcbBuffer) {
  if (pcbBuffer == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const std::wstring name = platform::codepage::Utf8ToWide(EffectiveUserName());
  const DWORD needed = static_cast<DWORD>(name.size() + 1);
  if (lpBuffer == nullptr || *pcbBuffer < needed) {
    *pcbBuffer = needed;
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  name.copy(lpBuffer, name.size());
  lpBuffer[name.size()] = L'\0';
  *pcbBuffer = needed;
  return TRUE;
}
