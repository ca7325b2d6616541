#pragma once
// Window handles: every window gets a value never given to another window, so a
// call on a destroyed window finds nothing and fails harmlessly.
#include <memory>
#include <unordered_map>

#include "platform/user/WindowObject.h"

namespace platform::user {

class WindowTable {
 public:
  static WindowTable& Instance();

  // All under the user lock.
  std::shared_ptr<WindowObject> Add();
  void Remove(HWND hwnd);
  WindowObject* Find(HWND hwnd) const;
  std::shared_ptr<WindowObject> FindShared(HWND hwnd) const;
  WindowObject* Desktop() const { return desktop_.get(); }
  HWND DesktopHandle() const { return desktop_->handle; }

 private:
  WindowTable();

  std::unordered_map<uintptr_t, std::shared_ptr<WindowObject>> windows_;
  std::shared_ptr<WindowObject> desktop_;
  uintptr_t next_;
};

}  // namespace platform::user
