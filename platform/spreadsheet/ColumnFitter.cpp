#include "platform/spreadsheet/ColumnFitter.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <unordered_map>

#include "platform/gdi/Gdi.h"

namespace platform::spreadsheet {
namespace {

// The default font's widest digit, and what the application adds around a column's
// text: a fitted width is the text plus the padding, less the cell margins the width
// unit leaves out.
constexpr int kDigitPixels = 7;
constexpr int kFitPadding = 7;
constexpr int kCellMargin = 5;
constexpr double kMaxWidth = 255.0;

// Fonts that measure a text alike: the rest of a font (colour, underline...) is drawn
// over the same glyphs.
bool SameMeasure(const CellFont& a, const CellFont& b) {
  return a.size == b.size && a.bold == b.bold && a.italic == b.italic && a.name == b.name;
}

int PixelsFromPoints(int points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

}  // namespace

bool ColumnFitter::FontKey::operator<(const FontKey& other) const {
  return std::tie(name, size, bold, italic) < std::tie(other.name, other.size, other.bold, other.italic);
}

ColumnFitter::FontHandle::~FontHandle() {
  if (font) DeleteObject(font);
}

ColumnFitter::ColumnFitter() : dc_(CreateCompatibleDC(nullptr)) {}

ColumnFitter::~ColumnFitter() {
  if (dc_) DeleteDC(dc_);
}

HFONT ColumnFitter::FontFor(const CellFont& font) {
  FontKey key{font.name, font.size, font.bold, font.italic};
  auto& handle = fonts_[key];
  if (handle) return handle->font;
  handle = std::make_unique<FontHandle>();
  handle->font = CreateFontW(-PixelsFromPoints(font.size), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, 0, 0,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                             font.name.c_str());
  return handle->font;
}

int ColumnFitter::TextPixels(const CellFont& font, std::wstring_view text) { return TextPixels(FontFor(font), text); }

int ColumnFitter::TextPixels(HFONT handle, std::wstring_view text) {
  if (!dc_ || !handle) return 0;
  HGDIOBJ old = SelectObject(dc_, handle);
  int widest = 0;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(L'\n', start);
    if (end == std::wstring_view::npos) end = text.size();
    SIZE extent{};
    if (end > start && GetTextExtentPoint32W(dc_, text.data() + start, static_cast<int>(end - start), &extent)) {
      widest = std::max(widest, static_cast<int>(extent.cx));
    }
    start = end + 1;
  }
  SelectObject(dc_, old);
  return widest;
}

double ColumnFitter::CharactersFromPixels(int pixels) {
  const double characters = pixels > kDigitPixels + kCellMargin
                                ? static_cast<double>(pixels - kCellMargin) / kDigitPixels
                                : static_cast<double>(pixels) / (kDigitPixels + kCellMargin);
  return std::min(kMaxWidth, std::round(characters * 100.0) / 100.0);
}

std::map<int, double> ColumnFitter::Widths(const SheetModel& sheet) {
  std::map<int, int> pixels;
  // A report repeats its texts (a person, a building, a type) down a column: each is
  // measured once per font.
  const CellFont* lastFont = nullptr;
  HFONT lastHandle = nullptr;
  std::unordered_map<std::wstring_view, int> measured;
  sheet.ForEachCell([&](const CellView& cell) {
    if (cell.text.empty() || !sheet.IsFitted(cell.column) || sheet.MergeAt(cell.row, cell.column)) return;
    if (lastFont == nullptr || !SameMeasure(cell.style->font, *lastFont)) {
      lastFont = &cell.style->font;
      lastHandle = FontFor(cell.style->font);
      measured.clear();
    }
    const auto known = measured.try_emplace(cell.text, 0);
    if (known.second) known.first->second = TextPixels(lastHandle, cell.text);
    const int width = known.first->second + kFitPadding;
    int& widest = pixels[cell.column];
    widest = std::max(widest, width);
  });
  std::map<int, double> widths;
  for (const auto& [column, width] : pixels) widths[column] = CharactersFromPixels(width);
  return widths;
}

}  // namespace platform::spreadsheet
