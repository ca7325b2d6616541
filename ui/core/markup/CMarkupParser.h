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
  // Documents larger than this are refused before conversion.
  enum : DWORD { MAX_DOCUMENT_BYTES = 4u * 1024u * 1024u };

  explicit CMarkupParser(LPCTSTR pstrXML = nullptr);
  CMarkupParser(const CMarkupParser&) = delete;
  CMarkupParser& operator=(const CMarkupParser&) = delete;
  ~CMarkupParser();

  bool LoadText(LPCTSTR pstrXML);
  // Encoding 1 (UTF-16) needs a byte-order mark; big-endian input is read as such.
  bool LoadFromMemory(const BYTE* pByte, DWORD dwSize, int encoding = XML_ENCODING_UTF8);
  void Release();
  CMarkupElement GetRoot();

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
  bool ParseLevel(LPTSTR& pstrText, ULONG iParent);
  bool ParseElement(LPTSTR& pstrText, ULONG iParent, ULONG iElement);
  bool ParseAttributes(LPTSTR& pstrText);
  // Decodes entities in place up to cEnd or the end of the text; pstrDest ends at
  // the end of the decoded text, and the characters freed by decoding become spaces.
  void ParseData(LPTSTR& pstrText, LPTSTR& pstrDest, WCHAR cEnd);
  ULONG ReserveElement();
  bool Failed(LPCTSTR pstrError, LPCTSTR pstrLocation);

  std::unique_ptr<WCHAR[]> m_pstrXML;
  std::vector<Element> m_aElements;
  WCHAR m_szErrorMsg[100];
  WCHAR m_szErrorXML[50];
};

}  // namespace SkinUI
