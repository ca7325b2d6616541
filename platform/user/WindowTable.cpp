#include "platform/user/WindowTable.h"

namespace platform::user {
namespace {

// Handle values are multiples of 4 well above the special values (HWND_TOPMOST,
// HWND_BOTTOM, ...) and below 2^31 - 1, so they survive a trip through a LONG.
const uintptr_t kDesktopHandle = 0x10010;
const uintptr_t kFirstHandle = 0x10020;
const uintptr_t kHandleStep = 4;

}  // namespace

WindowTable& WindowTable::Instance() {
  static WindowTable* table = new WindowTable;
  return *table;
}

WindowTable::WindowTable() : next_(kFirstHandle) {
  desktop_ = std::make_shared<WindowObject>();
  desktop_->handle = HWND(kDesktopHandle);
  desktop_->style = 0x10000000L | 0x80000000L;  // visible pop-up
  desktop_->state = WindowObject::State::Alive;
  desktop_->text = L"";
}

std::shared_ptr<WindowObject> WindowTable::Add() {
  auto window = std::make_shared<WindowObject>();
  window->handle = HWND(next_);
  next_ += kHandleStep;
  windows_[uintptr_t(window->handle)] = window;
  return window;
}

void WindowTable::Remove(HWND hwnd) { windows_.erase(uintptr_t(hwnd)); }

WindowObject* WindowTable::Find(HWND hwnd) const {
  if (uintptr_t(hwnd) == kDesktopHandle) return desktop_.get();
  auto it = windows_.find(uintptr_t(hwnd));
  return it == windows_.end() ? nullptr : it->second.get();
}

std::shared_ptr<WindowObject> WindowTable::FindShared(HWND hwnd) const {
  if (uintptr_t(hwnd) == kDesktopHandle) return desktop_;
  auto it = windows_.find(uintptr_t(hwnd));
  return it == windows_.end() ? nullptr : it->second;
}

}  // namespace platform::user
