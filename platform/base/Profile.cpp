#include "platform/base/Profile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

#include "platform/base/CodePage.h"
#include "platform/base/FileApi.h"
#include "platform/base/Path.h"
#include "platform/base/PrivateProfile.h"

namespace {

using platform::codepage::GbkToWide;
using platform::codepage::WideToGbk;

std::mutex& ProfileMutex() {
  static std::mutex* mutex = new std::mutex;  // outlives static destructors
  return *mutex;
}

// One line of the file as it is on disk, so that lines a write does not touch go
// back byte for byte.
struct Line {
  std::string bytes;   // without the line end
  std::string ending;  // "\r\n", "\n", or "" for a last line without one
};

enum class Kind { Blank, Comment, Section, Key, Other };

// What a line means, decoded from GBK.
struct Parsed {
  Kind kind;
  std::wstring name;   // section or key name, trimmed
  std::wstring value;  // trimmed, quotes not yet stripped
};

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring Trim(const std::wstring& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && (IsBlank(text[end - 1]) || text[end - 1] == L'\r')) --end;
  return text.substr(begin, end - begin);
}

std::wstring TrimRight(const std::wstring& text) {
  size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1])) --end;
  return text.substr(0, end);
}

wchar_t FoldAscii(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + (L'a' - L'A')) : c; }

bool SameName(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return true;
}

std::wstring Unquote(const std::wstring& value) {
  if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

Parsed Parse(const Line& line) {
  const std::wstring text = Trim(GbkToWide(line.bytes));
  if (text.empty()) return {Kind::Blank, L"", L""};
  if (text[0] == L';') return {Kind::Comment, L"", L""};
  if (text[0] == L'[') {
    size_t close = text.find(L']');
    return {Kind::Section, Trim(text.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1)), L""};
  }
  size_t equals = text.find(L'=');
  if (equals == std::wstring::npos) return {Kind::Other, text, L""};
  return {Kind::Key, Trim(text.substr(0, equals)), Trim(text.substr(equals + 1))};
}

std::vector<Line> SplitLines(const std::string& bytes) {
  std::vector<Line> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t newline = bytes.find('\n', start);
    Line line;
    if (newline == std::string::npos) {
      line.bytes = bytes.substr(start);
      start = bytes.size();
    } else {
      line.bytes = bytes.substr(start, newline - start);
      line.ending = "\n";
      start = newline + 1;
    }
    if (!line.bytes.empty() && line.bytes.back() == '\r') {
      line.bytes.pop_back();
      line.ending = "\r" + line.ending;
    }
    lines.push_back(line);
  }
  return lines;
}

// The file's lines; a missing or unreadable file reads as none.
std::vector<Line> Load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return SplitLines(bytes.str());
}

// A section runs from its header to the next header.
struct Section {
  size_t header;
  size_t end;
};

bool FindSection(const std::vector<Line>& lines, const std::wstring& name, Section* section) {
  const std::wstring wanted = Trim(name);
  for (size_t i = 0; i < lines.size(); ++i) {
    Parsed parsed = Parse(lines[i]);
    if (parsed.kind != Kind::Section || !SameName(parsed.name, wanted)) continue;
    size_t end = i + 1;
    while (end < lines.size() && Parse(lines[end]).kind != Kind::Section) ++end;
    *section = {i, end};
    return true;
  }
  return false;
}

// Index of the key's line in the section, or npos.
size_t FindKey(const std::vector<Line>& lines, const Section& section, const std::wstring& key) {
  const std::wstring wanted = Trim(key);
  for (size_t i = section.header + 1; i < section.end; ++i) {
    Parsed parsed = Parse(lines[i]);
    if ((parsed.kind == Kind::Key || parsed.kind == Kind::Other) && SameName(parsed.name, wanted)) return i;
  }
  return std::string::npos;
}

bool LookUp(const std::string& path, LPCWSTR section, LPCWSTR key, std::wstring* value) {
  std::vector<Line> lines = Load(path);
  Section found;
  if (!FindSection(lines, section, &found)) return false;
  size_t line = FindKey(lines, found, key);
  if (line == std::string::npos) return false;
  *value = Unquote(Parse(lines[line]).value);
  return true;
}

// Names NUL-separated with a closing NUL, cut as Windows cuts a list that does not fit.
DWORD CopyList(const std::vector<std::wstring>& names, LPWSTR buffer, DWORD size) {
  std::wstring list;
  for (const std::wstring& name : names) {
    list += name;
    list += L'\0';
  }
  if (list.size() + 1 <= size) {
    std::copy(list.begin(), list.end(), buffer);
    buffer[list.size()] = L'\0';
    return static_cast<DWORD>(list.size());
  }
  if (size < 2) {
    buffer[0] = L'\0';
    return 0;
  }
  std::copy(list.begin(), list.begin() + (size - 2), buffer);
  buffer[size - 2] = L'\0';
  buffer[size - 1] = L'\0';
  return size - 2;
}

DWORD ListNames(const std::string& path, LPCWSTR section, LPWSTR buffer, DWORD size) {
  std::vector<Line> lines = Load(path);
  std::vector<std::wstring> names;
  if (section == nullptr) {
    for (const Line& line : lines) {
      Parsed parsed = Parse(line);
      if (parsed.kind == Kind::Section) names.push_back(parsed.name);
    }
    return CopyList(names, buffer, size);
  }
  Section found;
  if (FindSection(lines, section, &found)) {
    for (size_t i = found.header + 1; i < found.end; ++i) {
      Parsed parsed = Parse(lines[i]);
      // A line without '=' holds no key.
      if (parsed.kind == Kind::Key) names.push_back(parsed.name);
    }
  }
  return CopyList(names, buffer, size);
}

bool HasLineBreak(const std::wstring& text) { return text.find_first_of(L"\r\n") != std::wstring::npos; }

// Names and values that would change the file's structure once written.
bool BreaksLines(LPCWSTR section, LPCWSTR key, LPCWSTR value) {
  const std::wstring name = section;
  if (HasLineBreak(name) || name.find(L']') != std::wstring::npos) return true;
  if (key != nullptr) {
    const std::wstring k = Trim(key);
    if (HasLineBreak(key) || k.find(L'=') != std::wstring::npos) return true;
    if (!k.empty() && (k[0] == L'[' || k[0] == L';')) return true;
  }
  return value != nullptr && HasLineBreak(value);
}

// Makes sure the line before an insertion at index ends, so the new line starts a line.
void EndLineBefore(std::vector<Line>* lines, size_t index) {
  if (index > 0 && (*lines)[index - 1].ending.empty()) (*lines)[index - 1].ending = "\r\n";
}

Line NewLine(const std::wstring& text) { return Line{WideToGbk(text), "\r\n"}; }

// Applies the write to the lines; false when nothing changes.
bool Edit(std::vector<Line>* lines, LPCWSTR section, LPCWSTR key, LPCWSTR value) {
  Section found;
  const bool hasSection = FindSection(*lines, section, &found);
  if (key == nullptr) {
    if (!hasSection) return false;
    lines->erase(lines->begin() + found.header, lines->begin() + found.end);
    return true;
  }
  const size_t keyLine = hasSection ? FindKey(*lines, found, key) : std::string::npos;
  if (value == nullptr) {
    if (keyLine == std::string::npos) return false;
    lines->erase(lines->begin() + keyLine);
    return true;
  }
  const std::wstring entry = std::wstring(key) + L"=" + value;
  if (!hasSection) {
    EndLineBefore(lines, lines->size());
    lines->push_back(NewLine(L"[" + std::wstring(section) + L"]"));
    lines->push_back(NewLine(entry));
    return true;
  }
  if (keyLine != std::string::npos) {
    // '=' never occurs inside a GBK character, so the bytes before it are the key as written.
    Line& line = (*lines)[keyLine];
    size_t equals = line.bytes.find('=');
    std::string keyBytes = equals == std::string::npos ? line.bytes : line.bytes.substr(0, equals);
    line.bytes = keyBytes + "=" + WideToGbk(value);
    return true;
  }
  size_t insertAt = found.end;
  while (insertAt > found.header + 1 && Parse((*lines)[insertAt - 1]).kind == Kind::Blank) --insertAt;
  EndLineBefore(lines, insertAt);
  lines->insert(lines->begin() + insertAt, NewLine(entry));
  return true;
}

mode_t NewFileMode() {
  // The mode a newly created file gets under the process's umask, read without
  // changing it (umask() would, for every thread).
  std::ifstream status("/proc/self/status");
  std::string field;
  while (status >> field) {
    if (field == "Umask:") {
      std::string octal;
      status >> octal;
      return 0666 & ~static_cast<mode_t>(std::strtoul(octal.c_str(), nullptr, 8));
    }
  }
  return 0644;
}

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t put = write(fd, bytes.data() + done, bytes.size() - done);
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) return false;
    done += static_cast<size_t>(put);
  }
  return true;
}

// Replaces the file by the lines in one step: a temporary file beside it, then a rename.
BOOL Save(const std::string& path, const std::vector<Line>& lines, mode_t mode) {
  std::string bytes;
  for (const Line& line : lines) bytes += line.bytes + line.ending;
  const size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string temp = folder + "/." + name + ".XXXXXX";
  int fd = mkostemp(&temp[0], O_CLOEXEC);
  if (fd < 0) {
    SetLastError(errno == ENOENT ? ERROR_PATH_NOT_FOUND : platform::ErrorFromErrno(errno, temp));
    return FALSE;
  }
  bool written = WriteAll(fd, bytes) && fchmod(fd, mode) == 0 && fsync(fd) == 0;
  int error = errno;
  if (close(fd) != 0 && written) {
    written = false;
    error = errno;
  }
  if (written && rename(temp.c_str(), path.c_str()) != 0) {
    written = false;
    error = errno;
  }
  if (!written) {
    unlink(temp.c_str());
    SetLastError(platform::ErrorFromErrno(error, path));
    return FALSE;
  }
  return TRUE;
}

BOOL Write(std::string path, LPCWSTR section, LPCWSTR key, LPCWSTR value) {
  struct stat st;
  const bool exists = stat(path.c_str(), &st) == 0;
  if (exists && (S_ISDIR(st.st_mode) || (st.st_mode & S_IWUSR) == 0)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (exists) {
    // Write through a link to the file it names, not over the link.
    std::unique_ptr<char, void (*)(void*)> real(realpath(path.c_str(), nullptr), std::free);
    if (real) path = real.get();
  }
  std::vector<Line> lines = exists ? Load(path) : std::vector<Line>();
  if (!Edit(&lines, section, key, value)) return TRUE;
  return Save(path, lines, exists ? (st.st_mode & 07777) : NewFileMode());
}

}  // namespace

DWORD GetPrivateProfileStringW(LPCWSTR lpAppName, LPCWSTR lpKeyName, LPCWSTR lpDefault, LPWSTR lpReturnedString,
                               DWORD nSize, LPCWSTR lpFileName) {
  if (lpReturnedString == nullptr || nSize == 0) return 0;
  std::lock_guard<std::mutex> lock(ProfileMutex());
  const std::string path = lpFileName == nullptr ? std::string() : platform::NativePath(std::wstring(lpFileName));
  if (lpAppName == nullptr || lpKeyName == nullptr) return ListNames(path, lpAppName, lpReturnedString, nSize);
  std::wstring value;
  if (!LookUp(path, lpAppName, lpKeyName, &value)) value = lpDefault == nullptr ? L"" : TrimRight(lpDefault);
  size_t length = std::min<size_t>(value.size(), nSize - 1);
  std::copy(value.begin(), value.begin() + length, lpReturnedString);
  lpReturnedString[length] = L'\0';
  return static_cast<DWORD>(length);
}

UINT GetPrivateProfileIntW(LPCWSTR lpAppName, LPCWSTR lpKeyName, INT nDefault, LPCWSTR lpFileName) {
  if (lpAppName == nullptr || lpKeyName == nullptr || lpFileName == nullptr) return static_cast<UINT>(nDefault);
  std::wstring value;
  {
    std::lock_guard<std::mutex> lock(ProfileMutex());
    if (!LookUp(platform::NativePath(std::wstring(lpFileName)), lpAppName, lpKeyName, &value)) {
      return static_cast<UINT>(nDefault);
    }
  }
  size_t i = 0;
  bool negative = false;
  if (i < value.size() && (value[i] == L'-' || value[i] == L'+')) negative = value[i++] == L'-';
  // 32-bit arithmetic that wraps, as Windows reads: "4294967296" is 0.
  UINT number = 0;
  for (; i < value.size() && value[i] >= L'0' && value[i] <= L'9'; ++i) {
    number = number * 10u + static_cast<UINT>(value[i] - L'0');
  }
  return negative ? 0u - number : number;
}

BOOL WritePrivateProfileStringW(LPCWSTR lpAppName, LPCWSTR lpKeyName, LPCWSTR lpString, LPCWSTR lpFileName) {
  if (lpFileName == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (lpAppName == nullptr) {
    // All three null only asks to flush a cache, and there is none.
    if (lpKeyName == nullptr && lpString == nullptr) return TRUE;
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (BreaksLines(lpAppName, lpKeyName, lpString)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::lock_guard<std::mutex> lock(ProfileMutex());
  return Write(platform::NativePath(std::wstring(lpFileName)), lpAppName, lpKeyName, lpString);
}

namespace platform {

BOOL KeepProfilePrivate(LPCWSTR lpFileName) {
  if (lpFileName == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::lock_guard<std::mutex> lock(ProfileMutex());
  const std::string path = NativePath(std::wstring(lpFileName));
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd >= 0) {
    close(fd);
    return TRUE;
  }
  struct stat st;
  if (errno != EEXIST || stat(path.c_str(), &st) != 0 || chmod(path.c_str(), st.st_mode & 0700) != 0) {
    SetLastError(ErrorFromErrno(errno, path));
    return FALSE;
  }
  return TRUE;
}

}  // namespace platform
