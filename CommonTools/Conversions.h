#pragma once
// Conversions between the program's narrow GBK text, wide text and the UTF-8 of the
// wire. The routes differ in what they do with text that does not convert, and each
// caller keeps to the route it has always used:
//   string_to_cstring / cstring_to_string  the class library's route: '?' for what
//                                          does not map
//   wstring_to_string / string_to_wstring  the runtime's route: stops at the first
//                                          character that does not convert, keeping
//                                          what came before it
//   to_utf8                                skips what does not convert
// None of them touches the process locale.
#include <string>

#include "platform/win32.h"

namespace CommonTools {

CStringW int_to_cstring(int value);

CStringW string_to_cstring(const std::string& text);
std::string cstring_to_string(const CStringW& text);

std::string wstring_to_string(const std::wstring& text);
std::wstring string_to_wstring(const std::string& text);

// Every caller passes "gbk" as the charset.
std::string to_utf8(const std::string& text, const std::string& charset);

}  // namespace CommonTools
