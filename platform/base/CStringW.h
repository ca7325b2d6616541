#pragma once
// The class library's reference-counted wide string. Copies share one buffer until one of
// them is written to; the count is atomic, so copies may be handed between threads (each
// object itself is used by one thread at a time). Narrow text given to it is in the
// thread's ANSI code page, GBK. Indexes and counts are ints; arguments out of range are
// clamped as the class library does.
#include <cstdarg>
#include <string>

#include "platform/base/WinTypes.h"

class CStringW {
 public:
  CStringW();
  CStringW(const CStringW& other);
  CStringW(CStringW&& other) noexcept;
  CStringW(const wchar_t* text);  // NOLINT: implicit, as in the class library
  CStringW(const wchar_t* text, int length);
  explicit CStringW(wchar_t c, int repeat = 1);
  CStringW(const char* text);  // NOLINT
  CStringW(const std::string& text);  // NOLINT
  ~CStringW();

  CStringW& operator=(const CStringW& other);
  CStringW& operator=(CStringW&& other) noexcept;
  CStringW& operator=(const wchar_t* text);
  CStringW& operator=(wchar_t c);
  CStringW& operator=(const char* text);
  CStringW& operator=(const std::string& text);

  int GetLength() const;
  bool IsEmpty() const;
  void Empty();
  const wchar_t* GetString() const { return chars_; }
  operator const wchar_t*() const { return chars_; }  // NOLINT

  // A character at an index outside the text reads as 0; SetAt there does nothing.
  wchar_t GetAt(int index) const;
  wchar_t operator[](int index) const { return GetAt(index); }
  void SetAt(int index, wchar_t c);

  CStringW& operator+=(const CStringW& text);
  CStringW& operator+=(const wchar_t* text);
  CStringW& operator+=(wchar_t c);
  friend CStringW operator+(const CStringW& a, const CStringW& b);
  friend CStringW operator+(const CStringW& a, const wchar_t* b);
  friend CStringW operator+(const wchar_t* a, const CStringW& b);
  friend CStringW operator+(const CStringW& a, wchar_t b);
  friend CStringW operator+(wchar_t a, const CStringW& b);

  // Ordinal comparison of code points; CompareNoCase compares lower-cased characters.
  int Compare(const wchar_t* text) const;
  int CompareNoCase(const wchar_t* text) const;
  friend bool operator==(const CStringW& a, const CStringW& b) { return a.Compare(b) == 0; }
  friend bool operator==(const CStringW& a, const wchar_t* b) { return a.Compare(b) == 0; }
  friend bool operator==(const wchar_t* a, const CStringW& b) { return b.Compare(a) == 0; }
  friend bool operator!=(const CStringW& a, const CStringW& b) { return a.Compare(b) != 0; }
  friend bool operator!=(const CStringW& a, const wchar_t* b) { return a.Compare(b) != 0; }
  friend bool operator!=(const wchar_t* a, const CStringW& b) { return b.Compare(a) != 0; }
  friend bool operator<(const CStringW& a, const CStringW& b) { return a.Compare(b) < 0; }
  friend bool operator<(const CStringW& a, const wchar_t* b) { return a.Compare(b) < 0; }
  friend bool operator<(const wchar_t* a, const CStringW& b) { return b.Compare(a) > 0; }

  // Windows formatting conventions: %s is wide, %S narrow (GBK). A CStringW argument
  // is passed as its characters, as the class library's string is; through a plain
  // variadic call it would arrive as the object's address.
  template <typename... Args>
  void Format(const wchar_t* format, const Args&... args) {
    FormatArguments(format, Pass(args)...);
  }
  template <typename... Args>
  void AppendFormat(const wchar_t* format, const Args&... args) {
    AppendFormatArguments(format, Pass(args)...);
  }
  void FormatV(const wchar_t* format, va_list args);
  void AppendFormatV(const wchar_t* format, va_list args);

  CStringW Left(int count) const;
  CStringW Right(int count) const;
  CStringW Mid(int first) const;
  CStringW Mid(int first, int count) const;
  CStringW SpanIncluding(const wchar_t* set) const;
  CStringW SpanExcluding(const wchar_t* set) const;

  // -1 when not found, or when start lies outside the text.
  int Find(wchar_t c, int start = 0) const;
  int Find(const wchar_t* text, int start = 0) const;
  int ReverseFind(wchar_t c) const;
  int FindOneOf(const wchar_t* set) const;

  // Each answers the number of characters replaced or removed.
  int Replace(wchar_t from, wchar_t to);
  int Replace(const wchar_t* from, const wchar_t* to);
  int Remove(wchar_t c);
  // Each answers the new length.
  int Insert(int index, wchar_t c);
  int Insert(int index, const wchar_t* text);
  int Delete(int index, int count = 1);

  // White space, one character, or any character of a set.
  CStringW& Trim();
  CStringW& Trim(wchar_t c);
  CStringW& Trim(const wchar_t* set);
  CStringW& TrimLeft();
  CStringW& TrimLeft(wchar_t c);
  CStringW& TrimLeft(const wchar_t* set);
  CStringW& TrimRight();
  CStringW& TrimRight(wchar_t c);
  CStringW& TrimRight(const wchar_t* set);

  CStringW& MakeLower();
  CStringW& MakeUpper();
  CStringW& MakeReverse();

  // The next token after `start` (separators at its front skipped); start moves past
  // it. At the end the result is empty and start becomes -1.
  CStringW Tokenize(const wchar_t* separators, int& start) const;

  // Direct access to the characters: the buffer is this string's alone until
  // ReleaseBuffer, and holds at least minLength characters plus a terminator.
  wchar_t* GetBuffer();
  wchar_t* GetBuffer(int minLength);
  wchar_t* GetBufferSetLength(int length);
  // A negative length measures up to the first NUL.
  void ReleaseBuffer(int newLength = -1);
  void Preallocate(int length);

 private:
  struct Block;

  template <typename T>
  static const T& Pass(const T& value) {
    return value;
  }
  static const wchar_t* Pass(const CStringW& value) { return value.GetString(); }
  void FormatArguments(const wchar_t* format, ...);
  void AppendFormatArguments(const wchar_t* format, ...);

  static Block* Allocate(int capacity);
  static wchar_t* CharsOf(Block* block);
  Block* BlockOf() const;
  void Attach(Block* block);
  void Release();
  void Assign(const wchar_t* text, int length);
  void AssignNarrow(const char* text, size_t length);
  void Append(const wchar_t* text, int length);
  // Makes the buffer this string's alone with room for capacity characters.
  wchar_t* PrepareWrite(int capacity);
  void SetLength(int length);
  int TrimLeftCount(bool (*match)(wchar_t, const wchar_t*), const wchar_t* set) const;
  int TrimRightCount(bool (*match)(wchar_t, const wchar_t*), const wchar_t* set) const;

  wchar_t* chars_;
};
