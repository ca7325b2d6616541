#pragma once
// Fuzz input read as the program reads text: UTF-8 bytes, invalid ones replaced.
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

std::wstring WideFromUtf8(const uint8_t* data, size_t size);

}  // namespace fuzz
