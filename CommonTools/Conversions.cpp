#include "CommonTools/Conversions.h"

#include <vector>

#include <boost/algorithm/string/predicate.hpp>
#include <boost/locale/encoding.hpp>

namespace CommonTools {

CStringW int_to_cstring(int value) {
  CStringW text;
  text.Format(L"%d", value);
  return text;
}

CStringW string_to_cstring(const std::string& text) { return CStringW(text.c_str()); }

std::string cstring_to_string(const CStringW& text) {
  // Two bytes per character is enough for any GBK text, plus the terminator.
  const int size = text.GetLength() * 2 + 2;
  std::vector<char> buffer(size, 0);
  const int written =
      WideCharToMultiByte(CP_ACP, 0, text.GetString(), -1, buffer.data(), size, NULL, NULL);
  if (written == 0) return std::string();
  return buffer.data();
}

std::string wstring_to_string(const std::wstring& text) {
  // Zero-filled, so that a conversion that stops early leaves the prefix terminated.
  std::vector<char> buffer(text.size() * 2 + 1, 0);
  platform::WcsToMbs(buffer.data(), text.c_str(), buffer.size());
  return buffer.data();
}

std::wstring string_to_wstring(const std::string& text) {
  std::vector<wchar_t> buffer(text.size() + 1, 0);
  platform::MbsToWcs(buffer.data(), text.c_str(), buffer.size());
  return buffer.data();
}

std::string to_utf8(const std::string& text, const std::string& charset) {
  // GBK, what every caller names, goes the layer's way like the other routes.
  if (boost::algorithm::iequals(charset, "gbk")) {
    return platform::codepage::GbkToUtf8(text, platform::codepage::Policy::Skip);
  }
  try {
    return boost::locale::conv::to_utf<char>(text, charset, boost::locale::conv::skip);
  } catch (const std::runtime_error&) {  // an unknown charset
    return std::string();
  }
}

}  // namespace CommonTools
