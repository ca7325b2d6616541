#include "ui/core/markup/CMarkupElement.h"

#include <cwchar>

#include "ui/core/markup/CMarkupParser.h"

namespace SkinUI {

namespace {

bool IsWhitespace(WCHAR ch) { return ch >= 1 && ch <= 32; }

}  // namespace

CMarkupElement::CMarkupElement() : m_pOwner(nullptr), m_iPos(0), m_nAttributes(0) {}

CMarkupElement::CMarkupElement(CMarkupParser* pOwner, int iPos) : m_pOwner(pOwner), m_iPos(iPos), m_nAttributes(0) {}

LPTSTR CMarkupElement::Text() const { return m_pOwner->m_pstrXML.get(); }

bool CMarkupElement::IsValid() const { return m_pOwner != nullptr; }

LPCTSTR CMarkupElement::GetName() const {
  if (!IsValid()) return nullptr;
  return Text() + m_pOwner->m_aElements[m_iPos].iStart;
}

CMarkupElement CMarkupElement::GetChild() const {
  if (!IsValid()) return CMarkupElement();
  const ULONG iChild = m_pOwner->m_aElements[m_iPos].iChild;
  if (iChild == 0) return CMarkupElement();
  return CMarkupElement(m_pOwner, static_cast<int>(iChild));
}

CMarkupElement CMarkupElement::GetSibling() const {
  if (!IsValid()) return CMarkupElement();
  const ULONG iNext = m_pOwner->m_aElements[m_iPos].iNext;
  if (iNext == 0) return CMarkupElement();
  return CMarkupElement(m_pOwner, static_cast<int>(iNext));
}

bool CMarkupElement::HasChildren() const {
  if (!IsValid()) return false;
  return m_pOwner->m_aElements[m_iPos].iChild != 0;
}

bool CMarkupElement::HasAttributes() { return GetAttributeCount() > 0; }

int CMarkupElement::GetAttributeCount() {
  if (!IsValid()) return 0;
  if (m_nAttributes == 0) MapAttributes();
  return m_nAttributes;
}

LPCTSTR CMarkupElement::GetAttributeName(int iIndex) {
  if (!IsValid()) return nullptr;
  if (iIndex < 0 || iIndex >= GetAttributeCount()) return L"";
  return Text() + m_aAttributes[iIndex][0];
}

LPCTSTR CMarkupElement::GetAttributeValue(int iIndex) {
  if (!IsValid()) return nullptr;
  if (iIndex < 0 || iIndex >= GetAttributeCount()) return L"";
  return Text() + m_aAttributes[iIndex][1];
}

bool CMarkupElement::GetAttributeValueByName(LPCTSTR pstrName, LPTSTR pstrValue, SIZE_T cchMax) {
  if (!IsValid() || pstrName == nullptr) return false;
  const int nCount = GetAttributeCount();
  for (int i = 0; i < nCount; ++i) {
    if (wcscmp(Text() + m_aAttributes[i][0], pstrName) != 0) continue;
    if (pstrValue != nullptr && cchMax > 0) {
      wcsncpy(pstrValue, Text() + m_aAttributes[i][1], cchMax - 1);
      pstrValue[cchMax - 1] = L'\0';
    }
    return true;
  }
  return false;
}

// Walks the attribute area the parser left behind: name, terminator, white space,
// quote, value, terminator. It ends at the element's data start or at the '>' of a
// start tag with content.
void CMarkupElement::MapAttributes() {
  const auto& entry = m_pOwner->m_aElements[m_iPos];
  LPTSTR pstrText = Text();
  LPTSTR p = pstrText + entry.iStart;
  p += wcslen(p) + 1;
  LPTSTR pEnd = pstrText + entry.iData;
  m_nAttributes = 0;
  while (m_nAttributes < MAX_ATTRIBUTES) {
    while (p < pEnd && IsWhitespace(*p)) ++p;
    if (p >= pEnd || *p == L'>') return;
    const auto iName = static_cast<ULONG>(p - pstrText);
    p += wcslen(p) + 1;
    while (IsWhitespace(*p)) ++p;
    if (*p != L'"') return;
    ++p;
    const auto iValue = static_cast<ULONG>(p - pstrText);
    p += wcslen(p) + 1;
    m_aAttributes[m_nAttributes][0] = iName;
    m_aAttributes[m_nAttributes][1] = iValue;
    ++m_nAttributes;
  }
}

}  // namespace SkinUI
