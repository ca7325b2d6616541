#include "app/client/ProgramLog.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "CommonTools/Conversions.h"
#include "CommonTools/Log.h"
#include "platform/win32.h"

namespace {

const int kThreshold = 7;
const int kSizeLimit = 104857600;  // 100 MiB a file

}  // namespace

void MakeLogFolder(std::string& folder) {
  if (folder.empty()) return;
  SYSTEMTIME today;
  ::GetLocalTime(&today);
  char date[32];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d", today.wYear, today.wMonth, today.wDay);
  folder += "log/Wardenfell/";
  folder += date;
  std::error_code error;
  std::filesystem::create_directories(platform::NativePath(folder), error);
}

void InitLog() {
  wchar_t module[MAX_PATH] = {0};
  const DWORD length = ::GetModuleFileNameW(nullptr, module, MAX_PATH);
  std::string folder = CommonTools::wstring_to_string(std::wstring(module, length));
  const size_t separator = platform::LastPathSeparator(folder);
  folder = separator == std::string::npos ? std::string() : folder.substr(0, separator + 1);
  MakeLogFolder(folder);
  g_log.Init("log", kThreshold, kSizeLimit, folder);
  g_log.Write(6, "log path dir is: %s\n", folder.c_str());
}
