#include <gtest/gtest.h>

#include <sys/syscall.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32.h"

namespace {

std::wstring RealExecutable() {
  return platform::codepage::Utf8ToWide(std::filesystem::canonical("/proc/self/exe").string());
}

TEST(Module, FileNameIsTheRealExecutableCutAsWindowsCutsIt) {
  const std::wstring real = RealExecutable();
  const DWORD length = static_cast<DWORD>(real.size());
  struct Case {
    DWORD size;
    DWORD result;
    std::wstring text;
    DWORD error;
  } cases[] = {
      {length + 10, length, real, ERROR_SUCCESS},
      {length + 1, length, real, ERROR_SUCCESS},
      {length, length, real.substr(0, length - 1), ERROR_INSUFFICIENT_BUFFER},
      {5, 5, real.substr(0, 4), ERROR_INSUFFICIENT_BUFFER},
      {1, 1, L"", ERROR_INSUFFICIENT_BUFFER},
  };
  for (const Case& c : cases) {
    std::vector<WCHAR> buffer(c.size + 1, L'#');
    SetLastError(12345);
    EXPECT_EQ(GetModuleFileNameW(nullptr, buffer.data(), c.size), c.result) << c.size;
    EXPECT_EQ(std::wstring(buffer.data()), c.text) << c.size;
    EXPECT_EQ(GetLastError(), c.error) << c.size;
    EXPECT_EQ(buffer[c.size], L'#') << "wrote past the buffer of " << c.size;
  }
  EXPECT_EQ(real.find(L'\\'), std::wstring::npos);
}

TEST(Module, ProgramHandleIsStableAndNamesTheProgram) {
  HMODULE program = GetModuleHandleW(nullptr);
  ASSERT_NE(program, nullptr);
  EXPECT_EQ(GetModuleHandleW(nullptr), program);
  WCHAR path[4096];
  DWORD length = GetModuleFileNameW(program, path, 4096);
  EXPECT_EQ(std::wstring(path, length), RealExecutable());

  EXPECT_EQ(GetModuleHandleW(L"nosuch.dll"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
  EXPECT_EQ(GetModuleFileNameW(reinterpret_cast<HMODULE>(&length), path, 4096), 0u);
}

// The framework looks its blending functions up through these names before it
// falls back to slower drawing, so each must give the same handle as loading it.
TEST(Module, SystemLibrariesHaveFixedHandlesWhateverTheSpelling) {
  const HMODULE msimg32 = GetModuleHandleW(L"msimg32.dll");
  ASSERT_NE(msimg32, nullptr);
  const HMODULE user32 = GetModuleHandleW(L"User32.dll");
  ASSERT_NE(user32, nullptr);
  EXPECT_NE(msimg32, user32);
  EXPECT_NE(msimg32, GetModuleHandleW(nullptr));
  const struct {
    const wchar_t* name;
    HMODULE expected;
  } cases[] = {
      {L"MSIMG32.DLL", msimg32},
      {L"msimg32", msimg32},
      {L"C:\\Windows\\System32\\msimg32.dll", msimg32},
      {L"user32", user32},
      {L"msimg32.dl", nullptr},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GetModuleHandleW(c.name), c.expected) << c.name;
  }
}

TEST(Module, ThreadIdsAndLastErrorsArePerThread) {
  const DWORD mine = GetCurrentThreadId();
  EXPECT_EQ(mine, static_cast<DWORD>(syscall(SYS_gettid)));
  EXPECT_EQ(GetCurrentProcessId(), static_cast<DWORD>(getpid()));
  SetLastError(ERROR_ACCESS_DENIED);
  DWORD other = 0;
  DWORD otherErrorAtStart = 99;
  std::thread worker([&] {
    other = GetCurrentThreadId();
    otherErrorAtStart = GetLastError();
    SetLastError(ERROR_FILE_NOT_FOUND);
  });
  worker.join();
  EXPECT_NE(other, 0u);
  EXPECT_NE(other, mine);
  EXPECT_EQ(otherErrorAtStart, static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
}

TEST(Module, DebugOutputGoesToStderrOnlyWhenAskedFor) {
  struct Case {
    bool enabled;
    std::string expected;
  } cases[] = {
      {false, ""},
      {true, u8"巡更 narrow\n巡更 wide\n"},
  };
  for (const Case& c : cases) {
    if (c.enabled) {
      setenv("PLATFORM_DEBUG_OUTPUT", "1", 1);
    } else {
      unsetenv("PLATFORM_DEBUG_OUTPUT");
    }
    testing::internal::CaptureStderr();
    OutputDebugStringA("巡更 narrow\n");  // GBK
    OutputDebugStringW(L"巡更 wide\n");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.expected);
  }
  unsetenv("PLATFORM_DEBUG_OUTPUT");
}

}  // namespace
