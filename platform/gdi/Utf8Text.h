#pragma once
// Wide text (UTF-32 WCHARs) to the UTF-8 pango reads, with the byte offset of every
// character so that pango's byte positions map back to characters.
#include <string>
#include <vector>

namespace platform::gdi {

class Utf8Text {
 public:
  Utf8Text(const wchar_t* text, size_t count);

  const std::string& Bytes() const { return bytes_; }
  // Byte offset of character i; offset(count) is the total length.
  size_t Offset(size_t i) const { return offsets_[i]; }
  // The character index of a byte offset that starts a character.
  size_t IndexOf(size_t offset) const;

 private:
  std::string bytes_;
  std::vector<size_t> offsets_;
};

}  // namespace platform::gdi
