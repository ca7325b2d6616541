#include "app/records/RunKey.h"

#include <algorithm>

namespace {

const std::string::size_type kRunKeyLength = 22;
// Where the digits of the time key stand in the run key, two at a time (the year four).
const std::string::size_type kDigitPairs[] = {0, 2, 5, 8, 11, 14, 17, 20};

}  // namespace

std::string TimeKeyFromRunKey(const std::string& runKey) {
  if (runKey.size() != kRunKeyLength) return std::string();
  std::string timeKey;
  for (const std::string::size_type start : kDigitPairs) timeKey += runKey.substr(start, 2);
  // The key names a local folder and goes into requests: a date from the server that is
  // not all digits there must not become "..", a separator or anything else.
  const bool digits = std::all_of(timeKey.begin(), timeKey.end(), [](char c) { return c >= '0' && c <= '9'; });
  return digits ? timeKey : std::string();
}
