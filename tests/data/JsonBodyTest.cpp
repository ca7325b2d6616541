#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "data/JsonBody.h"

namespace {

struct BodyCase {
  const char* what;
  std::function<void(JsonBody&)> build;
  std::string expected;
};

void PrintTo(const BodyCase& c, std::ostream* os) { *os << c.what; }

class JsonBodyBytes : public ::testing::TestWithParam<BodyCase> {};

TEST_P(JsonBodyBytes, AreWrittenExactly) {
  JsonBody body;
  GetParam().build(body);
  EXPECT_EQ(body.Write(), GetParam().expected);
}

// Expected bytes are spelled out, never produced by the writer under test.
INSTANTIATE_TEST_SUITE_P(
    Writer, JsonBodyBytes,
    ::testing::Values(
        BodyCase{"keys come out in byte order whatever order they were set in",
                 [](JsonBody& b) { b.Number("b", -12).DigitText("a", -12).Text("B", "x"); },
                 "{\"B\":\"x\",\"a\":\"-12\",\"b\":-12}\n"},
        BodyCase{"a plan body from its index order",
                 [](JsonBody& b) {
                   b.Text("strName", "N").DigitText("iRouteID", 5).Text("AnnouncerIUserID", "u1")
                       .DigitText("iEquipmentID", 3).DigitText("iType", 0).Text("strDate", "2022-06-01&2022-06-30")
                       .Text("strTime", "08:00-09:30").Text("Inspectpeople", "12&7").Text("strWeek", "1111100")
                       .Text("strRemark", "").Text("strReserve", "");
                 },
                 "{\"AnnouncerIUserID\":\"u1\",\"Inspectpeople\":\"12&7\",\"iEquipmentID\":\"3\",\"iRouteID\":\"5\","
                 "\"iType\":\"0\",\"strDate\":\"2022-06-01&2022-06-30\",\"strName\":\"N\",\"strRemark\":\"\","
                 "\"strReserve\":\"\",\"strTime\":\"08:00-09:30\",\"strWeek\":\"1111100\"}\n"},
        BodyCase{"GBK text is copied byte for byte",
                 [](JsonBody& b) { b.Text("strName", "\xd5\xc5\xc8\xfd" "A"); },  // 张三A
                 "{\"strName\":\"\xd5\xc5\xc8\xfd" "A\"}\n"},
        BodyCase{"a double-byte character ending in the backslash byte keeps its two bytes",
                 [](JsonBody& b) { b.Text("strName", "\x95\x5c" "n\\"); },  // 昞n then a real backslash
                 "{\"strName\":\"\x95\x5c" "n\\\\\"}\n"},
        BodyCase{"quote and backslash are escaped",
                 [](JsonBody& b) { b.Text("s", "a\"b\\c"); },
                 "{\"s\":\"a\\\"b\\\\c\"}\n"},
        BodyCase{"the five named controls use their short escapes",
                 [](JsonBody& b) { b.Text("s", "\b\f\n\r\t"); },
                 "{\"s\":\"\\b\\f\\n\\r\\t\"}\n"},
        BodyCase{"other controls become \\u00XX so the body stays JSON; DEL and slash stay",
                 [](JsonBody& b) { b.Text("s", std::string("\x01\x1f\x7f/\0z", 6)); },
                 "{\"s\":\"\\u0001\\u001f\x7f/\\u0000z\"}\n"},
        BodyCase{"a later value under a key replaces the earlier one",
                 [](JsonBody& b) { b.Text("k", "a").Number("k", 1); },
                 "{\"k\":1}\n"},
        BodyCase{"an empty body", [](JsonBody&) {}, "{}\n"}),
    [](const ::testing::TestParamInfo<BodyCase>& info) { return "Case" + std::to_string(info.index); });

}  // namespace
