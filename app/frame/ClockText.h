#pragma once
// The main frame's clock: "2024年03月06日 09:05:07  星期三".
#include <string>

#include "platform/win32.h"

class ClockText {
 public:
  static std::wstring Format(const SYSTEMTIME& local);
};
