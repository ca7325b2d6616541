#include "tests/fuzz/FuzzText.h"

#include "platform/win32.h"

namespace fuzz {

std::wstring WideFromUtf8(const uint8_t* data, size_t size) {
  if (size == 0) return std::wstring();
  const auto* text = reinterpret_cast<const char*>(data);
  const int length = static_cast<int>(size);
  const int chars = MultiByteToWideChar(CP_UTF8, 0, text, length, nullptr, 0);
  if (chars <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(chars), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text, length, &wide[0], chars);
  // A NUL ends the text for every reader here: keep what comes before it.
  wide.resize(wcslen(wide.c_str()));
  return wide;
}

}  // namespace fuzz
