#include "data/FixedDigits.h"

#include "data/DalExchange.h"

namespace dal {

int DigitsAt(const std::string& text, std::size_t pos, std::size_t count) {
  if (pos >= text.size()) return 0;
  return ReplyToInt(text.substr(pos, count));
}

}  // namespace dal
