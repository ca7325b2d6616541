#include "platform/base/ProcessLauncher.h"

#include <fcntl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace platform {

std::vector<std::wstring> ProcessLauncher::SplitCommandLine(const std::wstring& text) {
  std::vector<std::wstring> args;
  std::wstring current;
  bool inArgument = false;
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    wchar_t c = text[i];
    if (!quoted && (c == L' ' || c == L'\t')) {
      if (inArgument) args.push_back(current);
      current.clear();
      inArgument = false;
      continue;
    }
    inArgument = true;
    if (c == L'\\') {
      size_t slashes = 0;
      while (i < text.size() && text[i] == L'\\') ++slashes, ++i;
      if (i < text.size() && text[i] == L'"') {
        current.append(slashes / 2, L'\\');
        if (slashes % 2 == 1) {
          current += L'"';
          continue;
        }
      } else {
        current.append(slashes, L'\\');
      }
      --i;  // the character after the backslashes is looked at next
      continue;
    }
    if (c == L'"') {
      if (quoted && i + 1 < text.size() && text[i + 1] == L'"') {
        current += L'"';
        ++i;
      } else {
        quoted = !quoted;
      }
      continue;
    }
    current += c;
  }
  if (inArgument) args.push_back(current);
  return args;
}

std::string ProcessLauncher::FindInPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string folders = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  size_t start = 0;
  while (start <= folders.size()) {
    size_t end = folders.find(':', start);
    if (end == std::string::npos) end = folders.size();
    std::string candidate = folders.substr(start, end - start);
    candidate = (candidate.empty() ? "." : candidate) + "/" + program;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return std::string();
}

int ProcessLauncher::StartDetached(const std::string& program, const std::vector<std::string>& args,
                                   const std::string& folder) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return errno;
  pid_t child = fork();
  if (child < 0) {
    const int error = errno;
    close(report[0]);
    close(report[1]);
    return error;
  }
  if (child == 0) {
    // Only async-signal-safe calls from here: the parent may have other threads.
    setsid();
    pid_t grandchild = fork();
    if (grandchild != 0) _exit(grandchild < 0 ? 1 : 0);
    syscall(SYS_close_range, 3U, ~0U, 4U /* CLOSE_RANGE_CLOEXEC */);  // nothing of ours leaks
    int error = 0;
    if (!folder.empty() && chdir(folder.c_str()) != 0) error = errno;
    if (error == 0) {
      execv(program.c_str(), argv.data());
      error = errno;
    }
    ssize_t ignored = write(report[1], &error, sizeof error);
    (void)ignored;
    _exit(127);
  }
  close(report[1]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  int error = 0;
  ssize_t got;
  while ((got = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
  }
  close(report[0]);
  if (got == static_cast<ssize_t>(sizeof error)) return error;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return ENOMEM;  // the intermediate fork failed
  return 0;
}

}  // namespace platform
