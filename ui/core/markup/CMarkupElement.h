#pragma once
// A light handle on one element of a parsed skin. It is valid while its parser keeps
// the same text; attribute positions are worked out on first use.
#include "platform/win32.h"

namespace SkinUI {

class CMarkupParser;

class CMarkupElement {
 public:
  // Attributes beyond this number are not seen.
  enum { MAX_ATTRIBUTES = 64 };

  CMarkupElement();

  bool IsValid() const;
  LPCTSTR GetName() const;
  CMarkupElement GetChild() const;
  CMarkupElement GetSibling() const;
  bool HasChildren() const;

  bool HasAttributes();
  int GetAttributeCount();
  LPCTSTR GetAttributeName(int iIndex);
  LPCTSTR GetAttributeValue(int iIndex);
  // Copies the value of the attribute named pstrName (exact, case-sensitive match)
  // into pstrValue, a buffer of cchMax characters: at most cchMax - 1 characters,
  // always terminated, the rest of the buffer cleared. False when there is no such
  // attribute.
  bool GetAttributeValueByName(LPCTSTR pstrName, LPTSTR pstrValue, SIZE_T cchMax);

 private:
  friend class CMarkupParser;

  CMarkupElement(CMarkupParser* pOwner, int iPos);
  void MapAttributes();
  LPTSTR Text() const;

  CMarkupParser* m_pOwner;
  int m_iPos;
  int m_nAttributes;
  ULONG m_aAttributes[MAX_ATTRIBUTES][2];  // name and value positions
};

}  // namespace SkinUI
