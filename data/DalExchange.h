#pragma once
// One patrol-server exchange through the REST transport, and the reading of a write's
// reply as an integer.
#include <cstdint>
#include <string>

#include "CommonTools/HttpHelper.h"

namespace dal {

enum class Verb { Get, Post };

// The transport's code: 0 success, -1 the reply "-1", anything else a failed exchange
// (the reply then holds the error's text). The URL and body are the program's GBK. A
// reply larger than `replyCap` bytes is refused (code 4, the reply says so).
int Request(std::string url, std::string body, Verb verb, std::string& reply,
            std::uint64_t replyCap = CommonTools::http_helper::kDefaultReplyCap);

// The largest reply the patrol server's `path` (its query aside) may send: ten times the
// reply of a big school (10,000 plans, routes, checkpoints, people, readers and users;
// 100,000 device records, audit entries and patrol records), so a broken or hostile server
// cannot take the machine's memory. Other paths get the transport's default.
std::uint64_t ReplyCap(const std::string& path);

// The reply read as a decimal integer the way atoi reads it: leading blanks, an optional
// sign, the digits up to the first other character; 0 without digits. A number beyond
// the int range gives the nearest int.
int ReplyToInt(const std::string& reply);

}  // namespace dal
