#pragma once
// JSON as the patrol server speaks it: UTF-8 with its non-ASCII characters raw, never as
// \u escapes, since the client converts a reply to GBK before it parses it.
#include <string>

#include <json/json.h>

namespace test_support {

// False when the text is not JSON.
bool read_wire_json(const std::string& text, Json::Value& value);
// Compact, without a line feed.
std::string write_wire_json(const Json::Value& value);

}  // namespace test_support
