#pragma once
// Colours of the preview's sample skin as the screen shows them (0xRRGGBB): the
// skin's own colours and those its image script draws.
#include <cstdint>

namespace previewtest {

const uint32_t kTitleBlue = 0x2D5B8C;
const uint32_t kLogoOrange = 0xF08020;
const uint32_t kCloseRed = 0xD03A2E;
const uint32_t kSidebar = 0xDDE6F0;
const uint32_t kTileWhite = 0xFFFFFF;
const uint32_t kTileFrame = 0x7FA7D0;
const uint32_t kTileGreen = 0x3FA06A;
const uint32_t kStatusBar = 0xE8ECF0;

// Channel by channel within `tolerance`.
inline bool CloseColour(uint32_t a, uint32_t b, int tolerance) {
  for (int shift = 0; shift <= 16; shift += 8) {
    const int d = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
    if (d > tolerance || d < -tolerance) return false;
  }
  return true;
}

}  // namespace previewtest
