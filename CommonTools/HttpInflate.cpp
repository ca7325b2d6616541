#include "CommonTools/HttpInflate.h"

#include <boost/algorithm/string/predicate.hpp>
#include <boost/algorithm/string/trim.hpp>
#include <zlib.h>

namespace CommonTools {

namespace {

constexpr int kGzipOrZlib = 15 + 32;  // window bits: detect either wrapper
constexpr int kRawDeflate = -15;

bool is_gzip(const std::string& coding) {
  return boost::algorithm::iequals(coding, "gzip") || boost::algorithm::iequals(coding, "x-gzip");
}

// Z_OK and the inflated bytes, or a zlib error code.
int inflate_with(const std::string& data, int windowBits, std::size_t limit, std::string& out,
                 std::string& error) {
  z_stream stream{};
  if (inflateInit2(&stream, windowBits) != Z_OK) {
    error = "inflate: cannot start";
    return Z_MEM_ERROR;
  }
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = static_cast<uInt>(data.size());
  out.clear();
  char chunk[16384];
  int result = Z_OK;
  while (result == Z_OK) {
    stream.next_out = reinterpret_cast<Bytef*>(chunk);
    stream.avail_out = sizeof(chunk);
    result = inflate(&stream, Z_NO_FLUSH);
    out.append(chunk, sizeof(chunk) - stream.avail_out);
    if (out.size() > limit) {
      inflateEnd(&stream);
      error = "inflate: the reply is larger than its cap of " + std::to_string(limit) +
              " bytes and was refused";
      return Z_BUF_ERROR;
    }
    if (result == Z_BUF_ERROR && stream.avail_in == 0) break;  // the data ended early
  }
  inflateEnd(&stream);
  if (result == Z_STREAM_END) return Z_OK;
  error = std::string("inflate: ") + (stream.msg ? stream.msg : "damaged data");
  return result == Z_OK ? Z_DATA_ERROR : result;
}

}  // namespace

bool is_inflatable_encoding(const std::string& contentEncoding) {
  const std::string coding = boost::algorithm::trim_copy(contentEncoding);
  return is_gzip(coding) || boost::algorithm::iequals(coding, "deflate");
}

bool inflate_content(const std::string& contentEncoding, std::string& body, std::size_t limit,
                     std::string& error) {
  const std::string coding = boost::algorithm::trim_copy(contentEncoding);
  std::string out;
  if (inflate_with(body, kGzipOrZlib, limit, out, error) == Z_OK) {
    body.swap(out);
    return true;
  }
  if (is_gzip(coding)) return false;
  std::string rawError;
  if (inflate_with(body, kRawDeflate, limit, out, rawError) != Z_OK) return false;
  error.clear();
  body.swap(out);
  return true;
}

}  // namespace CommonTools
