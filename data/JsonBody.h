#pragma once
// The body of a patrol-server POST: one flat JSON object written compactly, members in
// ascending byte order of their keys, then one line feed. Texts are the program's GBK and
// are copied byte for byte (the transport turns the whole body into UTF-8 afterwards);
// only the quote, the backslash and the control characters are escaped.
#include <map>
#include <string>

class JsonBody {
 public:
  // A later value under the same key replaces the earlier one.
  JsonBody& Text(const std::string& key, const std::string& value);
  JsonBody& Number(const std::string& key, int value);
  // The integer's decimal text as a JSON string ("-12" for -12), as several server keys
  // want it.
  JsonBody& DigitText(const std::string& key, int value);

  std::string Write() const;

 private:
  std::map<std::string, std::string> m_members;  // key -> the value as written
};

// A GBK text as a JSON string, quotes included. The second byte of a double-byte
// character is never escaped, even where it has the value of a backslash.
std::string QuoteGbkJson(const std::string& text);
