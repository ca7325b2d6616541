#include "ui/core/render/CSkinClip.h"

namespace SkinUI {

CSkinClip::CSkinClip() : rcItem{0, 0, 0, 0}, hDC(nullptr), hRgn(nullptr), hOldRgn(nullptr) {}

CSkinClip::~CSkinClip() {
  if (hDC != nullptr && hOldRgn != nullptr) ::SelectClipRgn(hDC, hOldRgn);
  if (hOldRgn != nullptr) ::DeleteObject(hOldRgn);
  if (hRgn != nullptr) ::DeleteObject(hRgn);
}

}  // namespace SkinUI
