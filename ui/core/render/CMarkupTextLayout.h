#pragma once
// Lays out and draws one markup text run by run: tags switch fonts, colours, links,
// selection, paragraphs and raw text; inline images take cells of their own. When
// drawing, each line is read twice: the first pass finds the line's height, the
// second draws every run on the line's bottom. Measuring reads each line once.
#include <vector>

#include "platform/win32.h"
#include "ui/core/render/UIFontRecord.h"
#include "ui/core/types/CUIString.h"

namespace SkinUI {

class CWindowManagerUI;

class CMarkupTextLayout {
 public:
  CMarkupTextLayout(HDC hDC, CWindowManagerUI* pManager, RECT& rc, LPCTSTR pstrText, DWORD dwTextColor, RECT* prcLinks,
                    CUIString* sLinks, int& nLinkRects, UINT uStyle);
  CMarkupTextLayout(const CMarkupTextLayout&) = delete;
  CMarkupTextLayout& operator=(const CMarkupTextLayout&) = delete;

  void Run();

 private:
  // What a line's second pass starts again from.
  struct LineState {
    LPCTSTR p = nullptr;
    std::vector<UIFontRecord*> fonts;
    std::vector<DWORD> colors;
    std::vector<int> extras;  // paragraph line heights
    bool inRaw = false;
    bool inSelected = false;
    bool inLink = false;
    CUIString linkName;
  };

  bool Drawing() const { return m_bDraw && m_bSecondPass; }
  // Link rectangles are written in the first pass of a line (the only one when measuring).
  bool Writing() const { return !m_bSecondPass; }
  bool SingleLine() const { return (m_uStyle & DT_SINGLELINE) != 0; }

  void AlignByMeasuring();
  void FindHoverLink();
  void LayOutLines();
  void Step();

  void OpeningTag();
  void ClosingTag();
  void Escape();
  void Blank();
  void TextRun();
  // False when the image asks for the next line and the tag is to be read again.
  bool InlineImage(LPCTSTR pstrParams, LPCTSTR pstrTagEnd);

  UIFontRecord* CurrentFont() const;
  void SelectCurrentFont();
  void ApplyColor();
  void ApplySelection();
  void ApplyState();
  void PushFont(UIFontRecord* pFont);
  void PushVariant(bool bBold, bool bUnderline, bool bItalic);
  void PushFace(LPCTSTR pstrParams, LPCTSTR pstrTagEnd);
  void PopFont();
  void PopColor();
  int StartLineHeight() const;
  void RaiseLine(int cy);
  int TextTop() const;
  void DrawRunText(int x, LPCTSTR pstr, int cch);
  void Advance(int cx);

  void OpenLink(const CUIString& sName, int x);
  void CloseLink();
  void FinishLineLinks();

  HDC m_hDC;
  CWindowManagerUI* m_pManager;
  RECT& m_rc;
  LPCTSTR m_pstrText;
  DWORD m_dwTextColor;
  RECT* m_prcLinks;
  CUIString* m_sLinks;
  int& m_nLinkRects;
  UINT m_uStyle;

  bool m_bDraw;
  bool m_bSecondPass;
  bool m_bLineEnd;
  int m_nLinkCapacity;
  int m_nLinks;
  int m_iLineLinkIndex;  // the first link rectangle of the current line
  int m_iOpenLink;       // the rectangle of the link being written, or -1
  CUIString m_sHoverLink;
  UIFontRecord* m_pDefaultFont;
  POINT m_pt;
  int m_cyLine;
  int m_cxMaxWidth;
  int m_cyMinHeight;  // the bottom of the last inline image
  LineState m_state;
};

}  // namespace SkinUI
