#pragma once
// The name of the menu item clicked last, for the window that hears message 1145.
// Kept for the process; empty until a first click.
#include "ui/core/types/CUIString.h"

namespace SkinUI {

void SetMenuClickedItemName(LPCTSTR pstrName);
CUIString GetMenuClickedItemName();

}  // namespace SkinUI
