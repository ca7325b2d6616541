#pragma once
// One field of a record the fake patrol server keeps: the key a request sends it under,
// the JSON form the request must use, and the key the replies give it back under.
#include <string>

namespace test_support {

enum class FieldKind {
  Number,     // a JSON number
  DigitText,  // a JSON string of decimal digits, read back as a number
  Text,       // a JSON string
};

struct PatrolField {
  std::string request_key;
  FieldKind kind = FieldKind::Text;
  std::string reply_key;  // empty: kept from the request but never sent back
};

}  // namespace test_support
