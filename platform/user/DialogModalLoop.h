#pragma once
// The modal loop of the layer's own dialogs (the message box, the shell's choosers):
// the owner's top-level window is disabled while the dialog runs, every message of the
// calling thread is dispatched (its other windows and timers go on), and a WM_QUIT met
// on the way ends the loop and is posted again for the loop outside.
#include <functional>

#include "platform/base/WinTypes.h"

namespace platform::user {

class DialogModalLoop {
 public:
  // The top-level window a dialog of `owner` is owned by; null for none.
  static HWND OwnerTop(HWND owner);
  // Sizes the dialog and centres it in the work area of its owner's monitor (the
  // primary one without an owner).
  static void Centre(HWND dialog, int width, int height);
  // Shows `dialog` and dispatches until `done` says so or the dialog is destroyed;
  // `beforeClose` runs while the owner is still disabled. Destroys the dialog.
  static void Run(HWND dialog, HWND ownerTop, const std::function<bool()>& done,
                  const std::function<void()>& beforeClose = nullptr);
};

}  // namespace platform::user
