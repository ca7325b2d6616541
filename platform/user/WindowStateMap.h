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

 private:
  mutable std::mutex mutex_;
  std::map<HWND, std::shared_ptr<T>> states_;
};

}  // namespace platform::user
