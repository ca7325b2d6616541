#pragma once
// Creation and destruction of windows.
#include "platform/user/ThreadQueue.h"

namespace platform::user {

// Lock held: removes every window of a thread that ends, without messages (its
// procedures cannot run any more).
void DiscardWindowsOfQueue(ThreadQueue* queue);

}  // namespace platform::user
