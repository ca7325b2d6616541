#include "tools/campus-server/FixturePictures.h"

#include <stb/stb_image_write.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace campus_server {

namespace {

// The client stretches an identity icon over its whole identity button (110 x 22, the name
// 26 pixels in), so the icon is a badge of that size: a disc at the left, clear elsewhere.
const int kIconWidth = 110;
const int kIconHeight = 22;
const double kDiscRadius = 9.5;
const int kPhotoWidth = 120;
const int kPhotoHeight = 160;

struct Rgba {
  std::uint8_t r, g, b, a;
};

// A colour of the style's palette, chosen by the text so that each user and identity
// keeps its own.
Rgba ColourOf(const std::string& text) {
  static const Rgba kPalette[] = {{0x07, 0x8F, 0xD6, 0xFF}, {0x1F, 0xB3, 0x46, 0xFF}, {0xCC, 0x86, 0x00, 0xFF},
                                  {0xCA, 0x49, 0x3C, 0xFF}, {0x15, 0x60, 0xD8, 0xFF}};
  return kPalette[std::hash<std::string>()(text) % (sizeof kPalette / sizeof kPalette[0])];
}

void AppendBytes(void* context, void* data, int size) {
  static_cast<std::string*>(context)->append(static_cast<const char*>(data), size);
}

bool InCircle(double x, double y, double cx, double cy, double r) {
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

}  // namespace

std::string FixturePictures::IdentityIcon(const std::string& code) {
  const Rgba disc = ColourOf(code);
  std::vector<std::uint8_t> pixels;
  const double cx = 10.0;
  const double cy = kIconHeight / 2.0;
  for (int y = 0; y < kIconHeight; ++y) {
    for (int x = 0; x < kIconWidth; ++x) {
      const bool inside = InCircle(x + 0.5, y + 0.5, cx, cy, kDiscRadius);
      const bool dot = InCircle(x + 0.5, y + 0.5, cx, cy, kDiscRadius * 0.36);
      const Rgba c = !inside ? Rgba{0, 0, 0, 0} : dot ? Rgba{0xFF, 0xFF, 0xFF, 0xFF} : disc;
      pixels.insert(pixels.end(), {c.r, c.g, c.b, c.a});
    }
  }
  std::string bytes;
  stbi_write_png_to_func(&AppendBytes, &bytes, kIconWidth, kIconHeight, 4, pixels.data(), kIconWidth * 4);
  return bytes;
}

std::string FixturePictures::UserPhoto(const std::string& userID, bool jpeg) {
  const Rgba ground = ColourOf(userID);
  std::vector<std::uint8_t> pixels;
  for (int y = 0; y < kPhotoHeight; ++y) {
    for (int x = 0; x < kPhotoWidth; ++x) {
      const double px = x + 0.5;
      const double py = y + 0.5;
      const bool head = InCircle(px, py, kPhotoWidth / 2.0, kPhotoHeight * 0.38, kPhotoWidth * 0.2);
      const bool body = py > kPhotoHeight * 0.62 && InCircle(px, py, kPhotoWidth / 2.0, kPhotoHeight, kPhotoWidth * 0.42);
      const Rgba c = head || body ? Rgba{0xF2, 0xF2, 0xF2, 0xFF} : ground;
      pixels.insert(pixels.end(), {c.r, c.g, c.b});
    }
  }
  std::string bytes;
  if (jpeg) {
    stbi_write_jpg_to_func(&AppendBytes, &bytes, kPhotoWidth, kPhotoHeight, 3, pixels.data(), 90);
  } else {
    stbi_write_png_to_func(&AppendBytes, &bytes, kPhotoWidth, kPhotoHeight, 3, pixels.data(), kPhotoWidth * 3);
  }
  return bytes;
}

std::string FixturePictures::ContentType(const std::string& path) {
  const std::string jpg = ".jpg";
  const bool isJpeg = path.size() >= jpg.size() && path.compare(path.size() - jpg.size(), jpg.size(), jpg) == 0;
  return isJpeg ? "image/jpeg" : "image/png";
}

}  // namespace campus_server
