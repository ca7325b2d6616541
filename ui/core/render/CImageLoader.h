#pragma once
// Turns a picture named by a skin into an image record: the bytes come from a module
// resource, the skin folder (or the skin archive) or a plain path, stb_image decodes
// them, and the pixels become a premultiplied top-down 32-bit DIB section ready for
// alpha blending. The window manager's image cache loads its pictures through it.
#include "platform/win32.h"
#include "ui/core/render/UIImageRecord.h"

namespace SkinUI {

class CImageLoader {
 public:
  CImageLoader() = delete;

  // bitmap is a name, or MAKEINTRESOURCE of a resource number with a type. Pixels
  // equal to the mask (compared after premultiplication, alpha in the top byte)
  // become transparent. A new record, freed by the cache, or null.
  static UIImageRecord* Load(LPCTSTR bitmap, LPCTSTR type, DWORD mask);
};

}  // namespace SkinUI
