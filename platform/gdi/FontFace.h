#pragma once
// One installed font at one size, weight and slant, shared by every font handle that
// asks for it: its pango description, its Windows metrics and the advances of the
// characters met so far. Skins create the same few fonts for every window, so the
// advances are learnt once.
#include <pango/pango.h>

#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

#include "platform/base/WinTypes.h"
#include "platform/gdi/GdiStructs.h"

namespace platform::gdi {

struct FaceInfo;

class FontFace {
 public:
  // `info` is the substitution entry of the Windows face, or null for a face passed
  // to fontconfig by its own name.
  static std::shared_ptr<FontFace> Get(const std::wstring& face, const FaceInfo* info, int emPixels, LONG weight,
                                       bool italic);
  FontFace(const std::wstring& face, const FaceInfo* info, int emPixels, LONG weight, bool italic);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  const PangoFontDescription* Description() const { return description_; }
  // Heights, widths and weight; the style flags are the font handle's to fill.
  const TEXTMETRICW& Metrics() const { return metrics_; }
  int EmPixels() const { return emPixels_; }
  int Advance(wchar_t ch) { return Extent(&ch, 1); }
  int Extent(const wchar_t* text, size_t count);

 private:
  void LearnAdvances(const std::wstring& chars);
  void ComputeMetrics(const FaceInfo* info, LONG weight);

  int emPixels_;
  PangoFontDescription* description_;
  TEXTMETRICW metrics_{};
  std::mutex mutex_;
  std::unordered_map<wchar_t, int> advances_;
};

}  // namespace platform::gdi
