#include "platform/base/CodePage.h"

#include <iconv.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <utility>
#include <vector>

#include "platform/base/Error.h"

namespace platform {
namespace codepage {
namespace {

enum class Encoding { Gbk, Utf8, Wide };

const char* IconvName(Encoding encoding) {
  switch (encoding) {
    case Encoding::Gbk:
      return "CP936";  // not "GBK": CP936 also maps 0x80 to the euro sign, as Windows does
    case Encoding::Utf8:
      return "UTF-8";
    case Encoding::Wide:
      return "WCHAR_T";
  }
  return "";
}

// iconv descriptors are not thread-safe, and opening one is costly: each thread keeps
// its own, closed when the thread ends. The main thread's thread objects end before the
// process's atexit handlers run, and those still convert (the asynchronous logger writes
// out its queue there): the cache itself has no destructor and is only emptied by the
// thread's closer, so that afterwards it opens again what it is asked for, which the
// ending process releases.
class DescriptorCache {
 public:
  iconv_t Get(Encoding from, Encoding to);
  void CloseAll() {
    for (size_t i = 0; i < count_; ++i) iconv_close(entries_[i].cd);
    count_ = 0;
  }

 private:
  struct Entry {
    int key;
    iconv_t cd;
  };
  // More than every pair of the encodings, so a slot is always free.
  static constexpr size_t kSlots = 16;

  static iconv_t Reset(iconv_t cd) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    return cd;
  }

  Entry entries_[kSlots];
  size_t count_ = 0;
};

thread_local DescriptorCache t_descriptors;

struct DescriptorCloser {
  ~DescriptorCloser() { t_descriptors.CloseAll(); }
};
thread_local DescriptorCloser t_closer;

iconv_t DescriptorCache::Get(Encoding from, Encoding to) {
  static_cast<void>(&t_closer);  // made, and so run at the thread's end, with the first descriptor
  const int key = static_cast<int>(from) * 8 + static_cast<int>(to);
  for (size_t i = 0; i < count_; ++i) {
    if (entries_[i].key == key) return Reset(entries_[i].cd);
  }
  iconv_t cd = iconv_open(IconvName(to), IconvName(from));
  if (cd == reinterpret_cast<iconv_t>(-1) || count_ == kSlots) return cd;
  entries_[count_++] = Entry{key, cd};
  return cd;
}

// How many input bytes one unconvertible character takes, so that a policy replaces or
// drops a whole character, not each of its bytes.
size_t UnitLength(Encoding encoding, const unsigned char* p, size_t left) {
  if (encoding == Encoding::Wide) return left < sizeof(wchar_t) ? left : sizeof(wchar_t);
  if (encoding == Encoding::Gbk) {
    const bool lead = p[0] >= 0x81 && p[0] <= 0xFE;
    const bool trail = left >= 2 && p[1] >= 0x40 && p[1] <= 0xFE && p[1] != 0x7F;
    return lead && trail ? 2 : 1;
  }
  size_t need = 0;
  if (p[0] >= 0xC2 && p[0] <= 0xDF) need = 2;
  else if (p[0] >= 0xE0 && p[0] <= 0xEF) need = 3;
  else if (p[0] >= 0xF0 && p[0] <= 0xF4) need = 4;
  if (need == 0) return 1;
  // A character cut short counts as one, however many of its bytes are there.
  size_t length = 1;
  while (length < need && length < left && (p[length] & 0xC0) == 0x80) ++length;
  return length;
}

// The most output bytes one input byte can give on a route. An output buffer this large
// lets iconv take a whole clean run in one call: with a smaller one, glibc converts
// through its intermediate form again on every call that fills the buffer.
size_t MaxGrowth(Encoding from, Encoding to) {
  if (to == Encoding::Wide) return sizeof(wchar_t);  // a narrow byte is at most a character
  if (from == Encoding::Gbk) return 3;                // 0x80 alone is the euro sign, 3 bytes
  return 1;
}

// Output written by iconv straight into the string that is returned, so that a large
// reply is neither copied nor converted twice. The string grows between calls, never
// during one.
template <typename Text>
class OutputBuffer {
 public:
  using Unit = typename Text::value_type;

  // Room for at least `bytes` more.
  void Reserve(size_t bytes) {
    if (Room() >= bytes) return;
    const size_t units = (used_ + std::max(bytes, Capacity()) + sizeof(Unit) - 1) / sizeof(Unit);
    text_.resize(units);
  }
  char* End() { return Bytes() + used_; }
  size_t Room() const { return Capacity() - used_; }
  void MoveEndTo(const char* end) { used_ = end - Bytes(); }
  void Append(const std::string& bytes) { Append(bytes.data(), bytes.size()); }
  void Append(const char* bytes, size_t count) {
    Reserve(count);
    std::memcpy(End(), bytes, count);
    used_ += count;
  }
  // Whole units only: a wide result never ends in part of a character.
  Text Take() {
    text_.resize(used_ / sizeof(Unit));
    return std::move(text_);
  }

 private:
  char* Bytes() { return reinterpret_cast<char*>(&text_[0]); }
  size_t Capacity() const { return text_.size() * sizeof(Unit); }

  Text text_;
  size_t used_ = 0;  // bytes
};

template <typename Text>
struct Outcome {
  Text text;  // the output in the target encoding
  bool complete = true;
  bool opened = true;  // false when the conversion is not available at all
};

// Converts [in, in + inLeft) with iconv, each run of convertible input in one call; only
// where iconv refuses a character does the policy act, on that one character, before the
// next run. False when the policy ends the conversion.
template <typename Text>
bool ConvertSpan(iconv_t cd, Encoding from, size_t growth, char* in, size_t inLeft, Policy policy,
                 const std::string& replacement, OutputBuffer<Text>& output, Outcome<Text>& outcome) {
  output.Reserve(inLeft * growth);
  while (inLeft > 0) {
    char* out = output.End();
    size_t outLeft = output.Room();
    const size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
    const int error = errno;
    output.MoveEndTo(out);
    if (rc != static_cast<size_t>(-1)) break;
    if (error == E2BIG) {
      // Only a route that grows more than MaxGrowth says gets here; the room doubles.
      output.Reserve(2 * output.Room() + 16);
      continue;
    }
    // EILSEQ or EINVAL: the character at `in` cannot be converted.
    outcome.complete = false;
    if (policy == Policy::Fail || policy == Policy::Stop) return false;
    if (policy == Policy::DefaultChar) output.Append(replacement);
    const size_t unit = UnitLength(from, reinterpret_cast<unsigned char*>(in), inLeft);
    in += unit;
    inLeft -= unit;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    output.Reserve(inLeft * growth);
  }
  return true;
}

template <typename Text>
Outcome<Text> Convert(Encoding from, Encoding to, const void* input, size_t length,
                      Policy policy, const std::string& replacement) {
  Outcome<Text> outcome;
  iconv_t cd = t_descriptors.Get(from, to);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    outcome.opened = false;
    outcome.complete = false;
    return outcome;
  }
  char* in = const_cast<char*>(static_cast<const char*>(input));
  OutputBuffer<Text> output;
  const bool whole = ConvertSpan(cd, from, MaxGrowth(from, to), in, length, policy, replacement, output, outcome);
  if (!whole && policy == Policy::Fail) return outcome;
  outcome.text = output.Take();
  return outcome;
}

// UTF-8 to GBK one character at a time through a table of the characters met so far.
// glibc converts every character, ASCII included, through its intermediate form in two
// steps; a reply of megabytes is mostly ASCII and a few hundred distinct Chinese
// characters. Each character's code is learnt once from iconv, so the results are
// iconv's. Entries: 0 not learnt yet, kOneByte | byte, a double-byte code, or
// kNotMapped.
class GbkCodes {
 public:
  static constexpr uint16_t kOneByte = 0x100;
  static constexpr uint16_t kNotMapped = 0xFFFF;  // no trail byte is 0xFF

  // The entry of a code point of the Basic Multilingual Plane.
  uint16_t Find(char32_t c, iconv_t cd) {
    uint16_t entry = codes_[c].load(std::memory_order_relaxed);
    if (entry == 0) {
      entry = Learn(c, cd);
      codes_[c].store(entry, std::memory_order_relaxed);
    }
    return entry;
  }

 private:
  static uint16_t Learn(char32_t c, iconv_t cd) {
    char utf8[3];
    const size_t length = c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
    if (length == 1) {
      utf8[0] = static_cast<char>(c);
    } else if (length == 2) {
      utf8[0] = static_cast<char>(0xC0 | (c >> 6));
      utf8[1] = static_cast<char>(0x80 | (c & 0x3F));
    } else {
      utf8[0] = static_cast<char>(0xE0 | (c >> 12));
      utf8[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      utf8[2] = static_cast<char>(0x80 | (c & 0x3F));
    }
    unsigned char gbk[4];
    char* in = utf8;
    size_t inLeft = length;
    char* out = reinterpret_cast<char*>(gbk);
    size_t outLeft = sizeof gbk;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    const size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    const size_t written = sizeof gbk - outLeft;
    if (rc == static_cast<size_t>(-1) || inLeft != 0) return kNotMapped;
    if (written == 1) return static_cast<uint16_t>(kOneByte | gbk[0]);
    if (written == 2) return static_cast<uint16_t>(gbk[0] << 8 | gbk[1]);
    return kNotMapped;
  }

  std::atomic<uint16_t> codes_[0x10000] = {};
};

GbkCodes& TheGbkCodes() {
  static GbkCodes* codes = new GbkCodes;  // shared by every thread; entries are atomic
  return *codes;
}

// The code point of a well-formed UTF-8 character of the Basic Multilingual Plane (other
// than a surrogate) at `p`, and its length; 0 for anything else, which iconv is left to
// judge.
size_t DecodeBmp(const unsigned char* p, size_t left, char32_t* c) {
  if (p[0] < 0x80) {
    *c = p[0];
    return 1;
  }
  if (p[0] >= 0xC2 && p[0] <= 0xDF && left >= 2 && (p[1] & 0xC0) == 0x80) {
    *c = (char32_t{p[0]} & 0x1F) << 6 | (p[1] & 0x3F);
    return 2;
  }
  if (p[0] >= 0xE0 && p[0] <= 0xEF && left >= 3 && (p[1] & 0xC0) == 0x80 && (p[2] & 0xC0) == 0x80) {
    *c = (char32_t{p[0]} & 0x0F) << 12 | (char32_t{p[1]} & 0x3F) << 6 | (p[2] & 0x3F);
    const bool overlong = *c < 0x800;
    const bool surrogate = *c >= 0xD800 && *c <= 0xDFFF;
    return overlong || surrogate ? 0 : 3;
  }
  return 0;
}

// UTF-8 to GBK by the table, the policy acting on each character iconv has no code for.
// What the table cannot judge (a broken sequence, a character beyond the Basic
// Multilingual Plane) goes to iconv one unit at a time, so the output is iconv's, and a
// text with many refusals is not converted again from each of them. False when the
// policy ends the conversion.
bool ConvertUtf8ToGbk(const char* input, size_t length, iconv_t cd, Policy policy, OutputBuffer<std::string>& output,
                      Outcome<std::string>& outcome) {
  GbkCodes& codes = TheGbkCodes();
  const auto* p = reinterpret_cast<const unsigned char*>(input);
  size_t done = 0;
  while (done < length) {
    output.Reserve(length - done);  // a GBK character is never longer than its UTF-8 form
    char* out = output.End();
    char32_t c = 0;
    size_t size = 0;
    uint16_t entry = 0;
    while (done < length && (size = DecodeBmp(p + done, length - done, &c)) != 0) {
      if (size == 1) {  // ASCII is the same byte in GBK
        *out++ = static_cast<char>(c);
        ++done;
        continue;
      }
      entry = codes.Find(c, cd);
      if (entry == GbkCodes::kNotMapped) break;
      if (entry < 0x200) {
        *out++ = static_cast<char>(entry & 0xFF);
      } else {
        *out++ = static_cast<char>(entry >> 8);
        *out++ = static_cast<char>(entry & 0xFF);
      }
      done += size;
    }
    output.MoveEndTo(out);
    if (done == length) break;
    if (size != 0) {  // a well-formed character without a GBK code
      outcome.complete = false;
      if (policy == Policy::Fail || policy == Policy::Stop) return false;
      if (policy == Policy::DefaultChar) output.Append("?", 1);
      done += size;
      continue;
    }
    const size_t unit = UnitLength(Encoding::Utf8, p + done, length - done);
    char* in = const_cast<char*>(input) + done;
    if (!ConvertSpan(cd, Encoding::Utf8, 1, in, unit, policy, "?", output, outcome)) return false;
    done += unit;
  }
  return true;
}

std::string WideBytes(const wchar_t* text, size_t count) {
  return std::string(reinterpret_cast<const char*>(text), count * sizeof(wchar_t));
}

const std::string& WideQuestionMark() {
  static const std::string mark = WideBytes(L"?", 1);
  return mark;
}

template <typename Text>
Text Finish(Outcome<Text>& outcome, bool* complete) {
  if (complete) *complete = outcome.complete;
  return std::move(outcome.text);
}

std::wstring ToWide(Encoding from, const std::string& text, Policy policy, bool* complete) {
  auto outcome = Convert<std::wstring>(from, Encoding::Wide, text.data(), text.size(), policy,
                                       WideQuestionMark());
  return Finish(outcome, complete);
}

std::string FromWide(Encoding to, const std::wstring& text, Policy policy, bool* complete) {
  auto outcome = Convert<std::string>(Encoding::Wide, to, text.data(),
                                      text.size() * sizeof(wchar_t), policy, "?");
  return Finish(outcome, complete);
}

std::string Narrow(Encoding from, Encoding to, const std::string& text, Policy policy,
                   bool* complete) {
  auto outcome = Convert<std::string>(from, to, text.data(), text.size(), policy, "?");
  return Finish(outcome, complete);
}

std::string Utf8ToGbkText(const std::string& text, Policy policy, bool* complete) {
  iconv_t cd = t_descriptors.Get(Encoding::Utf8, Encoding::Gbk);
  if (cd == reinterpret_cast<iconv_t>(-1)) return Narrow(Encoding::Utf8, Encoding::Gbk, text, policy, complete);
  Outcome<std::string> outcome;
  OutputBuffer<std::string> output;
  const bool whole = ConvertUtf8ToGbk(text.data(), text.size(), cd, policy, output, outcome);
  if (!whole && policy == Policy::Fail) return Finish(outcome, complete);
  outcome.text = output.Take();
  return Finish(outcome, complete);
}

}  // namespace

std::wstring GbkToWide(const std::string& text, Policy policy, bool* complete) {
  return ToWide(Encoding::Gbk, text, policy, complete);
}

std::string WideToGbk(const std::wstring& text, Policy policy, bool* complete) {
  return FromWide(Encoding::Gbk, text, policy, complete);
}

std::wstring Utf8ToWide(const std::string& text, Policy policy, bool* complete) {
  return ToWide(Encoding::Utf8, text, policy, complete);
}

std::string WideToUtf8(const std::wstring& text, Policy policy, bool* complete) {
  return FromWide(Encoding::Utf8, text, policy, complete);
}

std::string GbkToUtf8(const std::string& text, Policy policy, bool* complete) {
  return Narrow(Encoding::Gbk, Encoding::Utf8, text, policy, complete);
}

std::string Utf8ToGbk(const std::string& text, Policy policy, bool* complete) {
  return Utf8ToGbkText(text, policy, complete);
}

namespace {

// The narrow encoding behind a Windows code page number; false for one we do not carry.
bool NarrowEncoding(UINT codePage, Encoding* encoding) {
  switch (codePage) {
    case CP_ACP:
    case CP_OEMCP:
    case CP_THREAD_ACP:
    case 936:
      *encoding = Encoding::Gbk;
      return true;
    case CP_UTF8:
      *encoding = Encoding::Utf8;
      return true;
    default:
      return false;
  }
}

// Windows uses only the first character of a caller's default character.
std::string DefaultCharacter(LPCSTR lpDefaultChar) {
  if (!lpDefaultChar || !lpDefaultChar[0]) return "?";
  const unsigned char lead = static_cast<unsigned char>(lpDefaultChar[0]);
  const size_t length = (lead >= 0x81 && lead <= 0xFE && lpDefaultChar[1]) ? 2 : 1;
  return std::string(lpDefaultChar, length);
}

int Fail(DWORD error) {
  SetLastError(error);
  return 0;
}

}  // namespace
}  // namespace codepage
}  // namespace platform

UINT GetACP() { return 936; }

int MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                        LPWSTR lpWideCharStr, int cchWideChar) {
  using namespace platform::codepage;
  Encoding from;
  if (!NarrowEncoding(CodePage, &from)) return Fail(ERROR_INVALID_PARAMETER);
  if (!lpMultiByteStr || cbMultiByte == 0 || cbMultiByte < -1 || cchWideChar < 0 ||
      (cchWideChar > 0 && !lpWideCharStr)) {
    return Fail(ERROR_INVALID_PARAMETER);
  }
  const size_t length = cbMultiByte == -1 ? std::strlen(lpMultiByteStr) + 1 : cbMultiByte;
  const bool strict = (dwFlags & MB_ERR_INVALID_CHARS) != 0;
  const auto outcome = Convert<std::wstring>(from, Encoding::Wide, lpMultiByteStr, length,
                                             strict ? Policy::Fail : Policy::DefaultChar,
                                             WideBytes(L"\xFFFD", 1));
  if (!outcome.opened) return Fail(ERROR_INVALID_PARAMETER);
  if (strict && !outcome.complete) return Fail(ERROR_NO_UNICODE_TRANSLATION);
  const int needed = static_cast<int>(outcome.text.size());
  if (cchWideChar == 0) return needed;
  const int copied = needed < cchWideChar ? needed : cchWideChar;
  std::memcpy(lpWideCharStr, outcome.text.data(), copied * sizeof(wchar_t));
  if (needed > cchWideChar) return Fail(ERROR_INSUFFICIENT_BUFFER);
  return needed;
}

int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar,
                        LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                        LPBOOL lpUsedDefaultChar) {
  using namespace platform::codepage;
  Encoding to;
  if (!NarrowEncoding(CodePage, &to)) return Fail(ERROR_INVALID_PARAMETER);
  if (!lpWideCharStr || cchWideChar == 0 || cchWideChar < -1 || cbMultiByte < 0 ||
      (cbMultiByte > 0 && !lpMultiByteStr)) {
    return Fail(ERROR_INVALID_PARAMETER);
  }
  // UTF-8 can encode every character, so Windows refuses a default character for it.
  if (to == Encoding::Utf8 && (lpDefaultChar || lpUsedDefaultChar)) {
    return Fail(ERROR_INVALID_PARAMETER);
  }
  const size_t length = cchWideChar == -1 ? std::wcslen(lpWideCharStr) + 1 : cchWideChar;
  const bool strict = to == Encoding::Utf8 && (dwFlags & WC_ERR_INVALID_CHARS) != 0;
  const std::string replacement = to == Encoding::Utf8 ? "\xEF\xBF\xBD" : DefaultCharacter(lpDefaultChar);
  const auto outcome = Convert<std::string>(Encoding::Wide, to, lpWideCharStr,
                                            length * sizeof(wchar_t),
                                            strict ? Policy::Fail : Policy::DefaultChar, replacement);
  if (!outcome.opened) return Fail(ERROR_INVALID_PARAMETER);
  if (strict && !outcome.complete) return Fail(ERROR_NO_UNICODE_TRANSLATION);
  if (lpUsedDefaultChar) *lpUsedDefaultChar = outcome.complete ? FALSE : TRUE;
  const int needed = static_cast<int>(outcome.text.size());
  if (cbMultiByte == 0) return needed;
  const int copied = needed < cbMultiByte ? needed : cbMultiByte;
  std::memcpy(lpMultiByteStr, outcome.text.data(), copied);
  if (needed > cbMultiByte) return Fail(ERROR_INSUFFICIENT_BUFFER);
  return needed;
}
