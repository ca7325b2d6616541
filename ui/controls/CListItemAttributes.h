#pragma once
// The attributes that give an owner's rows their look, read alike by a list and a
// combo box: colours and pictures per row state, font, alignment, padding, alternate
// background and HTML text. The owner's setters decide what each change repaints.
#include <cwchar>

#include "ui/controls/ListItemInfo.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

template <class Owner>
class CListItemAttributes {
 public:
  // False when the name is none of them, for the owner to read itself.
  static bool Apply(Owner& owner, LPCTSTR pstrName, LPCTSTR pstrValue) {
    for (const ColorAttribute& attribute : kColors) {
      if (wcscmp(pstrName, attribute.name) != 0) continue;
      (owner.*attribute.setter)(CUIValueParser::ReadColor(pstrValue));
      return true;
    }
    for (const ImageAttribute& attribute : kImages) {
      if (wcscmp(pstrName, attribute.name) != 0) continue;
      (owner.*attribute.setter)(pstrValue);
      return true;
    }
    const UINT uStyle = owner.GetListInfo()->uTextStyle;
    if (wcscmp(pstrName, L"itemfont") == 0) {
      owner.SetItemFont(CUIValueParser::ReadDecimal(pstrValue, nullptr));
    } else if (wcscmp(pstrName, L"itemalign") == 0) {
      owner.SetItemTextStyle(Aligned(uStyle, pstrValue));
    } else if (wcscmp(pstrName, L"itemendellipsis") == 0) {
      owner.SetItemTextStyle(CUIValueParser::IsTrue(pstrValue) ? (uStyle | DT_END_ELLIPSIS)
                                                               : (uStyle & ~DT_END_ELLIPSIS));
    } else if (wcscmp(pstrName, L"itemtextpadding") == 0) {
      owner.SetItemTextPadding(CUIValueParser::ReadRect(pstrValue));
    } else if (wcscmp(pstrName, L"itemaltbk") == 0) {
      owner.SetAlternateBk(CUIValueParser::IsTrue(pstrValue));
    } else if (wcscmp(pstrName, L"itemshowhtml") == 0) {
      owner.SetItemShowHtml(CUIValueParser::IsTrue(pstrValue));
    } else {
      return false;
    }
    return true;
  }

 private:
  struct ColorAttribute {
    LPCTSTR name;
    void (Owner::*setter)(DWORD);
  };
  struct ImageAttribute {
    LPCTSTR name;
    void (Owner::*setter)(LPCTSTR);
  };
  static constexpr ColorAttribute kColors[] = {
      {L"itemtextcolor", &Owner::SetItemTextColor},
      {L"itembkcolor", &Owner::SetItemBkColor},
      {L"itemselectedtextcolor", &Owner::SetSelectedItemTextColor},
      {L"itemselectedbkcolor", &Owner::SetSelectedItemBkColor},
      {L"itemhottextcolor", &Owner::SetHotItemTextColor},
      {L"itemhotbkcolor", &Owner::SetHotItemBkColor},
      {L"itemdisabledtextcolor", &Owner::SetDisabledItemTextColor},
      {L"itemdisabledbkcolor", &Owner::SetDisabledItemBkColor},
      {L"itemlinecolor", &Owner::SetItemLineColor},
  };
  static constexpr ImageAttribute kImages[] = {
      {L"itembkimage", &Owner::SetItemBkImage},
      {L"itemselectedimage", &Owner::SetSelectedItemImage},
      {L"itemhotimage", &Owner::SetHotItemImage},
      {L"itemdisabledimage", &Owner::SetDisabledItemImage},
  };

  // Of several words named, right wins over center, and center over left.
  static UINT Aligned(UINT uStyle, LPCTSTR pstrValue) {
    if (wcsstr(pstrValue, L"left") != nullptr) uStyle &= ~(DT_CENTER | DT_RIGHT);
    if (wcsstr(pstrValue, L"center") != nullptr) uStyle = (uStyle & ~DT_RIGHT) | DT_CENTER;
    if (wcsstr(pstrValue, L"right") != nullptr) uStyle = (uStyle & ~DT_CENTER) | DT_RIGHT;
    return uStyle;
  }
};

}  // namespace SkinUI
