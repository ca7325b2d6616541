#include "data/JsonFields.h"

#include <cstring>
#include <memory>

namespace dal {

namespace {

bool IsGbkLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// Inside a JSON string "\u005c" reads back as the single byte 0x5C, so the pair keeps its
// two bytes instead of the second one starting an escape.
const char kEscapedBackslash[] = "\\u005c";

// Walks the text one character at a time, so that a backslash byte is only ever seen as
// the second byte of a pair when it really is one.
bool HasShieldedPair(const char* text, std::size_t length) {
  for (std::size_t i = 0; i + 1 < length; ++i) {
    if (!IsGbkLeadByte(static_cast<unsigned char>(text[i]))) continue;
    if (text[i + 1] == '\\') return true;
    ++i;
  }
  return false;
}

}  // namespace

std::string ShieldGbkBackslashes(const char* text) {
  const std::size_t length = std::strlen(text);
  // Most replies hold no backslash at all, which memchr tells at a fraction of the cost
  // of walking the characters.
  if (!std::memchr(text, '\\', length) || !HasShieldedPair(text, length)) return std::string();
  std::string shielded;
  shielded.reserve(length + 16);
  for (std::size_t i = 0; i < length; ++i) {
    shielded += text[i];
    if (!IsGbkLeadByte(static_cast<unsigned char>(text[i])) || i + 1 >= length) continue;
    ++i;
    if (text[i] == '\\') {
      shielded += kEscapedBackslash;
    } else {
      shielded += text[i];
    }
  }
  return shielded;
}

bool ParseReply(const char* text, Json::Value& root, std::string& errors) {
  Json::CharReaderBuilder builder;
  std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
  const std::string shielded = ShieldGbkBackslashes(text);
  const char* begin = shielded.empty() ? text : shielded.c_str();
  const char* end = begin + std::strlen(begin);
  return reader->parse(begin, end, &root, &errors);
}

int ReadInt(const Json::Value& object, const char* key) { return object[key].asInt(); }

std::string ReadText(const Json::Value& object, const char* key) { return object[key].asString(); }

}  // namespace dal
