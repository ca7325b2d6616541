#pragma once
// The reader of skin files: the whole document goes into one wide buffer that is
// parsed in place (names and values are terminated and their entities decoded there),
// and the element structure into one flat table, so a skin costs two allocations and
// no per-node objects.
#include <memory>
#include <vector>

#include "platform/win32.h"
#include "ui/core/markup/CMarkupElement.h"

namespace SkinUI {

class CMarkupParser {
 public:
  enum { XML_ENCODING_UTF8 = 0, XML_ENCODING_UNICODE = 1, XML_ENCODING_ANSI = 2 };
  // Documents larger than this are refused before conversion; text longer than this
  // many characters is refused too.
  enum : DWORD { MAX_DOCUMENT_BYTES = 4u * 1024u * 1024u };
  // Documents nesting elements deeper than this are refused: far above any real
  // skin, and low enough that neither this parser nor the builder on it can run out
  // of stack.
  enum : UINT { MAX_DEPTH = 256 };

  explicit CMarkupParser(LPCTSTR pstrXML = nullptr);
  CMarkupParser(const CMarkupParser&) = delete;
  CMarkupParser& operator=(const CMarkupParser&) = delete;
  ~CMarkupParser();

  bool LoadText(LPCTSTR pstrXML);
  // Encoding 1 (UTF-16) needs a byte-order mark; big-endian input is read as such.
  bool LoadFromMemory(const BYTE* pByte, DWORD dwSize, int encoding = XML_ENCODING_UTF8);
  void Release();
  CMarkupElement GetRoot();
  // How deep the document nests its elements (1 for a root alone, 0 when empty).
  UINT GetDepth() const { return m_nDepth; }
  // False, with the parser's message for a document nested too deep, when the
  // document placed under that many levels of an enclosing one goes past MAX_DEPTH.
  bool FitsUnder(UINT nEnclosingLevels);

  // What the last failed parse met and the text where it stopped (empty after a
  // successful one).
  LPCTSTR GetLastErrorMessage() const { return m_szErrorMsg; }
  LPCTSTR GetLastErrorLocation() const { return m_szErrorXML; }

 private:
  friend class CMarkupElement;

  // Positions are counted in characters from the start of the text; index 0 of the
  // table is reserved, so 0 means "none".
  struct Element {
    ULONG iStart;
    ULONG iChild;
    ULONG iNext;
    ULONG iParent;
    ULONG iData;
  };

  void ClearErrors();
  bool SetText(std::unique_ptr<WCHAR[]> text);
  bool Parse();
  // nLevel counts the level's elements from the top (1 for the root).
  bool ParseLevel(LPTSTR& pstrText, ULONG iParent, UINT nLevel);
  bool ParseElement(LPTSTR& pstrText, ULONG iParent, ULONG iElement, UINT nLevel);
  bool ParseAttributes(LPTSTR& pstrText);
  // Decodes entities in place up to cEnd or the end of the text; pstrDest ends at
  // the end of the decoded text, and the characters freed by decoding become spaces.
  void ParseData(LPTSTR& pstrText, LPTSTR& pstrDest, WCHAR cEnd);
  ULONG ReserveElement();
  bool Failed(LPCTSTR pstrError, LPCTSTR pstrLocation);

  std::unique_ptr<WCHAR[]> m_pstrXML;
  std::vector<Element> m_aElements;
  UINT m_nDepth = 0;
  WCHAR m_szErrorMsg[100];
  WCHAR m_szErrorXML[50];
};

}  // namespace SkinUI
