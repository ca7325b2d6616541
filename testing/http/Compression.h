#pragma once
// Compressed bodies for replies that a client must inflate.
#include <string>

namespace test_support {

std::string gzip_compress(const std::string& data);
// The zlib format, what "Content-Encoding: deflate" names.
std::string zlib_compress(const std::string& data);
// Bare deflate data without the zlib wrapper, which some servers send as "deflate".
std::string raw_deflate_compress(const std::string& data);

}  // namespace test_support
