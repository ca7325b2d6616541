#pragma once
// A window class's notify map: its entries and the way to its base class's map.
#include "ui/core/builder/UINotifyMapEntry.h"

namespace SkinUI {

struct UINotifyMap {
  const UINotifyMap* (*pfnGetBaseMap)();  // null at the root
  const UINotifyMapEntry* lpEntries;      // closed by an entry of kind UINOTIFY_END
};

}  // namespace SkinUI
