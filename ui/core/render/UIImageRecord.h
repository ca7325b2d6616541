#pragma once
// A picture held in a manager's image cache.
#include "platform/win32.h"
#include "ui/core/types/CUIString.h"

namespace SkinUI {

struct UIImageRecord {
  HBITMAP hBitmap = nullptr;  // top-down 32-bit DIB section, premultiplied alpha; owned
  int nWidth = 0;
  int nHeight = 0;
  bool bAlpha = false;  // some pixel is not fully opaque
  CUIString sResType;   // the module resource type it came from; empty for files
  DWORD dwMask = 0;     // the colour made transparent when it was loaded
};

}  // namespace SkinUI
