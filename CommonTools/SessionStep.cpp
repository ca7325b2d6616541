#include "CommonTools/SessionStep.h"

namespace CommonTools {

const char* step_name(session_step step) {
  switch (step) {
    case session_step::none:
      return "";
    case session_step::resolve:
      return "resolve";
    case session_step::connect:
      return "connect";
    case session_step::handshake:
      return "handshake";
    case session_step::write:
      return "write";
    case session_step::read:
      return "read";
    case session_step::shutdown:
      return "shutdown";
    case session_step::deadline:
      return "deadline";
  }
  return "";
}

}  // namespace CommonTools
