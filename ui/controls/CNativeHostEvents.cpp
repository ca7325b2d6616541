#include "ui/controls/CNativeHostEvents.h"

#include "ui/core/manager/CWindowManagerUI.h"

namespace SkinUI {

bool CNativeHostEvents::Handle(CControlUI& host, bool windowOpen, UIEventRecord& event) {
  switch (event.Type) {
    case UIEVENT_SETCURSOR:
      if (!host.IsEnabled()) return false;
      ::SetCursor(::LoadCursorW(nullptr, IDC_IBEAM));
      return true;
    case UIEVENT_WINDOWSIZE:
      if (windowOpen && host.GetManager() != nullptr) host.GetManager()->SetFocusNeeded(&host);
      return false;
    case UIEVENT_SCROLLWHEEL:
      return windowOpen;
    case UIEVENT_KILLFOCUS:
      if (host.IsEnabled()) host.Invalidate();
      return false;
    default:
      return false;
  }
}

}  // namespace SkinUI
