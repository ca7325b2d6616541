#include "ui/core/types/CUIString.h"

#include <cstdint>
#include <cstdlib>
#include <cwchar>
#include <memory>

namespace SkinUI {

namespace {

int TextLength(LPCTSTR pstr) { return pstr == nullptr ? 0 : static_cast<int>(wcslen(pstr)); }

LPTSTR AllocateText(int nLength) {
  return static_cast<LPTSTR>(malloc((static_cast<size_t>(nLength) + 1) * sizeof(TCHAR)));
}

LPTSTR ReallocateText(LPTSTR pstr, int nLength) {
  return static_cast<LPTSTR>(realloc(pstr, (static_cast<size_t>(nLength) + 1) * sizeof(TCHAR)));
}

}  // namespace

CUIString::CUIString() : m_pstr(m_szBuffer) { m_szBuffer[0] = L'\0'; }

// A new string shares no storage with its source: short texts are copied straight into
// the buffer, without the checks an assignment needs.
CUIString::CUIString(const CUIString& src) : CUIString() {
  const int nLength = src.GetLength();
  if (nLength > MAX_INLINE_LENGTH) {
    Assign(src.m_pstr, nLength);
    return;
  }
  wmemcpy(m_szBuffer, src.m_pstr, static_cast<size_t>(nLength) + 1);
}

CUIString::CUIString(LPCTSTR pstr, int nLength) : CUIString() { Assign(pstr, nLength); }

CUIString::CUIString(TCHAR ch) : CUIString() {
  m_szBuffer[0] = ch;
  m_szBuffer[1] = L'\0';
}

CUIString::~CUIString() { FreeHeap(); }

void CUIString::FreeHeap() {
  if (IsInline()) return;
  free(m_pstr);
  m_pstr = m_szBuffer;
}

// Copying from our own characters would read a block that the copy may free or move.
bool CUIString::Overlaps(LPCTSTR pstr) const {
  const auto begin = reinterpret_cast<uintptr_t>(m_pstr);
  const auto end = reinterpret_cast<uintptr_t>(m_pstr + GetLength());
  const auto at = reinterpret_cast<uintptr_t>(pstr);
  return at >= begin && at <= end;
}

void CUIString::Assign(LPCTSTR pstr, int nLength) {
  if (pstr == nullptr) pstr = L"";
  // The copy never reads past the terminator, whatever length the caller gives.
  nLength = nLength < 0 ? TextLength(pstr) : static_cast<int>(wcsnlen(pstr, static_cast<size_t>(nLength)));
  if (Overlaps(pstr) && pstr != m_pstr) {
    const CUIString copy(pstr, nLength);
    Assign(copy.m_pstr, nLength);
    return;
  }
  if (nLength <= MAX_INLINE_LENGTH) {
    if (!IsInline()) {
      wmemcpy(m_szBuffer, pstr, static_cast<size_t>(nLength));
      FreeHeap();
    } else {
      wmemmove(m_szBuffer, pstr, static_cast<size_t>(nLength));
    }
    m_szBuffer[nLength] = L'\0';
    return;
  }
  if (IsInline()) {
    LPTSTR block = AllocateText(nLength);
    if (block == nullptr) return;
    m_pstr = block;
  } else if (GetLength() < nLength) {
    LPTSTR block = ReallocateText(m_pstr, nLength);
    if (block == nullptr) return;
    m_pstr = block;
  }
  wmemmove(m_pstr, pstr, static_cast<size_t>(nLength));
  m_pstr[nLength] = L'\0';
}

void CUIString::SetText(LPCTSTR pstr) { Assign(pstr); }

void CUIString::AssignFrom(const CUIString& src) {
  if (&src == this) return;
  Assign(src.m_pstr);
}

void CUIString::Append(LPCTSTR pstr) {
  if (pstr == nullptr) return;
  if (Overlaps(pstr)) {
    const CUIString copy(pstr);
    Append(copy.m_pstr);
    return;
  }
  const int nOld = GetLength();
  const int nAdd = TextLength(pstr);
  const int nTotal = nOld + nAdd;
  if (nTotal > MAX_INLINE_LENGTH) {
    if (IsInline()) {
      LPTSTR block = AllocateText(nTotal);
      if (block == nullptr) return;
      wmemcpy(block, m_szBuffer, static_cast<size_t>(nOld));
      m_pstr = block;
    } else {
      LPTSTR block = ReallocateText(m_pstr, nTotal);
      if (block == nullptr) return;
      m_pstr = block;
    }
  }
  wmemcpy(m_pstr + nOld, pstr, static_cast<size_t>(nAdd));
  m_pstr[nTotal] = L'\0';
}

void CUIString::AppendText(LPCTSTR pstr) { Append(pstr); }

void CUIString::AppendString(const CUIString& src) { Append(src.m_pstr); }

void CUIString::AppendChar(TCHAR ch) {
  const TCHAR text[2] = {ch, L'\0'};
  Append(text);
}

CUIString CUIString::Concat(LPCTSTR pstr) const {
  CUIString result(*this);
  result.Append(pstr);
  return result;
}

int CUIString::Compare(LPCTSTR pstr) const { return wcscmp(m_pstr, pstr == nullptr ? L"" : pstr); }

bool CUIString::Equals(LPCTSTR pstr) const { return Compare(pstr) == 0; }

bool CUIString::Differs(LPCTSTR pstr) const { return Compare(pstr) != 0; }

bool CUIString::Less(LPCTSTR pstr) const { return Compare(pstr) < 0; }

void CUIString::Empty() {
  FreeHeap();
  m_szBuffer[0] = L'\0';
}

bool CUIString::IsEmpty() const { return m_pstr[0] == L'\0'; }

int CUIString::GetLength() const { return TextLength(m_pstr); }

LPCTSTR CUIString::GetData() const { return m_pstr; }

TCHAR CUIString::GetAt(int nIndex) const { return m_pstr[nIndex]; }

int CUIString::Find(LPCTSTR pstrSub, int nStart) const {
  if (pstrSub == nullptr) return -1;
  if (nStart < 0 || nStart > GetLength()) return -1;
  LPCTSTR hit = wcsstr(m_pstr + nStart, pstrSub);
  return hit == nullptr ? -1 : static_cast<int>(hit - m_pstr);
}

int CUIString::FindChar(TCHAR ch, int nStart) const {
  if (ch == L'\0') return -1;
  if (nStart != 0 && (nStart < 0 || nStart >= GetLength())) return -1;
  LPCTSTR hit = wcschr(m_pstr + nStart, ch);
  return hit == nullptr ? -1 : static_cast<int>(hit - m_pstr);
}

int CUIString::ReverseFind(TCHAR ch) const {
  if (ch == L'\0') return -1;
  LPCTSTR hit = wcsrchr(m_pstr, ch);
  return hit == nullptr ? -1 : static_cast<int>(hit - m_pstr);
}

CUIString CUIString::Left(int nLength) const {
  const int nTotal = GetLength();
  if (nLength < 0) nLength = 0;
  if (nLength > nTotal) nLength = nTotal;
  return CUIString(m_pstr, nLength);
}

CUIString CUIString::Mid(int nStart, int nLength) const {
  const int nTotal = GetLength();
  // A start outside the text would read outside the buffer.
  if (nStart < 0) nStart = 0;
  if (nStart > nTotal) nStart = nTotal;
  if (nLength == -1 || nLength > nTotal - nStart) nLength = nTotal - nStart;
  if (nLength <= 0) return CUIString();
  return CUIString(m_pstr + nStart, nLength);
}

int CUIString::Replace(LPCTSTR pstrFrom, LPCTSTR pstrTo) {
  // An empty pattern matches everywhere and would never end.
  if (pstrFrom == nullptr || pstrFrom[0] == L'\0') return 0;
  if (pstrTo == nullptr) pstrTo = L"";
  const int cchFrom = TextLength(pstrFrom);
  int nCount = 0;
  int iDone = 0;
  CUIString result;
  for (int iHit = Find(pstrFrom); iHit >= 0; iHit = Find(pstrFrom, iDone)) {
    result.Append(Mid(iDone, iHit - iDone));
    result.Append(pstrTo);
    iDone = iHit + cchFrom;
    ++nCount;
  }
  if (nCount == 0) return 0;
  result.Append(m_pstr + iDone);
  AssignFrom(result);
  return nCount;
}

void CUIString::MakeLower() { CharLowerW(m_pstr); }

int CUIString::Format(LPCTSTR pstrFormat, ...) {
  va_list args;
  va_start(args, pstrFormat);
  const int nResult = FormatV(pstrFormat, args);
  va_end(args);
  return nResult;
}

int CUIString::FormatV(LPCTSTR pstrFormat, va_list args) {
  if (pstrFormat == nullptr) return -1;
  va_list measureArgs;
  va_copy(measureArgs, args);
  const int nLength = _vscwprintf(pstrFormat, measureArgs);
  va_end(measureArgs);
  if (nLength < 0) return -1;
  std::unique_ptr<TCHAR[]> buffer(new TCHAR[static_cast<size_t>(nLength) + 1]());
  const int nWritten = _vsnwprintf(buffer.get(), static_cast<size_t>(nLength) + 1, pstrFormat, args);
  if (nWritten < 0) return -1;
  Assign(buffer.get(), nWritten);
  return nWritten;
}

int CUIString::SmallFormat(LPCTSTR pstrFormat, ...) {
  if (pstrFormat == nullptr) return -1;
  va_list args;
  va_start(args, pstrFormat);
  va_list measureArgs;
  va_copy(measureArgs, args);
  const int nLength = _vscwprintf(pstrFormat, measureArgs);
  va_end(measureArgs);
  if (nLength < 0) {
    va_end(args);
    return -1;
  }
  // A longer result is cut to what the buffer holds.
  TCHAR buffer[SMALL_FORMAT_BUFFER] = {};
  _vsnwprintf(buffer, SMALL_FORMAT_BUFFER - 1, pstrFormat, args);
  va_end(args);
  buffer[SMALL_FORMAT_BUFFER - 1] = L'\0';
  Assign(buffer);
  return GetLength();
}

CUIString& CUIString::operator=(const CUIString& src) {
  AssignFrom(src);
  return *this;
}

CUIString& CUIString::operator=(LPCTSTR pstr) {
  SetText(pstr);
  return *this;
}

CUIString& CUIString::operator=(TCHAR ch) {
  const TCHAR text[2] = {ch, L'\0'};
  Assign(text);
  return *this;
}

CUIString& CUIString::operator+=(const CUIString& src) {
  AppendString(src);
  return *this;
}

CUIString& CUIString::operator+=(LPCTSTR pstr) {
  AppendText(pstr);
  return *this;
}

CUIString& CUIString::operator+=(TCHAR ch) {
  AppendChar(ch);
  return *this;
}

CUIString CUIString::operator+(const CUIString& src) const { return Concat(src.m_pstr); }

CUIString CUIString::operator+(LPCTSTR pstr) const { return Concat(pstr); }

}  // namespace SkinUI
