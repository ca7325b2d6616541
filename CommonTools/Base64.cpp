#include "CommonTools/Base64.h"

namespace CommonTools {

namespace {

const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int SixBitValue(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

}  // namespace

bool base64_encode(std::string& output, const std::string& input) {
  std::string encoded;
  unsigned int bits = 0;
  int pending = 0;
  for (unsigned char byte : input) {
    bits = (bits << 8) | byte;
    pending += 8;
    while (pending >= 6) {
      pending -= 6;
      encoded += kAlphabet[(bits >> pending) & 0x3f];
    }
  }
  if (pending > 0) encoded += kAlphabet[(bits << (6 - pending)) & 0x3f];
  output = encoded;
  return !output.empty();
}

bool base64_decode(std::string& output, const std::string& input) {
  std::string decoded;
  unsigned int bits = 0;
  int pending = 0;
  for (char c : input) {
    const int value = SixBitValue(c);
    if (value < 0) return false;  // the output is left as it was
    bits = (bits << 6) | unsigned(value);
    pending += 6;
    if (pending >= 8) {
      pending -= 8;
      decoded += char((bits >> pending) & 0xff);
    }
  }
  if (pending > 0) decoded += char((bits << (8 - pending)) & 0xff);
  output = decoded;
  return !output.empty();
}

}  // namespace CommonTools
