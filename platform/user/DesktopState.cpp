#include "platform/user/DesktopState.h"

namespace platform::user {

DesktopState& DesktopState::Instance() {
  static DesktopState* state = new DesktopState;
  return *state;
}

}  // namespace platform::user
