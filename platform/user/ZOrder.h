#pragma once
// Sibling order: topmost windows above the others, owned windows above their owner.
// Lock held for every call.
#include "platform/user/WindowObject.h"

namespace platform::user {

class ZOrder {
 public:
  // Places `w` among its siblings as SetWindowPos's insert-after asks (HWND_TOP,
  // HWND_BOTTOM, HWND_TOPMOST, HWND_NOTOPMOST or a sibling), changing WS_EX_TOPMOST
  // for the two topmost values. `w` may be unlinked.
  static void Place(WindowObject* w, HWND after);
  static void Raise(WindowObject* w) { Place(w, nullptr); }
  static void Unlink(WindowObject* w);

 private:
  static void LiftOwned(WindowObject* owner);
};

}  // namespace platform::user
