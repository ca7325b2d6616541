#include "CommonTools/MD5.h"

#include <cstdio>
#include <cstring>

namespace CommonTools {

namespace {

// Per-round shift amounts and the sine-derived constants of the algorithm.
const uint32_t kShift[64] = {7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22,
                             5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20,
                             4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23,
                             6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21};

const uint32_t kSine[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613,
    0xfd469501, 0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193,
    0xa679438e, 0x49b40821, 0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d,
    0x02441453, 0xd8a1e681, 0xe7d3fbc8, 0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed,
    0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a, 0xfffa3942, 0x8771f681, 0x6d9d6122,
    0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70, 0x289b7ec6, 0xeaa127fa,
    0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665, 0xf4292244,
    0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb,
    0xeb86d391};

uint32_t RotateLeft(uint32_t x, uint32_t n) { return (x << n) | (x >> (32 - n)); }

uint32_t ReadLittleEndian(const uint8_t* p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

void WriteLittleEndian(uint32_t value, uint8_t* p) {
  for (int i = 0; i < 4; ++i) p[i] = uint8_t(value >> (8 * i));
}

}  // namespace

MD5::MD5() : finalized_(false), buffer_(), count_(), digest_() {
  state_[0] = 0x67452301;
  state_[1] = 0xefcdab89;
  state_[2] = 0x98badcfe;
  state_[3] = 0x10325476;
}

void MD5::transform(const uint8_t block[kBlockSize]) {
  uint32_t words[16];
  for (int i = 0; i < 16; ++i) words[i] = ReadLittleEndian(block + 4 * i);

  uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3];
  for (int i = 0; i < 64; ++i) {
    uint32_t f;
    int g;
    if (i < 16) {
      f = (b & c) | (~b & d);
      g = i;
    } else if (i < 32) {
      f = (b & d) | (c & ~d);
      g = (5 * i + 1) % 16;
    } else if (i < 48) {
      f = b ^ c ^ d;
      g = (3 * i + 5) % 16;
    } else {
      f = c ^ (b | ~d);
      g = (7 * i) % 16;
    }
    const uint32_t rotated = RotateLeft(a + f + kSine[i] + words[g], kShift[i]);
    a = d;
    d = c;
    c = b;
    b = b + rotated;
  }
  state_[0] += a;
  state_[1] += b;
  state_[2] += c;
  state_[3] += d;
}

void MD5::update(const unsigned char* input, size_type length) {
  if (finalized_) return;
  size_type used = (count_[0] >> 3) % kBlockSize;

  // The bit count is 64 bits in two words; carry into the high word by hand.
  const uint64_t bits = (uint64_t(count_[1]) << 32 | count_[0]) + uint64_t(length) * 8;
  count_[0] = uint32_t(bits);
  count_[1] = uint32_t(bits >> 32);

  while (length > 0) {
    const size_type take = length < kBlockSize - used ? length : kBlockSize - used;
    std::memcpy(buffer_ + used, input, take);
    used += take;
    input += take;
    length -= take;
    if (used == kBlockSize) {
      transform(buffer_);
      used = 0;
    }
  }
}

void MD5::update(const char* input, size_type length) {
  update(reinterpret_cast<const unsigned char*>(input), length);
}

MD5& MD5::finalize() {
  if (finalized_) return *this;

  uint8_t length[8];
  WriteLittleEndian(count_[0], length);
  WriteLittleEndian(count_[1], length + 4);

  // One 0x80 byte, then zeros up to 56 bytes modulo 64, then the bit length.
  static const uint8_t kPadding[kBlockSize] = {0x80};
  const size_type used = (count_[0] >> 3) % kBlockSize;
  const size_type padding = used < 56 ? 56 - used : 120 - used;
  update(kPadding, padding);
  update(length, sizeof(length));

  for (int i = 0; i < 4; ++i) WriteLittleEndian(state_[i], digest_ + 4 * i);

  std::memset(buffer_, 0, sizeof(buffer_));
  count_[0] = count_[1] = 0;
  finalized_ = true;
  return *this;
}

std::string MD5::hex_digest() const {
  if (!finalized_) return std::string();
  char text[33] = {0};
  for (int i = 0; i < 16; ++i) std::snprintf(text + 2 * i, 3, "%02x", digest_[i]);
  return text;
}

}  // namespace CommonTools
