#pragma once
// The MD5 digest of RFC 1321.
#include <cstddef>
#include <cstdint>
#include <string>

namespace CommonTools {

class MD5 {
 public:
  typedef std::size_t size_type;

  MD5();

  // Adds bytes; nothing once finalized.
  void update(const unsigned char* input, size_type length);
  void update(const char* input, size_type length);

  // Pads and produces the digest; a second call does nothing.
  MD5& finalize();

  // The digest as 32 lower-case hexadecimal characters; "" before finalize.
  std::string hex_digest() const;

 private:
  static const size_type kBlockSize = 64;

  void transform(const uint8_t block[kBlockSize]);

  bool finalized_;
  uint8_t buffer_[kBlockSize];
  uint32_t count_[2];  // message length in bits, low word first
  uint32_t state_[4];
  uint8_t digest_[16];
};

}  // namespace CommonTools
