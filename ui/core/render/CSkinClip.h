#pragma once
// A clip guard for one paint step: the renderer narrows a device context's clip to an
// item and the guard, living on the caller's stack, puts the outer clip back.
#include "platform/win32.h"

namespace SkinUI {

class CSkinRenderer;

class CSkinClip {
 public:
  CSkinClip();
  CSkinClip(const CSkinClip&) = delete;
  CSkinClip& operator=(const CSkinClip&) = delete;
  // Selects the saved clip into the device context again and deletes both regions.
  ~CSkinClip();

 private:
  friend class CSkinRenderer;

  RECT rcItem;
  HDC hDC;
  HRGN hRgn;     // the clip in force while the guard lives
  HRGN hOldRgn;  // the clip box that was in force before
};

}  // namespace SkinUI
