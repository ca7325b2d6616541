#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>

#include "data/DalExchange.h"
#include "data/JsonFields.h"
#include "data/JsonMembers.h"

namespace {

struct IntCase {
  const char* reply;
  int expected;
};

TEST(ReplyToInt, ReadsTheReplyTheWayAtoiDoes) {
  const IntCase cases[] = {
      {"57", 57},          {"", 0},           {"abc", 0},         {"  -3x", -3},
      {"+8", 8},           {"\t\n12", 12},    {"1 2", 1},         {"- 5", 0},
      {"0012", 12},        {"2147483647", INT_MAX}, {"99999999999", INT_MAX}, {"-99999999999", INT_MIN},
  };
  for (const IntCase& c : cases) EXPECT_EQ(dal::ReplyToInt(c.reply), c.expected) << '"' << c.reply << '"';
}

struct ShieldCase {
  const char* what;
  std::string json;
  std::string expected;  // the text member as read
};

// The transport hands over GBK, so a double-byte character whose second byte is 0x5C sits
// inside a JSON string looking like the start of an escape.
TEST(ParseReply, KeepsDoubleByteCharactersWhoseSecondByteIsTheBackslash) {
  const ShieldCase cases[] = {
      {"alone", "{\"s\":\"\x95\x5c\"}", "\x95\x5c"},
      {"before a letter that would make an escape", "{\"s\":\"\x95\x5c" "n\"}", "\x95\x5c" "n"},
      {"beside ordinary escapes", "{\"s\":\"a\\n\x95\x5c\\\"\\\\\"}", "a\n\x95\x5c\"\\"},
      {"after other Chinese text", "{\"s\":\"\xd5\xc5\x95\x5c\xc8\xfd\"}", "\xd5\xc5\x95\x5c\xc8\xfd"},
      {"a plain backslash escape stays one", "{\"s\":\"a\\\\b\"}", "a\\b"},
  };
  for (const ShieldCase& c : cases) {
    Json::Value root;
    std::string errors;
    ASSERT_TRUE(dal::ParseReply(c.json.c_str(), root, errors)) << c.what << ": " << errors;
    EXPECT_EQ(dal::ReadText(root, "s"), c.expected) << c.what;
  }
}

}  // namespace

namespace {

// A field read as text and as an integer, or the JSON library's error text.
std::string ReadBoth(const std::function<std::string()>& text, const std::function<int()>& number) {
  std::string out;
  try {
    out += "text:" + text();
  } catch (const Json::Exception& e) {
    out += std::string("text error:") + e.what();
  }
  try {
    out += " int:" + std::to_string(number());
  } catch (const Json::Exception& e) {
    out += std::string(" int error:") + e.what();
  }
  return out;
}

Json::Value Parsed(const std::string& json) {
  Json::Value root;
  std::string errors;
  EXPECT_TRUE(dal::ParseReply(json.c_str(), root, errors)) << json;
  return root;
}

}  // namespace

// The members gathered in one walk read exactly as the field readers search them: the
// same values, the same nulls and the same errors.
TEST(JsonMembers, ReadLikeTheFieldReaders) {
  std::string wide = "{";
  for (int i = 0; i < 60; ++i) wide += "\"k" + std::to_string(i) + "\":" + std::to_string(i) + ",";
  wide += "\"strName\":\"wide\"}";
  const std::string elements[] = {
      R"({"iID":7,"strName":"east","strCode":"C7","strCamIp":"10.0.0.1","flag":true,"n":null,"big":3000000000})",
      R"({"iID":"7","strName":12,"strCode":false,"s":"","x":1.5})",
      "{}",
      "null",
      "[1,2]",
      "\"text\"",
      "5",
      wide,
  };
  const char* keys[] = {"iID", "strName", "strCode", "strCamIp", "flag", "n", "big", "x", "s", "missing", "k59", ""};
  for (const std::string& json : elements) {
    const Json::Value element = Parsed(json);
    for (const char* key : keys) {
      const std::string searched =
          ReadBoth([&] { return dal::ReadText(element, key); }, [&] { return dal::ReadInt(element, key); });
      const std::string walked = ReadBoth([&] { return dal::JsonMembers(element).Text(key); },
                                          [&] { return dal::JsonMembers(element).Int(key); });
      EXPECT_EQ(walked, searched) << json << " [" << key << "]";
    }
  }
}
