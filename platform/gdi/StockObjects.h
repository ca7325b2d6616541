#pragma once
// The stock objects: created once, shared by every thread, never freed.
#include "platform/base/WinTypes.h"

namespace platform::gdi {

class BitmapObject;

class StockObjects {
 public:
  // The object of a stock id (WHITE_BRUSH ... DEFAULT_GUI_FONT), or null.
  static HGDIOBJ Get(int id);
  // The 1 x 1 bitmap a new memory DC holds.
  static BitmapObject* DefaultBitmap();
};

}  // namespace platform::gdi
