#include "platform/gdi/FontObject.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "platform/gdi/FaceTable.h"
#include "platform/gdi/ObjectTable.h"
#include "platform/gdi/TextContext.h"
#include "platform/gdi/Utf8Text.h"

namespace platform::gdi {
namespace {

constexpr int kDefaultEm = 12;

std::wstring FaceOf(const LOGFONTW& logFont) {
  size_t length = 0;
  while (length < LF_FACESIZE && logFont.lfFaceName[length]) ++length;
  return std::wstring(logFont.lfFaceName, length);
}

LONG NormalWeight(LONG weight) {
  if (weight <= 0) return FW_NORMAL;
  return std::min<LONG>(weight, 1000);
}

std::string Narrow(const std::wstring& text) {
  Utf8Text utf8(text.data(), text.size());
  return utf8.Bytes();
}

}  // namespace

FontObject::FontObject(const LOGFONTW& logFont) : GdiObject(OBJ_FONT), logFont_(logFont) {
  face_ = FaceOf(logFont);
  const FaceInfo* info = face_.empty() ? &FaceTable::Default() : FaceTable::Find(face_);
  double ascent = info ? info->ascent : 0.0;
  double descent = info ? info->descent : 0.0;
  if (logFont.lfHeight < 0) {
    emPixels_ = -logFont.lfHeight;
  } else if (logFont.lfHeight > 0) {
    // A positive height asks for the cell height (ascent plus descent).
    double cellPerEm = info ? ascent + descent : 1.0;
    emPixels_ = std::max(1, static_cast<int>(std::lround(logFont.lfHeight / cellPerEm)));
  } else {
    emPixels_ = kDefaultEm;
  }
  weight_ = NormalWeight(logFont.lfWeight);

  description_ = pango_font_description_new();
  std::string family = info ? info->family : Narrow(face_);
  pango_font_description_set_family(description_, family.c_str());
  pango_font_description_set_absolute_size(description_, emPixels_ * PANGO_SCALE);
  pango_font_description_set_weight(description_, static_cast<PangoWeight>(weight_));
  pango_font_description_set_style(description_, logFont.lfItalic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  ComputeMetrics(ascent, descent, info ? info->externalLeading : 0.0, info != nullptr);
}

FontObject::~FontObject() { pango_font_description_free(description_); }

FontObject* FontObject::FromHandle(HGDIOBJ handle) { return ObjectTable::FindAs<FontObject>(handle, OBJ_FONT); }

FontObject* FontObject::StockGuiFont() {
  static FontObject* font = [] {
    LOGFONTW logFont{};
    logFont.lfHeight = -12;
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = GB2312_CHARSET;
    std::wcsncpy(logFont.lfFaceName, L"宋体", LF_FACESIZE - 1);
    auto* stock = new FontObject(logFont);
    stock->MarkStock();
    return stock;
  }();
  return font;
}

void FontObject::ComputeMetrics(double ascentPerEm, double descentPerEm, double leadingPerEm, bool fromTable) {
  int height = 0;
  int ascent = 0;
  if (fromTable) {
    // Ascent and descent are scaled and rounded apart, as Windows scales a face's
    // design metrics.
    ascent = static_cast<int>(std::lround(emPixels_ * ascentPerEm));
    height = ascent + static_cast<int>(std::lround(emPixels_ * descentPerEm));
  } else {
    PangoFontMetrics* metrics = pango_context_get_metrics(TextContext::ForThread(), description_, nullptr);
    ascent = PANGO_PIXELS_CEIL(pango_font_metrics_get_ascent(metrics));
    height = ascent + PANGO_PIXELS_CEIL(pango_font_metrics_get_descent(metrics));
    pango_font_metrics_unref(metrics);
  }
  metrics_.tmHeight = height;
  metrics_.tmAscent = ascent;
  metrics_.tmDescent = height - ascent;
  metrics_.tmInternalLeading = std::max(0, height - emPixels_);
  metrics_.tmExternalLeading = static_cast<LONG>(std::lround(emPixels_ * leadingPerEm));
  metrics_.tmAveCharWidth = Advance(L'x');
  metrics_.tmMaxCharWidth =
      std::max({emPixels_, Advance(L'W'), Advance(L'M'), Advance(L'@'), Advance(L'中')});
  metrics_.tmWeight = weight_;
  metrics_.tmDigitizedAspectX = 96;
  metrics_.tmDigitizedAspectY = 96;
  metrics_.tmFirstChar = 0x20;
  metrics_.tmLastChar = 0xFFFF;
  metrics_.tmDefaultChar = L'?';
  metrics_.tmBreakChar = L' ';
  metrics_.tmItalic = logFont_.lfItalic ? 1 : 0;
  metrics_.tmUnderlined = logFont_.lfUnderline ? 1 : 0;
  metrics_.tmStruckOut = logFont_.lfStrikeOut ? 1 : 0;
  metrics_.tmPitchAndFamily = 0x06;  // variable pitch, TrueType outline
  metrics_.tmCharSet = logFont_.lfCharSet;
}

void FontObject::LearnAdvances(const std::wstring& chars) {
  Utf8Text utf8(chars.data(), chars.size());
  PangoLayout* layout = TextContext::NewLayout(utf8.Bytes(), description_, false, false);
  std::vector<int> widths(chars.size(), 0);
  PangoLayoutIter* iter = pango_layout_get_iter(layout);
  do {
    PangoLayoutRun* run = pango_layout_iter_get_run_readonly(iter);
    if (!run) continue;
    for (int g = 0; g < run->glyphs->num_glyphs; ++g) {
      size_t byte = static_cast<size_t>(run->item->offset + run->glyphs->log_clusters[g]);
      size_t index = utf8.IndexOf(byte);
      if (index < widths.size()) widths[index] += run->glyphs->glyphs[g].geometry.width;
    }
  } while (pango_layout_iter_next_run(iter));
  pango_layout_iter_free(iter);
  g_object_unref(layout);
  for (size_t i = 0; i < chars.size(); ++i) advances_[chars[i]] = PANGO_PIXELS(widths[i]);
}

int FontObject::Advance(wchar_t ch) { return Extent(&ch, 1); }

int FontObject::Extent(const wchar_t* text, size_t count) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::wstring missing;
  for (size_t i = 0; i < count; ++i) {
    wchar_t ch = text[i] < 0x20 ? L' ' : text[i];
    if (!advances_.count(ch) && missing.find(ch) == std::wstring::npos) missing += ch;
  }
  // The missing characters are shaped together in one layout; each glyph's width is
  // credited to the character it came from.
  if (!missing.empty()) LearnAdvances(missing);
  int total = 0;
  for (size_t i = 0; i < count; ++i) total += advances_[text[i] < 0x20 ? L' ' : text[i]];
  return total;
}

}  // namespace platform::gdi
