#include "platform/login/OnlineUserSession.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "platform/base/CodePage.h"
#include "platform/base/RuntimeFolder.h"

namespace platform::login {

std::string OnlineUserSession::File() {
  const char* folder = std::getenv("PATROL_LOGIN_SESSION_DIR");
  const std::string base = folder != nullptr && *folder != '\0' ? folder : UserRuntimeFolder();
  return base + "/online-user.session";
}

std::wstring OnlineUserSession::Token() {
  std::ifstream in(File(), std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return codepage::Utf8ToWide(text);
}

bool OnlineUserSession::Store(const std::wstring& token) {
  // Written aside and renamed, so that another program never reads half a token; the
  // token is the user's alone.
  const std::string file = File();
  const std::string aside = file + ".new";
  const int fd = open(aside.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  const std::string text = codepage::WideToUtf8(token);
  const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  close(fd);
  return written && std::rename(aside.c_str(), file.c_str()) == 0;
}

void OnlineUserSession::Clear() { std::remove(File().c_str()); }

}  // namespace platform::login
