#include "platform/user/SystemClasses.h"

#include <mutex>

#include "platform/user/ClassRecord.h"
#include "platform/user/CommCtrl.h"
#include "platform/user/Cursor.h"
#include "platform/user/DatePickerWindow.h"
#include "platform/user/Edit.h"
#include "platform/user/EditWindow.h"
#include "platform/user/FileBrowserWindow.h"
#include "platform/user/MessageBoxWindow.h"
#include "platform/user/MonthCalendarWindow.h"
#include "platform/user/TooltipWindow.h"
#include "platform/user/WindowClassRegistry.h"
#include "platform/user/UserLock.h"

namespace platform::user {
namespace {

void RegisterSystem(LPCWSTR name, WNDPROC proc, UINT style, int extra, LPCWSTR cursor = IDC_ARROW) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.cbWndExtra = extra;
  wc.hCursor = LoadCursorW(nullptr, cursor);
  wc.lpszClassName = name;
  Guard guard = UserLock::Acquire();
  WindowClassRegistry::Instance().Register(wc, true);
}

}  // namespace

void SystemClasses::Ensure() {
  static std::once_flag once;
  std::call_once(once, [] {
    RegisterSystem(TOOLTIPS_CLASSW, &TooltipWindow::Proc, CS_DBLCLKS | CS_SAVEBITS, sizeof(void*));
    RegisterSystem(MessageBoxWindow::ClassName(), &MessageBoxWindow::Proc, 0, sizeof(void*));
    RegisterSystem(WC_EDITW, &EditWindow::Proc, CS_DBLCLKS, 0, IDC_IBEAM);
    RegisterSystem(DATETIMEPICK_CLASSW, &DatePickerWindow::Proc, 0, 0);
    RegisterSystem(MONTHCAL_CLASSW, &MonthCalendarWindow::Proc, 0, 0);
    RegisterSystem(FileBrowserWindow::ClassName(), &FileBrowserWindow::Proc, CS_DBLCLKS, sizeof(void*));
  });
}

}  // namespace platform::user

void InitCommonControls() { platform::user::SystemClasses::Ensure(); }
