#include "testing/http/Compression.h"

#include <stdexcept>

#include <zlib.h>

namespace test_support {

namespace {

std::string compress_with(const std::string& data, int window_bits) {
  z_stream stream{};
  if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, window_bits, 8,
                   Z_DEFAULT_STRATEGY) != Z_OK) {
    throw std::runtime_error("deflateInit2 failed");
  }
  std::string out(deflateBound(&stream, data.size()) + 32, '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = reinterpret_cast<Bytef*>(&out[0]);
  stream.avail_out = static_cast<uInt>(out.size());
  const int result = deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  if (result != Z_STREAM_END) throw std::runtime_error("deflate failed");
  return out;
}

}  // namespace

std::string gzip_compress(const std::string& data) { return compress_with(data, 15 + 16); }
std::string zlib_compress(const std::string& data) { return compress_with(data, 15); }
std::string raw_deflate_compress(const std::string& data) { return compress_with(data, -15); }

}  // namespace test_support
