#pragma once
// A GDI+ font: a face, an em size and a style; drawn with the same substitution and
// metrics as GDI fonts (it holds a GDI font of its own).
#include "platform/base/WinTypes.h"
#include "platform/gdi/GdiStructs.h"
#include "platform/gdiplus/GdiPlusTypes.h"

namespace platform::gdi {
class FontObject;
}

namespace Gdiplus {

class FontFamily;
class FontCollection;
class Graphics;

class Font {
 public:
  Font(HDC hdc, HFONT hfont);
  Font(HDC hdc, const LOGFONTW* logfont);
  explicit Font(HDC hdc);
  Font(const FontFamily* family, REAL emSize, INT style = FontStyleRegular, Unit unit = UnitPoint);
  Font(const WCHAR* familyName, REAL emSize, INT style = FontStyleRegular, Unit unit = UnitPoint,
       const FontCollection* fontCollection = nullptr);
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  Status GetLastStatus() const { return status_; }
  BOOL IsAvailable() const { return status_ == Ok; }
  REAL GetSize() const { return size_; }
  INT GetStyle() const { return style_; }
  Unit GetUnit() const { return unit_; }
  // The line spacing in pixels.
  REAL GetHeight(const Graphics* graphics) const;
  REAL GetHeight(REAL dpi) const;
  Status GetLogFontW(const Graphics* graphics, LOGFONTW* logfont) const;
  Font* Clone() const;

  platform::gdi::FontObject* Object() const;

 private:
  void Make(const LOGFONTW& logFont);
  void MakeFromFace(const WCHAR* face, REAL emSize, INT style, Unit unit);

  HFONT font_ = nullptr;
  REAL size_ = 0;
  INT style_ = FontStyleRegular;
  Unit unit_ = UnitPixel;
  Status status_ = Ok;
};

}  // namespace Gdiplus
