#pragma once
// The fake campus services hold their data in the program's GBK, as tests write it, and
// speak UTF-8 JSON on the wire like the real ones.
#include <string>

#include <json/json.h>

#include "testing/http/HttpReply.h"

namespace test_support {

// A JSON string holding the UTF-8 form of a GBK text.
Json::Value wire_text(const std::string& gbk);
// The GBK form of a UTF-8 text that came in with a request.
std::string gbk_from_wire(const std::string& utf8);
// A 200 reply carrying the value as compact UTF-8 JSON.
HttpReply wire_json_reply(const Json::Value& value);

}  // namespace test_support
