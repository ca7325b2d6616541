#include "platform/user/ZOrder.h"

#include <algorithm>

#include "platform/user/Styles.h"
#include "platform/user/WindowHelpers.h"

namespace platform::user {
namespace {

bool Topmost(const WindowObject* w) { return (w->exStyle & WS_EX_TOPMOST) != 0; }

}  // namespace

void ZOrder::Unlink(WindowObject* w) {
  if (!w->parent) return;
  auto& list = w->parent->children;
  list.erase(std::remove(list.begin(), list.end(), w), list.end());
}

void ZOrder::Place(WindowObject* w, HWND after) {
  WindowObject* parent = w->parent;
  if (!parent) return;
  const bool topLevel = IsDesktop(parent);
  if (topLevel && after == HWND_TOPMOST) {
    w->exStyle |= WS_EX_TOPMOST;
    after = HWND_TOP;
  } else if (topLevel && after == HWND_NOTOPMOST) {
    w->exStyle &= ~DWORD(WS_EX_TOPMOST);
    after = HWND_TOP;
  } else if (topLevel && after == HWND_BOTTOM) {
    w->exStyle &= ~DWORD(WS_EX_TOPMOST);
  }
  Unlink(w);
  auto& list = parent->children;
  size_t index = 0;
  const bool top = topLevel && Topmost(w);
  if (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
    if (topLevel && !top) {
      while (index < list.size() && Topmost(list[index])) ++index;
    }
  } else if (after == HWND_BOTTOM) {
    index = list.size();
  } else {
    auto it = std::find_if(list.begin(), list.end(), [after](WindowObject* s) { return s->handle == after; });
    index = it == list.end() ? 0 : size_t(it - list.begin()) + 1;
    if (topLevel) {
      // Keep the bands: a topmost window never goes below a plain one, nor the reverse.
      size_t bandEnd = 0;
      while (bandEnd < list.size() && Topmost(list[bandEnd])) ++bandEnd;
      index = top ? std::min(index, bandEnd) : std::max(index, bandEnd);
    }
  }
  list.insert(list.begin() + long(index), w);
  if (topLevel) LiftOwned(w);
}

void ZOrder::LiftOwned(WindowObject* owner) {
  auto& list = owner->parent->children;
  auto position = [&list](const WindowObject* w) {
    return size_t(std::find(list.begin(), list.end(), w) - list.begin());
  };
  std::vector<WindowObject*> owned;
  for (WindowObject* s : list) {
    if (s->owner == owner->handle && position(s) > position(owner) && Topmost(s) == Topmost(owner)) owned.push_back(s);
  }
  for (auto it = owned.rbegin(); it != owned.rend(); ++it) {
    Unlink(*it);
  }
  // Directly above the owner, keeping their order among themselves.
  size_t at = position(owner);
  list.insert(list.begin() + long(at), owned.begin(), owned.end());
  for (WindowObject* s : owned) LiftOwned(s);
}

}  // namespace platform::user
