#pragma once
// The outcome of one form-transport request: the reply in GBK, or a message, and whether
// the transfer completed. A completed transfer is ok whatever its HTTP status.
#include <string>

struct CurlResult {
  std::string text;
  bool ok = false;
};
