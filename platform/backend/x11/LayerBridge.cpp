#include "platform/backend/x11/LayerBridge.h"

#include "platform/user/User.h"

namespace platform::x11 {

LayerBridge LayerBridge::ToWindowLayer() {
  LayerBridge bridge;
  bridge.facts = [](HWND hwnd) {
    WindowFacts facts;
    facts.exStyle = DWORD(GetWindowLongW(hwnd, GWL_EXSTYLE));
    wchar_t name[256] = {0};
    const int length = GetClassNameW(hwnd, name, 256);
    facts.className.assign(name, size_t(length > 0 ? length : 0));
    return facts;
  };
  // Posted, so the window's own thread restores it when it comes to it.
  bridge.restoreRequested = [](HWND hwnd) { PostMessageW(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0); };
  return bridge;
}

}  // namespace platform::x11
