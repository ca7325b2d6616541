#include "platform/web/WebUrl.h"

#include <unistd.h>

#include <cctype>

#include "platform/base/CodePage.h"

namespace platform::web {

namespace {

bool StartsWithNoCase(const std::string& text, const char* prefix) {
  for (size_t i = 0; prefix[i] != '\0'; ++i) {
    if (i >= text.size() || std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  }
  return true;
}

// A scheme is letters, digits, "+", "-" or "." before ":", the first a letter, and
// longer than one character, so that a drive letter is no scheme.
bool HasScheme(const std::string& url) {
  const size_t colon = url.find(':');
  if (colon == std::string::npos || colon < 2) return false;
  if (!std::isalpha(static_cast<unsigned char>(url[0]))) return false;
  for (size_t i = 1; i < colon; ++i) {
    const unsigned char c = static_cast<unsigned char>(url[i]);
    if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') return false;
  }
  return true;
}

// Bytes a file URL's path may not carry as they are; "%" stays, since paths given as
// URLs are already escaped.
bool NeedsEscape(unsigned char c) {
  if (c <= 0x20 || c >= 0x7F) return true;
  switch (c) {
    case '"':
    case '<':
    case '>':
    case '^':
    case '`':
    case '{':
    case '|':
    case '}':
      return true;
    default:
      return false;
  }
}

std::string EscapePath(const std::string& path) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string escaped;
  for (unsigned char c : path) {
    if (!NeedsEscape(c)) {
      escaped += static_cast<char>(c);
      continue;
    }
    escaped += '%';
    escaped += kHex[c >> 4];
    escaped += kHex[c & 0xF];
  }
  return escaped;
}

std::string WorkingFolder() {
  char buffer[4096];
  if (::getcwd(buffer, sizeof buffer) == nullptr) return "/";
  std::string folder = buffer;
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

// "path?query#fragment" as a file URL, the path escaped and the rest kept.
std::string FileUrl(std::string path) {
  std::string tail;
  const size_t cut = path.find_first_of("?#");
  if (cut != std::string::npos) {
    tail = path.substr(cut);
    path.erase(cut);
  }
  size_t slashes = 0;
  while (slashes < path.size() && path[slashes] == '/') ++slashes;
  path = "/" + path.substr(slashes);
  return "file://" + EscapePath(path) + tail;
}

}  // namespace

std::string EngineUrl(const std::wstring& url) {
  std::string text = codepage::WideToUtf8(url);
  // Only the path's separators: a query is the page's business.
  const size_t query = text.find('?');
  for (size_t i = 0; i < text.size() && i < query; ++i) {
    if (text[i] == '\\') text[i] = '/';
  }
  if (StartsWithNoCase(text, "file:")) return FileUrl(text.substr(5));
  if (HasScheme(text)) return text;
  if (text.empty()) return "about:blank";
  if (text[0] != '/') text = WorkingFolder() + text;
  return FileUrl(text);
}

bool IsFileUrl(const std::string& url) { return StartsWithNoCase(url, "file:"); }

}  // namespace platform::web
