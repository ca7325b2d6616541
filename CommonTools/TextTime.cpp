#include "CommonTools/TextTime.h"

#include <cstdio>

#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/split.hpp>

namespace CommonTools {

std::vector<std::string> split(std::string text, std::string separators) {
  std::vector<std::string> pieces;
  boost::algorithm::split(pieces, text, boost::algorithm::is_any_of(separators),
                          boost::algorithm::token_compress_off);
  return pieces;
}

std::string time_text(const SYSTEMTIME& time) {
  char text[64] = {0};
  std::snprintf(text, sizeof(text), "%04d%s%02d%s%02d%s%02d%s%02d%s%02d", time.wYear, "-",
                time.wMonth, "-", time.wDay, " ", time.wHour, ":", time.wMinute, ":",
                time.wSecond);
  return text;
}

std::string time_digits(const SYSTEMTIME& time) {
  char text[64] = {0};
  std::snprintf(text, sizeof(text), "%d%d%d%d%d%d", time.wYear, time.wMonth, time.wDay,
                time.wHour, time.wMinute, time.wSecond);
  return text;
}

std::string now_text() {
  SYSTEMTIME now = {};
  GetLocalTime(&now);
  return time_text(now);
}

std::string now_digits() {
  SYSTEMTIME now = {};
  GetLocalTime(&now);
  return time_digits(now);
}

}  // namespace CommonTools
