#pragma once
// The state of each window of a system class, kept by the layer and keyed by the
// window rather than in its extra bytes, so a program's superclass of the class (which
// copies the procedure but may use the window's data itself) still works. A message
// being handled holds its own reference: a window destroyed by whatever a
// notification it sends sets off keeps its state until that message returns.
#include <map>
#include <memory>
#include <mutex>

#include "platform/base/WinTypes.h"
#include "platform/user/Window.h"

namespace platform::user {

template <class T>
class WindowStateMap {
 public:
  std::shared_ptr<T> Find(HWND hwnd) const {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = states_.find(hwnd);
    return it == states_.end() ? nullptr : it->second;
  }

  void Add(HWND hwnd, std::shared_ptr<T> state) {
    std::lock_guard<std::mutex> lock(mutex_);
    states_[hwnd] = std::move(state);
  }

  void Remove(HWND hwnd) {
    std::shared_ptr<T> gone;  // released outside the lock
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = states_.find(hwnd);
    if (it == states_.end()) return;
    gone = std::move(it->second);
    states_.erase(it);
  }

  // The window procedure of a class whose every window has a state: made at
  // WM_NCCREATE, dropped at WM_NCDESTROY, and every other message handed to `handle`
  // on it.
  LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                   LRESULT (T::*handle)(UINT, WPARAM, LPARAM)) {
    if (message == WM_NCCREATE) {
      Add(hwnd, std::make_shared<T>(hwnd));
      return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    std::shared_ptr<T> self = Find(hwnd);
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      Remove(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return ((*self).*handle)(message, wParam, lParam);
  }

 private:
  mutable std::mutex mutex_;
  std::map<HWND, std::shared_ptr<T>> states_;
};

}  // namespace platform::user
