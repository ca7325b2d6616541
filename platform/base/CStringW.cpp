#include "platform/base/CStringW.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <new>

#include "platform/base/CodePage.h"
#include "platform/base/Crt.h"
#include "platform/base/WideFormat.h"

// The characters follow the block in the same allocation.
struct CStringW::Block {
  std::atomic<int> refs;
  int length;
  int capacity;  // characters, not counting the terminator
  bool locked;   // between GetBuffer and ReleaseBuffer: never shared
};

namespace {

// Every empty string points at this terminator; nothing counts, frees or writes it.
wchar_t g_emptyText[1] = {L'\0'};

bool IsWhiteSpace(wchar_t c, const wchar_t*) { return platform::IsSpaceW(c); }

bool IsInSet(wchar_t c, const wchar_t* set) { return c != L'\0' && set && std::wcschr(set, c); }

int Clamp(int value, int low, int high) { return std::min(std::max(value, low), high); }

}  // namespace

// ---------------------------------------------------------------------------------------
// Storage

CStringW::Block* CStringW::Allocate(int capacity) {
  const size_t bytes = sizeof(Block) + (static_cast<size_t>(capacity) + 1) * sizeof(wchar_t);
  void* memory = std::malloc(bytes);
  if (!memory) throw std::bad_alloc();
  Block* block = new (memory) Block;
  block->refs.store(1, std::memory_order_relaxed);
  block->length = 0;
  block->capacity = capacity;
  block->locked = false;
  CharsOf(block)[0] = L'\0';
  return block;
}

wchar_t* CStringW::CharsOf(Block* block) { return reinterpret_cast<wchar_t*>(block + 1); }

CStringW::Block* CStringW::BlockOf() const {
  if (chars_ == g_emptyText) return nullptr;
  return reinterpret_cast<Block*>(chars_) - 1;
}

void CStringW::Attach(Block* block) { chars_ = block ? CharsOf(block) : g_emptyText; }

void CStringW::Release() {
  Block* block = BlockOf();
  chars_ = g_emptyText;
  if (!block) return;
  if (block->refs.fetch_sub(1, std::memory_order_acq_rel) != 1) return;
  block->~Block();
  std::free(block);
}

wchar_t* CStringW::PrepareWrite(int capacity) {
  Block* block = BlockOf();
  const bool alone = block && block->refs.load(std::memory_order_acquire) == 1;
  if (alone && block->capacity >= capacity) return chars_;
  const int length = GetLength();
  int size = std::max(capacity, length);
  // An owned buffer that grows does so geometrically, so appending stays linear.
  if (alone && size < block->capacity * 2) size = block->capacity * 2;
  Block* fresh = Allocate(size);
  std::wmemcpy(CharsOf(fresh), chars_, length + 1);
  fresh->length = length;
  Release();
  Attach(fresh);
  return chars_;
}

void CStringW::SetLength(int length) {
  Block* block = BlockOf();
  if (!block) return;
  block->length = length;
  chars_[length] = L'\0';
}

void CStringW::Assign(const wchar_t* text, int length) {
  if (!text || length <= 0) {
    Empty();
    return;
  }
  Block* block = BlockOf();
  if (block && block->refs.load(std::memory_order_acquire) == 1 && block->capacity >= length) {
    std::wmemmove(chars_, text, length);  // text may lie inside this very buffer
    SetLength(length);
    return;
  }
  // Copy before letting go of the old buffer: text may point into it.
  Block* fresh = Allocate(length);
  std::wmemcpy(CharsOf(fresh), text, length);
  Release();
  Attach(fresh);
  SetLength(length);
}

void CStringW::AssignNarrow(const char* text, size_t length) {
  if (!text) {
    Empty();
    return;
  }
  const std::wstring wide = platform::codepage::GbkToWide(std::string(text, length));
  Assign(wide.data(), static_cast<int>(wide.size()));
}

void CStringW::Append(const wchar_t* text, int length) {
  if (!text || length <= 0) return;
  const int oldLength = GetLength();
  Block* block = BlockOf();
  if (block && block->refs.load(std::memory_order_acquire) == 1 &&
      block->capacity >= oldLength + length) {
    std::wmemmove(chars_ + oldLength, text, length);
    SetLength(oldLength + length);
    return;
  }
  int size = oldLength + length;
  if (block && size < block->capacity * 2) size = block->capacity * 2;
  Block* fresh = Allocate(size);
  std::wmemcpy(CharsOf(fresh), chars_, oldLength);
  std::wmemcpy(CharsOf(fresh) + oldLength, text, length);
  Release();
  Attach(fresh);
  SetLength(oldLength + length);
}

// ---------------------------------------------------------------------------------------
// Construction and assignment

CStringW::CStringW() : chars_(g_emptyText) {}

CStringW::CStringW(const CStringW& other) : chars_(g_emptyText) { *this = other; }

CStringW::CStringW(CStringW&& other) noexcept : chars_(other.chars_) {
  other.chars_ = g_emptyText;
}

CStringW::CStringW(const wchar_t* text) : chars_(g_emptyText) {
  if (text) Assign(text, static_cast<int>(std::wcslen(text)));
}

CStringW::CStringW(const wchar_t* text, int length) : chars_(g_emptyText) {
  Assign(text, length);
}

CStringW::CStringW(wchar_t c, int repeat) : chars_(g_emptyText) {
  if (repeat <= 0) return;
  std::wmemset(PrepareWrite(repeat), c, repeat);
  SetLength(repeat);
}

CStringW::CStringW(const char* text) : chars_(g_emptyText) {
  if (text) AssignNarrow(text, std::strlen(text));
}

CStringW::CStringW(const std::string& text) : chars_(g_emptyText) {
  AssignNarrow(text.data(), text.size());
}

CStringW::~CStringW() { Release(); }

CStringW& CStringW::operator=(const CStringW& other) {
  if (this == &other || chars_ == other.chars_) return *this;
  Block* block = other.BlockOf();
  if (!block) {
    Empty();
    return *this;
  }
  if (block->locked) {
    Assign(other.chars_, other.GetLength());
    return *this;
  }
  block->refs.fetch_add(1, std::memory_order_relaxed);
  Release();
  Attach(block);
  return *this;
}

CStringW& CStringW::operator=(CStringW&& other) noexcept {
  if (this == &other) return *this;
  Release();
  chars_ = other.chars_;
  other.chars_ = g_emptyText;
  return *this;
}

CStringW& CStringW::operator=(const wchar_t* text) {
  Assign(text, text ? static_cast<int>(std::wcslen(text)) : 0);
  return *this;
}

CStringW& CStringW::operator=(wchar_t c) {
  Assign(&c, 1);
  return *this;
}

CStringW& CStringW::operator=(const char* text) {
  AssignNarrow(text, text ? std::strlen(text) : 0);
  return *this;
}

CStringW& CStringW::operator=(const std::string& text) {
  AssignNarrow(text.data(), text.size());
  return *this;
}

// ---------------------------------------------------------------------------------------
// Reading

int CStringW::GetLength() const {
  const Block* block = BlockOf();
  return block ? block->length : 0;
}

bool CStringW::IsEmpty() const { return GetLength() == 0; }

void CStringW::Empty() { Release(); }

wchar_t CStringW::GetAt(int index) const {
  if (index < 0 || index > GetLength()) return L'\0';
  return chars_[index];
}

void CStringW::SetAt(int index, wchar_t c) {
  if (index < 0 || index >= GetLength()) return;
  PrepareWrite(GetLength())[index] = c;
}

int CStringW::Compare(const wchar_t* text) const {
  const int result = std::wcscmp(chars_, text ? text : L"");
  return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

int CStringW::CompareNoCase(const wchar_t* text) const {
  const int result = _wcsicmp(chars_, text ? text : L"");
  return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

// ---------------------------------------------------------------------------------------
// Concatenation and formatting

CStringW& CStringW::operator+=(const CStringW& text) {
  if (IsEmpty()) return *this = text;
  Append(text.chars_, text.GetLength());
  return *this;
}

CStringW& CStringW::operator+=(const wchar_t* text) {
  if (text) Append(text, static_cast<int>(std::wcslen(text)));
  return *this;
}

CStringW& CStringW::operator+=(wchar_t c) {
  Append(&c, 1);
  return *this;
}

CStringW operator+(const CStringW& a, const CStringW& b) {
  CStringW result(a);
  result += b;
  return result;
}

CStringW operator+(const CStringW& a, const wchar_t* b) {
  CStringW result(a);
  result += b;
  return result;
}

CStringW operator+(const wchar_t* a, const CStringW& b) {
  CStringW result(a);
  result += b;
  return result;
}

CStringW operator+(const CStringW& a, wchar_t b) {
  CStringW result(a);
  result += b;
  return result;
}

CStringW operator+(wchar_t a, const CStringW& b) {
  CStringW result(a);
  result += b;
  return result;
}

void CStringW::FormatArguments(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  FormatV(format, args);
  va_end(args);
}

void CStringW::AppendFormatArguments(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  AppendFormatV(format, args);
  va_end(args);
}

void CStringW::FormatV(const wchar_t* format, va_list args) {
  const std::wstring text = platform::VFormatW(format, args);
  Assign(text.data(), static_cast<int>(text.size()));
}

void CStringW::AppendFormatV(const wchar_t* format, va_list args) {
  const std::wstring text = platform::VFormatW(format, args);
  Append(text.data(), static_cast<int>(text.size()));
}

// ---------------------------------------------------------------------------------------
// Pieces

CStringW CStringW::Left(int count) const {
  const int length = GetLength();
  count = Clamp(count, 0, length);
  if (count == length) return *this;
  return CStringW(chars_, count);
}

CStringW CStringW::Right(int count) const {
  const int length = GetLength();
  count = Clamp(count, 0, length);
  if (count == length) return *this;
  return CStringW(chars_ + length - count, count);
}

CStringW CStringW::Mid(int first) const { return Mid(first, GetLength() - std::max(first, 0)); }

CStringW CStringW::Mid(int first, int count) const {
  const int length = GetLength();
  first = Clamp(first, 0, length);
  count = Clamp(count, 0, length - first);
  if (first == 0 && count == length) return *this;
  return CStringW(chars_ + first, count);
}

CStringW CStringW::SpanIncluding(const wchar_t* set) const {
  if (!set) return CStringW();
  return Left(static_cast<int>(std::wcsspn(chars_, set)));
}

CStringW CStringW::SpanExcluding(const wchar_t* set) const {
  if (!set) return *this;
  return Left(static_cast<int>(std::wcscspn(chars_, set)));
}

int CStringW::Find(wchar_t c, int start) const {
  if (start < 0 || start >= GetLength() || c == L'\0') return -1;
  const wchar_t* hit = std::wcschr(chars_ + start, c);
  return hit ? static_cast<int>(hit - chars_) : -1;
}

int CStringW::Find(const wchar_t* text, int start) const {
  if (!text || start < 0 || start > GetLength()) return -1;
  const wchar_t* hit = std::wcsstr(chars_ + start, text);
  return hit ? static_cast<int>(hit - chars_) : -1;
}

int CStringW::ReverseFind(wchar_t c) const {
  if (c == L'\0') return -1;
  const wchar_t* hit = std::wcsrchr(chars_, c);
  return hit ? static_cast<int>(hit - chars_) : -1;
}

int CStringW::FindOneOf(const wchar_t* set) const {
  if (!set) return -1;
  const wchar_t* hit = std::wcspbrk(chars_, set);
  return hit ? static_cast<int>(hit - chars_) : -1;
}

// ---------------------------------------------------------------------------------------
// Editing

int CStringW::Replace(wchar_t from, wchar_t to) {
  if (from == to || from == L'\0') return 0;
  const int length = GetLength();
  const int count = static_cast<int>(std::count(chars_, chars_ + length, from));
  if (count == 0) return 0;  // an unchanged string keeps sharing its buffer
  wchar_t* chars = PrepareWrite(length);
  std::replace(chars, chars + length, from, to);
  return count;
}

int CStringW::Replace(const wchar_t* from, const wchar_t* to) {
  if (!from || !*from) return 0;
  if (!to) to = L"";
  const size_t fromLength = std::wcslen(from);
  std::wstring result;
  int count = 0;
  const wchar_t* rest = chars_;
  // Each search starts after the previous hit, so a replacement is never searched again.
  for (const wchar_t* hit = std::wcsstr(rest, from); hit; hit = std::wcsstr(rest, from)) {
    result.append(rest, hit);
    result.append(to);
    rest = hit + fromLength;
    ++count;
  }
  if (count == 0) return 0;
  result.append(rest, chars_ + GetLength() - rest);
  Assign(result.data(), static_cast<int>(result.size()));
  return count;
}

int CStringW::Remove(wchar_t c) {
  const int length = GetLength();
  const int count = static_cast<int>(std::count(chars_, chars_ + length, c));
  if (count == 0 || c == L'\0') return 0;
  wchar_t* chars = PrepareWrite(length);
  std::remove(chars, chars + length, c);
  SetLength(length - count);
  return count;
}

int CStringW::Insert(int index, wchar_t c) { return Insert(index, std::wstring(1, c).c_str()); }

int CStringW::Insert(int index, const wchar_t* text) {
  const int length = GetLength();
  if (!text || !*text) return length;
  index = Clamp(index, 0, length);
  std::wstring result(chars_, index);
  result.append(text);
  result.append(chars_ + index, length - index);
  Assign(result.data(), static_cast<int>(result.size()));
  return GetLength();
}

int CStringW::Delete(int index, int count) {
  const int length = GetLength();
  index = std::max(index, 0);
  count = std::max(count, 0);
  if (static_cast<long long>(index) + count > length) count = length - index;
  if (count <= 0) return length;
  wchar_t* chars = PrepareWrite(length);
  std::wmemmove(chars + index, chars + index + count, length - index - count);
  SetLength(length - count);
  return length - count;
}

int CStringW::TrimLeftCount(bool (*match)(wchar_t, const wchar_t*), const wchar_t* set) const {
  int count = 0;
  while (count < GetLength() && match(chars_[count], set)) ++count;
  return count;
}

int CStringW::TrimRightCount(bool (*match)(wchar_t, const wchar_t*), const wchar_t* set) const {
  const int length = GetLength();
  int count = 0;
  while (count < length && match(chars_[length - 1 - count], set)) ++count;
  return count;
}

CStringW& CStringW::Trim() { return TrimRight().TrimLeft(); }

CStringW& CStringW::Trim(wchar_t c) { return TrimRight(c).TrimLeft(c); }

CStringW& CStringW::Trim(const wchar_t* set) { return TrimRight(set).TrimLeft(set); }

CStringW& CStringW::TrimLeft() {
  Delete(0, TrimLeftCount(IsWhiteSpace, nullptr));
  return *this;
}

CStringW& CStringW::TrimLeft(wchar_t c) {
  const wchar_t set[2] = {c, L'\0'};
  return TrimLeft(set);
}

CStringW& CStringW::TrimLeft(const wchar_t* set) {
  Delete(0, TrimLeftCount(IsInSet, set));
  return *this;
}

CStringW& CStringW::TrimRight() {
  const int count = TrimRightCount(IsWhiteSpace, nullptr);
  Delete(GetLength() - count, count);
  return *this;
}

CStringW& CStringW::TrimRight(wchar_t c) {
  const wchar_t set[2] = {c, L'\0'};
  return TrimRight(set);
}

CStringW& CStringW::TrimRight(const wchar_t* set) {
  const int count = TrimRightCount(IsInSet, set);
  Delete(GetLength() - count, count);
  return *this;
}

CStringW& CStringW::MakeLower() {
  if (IsEmpty()) return *this;
  wchar_t* chars = PrepareWrite(GetLength());
  for (int i = 0; i < GetLength(); ++i) chars[i] = platform::ToLowerW(chars[i]);
  return *this;
}

CStringW& CStringW::MakeUpper() {
  if (IsEmpty()) return *this;
  wchar_t* chars = PrepareWrite(GetLength());
  for (int i = 0; i < GetLength(); ++i) chars[i] = platform::ToUpperW(chars[i]);
  return *this;
}

CStringW& CStringW::MakeReverse() {
  if (GetLength() < 2) return *this;
  wchar_t* chars = PrepareWrite(GetLength());
  std::reverse(chars, chars + GetLength());
  return *this;
}

CStringW CStringW::Tokenize(const wchar_t* separators, int& start) const {
  const int length = GetLength();
  if (start < 0 || start >= length) {
    start = -1;
    return CStringW();
  }
  if (!separators || !*separators) {
    // Without separators the rest is one token. Moving start to the end lets the next
    // call finish, where the class library would hand the same rest back for ever.
    CStringW rest = Mid(start);
    start = length;
    return rest;
  }
  const int first = start + static_cast<int>(std::wcsspn(chars_ + start, separators));
  if (first >= length) {
    start = -1;
    return CStringW();
  }
  const int count = static_cast<int>(std::wcscspn(chars_ + first, separators));
  start = first + count + 1;
  return Mid(first, count);
}

// ---------------------------------------------------------------------------------------
// Direct buffer access

wchar_t* CStringW::GetBuffer() { return GetBuffer(0); }

wchar_t* CStringW::GetBuffer(int minLength) {
  wchar_t* chars = PrepareWrite(std::max(minLength, GetLength()));
  BlockOf()->locked = true;
  return chars;
}

wchar_t* CStringW::GetBufferSetLength(int length) {
  length = std::max(length, 0);
  wchar_t* chars = GetBuffer(length);
  SetLength(length);
  return chars;
}

void CStringW::ReleaseBuffer(int newLength) {
  Block* block = BlockOf();
  if (!block) return;
  block->locked = false;
  if (newLength < 0) {
    newLength = 0;
    while (newLength < block->capacity && chars_[newLength]) ++newLength;
  }
  SetLength(std::min(newLength, block->capacity));
}

void CStringW::Preallocate(int length) { PrepareWrite(std::max(length, GetLength())); }
