#include "testing/http/LargePicture.h"

#include <vector>

#include <zlib.h>

namespace test_support {

namespace {

void append32(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>(value >> shift));
}

void chunk(std::string& png, const char* type, const std::string& data) {
  append32(png, static_cast<std::uint32_t>(data.size()));
  const std::string typed = std::string(type, 4) + data;
  png += typed;
  append32(png, static_cast<std::uint32_t>(
                    crc32(0, reinterpret_cast<const Bytef*>(typed.data()), static_cast<uInt>(typed.size()))));
}

}  // namespace

std::string grey_png(std::uint32_t width, std::uint32_t height, bool withPixels) {
  std::string png("\x89PNG\r\n\x1A\n", 8);
  std::string header;
  append32(header, width);
  append32(header, height);
  header += std::string("\x08\x00\x00\x00\x00", 5);
  chunk(png, "IHDR", header);
  if (withPixels) {
    // Each row: its filter byte, then one byte per pixel.
    const std::vector<Bytef> rows(static_cast<size_t>(height) * (width + 1), 0);
    uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
    std::string packed(packedSize, '\0');
    compress2(reinterpret_cast<Bytef*>(&packed[0]), &packedSize, rows.data(), static_cast<uLong>(rows.size()), 1);
    packed.resize(packedSize);
    chunk(png, "IDAT", packed);
  }
  chunk(png, "IEND", std::string());
  return png;
}

}  // namespace test_support
