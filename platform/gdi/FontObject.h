#pragma once
// A font handle's object: the LOGFONTW it was made from, the installed font that
// stands for its face, the Windows metrics of that face at its size, and the advance
// of every character met so far (an extent is the sum of advances).
#include <pango/pango.h>

#include <mutex>
#include <string>
#include <unordered_map>

#include "platform/base/WinTypes.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/GdiStructs.h"

namespace platform::gdi {

class FontObject : public GdiObject {
 public:
  explicit FontObject(const LOGFONTW& logFont);
  ~FontObject() override;

  static FontObject* FromHandle(HGDIOBJ handle);
  // The stock DEFAULT_GUI_FONT: 宋体, 12 pixels, weight 400.
  static FontObject* StockGuiFont();
  HFONT Handle() { return reinterpret_cast<HFONT>(static_cast<GdiObject*>(this)); }

  const LOGFONTW& LogFont() const { return logFont_; }
  const std::wstring& Face() const { return face_; }
  // The em height in pixels.
  int EmPixels() const { return emPixels_; }
  const TEXTMETRICW& Metrics() const { return metrics_; }
  const PangoFontDescription* Description() const { return description_; }
  bool Underline() const { return logFont_.lfUnderline != 0; }
  bool StrikeOut() const { return logFont_.lfStrikeOut != 0; }

  int Advance(wchar_t ch);
  // The sum of the advances of `count` characters.
  int Extent(const wchar_t* text, size_t count);

 private:
  void LearnAdvances(const std::wstring& chars);
  void ComputeMetrics(double ascentPerEm, double descentPerEm, double leadingPerEm, bool fromTable);

  LOGFONTW logFont_;
  std::wstring face_;
  int emPixels_ = 12;
  LONG weight_ = FW_NORMAL;  // the weight drawn: 0 is normal, above 1000 is 1000
  TEXTMETRICW metrics_{};
  PangoFontDescription* description_ = nullptr;
  std::mutex mutex_;
  std::unordered_map<wchar_t, int> advances_;
};

}  // namespace platform::gdi
