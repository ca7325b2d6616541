#include "platform/reader/KeyValueFile.h"

#include <fstream>

namespace platform::reader {

KeyValueFile::Values KeyValueFile::Load(const std::string& path) {
  Values values;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    values[line.substr(0, equals)] = Unescape(line.substr(equals + 1));
  }
  return values;
}

bool KeyValueFile::Save(const std::string& path, const Values& values) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (const auto& [key, value] : values) out << key << '=' << Escape(value) << '\n';
  return static_cast<bool>(out);
}

std::string KeyValueFile::Escape(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '\\': escaped += "\\\\"; break;
      case '\t': escaped += "\\t"; break;
      case '\r': escaped += "\\r"; break;
      case '\n': escaped += "\\n"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

std::string KeyValueFile::Unescape(const std::string& text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      plain += text[i];
      continue;
    }
    const char next = text[++i];
    plain += next == 't' ? '\t' : next == 'r' ? '\r' : next == 'n' ? '\n' : next;
  }
  return plain;
}

}  // namespace platform::reader
