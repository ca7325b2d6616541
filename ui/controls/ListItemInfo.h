#pragma once
// The look every row of one owner shares: fonts, text placement, colours and pictures
// per row state, and the column rectangles the rows align their cells to. The owner
// (a list, a combo box, a menu) fills it; rows only read it.
#include "platform/win32.h"
#include "ui/core/render/CImageAttribute.h"

namespace SkinUI {

// A list aligns at most this many columns; further column headers get no rectangle.
constexpr int kListMaxColumns = 32;

struct ListItemInfo {
  int nColumns = 0;
  RECT rcColumn[kListMaxColumns] = {};
  int nFont = -1;  // the window's default font
  UINT uTextStyle = DT_VCENTER;
  RECT rcTextPadding = {0, 0, 0, 0};
  DWORD dwTextColor = 0xFF000000;
  DWORD dwBkColor = 0;  // 0: no background
  CImageAttribute diBk;
  bool bAlternateBk = false;  // only even rows get the background colour
  DWORD dwSelectedTextColor = 0xFF000000;
  DWORD dwSelectedBkColor = 0xFFC1E3FF;
  CImageAttribute diSelected;
  DWORD dwHotTextColor = 0xFF000000;
  DWORD dwHotBkColor = 0xFFE9F5FF;
  CImageAttribute diHot;
  DWORD dwDisabledTextColor = 0xFFCCCCCC;
  DWORD dwDisabledBkColor = 0xFFFFFFFF;
  CImageAttribute diDisabled;
  DWORD dwLineColor = 0;  // 0: no line under each row
  bool bShowHtml = false;
  bool bMultiExpandable = false;
};

}  // namespace SkinUI
