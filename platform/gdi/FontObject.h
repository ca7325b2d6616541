#pragma once
// A font handle's object: the LOGFONTW it was made from and the shared installed face
// that stands for it at its size (metrics and advances; an extent is the sum of
// advances).
#include <pango/pango.h>

#include <memory>
#include <string>

#include "platform/base/WinTypes.h"
#include "platform/gdi/FontFace.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/GdiStructs.h"

namespace platform::gdi {

class FontObject : public GdiObject {
 public:
  explicit FontObject(const LOGFONTW& logFont);

  static FontObject* FromHandle(HGDIOBJ handle);
  // The stock DEFAULT_GUI_FONT: 宋体, 12 pixels, weight 400.
  static FontObject* StockGuiFont();
  HFONT Handle() { return reinterpret_cast<HFONT>(static_cast<GdiObject*>(this)); }

  const LOGFONTW& LogFont() const { return logFont_; }
  const std::wstring& Face() const { return face_; }
  // The em height in pixels.
  int EmPixels() const { return fontFace_->EmPixels(); }
  const TEXTMETRICW& Metrics() const { return metrics_; }
  const PangoFontDescription* Description() const { return fontFace_->Description(); }
  bool Underline() const { return logFont_.lfUnderline != 0; }
  bool StrikeOut() const { return logFont_.lfStrikeOut != 0; }

  int Advance(wchar_t ch) { return fontFace_->Advance(ch); }
  // The sum of the advances of `count` characters.
  int Extent(const wchar_t* text, size_t count) { return fontFace_->Extent(text, count); }

 private:
  LOGFONTW logFont_;
  std::wstring face_;
  std::shared_ptr<FontFace> fontFace_;
  TEXTMETRICW metrics_{};
};

}  // namespace platform::gdi
