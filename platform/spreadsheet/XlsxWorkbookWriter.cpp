#include "platform/spreadsheet/XlsxWorkbookWriter.h"

#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include <xlsxwriter.h>

#include "platform/base/CodePage.h"
#include "platform/spreadsheet/ColumnFitter.h"

namespace platform::spreadsheet {
namespace {

std::string Utf8(const std::wstring& text) { return codepage::WideToUtf8(text); }

// As Utf8 gives it (a character UTF-8 has no code for becomes '?'), into a buffer that
// is used again for the next cell.
void Utf8Into(std::wstring_view text, std::string* out) {
  out->clear();
  for (const wchar_t wide : text) {
    const uint32_t c = static_cast<uint32_t>(wide);
    if (c < 0x80) {
      out->push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out->push_back(static_cast<char>(0xC0 | c >> 6));
      out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      out->push_back('?');
    } else if (c < 0x10000) {
      out->push_back(static_cast<char>(0xE0 | c >> 12));
      out->push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
      out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x110000) {
      out->push_back(static_cast<char>(0xF0 | c >> 18));
      out->push_back(static_cast<char>(0x80 | (c >> 12 & 0x3F)));
      out->push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
      out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out->push_back('?');
    }
  }
}

// A name in the target's folder that no other save of this process uses at the same time.
std::string TemporaryPath(const std::string& target) {
  static std::atomic<unsigned> counter{0};
  return target + ".~" + std::to_string(getpid()) + "-" + std::to_string(++counter);
}

lxw_color_t RgbFromBgr(int bgr) {
  const unsigned value = static_cast<unsigned>(bgr);
  const lxw_color_t rgb = (value & 0xFF) << 16 | (value & 0xFF00) | (value >> 16 & 0xFF);
  // The library reads 0 as "no colour", so black has its own value.
  return rgb == 0 ? static_cast<lxw_color_t>(LXW_COLOR_BLACK) : rgb;
}

uint8_t UnderlineOf(int underline) {
  switch (underline) {
    case kUnderlineSingle:
      return LXW_UNDERLINE_SINGLE;
    case kUnderlineDouble:
      return LXW_UNDERLINE_DOUBLE;
    case kUnderlineSingleAccounting:
      return LXW_UNDERLINE_SINGLE_ACCOUNTING;
    case kUnderlineDoubleAccounting:
      return LXW_UNDERLINE_DOUBLE_ACCOUNTING;
    default:
      return LXW_UNDERLINE_NONE;
  }
}

uint8_t HorizontalOf(int alignment) {
  switch (alignment) {
    case kAlignLeft:
      return LXW_ALIGN_LEFT;
    case kAlignCenter:
      return LXW_ALIGN_CENTER;
    case kAlignRight:
      return LXW_ALIGN_RIGHT;
    case kAlignFill:
      return LXW_ALIGN_FILL;
    case kAlignJustify:
      return LXW_ALIGN_JUSTIFY;
    case kAlignCenterAcrossSelection:
      return LXW_ALIGN_CENTER_ACROSS;
    case kAlignDistributed:
      return LXW_ALIGN_DISTRIBUTED;
    default:
      return LXW_ALIGN_NONE;
  }
}

uint8_t VerticalOf(int alignment) {
  switch (alignment) {
    case kAlignTop:
      return LXW_ALIGN_VERTICAL_TOP;
    case kAlignCenter:
      return LXW_ALIGN_VERTICAL_CENTER;
    case kAlignJustify:
      return LXW_ALIGN_VERTICAL_JUSTIFY;
    case kAlignDistributed:
      return LXW_ALIGN_VERTICAL_DISTRIBUTED;
    default:
      return LXW_ALIGN_NONE;  // bottom, the file's default
  }
}

uint8_t BorderOf(const BorderEdge& edge) {
  const bool medium = edge.weight == kWeightMedium || edge.weight == kWeightThick;
  switch (edge.lineStyle) {
    case kLineContinuous:
      if (edge.weight == kWeightHairline) return LXW_BORDER_HAIR;
      if (edge.weight == kWeightMedium) return LXW_BORDER_MEDIUM;
      if (edge.weight == kWeightThick) return LXW_BORDER_THICK;
      return LXW_BORDER_THIN;
    case kLineDash:
      return medium ? LXW_BORDER_MEDIUM_DASHED : LXW_BORDER_DASHED;
    case kLineDashDot:
      return medium ? LXW_BORDER_MEDIUM_DASH_DOT : LXW_BORDER_DASH_DOT;
    case kLineDashDotDot:
      return medium ? LXW_BORDER_MEDIUM_DASH_DOT_DOT : LXW_BORDER_DASH_DOT_DOT;
    case kLineDot:
      return LXW_BORDER_DOTTED;
    case kLineDouble:
      return LXW_BORDER_DOUBLE;
    case kLineSlantDashDot:
      return LXW_BORDER_SLANT_DASH_DOT;
    default:
      return LXW_BORDER_NONE;
  }
}

void SetFont(lxw_format* format, const CellFont& font) {
  format_set_font_name(format, Utf8(font.name).c_str());
  format_set_font_size(format, font.size);
  if (font.colour != kColourAutomatic) format_set_font_color(format, RgbFromBgr(font.colour));
  if (font.bold) format_set_bold(format);
  if (font.italic) format_set_italic(format);
  if (font.strikethrough) format_set_font_strikeout(format);
  if (font.shadow) format_set_font_shadow(format);
  if (font.superscript) format_set_font_script(format, LXW_FONT_SUPERSCRIPT);
  if (font.subscript) format_set_font_script(format, LXW_FONT_SUBSCRIPT);
  if (font.underline != kUnderlineNone) format_set_underline(format, UnderlineOf(font.underline));
}

void SetBorders(lxw_format* format, const CellStyle& style) {
  typedef void (*StyleSetter)(lxw_format*, uint8_t);
  typedef void (*ColourSetter)(lxw_format*, lxw_color_t);
  const struct {
    Edge edge;
    StyleSetter style;
    ColourSetter colour;
  } sides[] = {{Edge::Left, format_set_left, format_set_left_color},
               {Edge::Top, format_set_top, format_set_top_color},
               {Edge::Bottom, format_set_bottom, format_set_bottom_color},
               {Edge::Right, format_set_right, format_set_right_color}};
  for (const auto& side : sides) {
    const BorderEdge& edge = style.EdgeAt(side.edge);
    const uint8_t line = BorderOf(edge);
    if (line == LXW_BORDER_NONE) continue;
    side.style(format, line);
    if (edge.colour != kColourAutomatic) side.colour(format, RgbFromBgr(edge.colour));
  }
}

std::wstring DescribeError(lxw_error error, const std::string& path) {
  return L"Cannot save '" + codepage::Utf8ToWide(path) + L"': " + codepage::Utf8ToWide(lxw_strerror(error));
}

}  // namespace

bool XlsxWorkbookWriter::Save(const std::string& nativePath, std::wstring* error) {
  const std::string temporary = TemporaryPath(nativePath);
  lxw_workbook_options options{};
  file_ = workbook_new_opt(temporary.c_str(), &options);
  if (!file_) {
    *error = L"Cannot create a workbook for '" + codepage::Utf8ToWide(nativePath) + L"'";
    return false;
  }
  bool written = true;
  for (const auto& sheet : workbook_.Sheets()) {
    written = WriteSheet(file_, *sheet, error);
    if (!written) break;
  }
  // Closing writes the file and frees the workbook and its formats whatever happened.
  const lxw_error closed = workbook_close(file_);
  file_ = nullptr;
  formats_.clear();
  lastStyle_ = nullptr;
  lastFormat_ = nullptr;
  if (written && closed != LXW_NO_ERROR) {
    *error = DescribeError(closed, nativePath);
    written = false;
  }
  if (written && std::rename(temporary.c_str(), nativePath.c_str()) != 0) {
    *error = L"Cannot replace '" + codepage::Utf8ToWide(nativePath) + L"'";
    written = false;
  }
  if (!written) std::remove(temporary.c_str());
  return written;
}

bool XlsxWorkbookWriter::WriteSheet(lxw_workbook* file, const SheetModel& sheet, std::wstring* error) {
  lxw_worksheet* worksheet = workbook_add_worksheet(file, Utf8(sheet.Name()).c_str());
  if (!worksheet) {
    *error = L"Cannot add the sheet '" + sheet.Name() + L"'";
    return false;
  }
  if (!WriteCells(worksheet, sheet) || !WriteMerges(worksheet, sheet) || !WriteWidths(worksheet, sheet)) {
    *error = L"Cannot write the sheet '" + sheet.Name() + L"'";
    return false;
  }
  return true;
}

bool XlsxWorkbookWriter::WriteCells(lxw_worksheet* worksheet, const SheetModel& sheet) {
  bool written = true;
  sheet.ForEachCell([&](const CellView& cell) {
    if (!written || sheet.MergeAt(cell.row, cell.column)) return;  // a merged cell goes with its merge
    lxw_format* format = FormatFor(*cell.style);
    const lxw_row_t r = static_cast<lxw_row_t>(cell.row - 1);
    const lxw_col_t c = static_cast<lxw_col_t>(cell.column - 1);
    if (cell.text.empty()) {
      written = worksheet_write_blank(worksheet, r, c, format) == LXW_NO_ERROR;
      return;
    }
    Utf8Into(cell.text, &text_);
    written = worksheet_write_string(worksheet, r, c, text_.c_str(), format) == LXW_NO_ERROR;
  });
  return written;
}

bool XlsxWorkbookWriter::WriteMerges(lxw_worksheet* worksheet, const SheetModel& sheet) {
  for (const CellRange& merge : sheet.Merges()) {
    CellView topLeft;
    const bool found = sheet.Find(merge.firstRow, merge.firstColumn, &topLeft);
    Utf8Into(found ? topLeft.text : std::wstring_view(), &text_);
    lxw_format* format = found ? FormatFor(*topLeft.style) : nullptr;
    const lxw_error result = worksheet_merge_range(
        worksheet, static_cast<lxw_row_t>(merge.firstRow - 1), static_cast<lxw_col_t>(merge.firstColumn - 1),
        static_cast<lxw_row_t>(merge.lastRow - 1), static_cast<lxw_col_t>(merge.lastColumn - 1), text_.c_str(), format);
    if (result != LXW_NO_ERROR) return false;
  }
  return true;
}

bool XlsxWorkbookWriter::WriteWidths(lxw_worksheet* worksheet, const SheetModel& sheet) {
  ColumnFitter fitter;
  for (const auto& [column, width] : fitter.Widths(sheet)) {
    const lxw_col_t c = static_cast<lxw_col_t>(column - 1);
    if (worksheet_set_column(worksheet, c, c, width, nullptr) != LXW_NO_ERROR) return false;
  }
  return true;
}

lxw_format* XlsxWorkbookWriter::FormatFor(const CellStyle& style) {
  if (&style == lastStyle_) return lastFormat_;
  lastStyle_ = &style;
  lastFormat_ = FindOrMakeFormat(style);
  return lastFormat_;
}

lxw_format* XlsxWorkbookWriter::FindOrMakeFormat(const CellStyle& style) {
  if (style.IsDefault()) return nullptr;
  const auto found = formats_.find(style);
  if (found != formats_.end()) return found->second;
  lxw_format* format = workbook_add_format(file_);
  SetFont(format, style.font);
  const uint8_t horizontal = HorizontalOf(style.horizontal), vertical = VerticalOf(style.vertical);
  if (horizontal != LXW_ALIGN_NONE) format_set_align(format, horizontal);
  if (vertical != LXW_ALIGN_NONE) format_set_align(format, vertical);
  if (style.numberFormat != L"General") format_set_num_format(format, Utf8(style.numberFormat).c_str());
  SetBorders(format, style);
  formats_.emplace(style, format);
  return format;
}

}  // namespace platform::spreadsheet
