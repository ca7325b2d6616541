#pragma once
// libcurl's process-wide set-up, which is not thread-safe and must happen once, before
// any handle is made.

namespace CommonTools {

// Initialises libcurl with all features on the first call; later calls do nothing.
void ensure_curl_global_init();

}  // namespace CommonTools
