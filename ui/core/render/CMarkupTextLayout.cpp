#include "ui/core/render/CMarkupTextLayout.h"

#include <algorithm>

#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CImageAttribute.h"
#include "ui/core/render/CSkinRenderer.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

namespace {

bool IsBracket(TCHAR ch) { return ch == L'<' || ch == L'{'; }
bool IsClosingBracket(TCHAR ch) { return ch == L'>' || ch == L'}'; }
bool IsTagLetter(TCHAR ch) { return ch >= L'a' && ch <= L'z'; }
bool IsAsciiLetter(TCHAR ch) { return (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z'); }
bool IsBlank(TCHAR ch) { return ch > 0 && ch <= 32; }

LPCTSTR SkipBlanks(LPCTSTR p) {
  while (IsBlank(*p)) ++p;
  return p;
}

// The next closing bracket of either kind, or the end of the text.
LPCTSTR TagEnd(LPCTSTR p) {
  while (*p != L'\0' && !IsClosingBracket(*p)) ++p;
  return p;
}

LPCTSTR AfterTag(LPCTSTR pstrTagEnd) { return *pstrTagEnd != L'\0' ? pstrTagEnd + 1 : pstrTagEnd; }

bool IsOpeningTag(LPCTSTR p) {
  return IsBracket(p[0]) && IsTagLetter(p[1]) && (p[2] == L' ' || IsClosingBracket(p[2]));
}

bool IsClosingTag(LPCTSTR p) { return IsBracket(p[0]) && p[1] == L'/' && IsTagLetter(p[2]); }

bool IsRawEnd(LPCTSTR p) { return IsBracket(p[0]) && p[1] == L'/' && p[2] == L'r' && IsClosingBracket(p[3]); }

bool IsEscape(LPCTSTR p) {
  if (p[0] == L'<') return (p[1] == L'{' || p[1] == L'}') && p[2] == L'>';
  if (p[0] == L'{') return (p[1] == L'<' || p[1] == L'>') && p[2] == L'}';
  return false;
}

COLORREF ToColorRef(DWORD dwColor) {
  return RGB(static_cast<BYTE>(dwColor >> 16), static_cast<BYTE>(dwColor >> 8), static_cast<BYTE>(dwColor));
}

bool Contains(const CUIString& sText, LPCTSTR pstrPart) { return sText.Find(pstrPart) >= 0; }

// How far the pen may get: a text of many offsets and line heights, each clamped
// where it is read, could otherwise add up past 32 bits; from here, adding a
// picture's or a line's size cannot.
const int kFarthest = 1 << 28;

LONG Moved(LONG position, int delta) {
  return static_cast<LONG>(std::clamp<long long>(static_cast<long long>(position) + delta, -kFarthest, kFarthest));
}

}  // namespace

CMarkupTextLayout::CMarkupTextLayout(HDC hDC, CWindowManagerUI* pManager, RECT& rc, LPCTSTR pstrText, DWORD dwTextColor,
                                     RECT* prcLinks, CUIString* sLinks, int& nLinkRects, UINT uStyle)
    : m_hDC(hDC),
      m_pManager(pManager),
      m_rc(rc),
      m_pstrText(pstrText),
      m_dwTextColor(dwTextColor),
      m_prcLinks(prcLinks),
      m_sLinks(sLinks),
      m_nLinkRects(nLinkRects),
      m_uStyle(uStyle),
      m_bDraw((uStyle & DT_CALCRECT) == 0),
      m_bSecondPass(false),
      m_bLineEnd(false),
      m_nLinkCapacity(prcLinks != nullptr && sLinks != nullptr ? std::max(0, nLinkRects) : 0),
      m_nLinks(0),
      m_iLineLinkIndex(0),
      m_iOpenLink(-1),
      m_pDefaultFont(nullptr),
      m_pt{0, 0},
      m_cyLine(0),
      m_cxMaxWidth(0),
      m_cyMinHeight(0) {}

void CMarkupTextLayout::Run() {
  if (m_pstrText == nullptr || m_pManager == nullptr || ::IsRectEmpty(&m_rc)) {
    // Nothing was drawn, so no link of an earlier paint may still be hit.
    m_nLinkRects = 0;
    return;
  }

  RECT rcClip = {0, 0, 0, 0};
  ::GetClipBox(m_hDC, &rcClip);
  HRGN hOldRgn = ::CreateRectRgnIndirect(&rcClip);
  HRGN hRgn = ::CreateRectRgnIndirect(&m_rc);
  if (m_bDraw) ::ExtSelectClipRgn(m_hDC, hRgn, RGN_AND);

  m_pDefaultFont = m_pManager->GetDefaultFontInfo();
  HGDIOBJ hOldFont = ::SelectObject(m_hDC, m_pDefaultFont->hFont);
  ::SetBkMode(m_hDC, TRANSPARENT);
  ::SetTextColor(m_hDC, ToColorRef(m_dwTextColor));
  ::SetBkColor(m_hDC, ToColorRef(m_pManager->GetDefaultSelectedBkColor()));

  if (m_bDraw && (m_uStyle & (DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM)) != 0) AlignByMeasuring();
  FindHoverLink();

  m_state.p = m_pstrText;
  m_pt = POINT{m_rc.left, m_rc.top};
  m_cyLine = StartLineHeight();
  m_cxMaxWidth = m_rc.left;
  LayOutLines();

  m_nLinkRects = m_nLinks;
  if (!m_bDraw) {
    m_rc.bottom = std::max(m_cyMinHeight, static_cast<int>(m_pt.y) + m_cyLine);
    m_rc.right = std::min(static_cast<int>(m_rc.right), m_cxMaxWidth);
  }

  if (m_bDraw) ::SelectClipRgn(m_hDC, hOldRgn);
  ::DeleteObject(hRgn);
  ::DeleteObject(hOldRgn);
  ::SelectObject(m_hDC, hOldFont);
}

void CMarkupTextLayout::AlignByMeasuring() {
  RECT rcText = {0, 0, 9999, 100};
  int nLinks = 0;
  CSkinRenderer::DrawMarkupText(m_hDC, m_pManager, rcText, m_pstrText, m_dwTextColor, nullptr, nullptr, nLinks,
                                m_uStyle | DT_CALCRECT);
  const int cx = rcText.right - rcText.left;
  const int cy = rcText.bottom - rcText.top;
  if (SingleLine()) {
    if ((m_uStyle & DT_CENTER) != 0) {
      m_rc.left = m_rc.left + (m_rc.right - m_rc.left) / 2 - cx / 2;
      m_rc.right = m_rc.left + cx;
    }
    if ((m_uStyle & DT_RIGHT) != 0) m_rc.left = m_rc.right - cx;
  }
  if ((m_uStyle & DT_VCENTER) != 0) {
    m_rc.top = m_rc.top + (m_rc.bottom - m_rc.top) / 2 - cy / 2;
    m_rc.bottom = m_rc.top + cy;
  }
  if ((m_uStyle & DT_BOTTOM) != 0) m_rc.top = m_rc.bottom - cy;
}

void CMarkupTextLayout::FindHoverLink() {
  const POINT ptMouse = m_pManager->GetMousePos();
  for (int i = 0; i < m_nLinkCapacity; ++i) {
    if (!::PtInRect(&m_prcLinks[i], ptMouse)) continue;
    m_sHoverLink = m_sLinks[i];
    return;
  }
}

void CMarkupTextLayout::LayOutLines() {
  LineState lineStart = m_state;
  m_iLineLinkIndex = m_nLinks;
  for (;;) {
    m_bLineEnd = false;
    for (;;) {
      const TCHAR ch = *m_state.p;
      if (ch == L'\0') break;
      if (ch == L'\n' || m_bLineEnd || m_pt.x >= m_rc.right) {
        if (ch == L'\n') ++m_state.p;
        break;
      }
      Step();
    }
    FinishLineLinks();

    if (m_bDraw && !m_bSecondPass) {
      // The line's height is known: read the same line again and draw it.
      m_bSecondPass = true;
      m_state = lineStart;
      ApplyState();
      m_pt.x = m_rc.left;
      continue;
    }
    m_bSecondPass = false;
    if (SingleLine() || *m_state.p == L'\0') return;
    // A line that took nothing would be taken again forever (a rectangle narrower
    // than what an ellipsis leaves of a character).
    if (m_state.p == lineStart.p) return;

    m_pt.x = m_rc.left;
    m_pt.y = Moved(m_pt.y, m_cyLine);
    if (m_bDraw && m_pt.y > m_rc.bottom) return;
    m_cyLine = StartLineHeight();
    if (m_rc.right <= m_rc.left) return;
    lineStart = m_state;
    m_iLineLinkIndex = m_nLinks;
    // A link that goes on past the line end continues from the next line's left edge.
    if (m_state.inLink) OpenLink(m_state.linkName, m_rc.left);
  }
}

void CMarkupTextLayout::Step() {
  LPCTSTR p = m_state.p;
  if (m_state.inRaw) {
    TextRun();
  } else if (IsOpeningTag(p)) {
    OpeningTag();
  } else if (IsClosingTag(p)) {
    ClosingTag();
  } else if (IsEscape(p)) {
    Escape();
  } else if (*p == L' ') {
    Blank();
  } else {
    TextRun();
  }
}

// --- Tags ---

void CMarkupTextLayout::OpeningTag() {
  LPCTSTR pTag = m_state.p;
  const TCHAR tag = pTag[1];
  LPCTSTR pParams = SkipBlanks(pTag + 2);
  LPCTSTR pEnd = TagEnd(pTag + 2);
  if (pParams > pEnd) pParams = pEnd;
  switch (tag) {
    case L'a': {
      const CUIString sName(pParams, static_cast<int>(pEnd - pParams));
      const bool bHover = !m_sHoverLink.IsEmpty() && m_sHoverLink == sName;
      m_state.colors.push_back(bHover ? m_pManager->GetDefaultLinkHoverFontColor()
                                      : m_pManager->GetDefaultLinkFontColor());
      ApplyColor();
      PushVariant(false, true, false);
      m_state.inLink = true;
      m_state.linkName = sName;
      OpenLink(sName, m_pt.x);
      break;
    }
    case L'b':
      PushVariant(true, false, false);
      break;
    case L'c': {
      LPCTSTR p = pParams;
      if (*p == L'#') ++p;
      m_state.colors.push_back(CUIValueParser::ReadHex(p, nullptr));
      ApplyColor();
      break;
    }
    case L'f':
      PushFace(pParams, pEnd);
      break;
    case L'i':
      if (pParams == pEnd) {
        PushVariant(false, false, true);
      } else if (!InlineImage(pParams, pEnd)) {
        m_bLineEnd = true;
        return;
      }
      break;
    case L'n':
      if (!SingleLine()) m_bLineEnd = true;
      break;
    case L'p': {
      if (m_pt.x > m_rc.left) m_bLineEnd = true;
      m_state.extras.push_back(CUIValueParser::ReadPixels(pParams, nullptr));
      if (!m_bLineEnd) RaiseLine(StartLineHeight());
      break;
    }
    case L'r':
      m_state.inRaw = true;
      break;
    case L's':
      m_state.inSelected = !m_state.inSelected;
      ApplySelection();
      break;
    case L'u':
      PushVariant(false, true, false);
      break;
    case L'x':
      Advance(CUIValueParser::ReadPixels(pParams, nullptr));
      break;
    case L'y':
      if (Writing()) m_cyLine = CUIValueParser::ReadPixels(pParams, nullptr);
      break;
    default:
      break;
  }
  m_state.p = AfterTag(pEnd);
}

void CMarkupTextLayout::ClosingTag() {
  LPCTSTR pTag = m_state.p;
  switch (pTag[2]) {
    case L'a':
      CloseLink();
      m_state.inLink = false;
      PopColor();
      PopFont();
      break;
    case L'b':
    case L'f':
    case L'i':
    case L'u':
      PopFont();
      break;
    case L'c':
      PopColor();
      break;
    case L'p':
      if (m_pt.x > m_rc.left) m_bLineEnd = true;
      if (!m_state.extras.empty()) m_state.extras.pop_back();
      break;
    case L's':
      m_state.inSelected = !m_state.inSelected;
      ApplySelection();
      break;
    default:
      break;
  }
  m_state.p = AfterTag(TagEnd(pTag + 3));
}

bool CMarkupTextLayout::InlineImage(LPCTSTR pstrParams, LPCTSTR pstrTagEnd) {
  const CUIString sTag(pstrParams, static_cast<int>(pstrTagEnd - pstrParams));
  CUIString sName;
  CUIString sType;
  int nCount = 1;
  int iIndex = 0;
  // Only this tag's own text can describe its picture.
  if (Contains(sTag, L"file='") || Contains(sTag, L"res='")) {
    CImageAttribute description;
    description.ParseAttribute(sTag);
    sName = description.GetFile();
    sType = description.GetResType();
  } else {
    LPCTSTR p = sTag;
    LPCTSTR pName = p;
    while (*p != L'\0' && !IsBlank(*p)) ++p;
    sName.Assign(pName, static_cast<int>(p - pName));
    p = SkipBlanks(p);
    if (*p != L'\0') nCount = CUIValueParser::ReadDecimal(p, &p);
    p = SkipBlanks(p);
    if (*p != L'\0') iIndex = CUIValueParser::ReadDecimal(p, &p);
  }
  const UIImageRecord* pImage = m_pManager->GetImageEx(sName, sType.IsEmpty() ? nullptr : sType.GetData(), 0);
  if (pImage == nullptr) return true;
  if (nCount < 1) nCount = 1;
  if (iIndex < 0 || iIndex >= nCount) iIndex = 0;
  const int cxCell = pImage->nWidth / nCount;
  const int cyCell = pImage->nHeight;
  if (m_pt.x + cxCell > m_rc.right && m_pt.x > m_rc.left && !SingleLine()) return false;

  if (Drawing()) {
    RECT rcCell = {m_pt.x, m_pt.y + m_cyLine - cyCell, m_pt.x + cxCell, m_pt.y + m_cyLine};
    if (cyCell < m_cyLine) ::OffsetRect(&rcCell, 0, -(m_cyLine - cyCell) / 2);
    const RECT rcSource = {iIndex * cxCell, 0, (iIndex + 1) * cxCell, cyCell};
    const RECT rcNoCorner = {0, 0, 0, 0};
    CSkinRenderer::DrawBitmap(m_hDC, pImage->hBitmap, rcCell, rcCell, rcSource, rcNoCorner, pImage->bAlpha, 255);
  }
  RaiseLine(cyCell);
  m_cyMinHeight = m_pt.y + cyCell;
  Advance(cxCell);
  return true;
}

// --- Characters ---

void CMarkupTextLayout::Escape() {
  const TCHAR ch = m_state.p[1];
  SIZE sz = {0, 0};
  ::GetTextExtentPoint32W(m_hDC, &ch, 1, &sz);
  if (Drawing()) DrawRunText(m_pt.x, &ch, 1);
  Advance(sz.cx);
  m_state.p += 3;
}

void CMarkupTextLayout::Blank() {
  SIZE sz = {0, 0};
  ::GetTextExtentPoint32W(m_hDC, L" ", 1, &sz);
  // Drawn, not skipped: an underline runs on through the blank.
  if (Drawing()) DrawRunText(m_pt.x, L" ", 1);
  Advance(sz.cx);
  ++m_state.p;
}

void CMarkupTextLayout::TextRun() {
  LPCTSTR pFirst = m_state.p;
  LPCTSTR p = pFirst;
  int nChars = 0;
  int nLastBreak = 0;
  bool bOverflow = false;
  SIZE sz = {0, 0};
  const TEXTMETRICW& tm = CurrentFont()->tm;
  while (*p != L'\0' && *p != L'\n') {
    if (m_state.inRaw) {
      if (IsRawEnd(p)) break;
    } else if (nChars > 0 && IsBracket(*p)) {
      break;
    }
    ++p;
    ++nChars;
    // The cheap estimate first; exact measuring only near the right edge.
    sz.cx = static_cast<LONG>(std::min<long long>(static_cast<long long>(nChars) * tm.tmMaxCharWidth, kFarthest));
    if (m_pt.x + sz.cx >= m_rc.right) ::GetTextExtentPoint32W(m_hDC, pFirst, nChars, &sz);
    if (m_pt.x + sz.cx > m_rc.right) {
      bOverflow = true;
      break;
    }
    if (!IsAsciiLetter(p[-1])) nLastBreak = nChars;
  }

  bool bEllipsis = false;
  if (bOverflow) {
    // The character that overflows goes to the next line, unless it is the only
    // one the line would hold.
    if (m_pt.x != m_rc.left || nChars > 1) {
      --nChars;
      --p;
    }
    if ((m_uStyle & DT_WORDBREAK) != 0 && nLastBreak > 0) {
      nChars = nLastBreak;
      p = pFirst + nChars;
    }
    if ((m_uStyle & DT_END_ELLIPSIS) != 0) {
      for (int k = 0; k < 2 && nChars > 0; ++k) {
        --nChars;
        --p;
      }
      bEllipsis = true;
    }
    m_bLineEnd = true;
  } else if (m_state.inRaw && IsRawEnd(p)) {
    p += 4;
    m_state.inRaw = false;
  }
  m_state.p = p;

  ::GetTextExtentPoint32W(m_hDC, pFirst, nChars, &sz);
  if (nChars == 0) sz.cx = 0;
  const int xPen = m_pt.x;
  if (Drawing()) {
    int x = xPen;
    if (!SingleLine() && (m_uStyle & DT_CENTER) != 0) {
      x = m_rc.left + (m_rc.right - m_rc.left - sz.cx) / 2;
    } else if (!SingleLine() && (m_uStyle & DT_RIGHT) != 0) {
      x = m_rc.right - sz.cx;
    }
    if (nChars > 0) DrawRunText(x, pFirst, nChars);
    if (bEllipsis) ::TextOutW(m_hDC, x + sz.cx, m_pt.y, L"...", 3);
  }
  if (bEllipsis) m_pt.x = m_rc.right;
  Advance(sz.cx);
}

// --- Fonts, colours and state ---

UIFontRecord* CMarkupTextLayout::CurrentFont() const {
  return m_state.fonts.empty() ? m_pDefaultFont : m_state.fonts.back();
}

void CMarkupTextLayout::SelectCurrentFont() { ::SelectObject(m_hDC, CurrentFont()->hFont); }

void CMarkupTextLayout::ApplyColor() {
  ::SetTextColor(m_hDC, ToColorRef(m_state.colors.empty() ? m_dwTextColor : m_state.colors.back()));
}

void CMarkupTextLayout::ApplySelection() { ::SetBkMode(m_hDC, m_state.inSelected ? OPAQUE : TRANSPARENT); }

void CMarkupTextLayout::ApplyState() {
  SelectCurrentFont();
  ApplyColor();
  ApplySelection();
}

void CMarkupTextLayout::PushFont(UIFontRecord* pFont) {
  if (pFont == nullptr) return;
  m_state.fonts.push_back(pFont);
  SelectCurrentFont();
  RaiseLine(StartLineHeight());
}

void CMarkupTextLayout::PushVariant(bool bBold, bool bUnderline, bool bItalic) {
  const UIFontRecord* pFont = CurrentFont();
  if ((bBold && pFont->bBold) || (bUnderline && pFont->bUnderline) || (bItalic && pFont->bItalic)) return;
  const bool bNewBold = pFont->bBold || bBold;
  const bool bNewUnderline = pFont->bUnderline || bUnderline;
  const bool bNewItalic = pFont->bItalic || bItalic;
  HFONT hFont = m_pManager->FindFont(pFont->sFontName, pFont->iSize, bNewBold, bNewUnderline, bNewItalic);
  if (hFont == nullptr)
    hFont = m_pManager->AddFont(pFont->sFontName, pFont->iSize, bNewBold, bNewUnderline, bNewItalic);
  if (hFont == nullptr) return;
  PushFont(m_pManager->GetFontInfoByHandle(hFont));
}

void CMarkupTextLayout::PushFace(LPCTSTR pstrParams, LPCTSTR pstrTagEnd) {
  if (*pstrParams >= L'0' && *pstrParams <= L'9') {
    PushFont(m_pManager->GetFontInfo(CUIValueParser::ReadDecimal(pstrParams, nullptr)));
    return;
  }
  LPCTSTR p = pstrParams;
  while (p < pstrTagEnd && !IsBlank(*p)) ++p;
  const CUIString sFace(pstrParams, static_cast<int>(p - pstrParams));
  p = SkipBlanks(p);
  int nSize = 10;
  if (p < pstrTagEnd && *p >= L'0' && *p <= L'9') nSize = CUIValueParser::ReadFontSize(p, &p);
  if (p > pstrTagEnd) p = pstrTagEnd;
  CUIString sWords(p, static_cast<int>(pstrTagEnd - p));
  sWords.MakeLower();
  const bool bBold = Contains(sWords, L"bold");
  const bool bUnderline = Contains(sWords, L"underline");
  const bool bItalic = Contains(sWords, L"italic");
  HFONT hFont = m_pManager->FindFont(sFace, nSize, bBold, bUnderline, bItalic);
  if (hFont == nullptr) hFont = m_pManager->AddFont(sFace, nSize, bBold, bUnderline, bItalic);
  if (hFont == nullptr) return;
  PushFont(m_pManager->GetFontInfoByHandle(hFont));
}

void CMarkupTextLayout::PopFont() {
  if (!m_state.fonts.empty()) m_state.fonts.pop_back();
  SelectCurrentFont();
}

void CMarkupTextLayout::PopColor() {
  if (!m_state.colors.empty()) m_state.colors.pop_back();
  ApplyColor();
}

int CMarkupTextLayout::StartLineHeight() const {
  const TEXTMETRICW& tm = CurrentFont()->tm;
  return tm.tmHeight + tm.tmExternalLeading + (m_state.extras.empty() ? 0 : m_state.extras.back());
}

void CMarkupTextLayout::RaiseLine(int cy) {
  // The second pass keeps the height the first one found.
  if (Writing()) m_cyLine = std::max(m_cyLine, cy);
}

int CMarkupTextLayout::TextTop() const {
  const TEXTMETRICW& tm = CurrentFont()->tm;
  return m_pt.y + m_cyLine - tm.tmHeight - tm.tmExternalLeading;
}

void CMarkupTextLayout::DrawRunText(int x, LPCTSTR pstr, int cch) { ::TextOutW(m_hDC, x, TextTop(), pstr, cch); }

void CMarkupTextLayout::Advance(int cx) {
  m_pt.x = Moved(m_pt.x, cx);
  m_cxMaxWidth = std::max(m_cxMaxWidth, static_cast<int>(m_pt.x));
}

// --- Links ---

void CMarkupTextLayout::OpenLink(const CUIString& sName, int x) {
  m_iOpenLink = -1;
  if (!Writing() || m_nLinks >= m_nLinkCapacity) return;
  m_iOpenLink = m_nLinks++;
  m_sLinks[m_iOpenLink] = sName;
  m_prcLinks[m_iOpenLink] = RECT{x, m_pt.y, x, m_pt.y + m_cyLine};
}

void CMarkupTextLayout::CloseLink() {
  if (m_iOpenLink < 0) return;
  m_prcLinks[m_iOpenLink].right = std::min(static_cast<int>(m_pt.x), static_cast<int>(m_rc.right));
  m_iOpenLink = -1;
}

void CMarkupTextLayout::FinishLineLinks() {
  if (!Writing()) return;
  CloseLink();
  for (int i = m_iLineLinkIndex; i < m_nLinks; ++i) m_prcLinks[i].bottom = m_pt.y + m_cyLine;
}

}  // namespace SkinUI
