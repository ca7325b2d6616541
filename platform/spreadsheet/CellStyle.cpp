#include "platform/spreadsheet/CellStyle.h"

#include <tuple>

namespace platform::spreadsheet {
namespace {

auto FontKey(const CellFont& f) {
  return std::tie(f.name, f.size, f.colour, f.bold, f.italic, f.strikethrough, f.shadow, f.subscript, f.superscript,
                  f.underline);
}

auto EdgeKey(const BorderEdge& e) { return std::tie(e.lineStyle, e.weight, e.colour); }

auto StyleKey(const CellStyle& s) {
  return std::tuple_cat(FontKey(s.font), std::tie(s.horizontal, s.vertical, s.numberFormat), EdgeKey(s.edges[0]),
                        EdgeKey(s.edges[1]), EdgeKey(s.edges[2]), EdgeKey(s.edges[3]));
}

}  // namespace

bool CellStyle::IsDefault() const {
  static const CellStyle kDefault;
  return *this == kDefault;
}

bool operator<(const CellStyle& a, const CellStyle& b) { return StyleKey(a) < StyleKey(b); }

bool operator==(const CellStyle& a, const CellStyle& b) { return StyleKey(a) == StyleKey(b); }

}  // namespace platform::spreadsheet
