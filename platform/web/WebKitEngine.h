#pragma once
// The real engine: WebKitGTK on a thread of its own that runs the GTK main loop. It
// needs a display for GTK's own connection; without one Start says so.
#include <memory>

#include "platform/web/WebEngine.h"

namespace platform::web {

std::shared_ptr<WebEngine> MakeWebKitEngine();

}  // namespace platform::web
