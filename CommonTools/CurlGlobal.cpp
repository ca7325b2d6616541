#include "CommonTools/CurlGlobal.h"

#include <mutex>

#include <curl/curl.h>

namespace CommonTools {

void ensure_curl_global_init() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_ALL); });
}

}  // namespace CommonTools
