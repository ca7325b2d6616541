#pragma once
// The framework's wide string. Short texts (up to 126 characters) live in an inline
// buffer so that the many small strings of a control tree need no heap block.
#include <cstdarg>

#include "platform/win32.h"

namespace SkinUI {

class CUIString {
 public:
  // Longest text kept in the inline buffer; the buffer holds one more character
  // than that for the terminator, plus one spare.
  enum { MAX_INLINE_LENGTH = 126, INLINE_BUFFER_SIZE = 128 };
  // Characters SmallFormat can produce; longer results are cut.
  enum { SMALL_FORMAT_BUFFER = 64 };

  CUIString();
  CUIString(const CUIString& src);
  CUIString(LPCTSTR pstr, int nLength = -1);
  CUIString(TCHAR ch);
  ~CUIString();

  // A null text counts as empty; a negative length takes the whole text.
  void Assign(LPCTSTR pstr, int nLength = -1);
  void SetText(LPCTSTR pstr);
  void AssignFrom(const CUIString& src);

  void Append(LPCTSTR pstr);
  void AppendText(LPCTSTR pstr);
  void AppendString(const CUIString& src);
  void AppendChar(TCHAR ch);
  CUIString Concat(LPCTSTR pstr) const;

  int Compare(LPCTSTR pstr) const;
  bool Equals(LPCTSTR pstr) const;
  bool Differs(LPCTSTR pstr) const;
  bool Less(LPCTSTR pstr) const;

  void Empty();
  bool IsEmpty() const;
  int GetLength() const;
  LPCTSTR GetData() const;
  TCHAR GetAt(int nIndex) const;

  int Find(LPCTSTR pstrSub, int nStart = 0) const;
  int FindChar(TCHAR ch, int nStart = 0) const;
  int ReverseFind(TCHAR ch) const;
  CUIString Left(int nLength) const;
  CUIString Mid(int nStart, int nLength = -1) const;
  int Replace(LPCTSTR pstrFrom, LPCTSTR pstrTo);
  void MakeLower();

  int Format(LPCTSTR pstrFormat, ...);
  int FormatV(LPCTSTR pstrFormat, va_list args);
  int SmallFormat(LPCTSTR pstrFormat, ...);

  // The same operations under their usual C++ spellings.
  CUIString& operator=(const CUIString& src);
  CUIString& operator=(LPCTSTR pstr);
  CUIString& operator=(TCHAR ch);
  CUIString& operator+=(const CUIString& src);
  CUIString& operator+=(LPCTSTR pstr);
  CUIString& operator+=(TCHAR ch);
  CUIString operator+(const CUIString& src) const;
  CUIString operator+(LPCTSTR pstr) const;
  bool operator==(LPCTSTR pstr) const { return Equals(pstr); }
  bool operator!=(LPCTSTR pstr) const { return Differs(pstr); }
  bool operator<(LPCTSTR pstr) const { return Less(pstr); }
  bool operator==(const CUIString& src) const { return Equals(src.GetData()); }
  bool operator!=(const CUIString& src) const { return Differs(src.GetData()); }
  bool operator<(const CUIString& src) const { return Less(src.GetData()); }
  TCHAR operator[](int nIndex) const { return GetAt(nIndex); }
  operator LPCTSTR() const { return m_pstr; }

 private:
  // A text on the left would otherwise compare as a pointer through the conversion.
  friend bool operator==(LPCTSTR pstr, const CUIString& s) { return s.Equals(pstr); }
  friend bool operator!=(LPCTSTR pstr, const CUIString& s) { return s.Differs(pstr); }

  bool IsInline() const { return m_pstr == m_szBuffer; }
  bool Overlaps(LPCTSTR pstr) const;
  void FreeHeap();
  // Makes room for a text of nLength characters, keeping nKeep characters of the
  // current text; false when memory runs out (the string is then unchanged).
  bool Reserve(int nLength, int nKeep);

  // Points at m_szBuffer or at a heap block of at least length + 1 characters owned
  // by this string; never null, always terminated.
  LPTSTR m_pstr;
  TCHAR m_szBuffer[INLINE_BUFFER_SIZE];
};

}  // namespace SkinUI
