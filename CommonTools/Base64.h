#pragma once
// Base64 with the standard alphabet, written without "=" padding or line breaks.
// Only what the program wrote itself is read back, so padded text is refused.
#include <string>

namespace CommonTools {

// n bytes give (8n + 5) / 6 characters. False, with an empty output, for an empty
// input.
bool base64_encode(std::string& output, const std::string& input);

// Bits left over at the end make one more byte, completed with zero bits, so text
// whose length is not a multiple of four decodes with a trailing zero byte. False
// for a character outside the alphabet ("=" included), which leaves the output as it
// was, or for empty output.
bool base64_decode(std::string& output, const std::string& input);

}  // namespace CommonTools
