#pragma once
// Every notification a window's controls send, in the order they were sent: type,
// sender name, wParam and lParam, kept as they were at the time (a sender may be gone
// by the time the test reads them). Written on the window's thread, read by the test.
#include <mutex>
#include <string>
#include <vector>

#include "platform/win32.h"
#include "ui/core/manager/INotifyUI.h"
#include "ui/core/manager/UINotifyRecord.h"

namespace controltest {

struct RecordedNotify {
  std::string type;
  std::string sender;  // "-" for none
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

class NotifyRecorder : public SkinUI::INotifyUI {
 public:
  void Notify(SkinUI::UINotifyRecord& msg) override;

  std::vector<RecordedNotify> Entries() const;
  // "type:sender" (with "(wParam,lParam)" when asked) for each notification, without
  // the window's own "windowinit", the focus moves and "timer", which come and go
  // with the window rather than with the input a test gives.
  std::vector<std::string> Lines(bool withParams = false) const;
  int Count(const std::string& type) const;
  void Clear();

 private:
  mutable std::mutex mutex_;
  std::vector<RecordedNotify> entries_;
};

// ASCII text of a wide string ('?' for anything else), for readable comparisons.
std::string Narrow(LPCTSTR text);

}  // namespace controltest
