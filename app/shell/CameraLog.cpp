#include "app/shell/CameraLog.h"

#include <mutex>
#include <utility>

#include "CommonTools/Log.h"
#include "CommonTools/LogHelper.h"

namespace {

std::mutex& ObserverMutex() {
  static std::mutex mutex;
  return mutex;
}

CameraLog::Observer& CurrentObserver() {
  static CameraLog::Observer observer;
  return observer;
}

// Copied under the lock and called outside it: a line may come from any thread.
CameraLog::Observer Observing() {
  std::lock_guard<std::mutex> lock(ObserverMutex());
  return CurrentObserver();
}

}  // namespace

void CameraLog::Text(int level, const std::string& line) {
  if (Observer observer = Observing()) {
    observer(Sink::TextLog, level, line);
    return;
  }
  g_log.Write(level, "%s", line.c_str());
}

void CameraLog::Async(int level, const std::string& text) {
  if (Observer observer = Observing()) {
    observer(Sink::AsyncLog, level, text);
    return;
  }
  CommonTools::log_helper::write(level, text);
}

CameraLog::Observer CameraLog::SetObserver(Observer observer) {
  std::lock_guard<std::mutex> lock(ObserverMutex());
  std::swap(CurrentObserver(), observer);
  return observer;
}
