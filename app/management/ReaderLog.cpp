#include "app/management/ReaderLog.h"

#include <cstdio>
#include <mutex>
#include <utility>

#include "CommonTools/Log.h"

namespace {

std::mutex g_observerMutex;
ReaderLog::Observer g_observer;

}  // namespace

void ReaderLog::Error(const char* format, long result) {
  char line[512];
  std::snprintf(line, sizeof line, format, result);
  Write(3, line);
}

void ReaderLog::Error(const char* format, int number, long result) {
  char line[512];
  std::snprintf(line, sizeof line, format, number, result);
  Write(3, line);
}

ReaderLog::Observer ReaderLog::SetObserver(Observer observer) {
  std::lock_guard<std::mutex> lock(g_observerMutex);
  std::swap(g_observer, observer);
  return observer;
}

void ReaderLog::Write(int level, const std::string& line) {
  {
    std::lock_guard<std::mutex> lock(g_observerMutex);
    if (g_observer) {
      g_observer(level, line);
      return;
    }
  }
  g_log.Write(level, "%s", line.c_str());
}
