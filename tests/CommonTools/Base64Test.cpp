#include <string>

#include <gtest/gtest.h>

#include "CommonTools/Base64.h"

namespace {

using std::string;

struct EncodeCase {
  string input;
  string encoded;
  bool ok;
};

TEST(Base64Test, EncodesWithoutPadding) {
  const EncodeCase cases[] = {
      {"abc", "YWJj", true},
      {"ab", "YWI", true},
      {"a", "YQ", true},
      {"abcd", "YWJjZA", true},
      {string("\xff\xfe\xfd\x00", 4), "//79AA", true},
      {"巡更点", "0bK4/LXj", true},  // GBK bytes, as the login window stores them
      {"", "", false},
  };
  for (const EncodeCase& c : cases) {
    string out = "stale";
    EXPECT_EQ(CommonTools::base64_encode(out, c.input), c.ok) << c.encoded;
    EXPECT_EQ(out, c.encoded);
  }
}

struct DecodeCase {
  string input;
  string decoded;
  bool ok;
};

TEST(Base64Test, DecodesWithATrailingZeroByteForLeftoverBits) {
  const string kUntouched = "untouched";
  const DecodeCase cases[] = {
      {"YWJj", "abc", true},
      {"YWI", string("ab\0", 3), true},
      {"YQ", string("a\0", 2), true},
      {"0bK4/LXj", "巡更点", true},
      {"//79AA", string("\xff\xfe\xfd\x00\x00", 5), true},
      // Padded text is not what the program writes; it is refused.
      {"YWI=", kUntouched, false},
      {"YQ==", kUntouched, false},
      {"YW Jj", kUntouched, false},
      {"YW-_", kUntouched, false},
      {"", "", false},
  };
  for (const DecodeCase& c : cases) {
    string out = kUntouched;
    EXPECT_EQ(CommonTools::base64_decode(out, c.input), c.ok) << c.input;
    EXPECT_EQ(out, c.decoded) << c.input;
  }
}

// The login window reads the decoded account as NUL-terminated text, so the trailing
// zero byte must never change what it reads.
TEST(Base64Test, RoundTripReadsBackAsTheSameCString) {
  const string texts[] = {"a", "ab", "abc", "abcd", "abcde", "user01", "张三", "密码Pwd123!"};
  for (const string& text : texts) {
    string encoded, decoded;
    ASSERT_TRUE(CommonTools::base64_encode(encoded, text));
    ASSERT_TRUE(CommonTools::base64_decode(decoded, encoded));
    EXPECT_EQ(string(decoded.c_str()), text);
  }
}

}  // namespace
