#include "platform/user/DialogModalLoop.h"

#include "platform/user/Focus.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Monitor.h"
#include "platform/user/Window.h"
#include "platform/user/WindowPos.h"

namespace platform::user {

HWND DialogModalLoop::OwnerTop(HWND owner) { return owner ? GetAncestor(owner, GA_ROOT) : nullptr; }

void DialogModalLoop::Centre(HWND dialog, int width, int height) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(MonitorFromWindow(GetWindow(dialog, GW_OWNER), MONITOR_DEFAULTTOPRIMARY), &info);
  const RECT& work = info.rcWork;
  SetWindowPos(dialog, nullptr, (work.left + work.right - width) / 2, (work.top + work.bottom - height) / 2, width,
               height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogModalLoop::Run(HWND dialog, HWND ownerTop, const std::function<bool()>& done,
                          const std::function<void()>& beforeClose) {
  const bool disabledOwner = ownerTop && IsWindowEnabled(ownerTop);
  if (disabledOwner) EnableWindow(ownerTop, FALSE);
  ShowWindow(dialog, SW_SHOWNORMAL);
  bool quit = false;
  int quitCode = 0;
  MSG msg;
  while (!done() && IsWindow(dialog)) {
    if (!GetMessageW(&msg, nullptr, 0, 0)) {
      quit = true;
      quitCode = int(msg.wParam);
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (beforeClose) beforeClose();
  if (disabledOwner) EnableWindow(ownerTop, TRUE);
  if (ownerTop && IsWindowVisible(ownerTop)) SetActiveWindow(ownerTop);
  if (IsWindow(dialog)) DestroyWindow(dialog);
  if (quit) PostQuitMessage(quitCode);
}

}  // namespace platform::user
