#include <string>

#include <gtest/gtest.h>

#include "CommonTools/MD5.h"
#include "CommonTools/Md5Hex.h"

namespace {

struct DigestCase {
  const char* text;
  const char* hex;
};

// The test suite of RFC 1321, appendix A.5.
const DigestCase kRfc1321Suite[] = {
    {"", "d41d8cd98f00b204e9800998ecf8427e"},
    {"a", "0cc175b9c0f1b6a831c399e269772661"},
    {"abc", "900150983cd24fb0d6963f7d28e17f72"},
    {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
    {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
     "d174ab98d277d9f5a5611c2c9f419d9f"},
    {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
     "57edf4a22be3c955ac49da2e2107b67a"},
};

TEST(Md5Test, Rfc1321Suite) {
  for (const DigestCase& c : kRfc1321Suite) {
    EXPECT_EQ(CommonTools::md5_hex(c.text), c.hex) << '"' << c.text << '"';
  }
}

// Feeding the same bytes in pieces that straddle the 64-byte blocks and the
// 56-byte padding limit must give the digest of the whole.
TEST(Md5Test, PiecewiseUpdatesMatchTheWholeText) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += char('a' + i % 26);
  const size_t cuts[] = {1, 55, 56, 57, 63, 64, 65, 119, 120, 128, 199};
  for (size_t length : {size_t(55), size_t(56), size_t(64), size_t(119), size_t(200)}) {
    const std::string whole = CommonTools::md5_hex(text.substr(0, length));
    for (size_t cut : cuts) {
      if (cut > length) continue;
      CommonTools::MD5 digest;
      digest.update(text.data(), cut);
      digest.update(text.data() + cut, length - cut);
      EXPECT_EQ(digest.finalize().hex_digest(), whole) << "length " << length << " cut " << cut;
    }
  }
}

TEST(Md5Test, DigestIsEmptyUntilFinalizedAndFixedAfter) {
  CommonTools::MD5 digest;
  digest.update("abc", 3);
  EXPECT_EQ(digest.hex_digest(), "");

  digest.finalize();
  digest.update("more", 4);  // ignored once finalized
  digest.finalize();         // a second call changes nothing
  EXPECT_EQ(digest.hex_digest(), "900150983cd24fb0d6963f7d28e17f72");
}

TEST(Md5Test, ReversedFormDigestsTheUtf8TextBackwards) {
  const DigestCase cases[] = {
      {"abc", "27f71e82d7f3696d0bf42dc389051009"},
      {"", "e7248fce8990089e402b00f89dc8d14d"},
      // A GBK literal: the digest is that of its UTF-8 form, not of the GBK bytes.
      {"巡更", "904f089cfc8f2c186a52d97a93b78123"},
  };
  for (const DigestCase& c : cases) {
    EXPECT_EQ(CommonTools::md5_hex_reversed(c.text), c.hex) << c.hex;
  }
}

}  // namespace
