#include "ui/core/markup/CMarkupParser.h"

#include <algorithm>
#include <cwchar>

namespace SkinUI {

namespace {

const size_t FIRST_TABLE_SIZE = 500;
const size_t ERROR_MESSAGE_CHARS = 99;
const size_t ERROR_LOCATION_CHARS = 49;
const wchar_t TOO_DEEP[] = L"Elements nested too deeply";

struct Entity {
  const wchar_t* text;
  size_t length;
  WCHAR ch;
};

const Entity ENTITIES[] = {
    {L"&amp;", 5, L'&'}, {L"&lt;", 4, L'<'}, {L"&gt;", 4, L'>'}, {L"&quot;", 6, L'"'}, {L"&apos;", 6, L'\''},
};

bool IsWhitespace(WCHAR ch) { return ch >= 1 && ch <= 32; }

void SkipWhitespace(LPTSTR& p) {
  while (IsWhitespace(*p)) ++p;
}

// Letters as the platform classifies them, so skins may name elements in Chinese.
bool IsIdentifierChar(WCHAR ch) { return ch == L'_' || ch == L':' || platform::IsAlnumW(ch); }

void SkipIdentifier(LPTSTR& p) {
  while (*p != L'\0' && IsIdentifierChar(*p)) ++p;
}

// Comments end at the first "->", processing instructions at the first "?>"; an
// unterminated one takes the rest of the text.
void SkipDeclaration(LPTSTR& p) {
  const WCHAR cLast = *p == L'!' ? L'-' : L'?';
  while (*p != L'\0' && !(p[0] == cLast && p[1] == L'>')) ++p;
  if (*p != L'\0') p += 2;
}

std::unique_ptr<WCHAR[]> EmptyText() { return std::unique_ptr<WCHAR[]>(new WCHAR[1]()); }

std::unique_ptr<WCHAR[]> ConvertNarrow(UINT codePage, const BYTE* pByte, DWORD dwSize) {
  if (dwSize == 0) return EmptyText();
  const auto* pstr = reinterpret_cast<LPCSTR>(pByte);
  const int nSize = static_cast<int>(dwSize);
  const int nChars = MultiByteToWideChar(codePage, 0, pstr, nSize, nullptr, 0);
  if (nChars <= 0) return nullptr;
  std::unique_ptr<WCHAR[]> text(new WCHAR[static_cast<size_t>(nChars) + 1]());
  if (MultiByteToWideChar(codePage, 0, pstr, nSize, text.get(), nChars) != nChars) return nullptr;
  return text;
}

// UTF-16 code units become the platform's wide characters; pairs of surrogates are
// joined, lone ones kept as they are.
std::unique_ptr<WCHAR[]> ConvertUtf16(const BYTE* pByte, DWORD dwSize) {
  if (dwSize < 2) return nullptr;
  bool bBigEndian = false;
  if (pByte[0] == 0xFE && pByte[1] == 0xFF) {
    bBigEndian = true;
  } else if (!(pByte[0] == 0xFF && pByte[1] == 0xFE)) {
    return nullptr;
  }
  const size_t nUnits = (dwSize - 2) / 2;
  const BYTE* pUnits = pByte + 2;
  auto unitAt = [&](size_t i) -> DWORD {
    const BYTE* b = pUnits + 2 * i;
    return bBigEndian ? (DWORD(b[0]) << 8 | b[1]) : (DWORD(b[1]) << 8 | b[0]);
  };
  std::unique_ptr<WCHAR[]> text(new WCHAR[nUnits + 1]());
  size_t nOut = 0;
  for (size_t i = 0; i < nUnits; ++i) {
    DWORD unit = unitAt(i);
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < nUnits) {
      const DWORD low = unitAt(i + 1);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    text[nOut++] = static_cast<WCHAR>(unit);
  }
  text[nOut] = L'\0';
  return text;
}

}  // namespace

CMarkupParser::CMarkupParser(LPCTSTR pstrXML) {
  ClearErrors();
  if (pstrXML != nullptr) LoadText(pstrXML);
}

CMarkupParser::~CMarkupParser() { Release(); }

void CMarkupParser::ClearErrors() {
  m_szErrorMsg[0] = L'\0';
  m_szErrorXML[0] = L'\0';
}

void CMarkupParser::Release() {
  m_pstrXML.reset();
  std::vector<Element>().swap(m_aElements);
  m_nDepth = 0;
}

bool CMarkupParser::LoadText(LPCTSTR pstrXML) {
  Release();
  ClearErrors();
  if (pstrXML == nullptr) return false;
  const size_t nLength = wcslen(pstrXML);
  // The same bound as a file's: text handed over directly is no smaller a risk.
  if (nLength > MAX_DOCUMENT_BYTES) return Failed(L"Text too large", L"");
  std::unique_ptr<WCHAR[]> text(new WCHAR[nLength + 1]);
  wmemcpy(text.get(), pstrXML, nLength + 1);
  return SetText(std::move(text));
}

bool CMarkupParser::LoadFromMemory(const BYTE* pByte, DWORD dwSize, int encoding) {
  Release();
  ClearErrors();
  if (dwSize > MAX_DOCUMENT_BYTES) return Failed(L"File too large", L"");
  if (pByte == nullptr && dwSize > 0) return false;
  std::unique_ptr<WCHAR[]> text;
  switch (encoding) {
    case XML_ENCODING_UTF8: {
      const bool bHasMark = dwSize > 2 && pByte[0] == 0xEF && pByte[1] == 0xBB && pByte[2] == 0xBF;
      text = bHasMark ? ConvertNarrow(CP_UTF8, pByte + 3, dwSize - 3) : ConvertNarrow(CP_UTF8, pByte, dwSize);
      break;
    }
    case XML_ENCODING_UNICODE:
      text = ConvertUtf16(pByte, dwSize);
      break;
    case XML_ENCODING_ANSI:
      text = ConvertNarrow(CP_ACP, pByte, dwSize);
      break;
    default:
      break;
  }
  if (!text) return false;
  return SetText(std::move(text));
}

bool CMarkupParser::SetText(std::unique_ptr<WCHAR[]> text) {
  m_pstrXML = std::move(text);
  if (Parse()) return true;
  Release();
  return false;
}

CMarkupElement CMarkupParser::GetRoot() {
  if (m_aElements.size() < 2) return CMarkupElement();
  return CMarkupElement(this, 1);
}

ULONG CMarkupParser::ReserveElement() {
  if (m_aElements.size() == m_aElements.capacity()) {
    const size_t nCapacity = m_aElements.capacity();
    m_aElements.reserve(nCapacity == 0 ? FIRST_TABLE_SIZE : nCapacity + nCapacity / 2 + FIRST_TABLE_SIZE);
  }
  m_aElements.push_back(Element{0, 0, 0, 0, 0});
  return static_cast<ULONG>(m_aElements.size() - 1);
}

bool CMarkupParser::FitsUnder(UINT nEnclosingLevels) {
  if (nEnclosingLevels <= MAX_DEPTH && m_nDepth <= MAX_DEPTH - nEnclosingLevels) return true;
  return Failed(TOO_DEEP, L"");
}

bool CMarkupParser::Failed(LPCTSTR pstrError, LPCTSTR pstrLocation) {
  wcsncpy(m_szErrorMsg, pstrError, ERROR_MESSAGE_CHARS);
  m_szErrorMsg[ERROR_MESSAGE_CHARS] = L'\0';
  wcsncpy(m_szErrorXML, pstrLocation == nullptr ? L"" : pstrLocation, ERROR_LOCATION_CHARS);
  m_szErrorXML[ERROR_LOCATION_CHARS] = L'\0';
  return false;
}

bool CMarkupParser::Parse() {
  m_aElements.clear();
  ReserveElement();  // index 0 stands for "none"
  ClearErrors();
  m_nDepth = 0;
  LPTSTR pstrText = m_pstrXML.get();
  return ParseLevel(pstrText, 0, 1);
}

// The top level and the root's children may be cut off by the end of the text;
// anything deeper must be closed.
bool CMarkupParser::ParseLevel(LPTSTR& pstrText, ULONG iParent, UINT nLevel) {
  ULONG iPrevious = 0;
  for (;;) {
    SkipWhitespace(pstrText);
    if (*pstrText == L'\0' && iParent <= 1) return true;
    if (*pstrText != L'<') return Failed(L"Expected start tag", pstrText);
    if (pstrText[1] == L'/') return true;
    *pstrText++ = L'\0';
    SkipWhitespace(pstrText);
    if (*pstrText == L'!' || *pstrText == L'?') {
      SkipDeclaration(pstrText);
      continue;
    }
    if (nLevel > MAX_DEPTH) return Failed(TOO_DEEP, pstrText);
    m_nDepth = std::max(m_nDepth, nLevel);
    const ULONG iElement = ReserveElement();
    m_aElements[iElement] = Element{static_cast<ULONG>(pstrText - m_pstrXML.get()), 0, 0, iParent, 0};
    if (iPrevious != 0) {
      m_aElements[iPrevious].iNext = iElement;
    } else if (iParent > 0) {
      m_aElements[iParent].iChild = iElement;
    }
    iPrevious = iElement;
    if (!ParseElement(pstrText, iParent, iElement, nLevel)) return false;
  }
}

bool CMarkupParser::ParseElement(LPTSTR& pstrText, ULONG iParent, ULONG iElement, UINT nLevel) {
  LPTSTR pstrName = pstrText;
  SkipIdentifier(pstrText);
  LPTSTR pstrNameEnd = pstrText;
  const size_t cchName = static_cast<size_t>(pstrNameEnd - pstrName);
  if (*pstrText == L'\0') return Failed(L"Error parsing element name", pstrText);
  if (!ParseAttributes(pstrText)) return false;
  SkipWhitespace(pstrText);
  if (pstrText[0] == L'/' && pstrText[1] == L'>') {
    m_aElements[iElement].iData = static_cast<ULONG>(pstrText - m_pstrXML.get());
    pstrText += 2;
    *pstrNameEnd = L'\0';
    return true;
  }
  if (*pstrText != L'>') return Failed(L"Expected start-tag closing", pstrText);
  m_aElements[iElement].iData = static_cast<ULONG>(++pstrText - m_pstrXML.get());
  // The start tag is complete, so the name can end even if the text ends early.
  *pstrNameEnd = L'\0';
  LPTSTR pstrDest = pstrText;
  ParseData(pstrText, pstrDest, L'<');
  if (*pstrText == L'\0') {
    if (iParent <= 1) return true;
    return Failed(L"Expected end-tag start", pstrText);
  }
  if (pstrText[1] != L'/' && !ParseLevel(pstrText, iElement, nLevel + 1)) return false;
  if (!(pstrText[0] == L'<' && pstrText[1] == L'/')) return true;
  *pstrDest = L'\0';
  pstrText += 2;
  SkipWhitespace(pstrText);
  if (wcsncmp(pstrText, pstrName, cchName) != 0) return Failed(L"Unmatched closing tag", pstrText);
  pstrText += cchName;
  SkipWhitespace(pstrText);
  if (*pstrText != L'>') return Failed(L"Unmatched closing tag", pstrText);
  ++pstrText;
  return true;
}

// Leaves each attribute as: name, terminator, white space, quote, value, terminator,
// which is what the element handles walk.
bool CMarkupParser::ParseAttributes(LPTSTR& pstrText) {
  if (*pstrText == L'>') return true;
  if (pstrText[0] == L'/' && pstrText[1] == L'>') return true;
  *pstrText++ = L'\0';
  SkipWhitespace(pstrText);
  while (*pstrText != L'\0' && *pstrText != L'>' && *pstrText != L'/') {
    SkipIdentifier(pstrText);
    LPTSTR pstrIdentifierEnd = pstrText;
    SkipWhitespace(pstrText);
    if (*pstrText != L'=') return Failed(L"Error while parsing attributes", pstrText);
    *pstrText++ = L' ';
    *pstrIdentifierEnd = L'\0';
    SkipWhitespace(pstrText);
    if (*pstrText != L'"') return Failed(L"Expected attribute value", pstrText);
    ++pstrText;
    LPTSTR pstrDest = pstrText;
    ParseData(pstrText, pstrDest, L'"');
    if (*pstrText == L'\0') return Failed(L"Error while parsing attribute string", pstrText);
    *pstrDest = L'\0';
    if (pstrDest != pstrText) *pstrText = L' ';
    ++pstrText;
    SkipWhitespace(pstrText);
  }
  return true;
}

void CMarkupParser::ParseData(LPTSTR& pstrText, LPTSTR& pstrDest, WCHAR cEnd) {
  while (*pstrText != L'\0' && *pstrText != cEnd) {
    bool bDecoded = false;
    if (*pstrText == L'&') {
      for (const Entity& entity : ENTITIES) {
        if (wcsncmp(pstrText, entity.text, entity.length) != 0) continue;
        *pstrDest++ = entity.ch;
        pstrText += entity.length;
        bDecoded = true;
        break;
      }
    }
    if (!bDecoded) *pstrDest++ = *pstrText++;
  }
  for (LPTSTR p = pstrDest; p < pstrText; ++p) *p = L' ';
}

}  // namespace SkinUI
