#include "data/RecordAlerts.h"

#include <mutex>
#include <utility>

#include "data/LoggingRecordAlerts.h"

namespace {

std::mutex& AlertsMutex() {
  static std::mutex mutex;
  return mutex;
}

std::shared_ptr<RecordAlerts>& Installed() {
  static std::shared_ptr<RecordAlerts> alerts = std::make_shared<LoggingRecordAlerts>();
  return alerts;
}

}  // namespace

std::shared_ptr<RecordAlerts> RecordAlerts::Current() {
  std::lock_guard<std::mutex> lock(AlertsMutex());
  return Installed();
}

std::shared_ptr<RecordAlerts> RecordAlerts::Install(std::shared_ptr<RecordAlerts> alerts) {
  if (!alerts) alerts = std::make_shared<LoggingRecordAlerts>();
  std::lock_guard<std::mutex> lock(AlertsMutex());
  std::swap(Installed(), alerts);
  return alerts;
}
