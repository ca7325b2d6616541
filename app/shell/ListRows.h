#pragma once
// How every page fills its lists, so that rows of all pages look alike: a row of one
// empty cell per column of the list's header, then cells filled with a centred label, a
// hidden-id label or a floating button. A cell that receives content gets the inset
// "0,1,1,1", which leaves the one-pixel grid lines visible. A row or a column that is
// not there places nothing.
#include <string>

#include "ui/core/types/CUIString.h"

namespace SkinUI {
class CListUI;
}

// A CListContainerElementUIEx of that height at the index; the index, or -1 when the
// list refuses it.
int ListInsertRow(SkinUI::CListUI* pList, int index, int height);

// An empty-texted id label in the row's first cell (font 2, white, no tooltip).
void ListSetIdCell(SkinUI::CListUI* pList, int row, const std::wstring& text, const std::wstring& name);

// A centred label in the cell (font 7, the given colour text such as "#ffffffff"),
// with the text as its tooltip.
void ListSetTextCell(SkinUI::CListUI* pList, int row, int column, const std::wstring& text,
                     const std::wstring& name, const SkinUI::CUIString& textColor);

// A floating button in the cell, placed by `pos` ("left,top,right,bottom" inside the
// cell), its pushed picture the hot one, white text in font 10, the text as tooltip;
// the text itself only when `withText` is non-zero. The pages keep the record's id in
// the user data.
void ListSetButtonCell(SkinUI::CListUI* pList, int row, int column, int width, int height, const std::wstring& pos,
                       const std::wstring& name, const std::wstring& hotImage, const std::wstring& normalImage,
                       const std::wstring& text, const std::wstring& userData, int withText);
