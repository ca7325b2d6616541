#include "platform/base/WideFormat.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cwchar>

#include "platform/base/CodePage.h"

namespace platform {
namespace {

// The argument size a conversion's length prefix asks for.
enum class Size { Default, Char, Short, Long, LongLong, Pointer, LongDouble, Wide };

struct Spec {
  std::string flags;  // any of "-+ #0", in the order written
  int width = -1;
  int precision = -1;  // -1: none given
  Size size = Size::Default;
  wchar_t conversion = 0;

  bool Has(char flag) const { return flags.find(flag) != std::string::npos; }
};

// Formats one conversion at a time, pulling each argument with its Windows type, so the
// format never reaches the C library in Windows form and the argument list is walked
// exactly once.
class Formatter {
 public:
  Formatter(const wchar_t* format, va_list* args) : p_(format), args_(args) {}

  bool Run(std::wstring* out) {
    while (*p_) {
      if (*p_ != L'%') {
        out->push_back(*p_++);
        continue;
      }
      const wchar_t* start = p_++;
      Spec spec;
      if (!Parse(&spec)) {
        out->append(start, p_);  // not a conversion: the text stands as written
        continue;
      }
      if (!Convert(spec, out)) return false;
    }
    return true;
  }

 private:
  bool Parse(Spec* spec) {
    while (*p_ && std::wcschr(L"-+ #0", *p_)) spec->flags.push_back(static_cast<char>(*p_++));
    if (*p_ == L'*') {
      ++p_;
      spec->width = va_arg(*args_, int);
      if (spec->width < 0) {
        spec->flags.push_back('-');
        spec->width = -spec->width;
      }
    } else {
      spec->width = ReadNumber();
    }
    if (*p_ == L'.') {
      ++p_;
      if (*p_ == L'*') {
        ++p_;
        spec->precision = va_arg(*args_, int);
        if (spec->precision < 0) spec->precision = -1;
      } else {
        const int precision = ReadNumber();
        spec->precision = precision < 0 ? 0 : precision;
      }
    }
    spec->size = ReadSize();
    if (!*p_) return false;
    spec->conversion = *p_;
    if (!std::wcschr(L"diuxXoeEfFgGaAcCsSpn%", spec->conversion)) return false;
    ++p_;
    return true;
  }

  int ReadNumber() {
    if (*p_ < L'0' || *p_ > L'9') return -1;
    long value = 0;
    while (*p_ >= L'0' && *p_ <= L'9') {
      if (value < 100000000) value = value * 10 + (*p_ - L'0');
      ++p_;
    }
    return static_cast<int>(value);
  }

  Size ReadSize() {
    if (std::wcsncmp(p_, L"I64", 3) == 0) return p_ += 3, Size::LongLong;
    if (std::wcsncmp(p_, L"I32", 3) == 0) return p_ += 3, Size::Default;
    if (std::wcsncmp(p_, L"ll", 2) == 0) return p_ += 2, Size::LongLong;
    if (std::wcsncmp(p_, L"hh", 2) == 0) return p_ += 2, Size::Char;
    switch (*p_) {
      case L'h': return ++p_, Size::Short;
      case L'l': return ++p_, Size::Long;
      case L'w': return ++p_, Size::Wide;
      case L'L': return ++p_, Size::LongDouble;
      case L'j': return ++p_, Size::LongLong;
      case L'I':
      case L'z':
      case L't': return ++p_, Size::Pointer;
      default: return Size::Default;
    }
  }

  bool Convert(const Spec& spec, std::wstring* out) {
    switch (spec.conversion) {
      case L'%':
        out->push_back(L'%');
        return true;
      case L'd':
      case L'i':
        Number(spec, SignedArgument(spec.size), out);
        return true;
      case L'u':
      case L'x':
      case L'X':
      case L'o':
        Number(spec, UnsignedArgument(spec.size), out);
        return true;
      case L'e': case L'E': case L'f': case L'F': case L'g': case L'G': case L'a': case L'A':
        Floating(spec, out);
        return true;
      case L'c':
      case L'C':
        Pad(spec, Character(spec), out);
        return true;
      case L's':
      case L'S':
        Pad(spec, Text(spec), out);
        return true;
      case L'p':
        Pointer(spec, out);
        return true;
      default:
        return false;  // %n: writing through an argument is refused
    }
  }

  long long SignedArgument(Size size) {
    switch (size) {
      case Size::Char: return static_cast<signed char>(va_arg(*args_, int));
      case Size::Short: return static_cast<short>(va_arg(*args_, int));
      case Size::LongLong: return va_arg(*args_, long long);
      case Size::Pointer: return va_arg(*args_, intptr_t);
      default: return va_arg(*args_, int);  // Windows' long is 32 bits
    }
  }

  long long UnsignedArgument(Size size) {
    switch (size) {
      case Size::Char: return static_cast<unsigned char>(va_arg(*args_, unsigned));
      case Size::Short: return static_cast<unsigned short>(va_arg(*args_, unsigned));
      case Size::LongLong: return static_cast<long long>(va_arg(*args_, unsigned long long));
      case Size::Pointer: return static_cast<long long>(va_arg(*args_, uintptr_t));
      default: return va_arg(*args_, unsigned);
    }
  }

  // The C library's narrow formatting serves numbers: its output is ASCII and the
  // process locale is never changed from "C".
  static std::string NarrowSpec(const Spec& spec, const char* length, wchar_t conversion) {
    std::string text = "%" + spec.flags;
    if (spec.width >= 0) text += std::to_string(spec.width);
    if (spec.precision >= 0) text += "." + std::to_string(spec.precision);
    text += length;
    text.push_back(static_cast<char>(conversion));
    return text;
  }

  template <typename T>
  static void AppendNarrow(const std::string& spec, T value, std::wstring* out) {
    const int length = std::snprintf(nullptr, 0, spec.c_str(), value);
    if (length <= 0) return;
    std::string text(length + 1, '\0');
    std::snprintf(&text[0], text.size(), spec.c_str(), value);
    text.resize(length);
    out->append(text.begin(), text.end());
  }

  static void Number(const Spec& spec, long long value, std::wstring* out) {
    AppendNarrow(NarrowSpec(spec, "ll", spec.conversion), value, out);
  }

  void Floating(const Spec& spec, std::wstring* out) {
    if (spec.size == Size::LongDouble) {
      AppendNarrow(NarrowSpec(spec, "L", spec.conversion), va_arg(*args_, long double), out);
      return;
    }
    AppendNarrow(NarrowSpec(spec, "", spec.conversion), va_arg(*args_, double), out);
  }

  bool WantsNarrow(const Spec& spec) const {
    if (spec.size == Size::Short) return true;
    if (spec.size == Size::Long || spec.size == Size::Wide) return false;
    return spec.conversion == L'C' || spec.conversion == L'S';
  }

  std::wstring Character(const Spec& spec) {
    const int value = va_arg(*args_, int);
    if (!WantsNarrow(spec)) return std::wstring(1, static_cast<wchar_t>(value));
    const std::string narrow(1, static_cast<char>(value));
    const std::wstring wide = codepage::GbkToWide(narrow);
    return wide.empty() ? std::wstring(L"?") : wide;
  }

  std::wstring Text(const Spec& spec) {
    std::wstring text;
    if (WantsNarrow(spec)) {
      const char* narrow = va_arg(*args_, const char*);
      text = narrow ? codepage::GbkToWide(narrow) : L"(null)";
    } else {
      const wchar_t* wide = va_arg(*args_, const wchar_t*);
      text = wide ? wide : L"(null)";
    }
    if (spec.precision >= 0 && text.size() > static_cast<size_t>(spec.precision)) {
      text.resize(spec.precision);
    }
    return text;
  }

  // Windows pads text with zeros too when the 0 flag is given.
  static void Pad(const Spec& spec, const std::wstring& text, std::wstring* out) {
    const size_t width = spec.width > 0 ? static_cast<size_t>(spec.width) : 0;
    const size_t fill = width > text.size() ? width - text.size() : 0;
    if (spec.Has('-')) {
      out->append(text);
      out->append(fill, L' ');
      return;
    }
    out->append(fill, spec.Has('0') ? L'0' : L' ');
    out->append(text);
  }

  // Windows prints every hexadecimal digit of a pointer, upper case, without "0x".
  void Pointer(const Spec& spec, std::wstring* out) {
    const uintptr_t value = reinterpret_cast<uintptr_t>(va_arg(*args_, void*));
    std::wstring digits;
    for (int shift = static_cast<int>(sizeof(void*) * 8) - 4; shift >= 0; shift -= 4) {
      digits.push_back(L"0123456789ABCDEF"[(value >> shift) & 0xF]);
    }
    Spec padding = spec;
    padding.flags.erase(std::remove(padding.flags.begin(), padding.flags.end(), '0'),
                        padding.flags.end());
    Pad(padding, digits, out);
  }

  const wchar_t* p_;
  va_list* args_;
};

}  // namespace

std::wstring VFormatW(const wchar_t* format, va_list args, bool* ok) {
  std::wstring out;
  if (!format) {
    if (ok) *ok = false;
    return out;
  }
  va_list copy;
  va_copy(copy, args);
  const bool formatted = Formatter(format, &copy).Run(&out);
  va_end(copy);
  if (ok) *ok = formatted;
  if (!formatted) out.clear();
  return out;
}

std::wstring FormatW(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  std::wstring text = VFormatW(format, args);
  va_end(args);
  return text;
}

}  // namespace platform

namespace {

// Copies count characters and, when asked, a terminator.
void Store(wchar_t* buffer, const std::wstring& text, size_t count, bool terminate) {
  std::wmemcpy(buffer, text.data(), count);
  if (terminate) buffer[count] = L'\0';
}

}  // namespace

int wvsprintfW(LPWSTR buffer, LPCWSTR format, va_list args) {
  const size_t kLimit = 1024;
  bool ok = false;
  const std::wstring text = platform::VFormatW(format, args, &ok);
  if (!buffer || !ok) return -1;
  const size_t count = text.size() < kLimit ? text.size() : kLimit - 1;
  Store(buffer, text, count, true);
  return static_cast<int>(count);
}

int wsprintfW(LPWSTR buffer, LPCWSTR format, ...) {
  va_list args;
  va_start(args, format);
  const int result = wvsprintfW(buffer, format, args);
  va_end(args);
  return result;
}

int _vsnwprintf(wchar_t* buffer, size_t count, const wchar_t* format, va_list args) {
  bool ok = false;
  const std::wstring text = platform::VFormatW(format, args, &ok);
  if (!ok) return -1;
  if (!buffer) return count == 0 ? static_cast<int>(text.size()) : -1;
  if (text.size() < count) {
    Store(buffer, text, text.size(), true);
    return static_cast<int>(text.size());
  }
  Store(buffer, text, count, false);
  return text.size() == count ? static_cast<int>(count) : -1;
}

int _snwprintf(wchar_t* buffer, size_t count, const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  const int result = _vsnwprintf(buffer, count, format, args);
  va_end(args);
  return result;
}

int _vscwprintf(const wchar_t* format, va_list args) {
  bool ok = false;
  const std::wstring text = platform::VFormatW(format, args, &ok);
  return ok ? static_cast<int>(text.size()) : -1;
}

int _scwprintf(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  const int result = _vscwprintf(format, args);
  va_end(args);
  return result;
}

int vswprintf_s(wchar_t* buffer, size_t sizeInWords, const wchar_t* format, va_list args) {
  if (!buffer || sizeInWords == 0) return -1;
  bool ok = false;
  const std::wstring text = platform::VFormatW(format, args, &ok);
  if (!ok || text.size() >= sizeInWords) {
    buffer[0] = L'\0';
    return -1;
  }
  Store(buffer, text, text.size(), true);
  return static_cast<int>(text.size());
}

int swprintf_s(wchar_t* buffer, size_t sizeInWords, const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  const int result = vswprintf_s(buffer, sizeInWords, format, args);
  va_end(args);
  return result;
}

int _vsnwprintf_s(wchar_t* buffer, size_t sizeInWords, size_t count, const wchar_t* format,
                  va_list args) {
  if (!buffer || sizeInWords == 0) return -1;
  bool ok = false;
  const std::wstring text = platform::VFormatW(format, args, &ok);
  if (!ok) {
    buffer[0] = L'\0';
    return -1;
  }
  if (count == _TRUNCATE) {
    if (text.size() < sizeInWords) {
      Store(buffer, text, text.size(), true);
      return static_cast<int>(text.size());
    }
    Store(buffer, text, sizeInWords - 1, true);
    return -1;
  }
  const size_t written = text.size() < count ? text.size() : count;
  if (written >= sizeInWords) {
    buffer[0] = L'\0';
    return -1;
  }
  Store(buffer, text, written, true);
  return text.size() > count ? -1 : static_cast<int>(written);
}

int _snwprintf_s(wchar_t* buffer, size_t sizeInWords, size_t count, const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  const int result = _vsnwprintf_s(buffer, sizeInWords, count, format, args);
  va_end(args);
  return result;
}
