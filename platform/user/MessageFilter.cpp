#include "platform/user/MessageFilter.h"

#include "platform/user/WindowTable.h"

namespace platform::user {

bool MessageFilter::WantsWindow(HWND target) const {
  if (hwnd == nullptr) return true;
  if (hwnd == HWND(intptr_t(-1))) return target == nullptr;
  if (target == nullptr) return false;
  if (target == hwnd) return true;
  // Messages of the filter window's descendants count as its own.
  const WindowTable& table = WindowTable::Instance();
  for (WindowObject* w = table.Find(target); w && w->IsChild(); w = w->parent) {
    if (w->parent && w->parent->handle == hwnd) return true;
  }
  return false;
}

}  // namespace platform::user
