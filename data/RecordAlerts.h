#pragma once
// How the broker consumer tells the user of an announced patrol record: a toast for a
// normal visit, the modal alarm for an abnormal one. The windows are the shell's, so the
// shell installs alerts that show them when it starts; until then, and in a process
// without a shell, the consumer's alerts only log what they would have shown.
#include <functional>
#include <memory>
#include <string>

#include "platform/win32.h"

struct InspectRecordInfo;

class RecordAlerts {
 public:
  // Called on the alarm's thread with the alarm's window once it exists and before its
  // modal loop runs. False ends the alarm there, unshown.
  using AlarmOpened = std::function<bool(HWND alarm)>;

  virtual ~RecordAlerts() = default;

  // False while nothing can be shown yet: the consumer then drops an announcement
  // without asking the server for its record.
  virtual bool CanShow() const = 0;

  // Any thread may call it; the consumer calls it from its own.
  virtual void ShowToast(const std::wstring& text, int seconds) = 0;

  // Runs the alarm for the record modally on the calling thread and returns once it has
  // been closed.
  virtual void ShowAlarm(const InspectRecordInfo& record, const AlarmOpened& opened) = 0;

  // The alerts in use, never null. A caller keeps them alive while it uses them, even
  // when others are installed meanwhile.
  static std::shared_ptr<RecordAlerts> Current();

  // Installs alerts and returns the ones they replace; null puts back those that only log.
  static std::shared_ptr<RecordAlerts> Install(std::shared_ptr<RecordAlerts> alerts);
};
