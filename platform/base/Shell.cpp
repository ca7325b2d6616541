#include "platform/base/Shell.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "platform/base/CodePage.h"
#include "platform/base/Path.h"

namespace {

// What ShellExecuteW returns on success: any value above 32.
const INT_PTR kStarted = 42;

std::mutex& HookMutex() {
  static std::mutex* mutex = new std::mutex;  // outlives static destructors
  return *mutex;
}

platform::ShellExecuteHook& Hook() {
  static platform::ShellExecuteHook* hook = new platform::ShellExecuteHook;
  return *hook;
}

HINSTANCE Result(INT_PTR value) { return reinterpret_cast<HINSTANCE>(value); }

std::wstring OrEmpty(LPCWSTR text) { return text == nullptr ? std::wstring() : std::wstring(text); }

bool IsVerb(const std::wstring& verb, const wchar_t* name) {
  std::wstring lower = verb;
  for (wchar_t& c : lower) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return lower == name;
}

// "scheme:" with a scheme of two characters or more, so "C:\..." stays a path.
bool IsUrl(const std::wstring& file) {
  size_t colon = file.find(L':');
  if (colon == std::wstring::npos || colon < 2) return false;
  for (size_t i = 0; i < colon; ++i) {
    wchar_t c = file[i];
    bool letter = (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
    bool other = (c >= L'0' && c <= L'9') || c == L'+' || c == L'-' || c == L'.';
    if (!letter && !(i > 0 && other)) return false;
  }
  return true;
}

// Splits parameters as a Windows program splits its command line: blanks separate,
// double quotes group, backslashes escape only a quote that follows them.
std::vector<std::wstring> SplitParameters(const std::wstring& text) {
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

std::string FindInPath(const std::string& program) {
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

INT_PTR ErrorResult(int error) {
  switch (error) {
    case ENOENT:
      return SE_ERR_FNF;
    case ENOTDIR:
      return SE_ERR_PNF;
    case ENOMEM:
      return SE_ERR_OOM;
    default:
      return SE_ERR_ACCESSDENIED;
  }
}

// Starts a program detached from this process (its own session, reaped at once),
// and reports whether exec succeeded through a pipe that exec closes.
INT_PTR Launch(const std::string& program, const std::vector<std::string>& args, const std::string& folder) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return SE_ERR_OOM;
  pid_t child = fork();
  if (child < 0) {
    close(report[0]);
    close(report[1]);
    return SE_ERR_OOM;
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
  if (got == static_cast<ssize_t>(sizeof error)) return ErrorResult(error);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return SE_ERR_OOM;
  return kStarted;
}

INT_PTR OpenWithDesktop(const std::string& target) {
  std::string opener = FindInPath("xdg-open");
  if (opener.empty()) return SE_ERR_FNF;
  return Launch(opener, {target}, std::string());
}

bool IsExecutableFile(const struct stat& st) {
  return S_ISREG(st.st_mode) && (st.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) != 0;
}

INT_PTR Execute(const std::wstring& verb, const std::wstring& file, const std::wstring& params,
                const std::wstring& dir) {
  const bool open = verb.empty() || IsVerb(verb, L"open");
  if (!open && !IsVerb(verb, L"explore")) return SE_ERR_NOASSOC;
  if (IsUrl(file)) return OpenWithDesktop(platform::codepage::WideToUtf8(file));
  const std::string path = platform::NativePath(file);
  struct stat st;
  if (path.empty() || stat(path.c_str(), &st) != 0) return SE_ERR_FNF;
  if (open && IsExecutableFile(st)) {
    std::vector<std::string> args;
    for (const std::wstring& arg : SplitParameters(params)) args.push_back(platform::codepage::WideToUtf8(arg));
    // execv takes the path as it is: a bare name means the current folder, as for Windows.
    std::string program = path.find('/') == std::string::npos ? "./" + path : path;
    return Launch(program, args, dir.empty() ? std::string() : platform::NativePath(dir));
  }
  return OpenWithDesktop(path);
}

}  // namespace

HINSTANCE ShellExecuteW(HWND hwnd, LPCWSTR lpOperation, LPCWSTR lpFile, LPCWSTR lpParameters, LPCWSTR lpDirectory,
                        INT nShowCmd) {
  const std::wstring verb = OrEmpty(lpOperation);
  const std::wstring file = OrEmpty(lpFile);
  const std::wstring params = OrEmpty(lpParameters);
  const std::wstring dir = OrEmpty(lpDirectory);
  platform::ShellExecuteHook hook;
  {
    std::lock_guard<std::mutex> lock(HookMutex());
    hook = Hook();
  }
  if (hook) return Result(hook(verb, file, params, dir, nShowCmd));
  return Result(Execute(verb, file, params, dir));
}

namespace platform {

void SetShellExecuteHook(ShellExecuteHook hook) {
  std::lock_guard<std::mutex> lock(HookMutex());
  Hook() = std::move(hook);
}

}  // namespace platform
