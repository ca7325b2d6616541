#include "platform/gdiplus/ImageCodec.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#define STBI_NO_STDIO
#include <stb/stb_image.h>
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

#include "platform/base/Path.h"

namespace Gdiplus {
namespace {

// stb's red, green, blue, alpha bytes to premultiplied native ARGB32.
cairo_surface_t* SurfaceFromRgba(const uint8_t* rgba, int width, int height) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return nullptr;
  }
  cairo_surface_flush(surface);
  uint8_t* data = cairo_image_surface_get_data(surface);
  int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
    const uint8_t* in = rgba + static_cast<size_t>(y) * width * 4;
    for (int x = 0; x < width; ++x, in += 4) {
      uint32_t a = in[3];
      uint32_t r = in[0] * a / 255, g = in[1] * a / 255, b = in[2] * a / 255;
      row[x] = a << 24 | r << 16 | g << 8 | b;
    }
  }
  cairo_surface_mark_dirty(surface);
  return surface;
}

bool IsGif(const uint8_t* data, size_t size) { return size >= 6 && std::memcmp(data, "GIF8", 4) == 0; }

GUID FormatOf(const uint8_t* data, size_t size) {
  if (size >= 8 && std::memcmp(data, "\x89PNG", 4) == 0) return ImageFormatPNG;
  if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8) return ImageFormatJPEG;
  if (size >= 2 && data[0] == 'B' && data[1] == 'M') return ImageFormatBMP;
  if (IsGif(data, size)) return ImageFormatGIF;
  return GUID{};
}

bool DecodeGif(const uint8_t* data, size_t size, DecodedImage* out) {
  int* delays = nullptr;
  int width = 0, height = 0, frames = 0, channels = 0;
  stbi_uc* pixels = stbi_load_gif_from_memory(data, static_cast<int>(size), &delays, &width, &height, &frames,
                                              &channels, 4);
  if (!pixels) return false;
  size_t frameBytes = static_cast<size_t>(width) * height * 4;
  bool ok = true;
  for (int i = 0; i < frames && ok; ++i) {
    cairo_surface_t* frame = SurfaceFromRgba(pixels + frameBytes * i, width, height);
    ok = frame != nullptr;
    if (frame) out->frames.push_back(frame);
    // The decoder gives milliseconds; the frame-delay property holds hundredths.
    out->delays.push_back(delays ? static_cast<UINT>(delays[i] / 10) : 0);
  }
  stbi_image_free(pixels);
  stbi_image_free(delays);
  // A GIF of one frame is a still picture: it has no frame delays to answer.
  if (out->frames.size() < 2) out->delays.clear();
  return ok && !out->frames.empty();
}

// Skips a run of data sub-blocks up to their terminator; false when the data ends first.
bool SkipSubBlocks(const uint8_t* data, size_t size, size_t& at) {
  while (at < size) {
    const uint8_t length = data[at++];
    if (length == 0) return true;
    at += length;
  }
  return false;
}

size_t ColourTableBytes(uint8_t flags) { return (flags & 0x80) ? 3u << ((flags & 7) + 1) : 0; }

// The image descriptors of a GIF, counted from its block structure without decoding; a
// broken structure ends the count where it breaks (the decoder gives no more frames).
uint64_t GifFrameCount(const uint8_t* data, size_t size) {
  const size_t kScreenEnd = 13;
  if (size < kScreenEnd) return 0;
  size_t at = kScreenEnd + ColourTableBytes(data[10]);
  uint64_t frames = 0;
  while (at < size) {
    const uint8_t tag = data[at++];
    if (tag == 0x21) {  // extension: label, then sub-blocks
      ++at;
      if (!SkipSubBlocks(data, size, at)) break;
      continue;
    }
    if (tag != 0x2C || at + 10 > size) break;  // the trailer, or not a GIF block
    const uint8_t flags = data[at + 8];
    at += 9 + ColourTableBytes(flags) + 1;  // descriptor, local colours, LZW code size
    ++frames;
    if (!SkipSubBlocks(data, size, at)) break;
  }
  return frames;
}

void WriteToFile(void* context, void* data, int size) {
  std::fwrite(data, 1, static_cast<size_t>(size), static_cast<FILE*>(context));
}

}  // namespace

bool ImageCodec::ReadFile(const WCHAR* path, std::vector<uint8_t>* bytes) {
  if (!path) return false;
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(platform::NativePath(path).c_str(), "rb"), std::fclose);
  if (!file) return false;
  std::fseek(file.get(), 0, SEEK_END);
  long size = std::ftell(file.get());
  if (size <= 0) return false;
  std::fseek(file.get(), 0, SEEK_SET);
  bytes->resize(static_cast<size_t>(size));
  return std::fread(bytes->data(), 1, bytes->size(), file.get()) == bytes->size();
}

uint64_t ImageCodec::AnnouncedPixels(const uint8_t* data, size_t size) {
  if (!data || size == 0 || size > 0x7FFFFFFF) return 0;
  int width = 0, height = 0, channels = 0;
  if (!stbi_info_from_memory(data, static_cast<int>(size), &width, &height, &channels)) return 0;
  // The header reader gives a BMP stored top down its negative height, as the file has it.
  const uint64_t rows = static_cast<uint64_t>(std::llabs(height));
  if (width <= 0 || rows == 0) return 0;
  // Each frame of an animation is decoded onto a whole canvas of its own.
  const uint64_t frames = IsGif(data, size) ? std::max<uint64_t>(GifFrameCount(data, size), 1) : 1;
  return static_cast<uint64_t>(width) * rows * frames;
}

bool ImageCodec::Decode(const uint8_t* data, size_t size, DecodedImage* out) {
  if (!data || size == 0 || size > 0x7FFFFFFF) return false;
  const uint64_t announced = AnnouncedPixels(data, size);
  if (announced == 0 || announced > kPixelBudget) return false;
  out->format = FormatOf(data, size);
  if (IsGif(data, size)) return DecodeGif(data, size, out);
  int width = 0, height = 0, channels = 0;
  stbi_uc* pixels = stbi_load_from_memory(data, static_cast<int>(size), &width, &height, &channels, 4);
  if (!pixels) return false;
  cairo_surface_t* frame = SurfaceFromRgba(pixels, width, height);
  stbi_image_free(pixels);
  if (!frame) return false;
  out->frames.push_back(frame);
  return true;
}

bool ImageCodec::WritePng(cairo_surface_t* surface, const WCHAR* path) {
  if (!surface || !path) return false;
  cairo_surface_flush(surface);
  int width = cairo_image_surface_get_width(surface);
  int height = cairo_image_surface_get_height(surface);
  int stride = cairo_image_surface_get_stride(surface);
  const uint8_t* data = cairo_image_surface_get_data(surface);
  std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4);
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
    uint8_t* outRow = rgba.data() + static_cast<size_t>(y) * width * 4;
    for (int x = 0; x < width; ++x) {
      uint32_t p = row[x];
      uint32_t a = p >> 24;
      auto straight = [a](uint32_t c) { return a == 0 ? 0u : (c * 255 + a / 2) / a; };
      outRow[x * 4 + 0] = static_cast<uint8_t>(straight((p >> 16) & 0xFF));
      outRow[x * 4 + 1] = static_cast<uint8_t>(straight((p >> 8) & 0xFF));
      outRow[x * 4 + 2] = static_cast<uint8_t>(straight(p & 0xFF));
      outRow[x * 4 + 3] = static_cast<uint8_t>(a);
    }
  }
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(platform::NativePath(path).c_str(), "wb"), std::fclose);
  if (!file) return false;
  int ok = stbi_write_png_to_func(WriteToFile, file.get(), width, height, 4, rgba.data(), width * 4);
  return ok != 0 && std::fflush(file.get()) == 0;
}

}  // namespace Gdiplus
