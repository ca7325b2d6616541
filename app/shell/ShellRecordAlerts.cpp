#include "app/shell/ShellRecordAlerts.h"

#include "app/shell/AlarmWindow.h"
#include "app/shell/ShellServices.h"

bool ShellRecordAlerts::CanShow() const { return g_pFeedBackWnd != nullptr; }

void ShellRecordAlerts::ShowToast(const std::wstring& text, int seconds) {
  ::ShowToast(text, seconds);
}

void ShellRecordAlerts::ShowAlarm(const InspectRecordInfo& record, const AlarmOpened& opened) {
  AlarmWindow window(record);
  window.CreateWithStyle(GetDesktopWindow(), L"异常报警", 0, 0);
  window.CenterWindow();
  if (!opened(window.GetHWND())) return;
  window.ShowModal();
}
