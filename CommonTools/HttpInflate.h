#pragma once
// Undoing the Content-Encoding of a reply: the transport offers "gzip, deflate", so a
// server may answer compressed.
#include <cstddef>
#include <string>

namespace CommonTools {

// True when the Content-Encoding value names a coding that inflate_content undoes.
bool is_inflatable_encoding(const std::string& contentEncoding);

// Inflates a gzip or deflate body in place. "deflate" is taken in the zlib format or, as
// some servers send it, as bare deflate data. False with a message in `error` when the
// data is damaged or would inflate past `limit` bytes; the body is then unchanged.
bool inflate_content(const std::string& contentEncoding, std::string& body, std::size_t limit,
                     std::string& error);

}  // namespace CommonTools
