#pragma once
// How one cell looks: its font, alignments, number format and the four edges of its
// border. Equal styles share one format in the saved file.
#include <string>

#include "platform/spreadsheet/SheetConstants.h"

namespace platform::spreadsheet {

// The font of a new workbook's cells.
struct CellFont {
  std::wstring name = L"Calibri";
  int size = 11;
  int colour = kColourAutomatic;  // blue in bits 16-23, green 8-15, red 0-7
  bool bold = false;
  bool italic = false;
  bool strikethrough = false;
  bool shadow = false;
  bool subscript = false;
  bool superscript = false;
  int underline = kUnderlineNone;
};

struct BorderEdge {
  int lineStyle = kLineNone;
  int weight = kWeightThin;
  int colour = kColourAutomatic;
};

enum class Edge { Left = 0, Top = 1, Bottom = 2, Right = 3 };

struct CellStyle {
  CellFont font;
  int horizontal = kAlignGeneral;
  int vertical = kAlignBottom;
  std::wstring numberFormat = L"General";
  BorderEdge edges[4];

  BorderEdge& EdgeAt(Edge edge) { return edges[static_cast<int>(edge)]; }
  const BorderEdge& EdgeAt(Edge edge) const { return edges[static_cast<int>(edge)]; }
  bool IsDefault() const;
};

bool operator<(const CellStyle& a, const CellStyle& b);
bool operator==(const CellStyle& a, const CellStyle& b);

}  // namespace platform::spreadsheet
