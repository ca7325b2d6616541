#pragma once
// One patrol-server exchange through the REST transport, and the reading of a write's
// reply as an integer.
#include <string>

namespace dal {

enum class Verb { Get, Post };

// The transport's code: 0 success, -1 the reply "-1", anything else a failed exchange
// (the reply then holds the error's text). The URL and body are the program's GBK.
int Request(std::string url, std::string body, Verb verb, std::string& reply);

// The reply read as a decimal integer the way atoi reads it: leading blanks, an optional
// sign, the digits up to the first other character; 0 without digits. A number beyond
// the int range gives the nearest int.
int ReplyToInt(const std::string& reply);

}  // namespace dal
