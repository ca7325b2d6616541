#pragma once
// One top-level window of the program as a test lists it: what it is, who owns it and
// where it is on the screen.
#include <string>

#include "platform/win32.h"

namespace controltest {

struct OpenWindow {
  HWND hwnd = nullptr;
  std::wstring className;
  DWORD style = 0;
  DWORD exStyle = 0;
  HWND owner = nullptr;  // GW_OWNER
  RECT rect{};           // screen coordinates
  bool visible = false;
};

}  // namespace controltest
