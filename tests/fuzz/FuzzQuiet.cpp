#include "tests/fuzz/FuzzQuiet.h"

#include <string>

#include "data/DalLog.h"

namespace fuzz {

void QuietDataLog() {
  static const bool quiet = [] {
    DalLog::SetObserver([](DalLog::Sink, int, const std::string&) {});
    return true;
  }();
  (void)quiet;
}

}  // namespace fuzz
