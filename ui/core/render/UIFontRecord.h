#pragma once
// A font of a window's skin, with its metrics as measured in the window's DC.
#include "platform/win32.h"
#include "ui/core/types/CUIString.h"

namespace SkinUI {

struct UIFontRecord {
  HFONT hFont = nullptr;  // owned by the manager that lists the record
  CUIString sFontName;    // the face as given, not cut to the LOGFONT's length
  int iSize = 0;          // character height in pixels
  bool bBold = false;
  bool bUnderline = false;
  bool bItalic = false;
  TEXTMETRICW tm = {};  // tmHeight 0: not measured yet
};

}  // namespace SkinUI
