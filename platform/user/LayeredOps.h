#pragma once
// Lock held: what changes when WS_EX_LAYERED or WS_EX_TRANSPARENT is switched.
#include "platform/user/WindowObject.h"

namespace platform::user {

void ExStyleChanged(WindowObject* w, DWORD oldExStyle);
// Hands a top-level window's current picture to the backend.
void PresentTopLevel(WindowObject* root);

}  // namespace platform::user
