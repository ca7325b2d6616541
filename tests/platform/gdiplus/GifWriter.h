#pragma once
// Writes small animated GIFs for the decoder and control tests: up to four colours,
// every frame the full size, each with its delay. Pixel codes are written without
// compression (a clear code every two pixels keeps every code three bits wide).
#include <cstdint>
#include <vector>

class GifWriter {
 public:
  GifWriter(int width, int height, const std::vector<uint32_t>& paletteRgb) : width_(width), height_(height) {
    bytes_ = {'G', 'I', 'F', '8', '9', 'a'};
    Word(width);
    Word(height);
    bytes_.push_back(0xF1);  // global colour table of 4 entries
    bytes_.push_back(0);
    bytes_.push_back(0);
    for (int i = 0; i < 4; ++i) {
      uint32_t rgb = i < static_cast<int>(paletteRgb.size()) ? paletteRgb[i] : 0;
      bytes_.push_back(static_cast<uint8_t>(rgb >> 16));
      bytes_.push_back(static_cast<uint8_t>(rgb >> 8));
      bytes_.push_back(static_cast<uint8_t>(rgb));
    }
    // Loop forever.
    const uint8_t loop[] = {0x21, 0xFF, 0x0B, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3, 1, 0, 0, 0};
    bytes_.insert(bytes_.end(), loop, loop + sizeof(loop));
  }

  // `indices` holds width x height palette indices; `delay` is in hundredths of a second,
  // and a negative one writes the frame without a delay (no graphic control block).
  void AddFrame(const std::vector<uint8_t>& indices, int delay) {
    const uint8_t control[] = {0x21, 0xF9, 4, 0x04, static_cast<uint8_t>(delay & 0xFF),
                               static_cast<uint8_t>(delay >> 8), 0, 0};
    if (delay >= 0) bytes_.insert(bytes_.end(), control, control + sizeof(control));
    bytes_.push_back(0x2C);
    Word(0);
    Word(0);
    Word(width_);
    Word(height_);
    bytes_.push_back(0);
    bytes_.push_back(2);  // minimum code size: codes are 3 bits
    std::vector<uint8_t> packed;
    uint32_t buffer = 0;
    int bits = 0;
    auto put = [&](uint32_t code) {
      buffer |= code << bits;
      bits += 3;
      while (bits >= 8) {
        packed.push_back(static_cast<uint8_t>(buffer));
        buffer >>= 8;
        bits -= 8;
      }
    };
    for (size_t i = 0; i < indices.size(); ++i) {
      if (i % 2 == 0) put(4);  // clear
      put(indices[i]);
    }
    put(5);  // end of information
    if (bits > 0) packed.push_back(static_cast<uint8_t>(buffer));
    for (size_t at = 0; at < packed.size(); at += 255) {
      size_t n = packed.size() - at < 255 ? packed.size() - at : 255;
      bytes_.push_back(static_cast<uint8_t>(n));
      bytes_.insert(bytes_.end(), packed.begin() + static_cast<long>(at), packed.begin() + static_cast<long>(at + n));
    }
    bytes_.push_back(0);
  }

  std::vector<uint8_t> Finish() {
    std::vector<uint8_t> out = bytes_;
    out.push_back(0x3B);
    return out;
  }

 private:
  void Word(int value) {
    bytes_.push_back(static_cast<uint8_t>(value & 0xFF));
    bytes_.push_back(static_cast<uint8_t>(value >> 8));
  }

  int width_;
  int height_;
  std::vector<uint8_t> bytes_;
};
