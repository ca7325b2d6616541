#include "tests/platform/user/ModalLoop.h"

namespace test {

int RunModal(HWND hwnd) {
  HWND owner = GetWindow(hwnd, GW_OWNER);
  ShowWindow(hwnd, SW_SHOWNORMAL);
  if (owner) EnableWindow(owner, FALSE);
  int result = 0;
  MSG msg{};
  bool quit = false;
  while (IsWindow(hwnd)) {
    if (!GetMessageW(&msg, nullptr, 0, 0)) {
      quit = true;
      break;
    }
    if (msg.message == WM_CLOSE && msg.hwnd == hwnd) {
      result = int(msg.wParam);
      if (owner) {
        EnableWindow(owner, TRUE);
        SetFocus(owner);
      }
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (owner) {
    EnableWindow(owner, TRUE);
    SetFocus(owner);
  }
  if (quit) PostQuitMessage(int(msg.wParam));
  return result;
}

}  // namespace test
