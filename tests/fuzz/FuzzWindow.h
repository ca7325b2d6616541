#pragma once
// A window with a framework manager on the headless backend, made once per process
// for the targets that lay out or build on a manager. Used from one thread.
#include <memory>

#include "platform/win32.h"

namespace SkinUI {
class CWindowManagerUI;
}

namespace fuzz {

class FuzzWindow {
 public:
  static FuzzWindow& Get();
  ~FuzzWindow();
  FuzzWindow(const FuzzWindow&) = delete;
  FuzzWindow& operator=(const FuzzWindow&) = delete;

  HWND Window() const { return hwnd_; }
  SkinUI::CWindowManagerUI& Manager() { return *manager_; }
  // A fresh manager on the same window, so nothing one input registered stays.
  std::unique_ptr<SkinUI::CWindowManagerUI> NewManager();

 private:
  FuzzWindow();

  HWND hwnd_ = nullptr;
  std::unique_ptr<SkinUI::CWindowManagerUI> manager_;
};

}  // namespace fuzz
