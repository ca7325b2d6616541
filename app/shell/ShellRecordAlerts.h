#pragma once
// The broker consumer's alerts as the shell shows them: the toast on the toast window,
// which must exist first, and the alarm window run modally on the consumer's thread. The
// shell installs them (RecordAlerts::Install) when it starts.
#include "data/RecordAlerts.h"

class ShellRecordAlerts : public RecordAlerts {
 public:
  // Only once the main frame has built the toast window.
  bool CanShow() const override;
  void ShowToast(const std::wstring& text, int seconds) override;
  // Under the desktop window, titled "异常报警", centred; destroyed when it returns.
  void ShowAlarm(const InspectRecordInfo& record, const AlarmOpened& opened) override;
};
