#include "platform/gdiplus/Font.h"

#include <cmath>
#include <cwchar>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdiplus/FontFamily.h"

namespace Gdiplus {
namespace {

REAL EmPixels(REAL size, Unit unit) {
  switch (unit) {
    case UnitPoint:
      return size * 96.0f / 72.0f;
    case UnitInch:
      return size * 96.0f;
    case UnitMillimeter:
      return size * 96.0f / 25.4f;
    case UnitDocument:
      return size * 96.0f / 300.0f;
    default:
      return size;
  }
}

}  // namespace

Font::Font(HDC hdc, HFONT hfont) {
  LOGFONTW logFont{};
  if (!hfont || GetObjectW(hfont, sizeof(logFont), &logFont) == 0) {
    status_ = InvalidParameter;
    return;
  }
  Make(logFont);
}

Font::Font(HDC hdc, const LOGFONTW* logfont) {
  if (!logfont) {
    status_ = InvalidParameter;
    return;
  }
  Make(*logfont);
}

Font::Font(HDC hdc) {
  LOGFONTW logFont{};
  HGDIOBJ current = GetCurrentObject(hdc, OBJ_FONT);
  if (!current || GetObjectW(current, sizeof(logFont), &logFont) == 0) {
    status_ = InvalidParameter;
    return;
  }
  Make(logFont);
}

Font::Font(const FontFamily* family, REAL emSize, INT style, Unit unit) {
  if (!family || !family->IsAvailable()) {
    status_ = InvalidParameter;
    return;
  }
  MakeFromFace(family->Name().c_str(), emSize, style, unit);
}

Font::Font(const WCHAR* familyName, REAL emSize, INT style, Unit unit, const FontCollection*) {
  if (!familyName) {
    status_ = InvalidParameter;
    return;
  }
  MakeFromFace(familyName, emSize, style, unit);
}

Font::~Font() {
  if (font_) DeleteObject(font_);
}

void Font::MakeFromFace(const WCHAR* face, REAL emSize, INT style, Unit unit) {
  if (emSize <= 0) {
    status_ = InvalidParameter;
    return;
  }
  LOGFONTW logFont{};
  logFont.lfHeight = -static_cast<LONG>(std::lround(EmPixels(emSize, unit)));
  logFont.lfWeight = (style & FontStyleBold) ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = (style & FontStyleItalic) ? 1 : 0;
  logFont.lfUnderline = (style & FontStyleUnderline) ? 1 : 0;
  logFont.lfStrikeOut = (style & FontStyleStrikeout) ? 1 : 0;
  logFont.lfCharSet = DEFAULT_CHARSET;
  std::wcsncpy(logFont.lfFaceName, face, LF_FACESIZE - 1);
  font_ = CreateFontIndirectW(&logFont);
  size_ = emSize;
  style_ = style;
  unit_ = unit;
}

void Font::Make(const LOGFONTW& logFont) {
  font_ = CreateFontIndirectW(&logFont);
  platform::gdi::FontObject* object = Object();
  size_ = object ? static_cast<REAL>(object->EmPixels()) : 0;
  unit_ = UnitPixel;
  style_ = (logFont.lfWeight >= FW_BOLD ? FontStyleBold : 0) | (logFont.lfItalic ? FontStyleItalic : 0) |
           (logFont.lfUnderline ? FontStyleUnderline : 0) | (logFont.lfStrikeOut ? FontStyleStrikeout : 0);
}

platform::gdi::FontObject* Font::Object() const { return platform::gdi::FontObject::FromHandle(font_); }

REAL Font::GetHeight(const Graphics*) const { return GetHeight(96.0f); }

REAL Font::GetHeight(REAL) const {
  platform::gdi::FontObject* object = Object();
  return object ? static_cast<REAL>(object->Metrics().tmHeight + object->Metrics().tmExternalLeading) : 0;
}

Status Font::GetLogFontW(const Graphics*, LOGFONTW* logfont) const {
  platform::gdi::FontObject* object = Object();
  if (!object || !logfont) return InvalidParameter;
  *logfont = object->LogFont();
  return Ok;
}

Font* Font::Clone() const {
  platform::gdi::FontObject* object = Object();
  if (!object) return new Font(static_cast<const WCHAR*>(nullptr), 0);
  auto* copy = new Font(nullptr, &object->LogFont());
  copy->size_ = size_;
  copy->style_ = style_;
  copy->unit_ = unit_;
  return copy;
}

}  // namespace Gdiplus
