#include "platform/gdi/FontFace.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <vector>

#include "platform/gdi/FaceTable.h"
#include "platform/gdi/TextContext.h"
#include "platform/gdi/Utf8Text.h"

namespace platform::gdi {
namespace {

using Key = std::tuple<std::wstring, int, LONG, bool>;

struct Cache {
  std::mutex mutex;
  std::map<Key, std::shared_ptr<FontFace>> faces;
};

Cache& TheCache() {
  static Cache* cache = new Cache;  // outlives static fonts that hold faces
  return *cache;
}

wchar_t Shown(wchar_t ch) { return ch < 0x20 ? L' ' : ch; }

}  // namespace

std::shared_ptr<FontFace> FontFace::Get(const std::wstring& face, const FaceInfo* info, int emPixels, LONG weight,
                                        bool italic) {
  Cache& cache = TheCache();
  Key key{face, emPixels, weight, italic};
  std::lock_guard<std::mutex> lock(cache.mutex);
  auto found = cache.faces.find(key);
  if (found != cache.faces.end()) return found->second;
  auto made = std::make_shared<FontFace>(face, info, emPixels, weight, italic);
  cache.faces.emplace(key, made);
  return made;
}

FontFace::FontFace(const std::wstring& face, const FaceInfo* info, int emPixels, LONG weight, bool italic)
    : emPixels_(emPixels), description_(pango_font_description_new()) {
  std::string family = info ? std::string(info->family) : Utf8Text(face.data(), face.size()).Bytes();
  pango_font_description_set_family(description_, family.c_str());
  pango_font_description_set_absolute_size(description_, emPixels * PANGO_SCALE);
  pango_font_description_set_weight(description_, static_cast<PangoWeight>(weight));
  pango_font_description_set_style(description_, italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  ComputeMetrics(info, weight);
}

FontFace::~FontFace() { pango_font_description_free(description_); }

void FontFace::ComputeMetrics(const FaceInfo* info, LONG weight) {
  int height = 0;
  int ascent = 0;
  if (info) {
    // Ascent and descent are scaled and rounded apart, as Windows scales a face's
    // design metrics.
    ascent = static_cast<int>(std::lround(emPixels_ * info->ascent));
    height = ascent + static_cast<int>(std::lround(emPixels_ * info->descent));
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
  metrics_.tmExternalLeading = info ? static_cast<LONG>(std::lround(emPixels_ * info->externalLeading)) : 0;
  metrics_.tmAveCharWidth = Advance(L'x');
  metrics_.tmMaxCharWidth = std::max({emPixels_, Advance(L'W'), Advance(L'M'), Advance(L'@'), Advance(L'中')});
  metrics_.tmWeight = weight;
  metrics_.tmDigitizedAspectX = 96;
  metrics_.tmDigitizedAspectY = 96;
  metrics_.tmFirstChar = 0x20;
  metrics_.tmLastChar = 0xFFFF;
  metrics_.tmDefaultChar = L'?';
  metrics_.tmBreakChar = L' ';
  metrics_.tmPitchAndFamily = 0x06;  // variable pitch, TrueType outline
}

void FontFace::LearnAdvances(const std::wstring& chars) {
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

int FontFace::Extent(const wchar_t* text, size_t count) {
  std::lock_guard<std::mutex> lock(mutex_);
  // One look-up per character while every advance is known, which is almost always.
  std::wstring missing;
  int total = 0;
  for (size_t i = 0; i < count; ++i) {
    wchar_t ch = Shown(text[i]);
    auto known = advances_.find(ch);
    if (known != advances_.end())
      total += known->second;
    else if (missing.find(ch) == std::wstring::npos)
      missing += ch;
  }
  if (missing.empty()) return total;
  // The missing characters are shaped together in one layout; each glyph's width is
  // credited to the character it came from.
  LearnAdvances(missing);
  total = 0;
  for (size_t i = 0; i < count; ++i) total += advances_[Shown(text[i])];
  return total;
}

}  // namespace platform::gdi
