#include "testing/services/GbkWire.h"

#include "platform/win32.h"
#include "testing/services/WireJson.h"

namespace test_support {

Json::Value wire_text(const std::string& gbk) { return Json::Value(platform::codepage::GbkToUtf8(gbk)); }

std::string gbk_from_wire(const std::string& utf8) { return platform::codepage::Utf8ToGbk(utf8); }

HttpReply wire_json_reply(const Json::Value& value) {
  return HttpReply(200, write_wire_json(value), "application/json; charset=utf-8");
}

}  // namespace test_support
