#include "CommonTools/LogHelper.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

#include <boost/filesystem/operations.hpp>

#include "CommonTools/CMyData.h"
#include "platform/win32.h"

namespace CommonTools {

namespace {

const char kClosingLine[] = "\n----------------------------------------------\n\n";

boost::mutex g_instanceMutex;
log_helper* g_instance = nullptr;
bool g_retired = false;
// Serialises the writing-out at shutdown; the worker has been joined by then.
boost::mutex g_drainMutex;
// The day folder, found at the first record that could be written and kept from then on:
// a process that runs past midnight stays in its first day's folder.
std::wstring g_folder;

std::wstring current_folder() {
  WCHAR buffer[4096] = {};
  const DWORD length = GetCurrentDirectoryW(4096, buffer);
  return length == 0 || length >= 4096 ? std::wstring() : std::wstring(buffer, length);
}

bool ensure_folder(const std::wstring& folder, bool withParents) {
  const std::string native = platform::NativePath(folder);
  boost::system::error_code ec;
  if (boost::filesystem::is_directory(native, ec)) return true;
  if (withParents) {
    boost::filesystem::create_directories(native, ec);
  } else {
    boost::filesystem::create_directory(native, ec);
  }
  return !ec;
}

// "" when a folder cannot be made; the record is then lost and the next one tries again.
std::wstring record_folder() {
  if (!g_folder.empty()) return g_folder;
  const std::wstring logs = current_folder() + L"\\logs";
  if (!ensure_folder(logs, false)) return std::wstring();
  SYSTEMTIME today = {};
  GetLocalTime(&today);
  char date[32] = {0};
  std::snprintf(date, sizeof(date), "%04d%02d%02d", today.wYear, today.wMonth, today.wDay);
  const std::wstring month = logs + L"\\" + std::wstring(date, date + 6);
  if (!ensure_folder(month, true)) return std::wstring();
  const std::wstring day = month + L"\\" + std::wstring(date, date + 8);
  if (!ensure_folder(day, false)) return std::wstring();
  g_folder = day;
  return g_folder;
}

const wchar_t* file_name(int level) {
  if (level == 0) return L"normal.log";
  if (level == 1) return L"warning.log";
  return L"error.log";
}

// A record that cannot be read back or written is lost on its own; the logger goes on.
void write_entry(const std::string& entry) {
  try {
    const CMyData data = CMyData::from_archive(entry);
    const std::wstring folder = record_folder();
    if (folder.empty()) return;
    FILE* file = fopen(platform::NativePath(folder + L"\\" + file_name(data.get_level())).c_str(), "ab");
    if (!file) return;
    const std::string text = data.get_time() + "\n" + data.get_text() + kClosingLine;
    fwrite(text.data(), 1, text.size(), file);
    fclose(file);
  } catch (const std::exception&) {
  }
}

void write_out_queue() {
  boost::lock_guard<boost::mutex> lock(g_drainMutex);
  std::string entry;
  while (log_queue.try_pop(entry)) write_entry(entry);
}

// Takes the instance out of reach of instance(); from now on the logger takes no records.
void retire(log_helper* retiring) {
  boost::lock_guard<boost::mutex> lock(g_instanceMutex);
  if (retiring == g_instance) g_instance = nullptr;
  g_retired = true;
}

// Closes the queue, stops the worker and writes out what is still queued.
void shut_down_logger() {
  log_queue.close();
  log_helper* current = nullptr;
  {
    boost::lock_guard<boost::mutex> lock(g_instanceMutex);
    current = g_instance;
  }
  delete current;
  retire(nullptr);
  write_out_queue();
}

// At process exit the records still queued are written out before the process ends,
// whether or not a worker was ever started: through ExitProcess, or, when the process
// returns from main, before the queue itself is destroyed (a worker still waiting on it
// would hang the exit). The archive code's own process-wide objects are made first, so
// that they are destroyed only after that last write-out.
void register_exit_hook() {
  static std::once_flag once;
  std::call_once(once, [] {
    CMyData::from_archive(CMyData().to_archive());
    platform::AddExitFlushHook(shut_down_logger);
    std::atexit(shut_down_logger);
  });
}

std::string time_of_day() {
  SYSTEMTIME now = {};
  GetLocalTime(&now);
  char text[32] = {0};
  std::snprintf(text, sizeof(text), "%02d:%02d:%02d", now.wHour, now.wMinute, now.wSecond);
  return text;
}

}  // namespace

log_helper* log_helper::instance() {
  register_exit_hook();
  boost::lock_guard<boost::mutex> lock(g_instanceMutex);
  if (!g_instance && !g_retired) g_instance = new log_helper();
  return g_instance;
}

void log_helper::write(int level, std::string text) {
  register_exit_hook();
  const CMyData data(level, time_of_day(), std::move(text));
  log_queue.push(data.to_archive());
}

log_helper::log_helper() : m_thread(&log_helper::run, this) {}

log_helper::~log_helper() {
  // Closing first wakes producers waiting for room, which drop their records instead of
  // waiting for a worker that is going away.
  log_queue.close();
  stop_worker();
  retire(this);
  write_out_queue();
}

void log_helper::stop_worker() {
  m_thread.interrupt();
  if (m_thread.joinable() && m_thread.get_id() != boost::this_thread::get_id()) m_thread.join();
}

void log_helper::run() {
  try {
    for (;;) {
      boost::this_thread::interruption_point();
      std::string entry;
      log_queue.pop(entry);
      write_entry(entry);
    }
  } catch (const boost::thread_interrupted&) {
    OutputDebugStringA("boost::thread_interrupted...\n");
  }
}

}  // namespace CommonTools
