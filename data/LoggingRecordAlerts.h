#pragma once
// The broker consumer's alerts where no shell shows them: each toast and alarm becomes
// one information line of the text log, and an alarm counts as closed at once.
#include "data/RecordAlerts.h"

class LoggingRecordAlerts : public RecordAlerts {
 public:
  // The log can always take a line.
  bool CanShow() const override { return true; }
  void ShowToast(const std::wstring& text, int seconds) override;
  void ShowAlarm(const InspectRecordInfo& record, const AlarmOpened& opened) override;
};
