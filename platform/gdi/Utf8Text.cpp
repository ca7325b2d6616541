#include "platform/gdi/Utf8Text.h"

#include <algorithm>

namespace platform::gdi {
namespace {

void Append(std::string& out, char32_t c) {
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

Utf8Text::Utf8Text(const wchar_t* text, size_t count) {
  offsets_.reserve(count + 1);
  bytes_.reserve(count * 3);
  for (size_t i = 0; i < count; ++i) {
    offsets_.push_back(bytes_.size());
    // Control characters would start new lines or show as boxes; a space keeps the
    // character count and the byte map intact.
    char32_t c = static_cast<char32_t>(text[i]);
    Append(bytes_, c < 0x20 ? U' ' : c);
  }
  offsets_.push_back(bytes_.size());
}

size_t Utf8Text::IndexOf(size_t offset) const {
  auto it = std::lower_bound(offsets_.begin(), offsets_.end(), offset);
  return static_cast<size_t>(it - offsets_.begin());
}

}  // namespace platform::gdi
