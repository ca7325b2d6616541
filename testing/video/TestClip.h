#pragma once
// A short video file made at test time, so the decoder path runs without a network:
// MPEG-4 in Matroska, four upright bands of red, green, blue and white.
#include <cstdint>
#include <string>

namespace test_support {

class TestClip {
 public:
  // False when the file cannot be written.
  static bool Write(const std::string& path, int width, int height, int frames, int framesPerSecond = 25);
  // The colour of the band at `x` in a picture `width` wide, as 0xRRGGBB.
  static uint32_t BandColour(int x, int width);
};

}  // namespace test_support
