#pragma once
// The caller's check states of a menu's check items, by item name. The caller keeps
// it alive while its menus are open.
#include <map>

#include "ui/core/types/CUIString.h"

namespace SkinUI {

typedef std::map<CUIString, bool> MenuCheckInfo;

}  // namespace SkinUI
