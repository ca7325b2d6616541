#pragma once
// Numbers at fixed places of date and time texts ("2022-06-01", "08:30").
#include <cstddef>
#include <string>

namespace dal {

// The number in the `count` characters from `pos`, read like a reply integer (the digits
// up to the first other character, 0 without any). Characters past the end of the text
// are missing, never read: a short or empty text gives 0 for them.
int DigitsAt(const std::string& text, std::size_t pos, std::size_t count);

}  // namespace dal
