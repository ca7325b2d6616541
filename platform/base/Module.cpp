#include "platform/base/Module.h"
#include "platform/base/SystemModules.h"

#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/base/CodePage.h"

namespace {

// The program's module handle: an address of the program's own that no other
// handle can share.
char g_programModule;

HMODULE ProgramModule() { return reinterpret_cast<HMODULE>(&g_programModule); }

std::string ExecutablePath() {
  std::string path(256, '\0');
  for (;;) {
    ssize_t length = readlink("/proc/self/exe", &path[0], path.size());
    if (length < 0) return std::string();
    if (static_cast<size_t>(length) < path.size()) {
      path.resize(static_cast<size_t>(length));
      return path;
    }
    path.resize(path.size() * 2);
  }
}

void WriteDebugOutput(const std::string& utf8) {
  if (std::getenv("PLATFORM_DEBUG_OUTPUT") == nullptr) return;
  std::fwrite(utf8.data(), 1, utf8.size(), stderr);
  std::fflush(stderr);
}

}  // namespace

DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize) {
  if (hModule != nullptr && hModule != ProgramModule()) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return 0;
  }
  const std::wstring path = platform::codepage::Utf8ToWide(ExecutablePath());
  if (path.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return 0;
  }
  if (lpFilename == nullptr || nSize == 0) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  if (path.size() < nSize) {
    std::copy(path.begin(), path.end(), lpFilename);
    lpFilename[path.size()] = L'\0';
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(path.size());
  }
  std::copy(path.begin(), path.begin() + (nSize - 1), lpFilename);
  lpFilename[nSize - 1] = L'\0';
  SetLastError(ERROR_INSUFFICIENT_BUFFER);
  return nSize;
}

HMODULE GetModuleHandleW(LPCWSTR lpModuleName) {
  if (lpModuleName == nullptr) return ProgramModule();
  HMODULE system = platform::SystemModuleHandle(lpModuleName);
  if (!system) SetLastError(ERROR_MOD_NOT_FOUND);
  return system;
}

DWORD GetCurrentThreadId() { return static_cast<DWORD>(gettid()); }

DWORD GetCurrentProcessId() { return static_cast<DWORD>(getpid()); }

void OutputDebugStringA(LPCSTR lpOutputString) {
  if (lpOutputString == nullptr) return;
  WriteDebugOutput(platform::codepage::GbkToUtf8(lpOutputString));
}

void OutputDebugStringW(LPCWSTR lpOutputString) {
  if (lpOutputString == nullptr) return;
  WriteDebugOutput(platform::codepage::WideToUtf8(lpOutputString));
}
