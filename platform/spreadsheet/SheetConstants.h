#pragma once
// The spreadsheet application's own values for alignments, underlines, borders and
// colours, as automation callers pass them.
namespace platform::spreadsheet {

// A colour the application chooses itself (black text, black lines).
constexpr int kColourAutomatic = -1;

constexpr int kUnderlineNone = -4142;
constexpr int kUnderlineSingle = 2;
constexpr int kUnderlineDouble = -4119;
constexpr int kUnderlineSingleAccounting = 4;
constexpr int kUnderlineDoubleAccounting = 5;

constexpr int kAlignGeneral = 1;
constexpr int kAlignLeft = -4131;
constexpr int kAlignCenter = -4108;
constexpr int kAlignRight = -4152;
constexpr int kAlignFill = 5;
constexpr int kAlignJustify = -4130;
constexpr int kAlignCenterAcrossSelection = 7;
constexpr int kAlignDistributed = -4117;
constexpr int kAlignTop = -4160;
constexpr int kAlignBottom = -4107;

// Border indices of a range.
constexpr int kEdgeLeft = 7;
constexpr int kEdgeTop = 8;
constexpr int kEdgeBottom = 9;
constexpr int kEdgeRight = 10;
constexpr int kInsideVertical = 11;
constexpr int kInsideHorizontal = 12;

constexpr int kLineContinuous = 1;
constexpr int kLineDash = -4115;
constexpr int kLineDashDot = 4;
constexpr int kLineDashDotDot = 5;
constexpr int kLineDot = -4118;
constexpr int kLineDouble = -4119;
constexpr int kLineSlantDashDot = 13;
constexpr int kLineNone = -4142;

constexpr int kWeightHairline = 1;
constexpr int kWeightThin = 2;
constexpr int kWeightMedium = -4138;
constexpr int kWeightThick = 4;

}  // namespace platform::spreadsheet
