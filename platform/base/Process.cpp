#include "platform/base/Process.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "platform/base/CodePage.h"

namespace {

struct ExitState {
  std::mutex mutex;
  std::vector<std::pair<int, std::function<void()>>> flushHooks;
  int nextId = 0;
  std::function<void(UINT)> exitHook;
  std::wstring commandLine;
  size_t argumentsStart = 0;
};

ExitState& State() {
  static ExitState* state = new ExitState;  // still there while the process ends
  return *state;
}

// Serialises exits: a second thread calling ExitProcess waits here while the first
// flushes, and never returns once the first has ended the process.
std::mutex& ExitMutex() {
  static std::mutex* mutex = new std::mutex;
  return *mutex;
}

std::wstring DecodeArgument(const char* arg) {
  bool complete = true;
  std::wstring text = platform::codepage::Utf8ToWide(arg, platform::codepage::Policy::Fail, &complete);
  if (complete) return text;
  return platform::codepage::GbkToWide(arg);
}

// Quotes an argument so that a Windows program splitting the line gets it back.
std::wstring Quote(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
  std::wstring quoted = L"\"";
  size_t slashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++slashes;
      continue;
    }
    if (c == L'"') {
      quoted.append(slashes * 2 + 1, L'\\');
    } else {
      quoted.append(slashes, L'\\');
    }
    slashes = 0;
    quoted += c;
  }
  quoted.append(slashes * 2, L'\\');  // they stand before the closing quote
  quoted += L'"';
  return quoted;
}

}  // namespace

void ExitProcess(UINT uExitCode) {
  std::lock_guard<std::mutex> exiting(ExitMutex());
  std::vector<std::function<void()>> hooks;
  std::function<void(UINT)> exitHook;
  {
    std::lock_guard<std::mutex> lock(State().mutex);
    for (const auto& entry : State().flushHooks) hooks.push_back(entry.second);
    exitHook = State().exitHook;
  }
  for (const std::function<void()>& hook : hooks) {
    try {
      hook();
    } catch (...) {
      // One logger failing to flush must not keep the others from theirs.
    }
  }
  if (exitHook) {
    exitHook(uExitCode);
    return;
  }
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  _exit(static_cast<int>(uExitCode));
}

LPWSTR GetCommandLineW() {
  std::lock_guard<std::mutex> lock(State().mutex);
  return &State().commandLine[0];
}

namespace platform {

int AddExitFlushHook(std::function<void()> hook) {
  std::lock_guard<std::mutex> lock(State().mutex);
  int id = ++State().nextId;
  State().flushHooks.emplace_back(id, std::move(hook));
  return id;
}

void RemoveExitFlushHook(int id) {
  std::lock_guard<std::mutex> lock(State().mutex);
  auto& hooks = State().flushHooks;
  for (auto it = hooks.begin(); it != hooks.end(); ++it) {
    if (it->first == id) {
      hooks.erase(it);
      return;
    }
  }
}

void SetExitProcessHook(std::function<void(UINT)> hook) {
  std::lock_guard<std::mutex> lock(State().mutex);
  State().exitHook = std::move(hook);
}

LPWSTR SetCommandLineFromArgs(int argc, const char* const* argv) {
  std::wstring line = argc > 0 ? Quote(DecodeArgument(argv[0])) : std::wstring();
  size_t start = line.size();
  for (int i = 1; i < argc; ++i) {
    line += L' ';
    if (i == 1) start = line.size();
    line += Quote(DecodeArgument(argv[i]));
  }
  std::lock_guard<std::mutex> lock(State().mutex);
  State().commandLine = line;
  State().argumentsStart = start;
  return &State().commandLine[0] + start;
}

}  // namespace platform
