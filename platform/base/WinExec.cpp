#include "platform/base/WinExec.h"

#include <cerrno>
#include <mutex>

#include "platform/base/CodePage.h"
#include "platform/base/Error.h"
#include "platform/base/Path.h"
#include "platform/base/ProcessLauncher.h"

namespace {

const UINT kStarted = 33;
const wchar_t kViewerEntry[] = L"shimgvw.dll,imageview_fullscreen";

std::mutex& HookMutex() {
  static std::mutex* mutex = new std::mutex;  // outlives static destructors
  return *mutex;
}

platform::WinExecHook& Hook() {
  static platform::WinExecHook* hook = new platform::WinExecHook;
  return *hook;
}

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) {
    if (c >= L'A' && c <= L'Z') c = wchar_t(c - L'A' + L'a');
  }
  return text;
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring TrimmedLeft(const std::wstring& text) {
  size_t first = 0;
  while (first < text.size() && IsBlank(text[first])) ++first;
  return text.substr(first);
}

std::wstring Trimmed(const std::wstring& text) {
  std::wstring trimmed = TrimmedLeft(text);
  while (!trimmed.empty() && IsBlank(trimmed.back())) trimmed.pop_back();
  return trimmed;
}

// Cuts the first word off, as Windows reads a program name: a quoted one runs to the
// closing quote, any other to the first blank.
std::wstring FirstWord(const std::wstring& text, std::wstring* rest) {
  const std::wstring line = TrimmedLeft(text);
  size_t end;
  std::wstring word;
  if (!line.empty() && line[0] == L'"') {
    end = line.find(L'"', 1);
    word = line.substr(1, end == std::wstring::npos ? std::wstring::npos : end - 1);
    end = end == std::wstring::npos ? line.size() : end + 1;
  } else {
    end = 0;
    while (end < line.size() && !IsBlank(line[end])) ++end;
    word = line.substr(0, end);
  }
  *rest = line.substr(end);
  return word;
}

std::wstring BaseName(const std::wstring& path) {
  const size_t cut = path.find_last_of(L"/\\");
  return cut == std::wstring::npos ? path : path.substr(cut + 1);
}

bool EndsWith(const std::wstring& text, const std::wstring& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The picture the viewer command names; false for any other command line.
bool ViewerPicture(const std::wstring& program, const std::wstring& rest, std::wstring* picture) {
  const std::wstring name = Lower(BaseName(program));
  if (name != L"rundll32.exe" && name != L"rundll32") return false;
  std::wstring path;
  const std::wstring entry = FirstWord(rest, &path);
  if (!EndsWith(Lower(entry), kViewerEntry)) return false;
  path = Trimmed(path);
  if (path.size() >= 2 && path.front() == L'"') {
    const size_t close = path.find(L'"', 1);
    path = path.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1);
  }
  *picture = path;
  return true;
}

platform::WinExecCall Parse(const std::string& commandLine, UINT show) {
  platform::WinExecCall call;
  call.commandLine = commandLine;
  call.show = show;
  std::wstring rest;
  const std::wstring program = FirstWord(platform::codepage::GbkToWide(commandLine), &rest);
  std::wstring picture;
  if (ViewerPicture(program, rest, &picture)) {
    call.program = "xdg-open";
    if (!picture.empty()) call.arguments.push_back(platform::NativePath(picture));
    return call;
  }
  call.program = program.empty() ? std::string() : platform::NativePath(program);
  for (const std::wstring& argument : platform::ProcessLauncher::SplitCommandLine(rest)) {
    call.arguments.push_back(platform::codepage::WideToUtf8(argument));
  }
  return call;
}

UINT ResultOf(int error) {
  switch (error) {
    case 0: return kStarted;
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case ENOEXEC: return ERROR_BAD_FORMAT;
    case ENOMEM:
    case EAGAIN: return 0;
    default: return ERROR_ACCESS_DENIED;
  }
}

UINT Start(const platform::WinExecCall& call) {
  if (call.program.empty() || (call.program == "xdg-open" && call.arguments.empty())) return ERROR_FILE_NOT_FOUND;
  std::string program = call.program;
  if (program.find('/') == std::string::npos) program = platform::ProcessLauncher::FindInPath(program);
  if (program.empty()) return ERROR_FILE_NOT_FOUND;
  return ResultOf(platform::ProcessLauncher::StartDetached(program, call.arguments, std::string()));
}

}  // namespace

UINT WinExec(LPCSTR lpCmdLine, UINT uCmdShow) {
  const platform::WinExecCall call = Parse(lpCmdLine != nullptr ? lpCmdLine : "", uCmdShow);
  platform::WinExecHook hook;
  {
    std::lock_guard<std::mutex> lock(HookMutex());
    hook = Hook();
  }
  if (hook) return hook(call);
  return Start(call);
}

namespace platform {

void SetWinExecHook(WinExecHook hook) {
  std::lock_guard<std::mutex> lock(HookMutex());
  Hook() = std::move(hook);
}

}  // namespace platform
