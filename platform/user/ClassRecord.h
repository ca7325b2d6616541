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
  // What the class reports as its module: a global class keeps the instance it was
  // registered with, null included.
  HINSTANCE reportedInstance = nullptr;
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
  int windows = 0;  // live windows of the class: it cannot be unregistered under them

  void FillInfo(WNDCLASSEXW* info) const;
  // The class extra bytes at `offset`, `size` of them (a LONG or a LONG_PTR); false
  // when they do not lie inside the class's extra bytes.
  bool ReadExtra(int offset, size_t size, LONG_PTR* value) const;
  bool WriteExtra(int offset, size_t size, LONG_PTR value);
};

}  // namespace platform::user
