#include "data/JsonBody.h"

namespace {

bool IsGbkLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

void AppendControl(std::string& out, unsigned char c) {
  switch (c) {
    case '\b': out += "\\b"; return;
    case '\f': out += "\\f"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    default: break;
  }
  static const char kHex[] = "0123456789abcdef";
  out += "\\u00";
  out += kHex[c >> 4];
  out += kHex[c & 0x0F];
}

}  // namespace

std::string QuoteGbkJson(const std::string& text) {
  std::string out;
  out.reserve(text.size() + 2);
  out += '"';
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (IsGbkLeadByte(c) && i + 1 < text.size()) {
      out += text[i];
      out += text[++i];
    } else if (c == '"') {
      out += "\\\"";
    } else if (c == '\\') {
      out += "\\\\";
    } else if (c < 0x20) {
      AppendControl(out, c);
    } else {
      out += text[i];
    }
  }
  out += '"';
  return out;
}

JsonBody& JsonBody::Text(const std::string& key, const std::string& value) {
  m_members[key] = QuoteGbkJson(value);
  return *this;
}

JsonBody& JsonBody::Number(const std::string& key, int value) {
  m_members[key] = std::to_string(value);
  return *this;
}

JsonBody& JsonBody::DigitText(const std::string& key, int value) {
  m_members[key] = "\"" + std::to_string(value) + "\"";
  return *this;
}

std::string JsonBody::Write() const {
  std::string out = "{";
  for (const auto& member : m_members) {
    if (out.size() > 1) out += ',';
    out += QuoteGbkJson(member.first);
    out += ':';
    out += member.second;
  }
  out += "}\n";
  return out;
}
