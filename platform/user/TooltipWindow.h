#pragma once
// The "tooltips_class32" window: tools registered by window, a tip shown near the
// pointer on TTM_TRACKACTIVATE, topmost and never taking the focus.
#include <string>
#include <vector>

#include "platform/user/CommCtrl.h"

namespace platform::user {

class TooltipWindow {
 public:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  struct Tool {
    UINT flags = 0;
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    RECT rect{};
    std::wstring text;
  };

  LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  Tool* Find(const TTTOOLINFOW* info);
  void Show(HWND hwnd, const Tool& tool);
  void Paint(HWND hwnd);

  std::vector<Tool> tools_;
  int maxWidth_ = -1;
  int initialDelay_ = -1;
  const Tool* shown_ = nullptr;
  std::wstring shownText_;
};

}  // namespace platform::user
