#include "platform/base/Shell.h"

#include <sys/stat.h>

#include <cerrno>
#include <mutex>
#include <vector>

#include "platform/base/CodePage.h"
#include "platform/base/Module.h"
#include "platform/base/Path.h"
#include "platform/base/ProcessLauncher.h"

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

// Only web pages go to the desktop's opener: "file:" would open any local file, and
// other schemes start whatever program registered them.
bool IsWebUrl(const std::wstring& file) {
  std::wstring scheme = file.substr(0, file.find(L':'));
  for (wchar_t& c : scheme) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return (scheme == L"http" || scheme == L"https") && file.compare(scheme.size(), 3, L"://") == 0;
}

INT_PTR RefuseUrl(const std::wstring& file) {
  OutputDebugStringW((L"ShellExecute: not a web address, not opened: " + file + L"\n").c_str());
  return SE_ERR_ACCESSDENIED;
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

INT_PTR Launch(const std::string& program, const std::vector<std::string>& args, const std::string& folder) {
  const int error = platform::ProcessLauncher::StartDetached(program, args, folder);
  return error == 0 ? kStarted : ErrorResult(error);
}

INT_PTR OpenWithDesktop(const std::string& target) {
  std::string opener = platform::ProcessLauncher::FindInPath("xdg-open");
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
  if (IsUrl(file)) {
    if (!IsWebUrl(file)) return RefuseUrl(file);
    return OpenWithDesktop(platform::codepage::WideToUtf8(file));
  }
  const std::string path = platform::NativePath(file);
  struct stat st;
  if (path.empty() || stat(path.c_str(), &st) != 0) return SE_ERR_FNF;
  if (open && IsExecutableFile(st)) {
    std::vector<std::string> args;
    for (const std::wstring& arg : platform::ProcessLauncher::SplitCommandLine(params)) {
      args.push_back(platform::codepage::WideToUtf8(arg));
    }
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
