#pragma once
#include <string>

namespace test_support {

// The base URL of a loopback port that refuses every connection for the whole run.
std::string RefusingBaseUrl();

}  // namespace test_support
