#pragma once
// One registered window class.
#include <string>
#include <vector>

#include "platform/user/WindowClass.h"

namespace platform::user {

class ClassRecord {
 public:
  std::wstring name;
  ATOM atom = 0;
  HINSTANCE instance = nullptr;
  UINT style = 0;
  WNDPROC proc = nullptr;
  int clsExtra = 0;
  int wndExtra = 0;
  HICON icon = nullptr;
  HICON iconSmall = nullptr;
  HCURSOR cursor = nullptr;
  HBRUSH background = nullptr;
  std::wstring menuName;
  bool system = false;
  bool unregistered = false;
  std::vector<BYTE> extra;

  void FillInfo(WNDCLASSEXW* info) const;
};

}  // namespace platform::user
