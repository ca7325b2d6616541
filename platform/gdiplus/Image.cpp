#include "platform/gdiplus/Image.h"

#include <cstring>

#include "platform/com/Stream.h"
#include "platform/gdiplus/ImageCodec.h"
#include "platform/gdiplus/ImageEncoders.h"

namespace Gdiplus {

namespace {

// What is left of the stream, in the pieces its reads give.
bool ReadRest(IStream* stream, std::vector<uint8_t>* bytes) {
  uint8_t chunk[64 * 1024];
  for (;;) {
    ULONG read = 0;
    if (FAILED(stream->Read(chunk, sizeof(chunk), &read))) return false;
    if (read == 0) return true;
    bytes->insert(bytes->end(), chunk, chunk + read);
  }
}

}  // namespace

Image::Image(const WCHAR* filename, BOOL) {
  std::vector<uint8_t> bytes;
  if (!ImageCodec::ReadFile(filename, &bytes)) {
    status_ = filename ? FileNotFound : InvalidParameter;
    return;
  }
  Load(bytes.data(), bytes.size());
}

Image::Image(IStream* stream, BOOL) {
  std::vector<uint8_t> bytes;
  if (stream == nullptr) {
    status_ = InvalidParameter;
    return;
  }
  if (!ReadRest(stream, &bytes)) {
    status_ = Win32Error;
    return;
  }
  Load(bytes.data(), bytes.size());
}

Image::~Image() {
  for (cairo_surface_t* frame : frames_) cairo_surface_destroy(frame);
}

Image* Image::FromFile(const WCHAR* filename, BOOL useEmbeddedColorManagement) {
  return new Image(filename, useEmbeddedColorManagement);
}

Image* Image::FromStream(IStream* stream, BOOL useEmbeddedColorManagement) {
  return new Image(stream, useEmbeddedColorManagement);
}

Image* Image::FromMemory(const void* data, size_t size) {
  auto* image = new Image();
  image->Load(static_cast<const uint8_t*>(data), size);
  return image;
}

void Image::Load(const uint8_t* data, size_t size) {
  DecodedImage decoded;
  if (!ImageCodec::Decode(data, size, &decoded)) {
    for (cairo_surface_t* frame : decoded.frames) cairo_surface_destroy(frame);
    status_ = UnknownImageFormat;
    return;
  }
  Adopt(decoded);
}

void Image::Adopt(DecodedImage& decoded) {
  frames_ = decoded.frames;
  delays_ = decoded.delays;
  format_ = decoded.format;
  decoded.frames.clear();
  active_ = 0;
  status_ = Ok;
}

cairo_surface_t* Image::Surface() const { return frames_.empty() ? nullptr : frames_[active_]; }

UINT Image::GetWidth() const {
  return frames_.empty() ? 0 : static_cast<UINT>(cairo_image_surface_get_width(frames_[0]));
}

UINT Image::GetHeight() const {
  return frames_.empty() ? 0 : static_cast<UINT>(cairo_image_surface_get_height(frames_[0]));
}

Status Image::GetRawFormat(GUID* format) const {
  if (!format) return InvalidParameter;
  *format = format_;
  return Ok;
}

Image* Image::Clone() const {
  auto* copy = new Image();
  for (cairo_surface_t* frame : frames_) {
    int width = cairo_image_surface_get_width(frame);
    int height = cairo_image_surface_get_height(frame);
    cairo_surface_t* dup = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(dup);
    cairo_set_source_surface(cr, frame, 0, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
    copy->frames_.push_back(dup);
  }
  copy->delays_ = delays_;
  copy->active_ = active_;
  copy->format_ = format_;
  copy->status_ = status_;
  return copy;
}

// Animated GIFs have a time dimension; everything else one page.
UINT Image::GetFrameDimensionsCount() const { return frames_.empty() ? 0 : 1; }

Status Image::GetFrameDimensionsList(GUID* dimensionIDs, UINT count) const {
  if (!dimensionIDs || count < 1 || frames_.empty()) return InvalidParameter;
  dimensionIDs[0] = format_ == ImageFormatGIF ? FrameDimensionTime : FrameDimensionPage;
  return Ok;
}

UINT Image::GetFrameCount(const GUID* dimensionID) const {
  if (!dimensionID) return 0;
  if (*dimensionID != FrameDimensionTime && *dimensionID != FrameDimensionPage) return 0;
  return static_cast<UINT>(frames_.size());
}

Status Image::SelectActiveFrame(const GUID* dimensionID, UINT frameIndex) {
  if (!dimensionID || frameIndex >= frames_.size()) return InvalidParameter;
  active_ = frameIndex;
  return Ok;
}

UINT Image::GetPropertyItemSize(PROPID propId) const {
  if (propId != PropertyTagFrameDelay || delays_.empty()) return 0;
  return static_cast<UINT>(sizeof(PropertyItem) + delays_.size() * 4);
}

Status Image::GetPropertyItem(PROPID propId, UINT propSize, PropertyItem* buffer) const {
  if (!buffer) return InvalidParameter;
  UINT size = GetPropertyItemSize(propId);
  if (size == 0) return PropertyNotFound;
  if (propSize < size) return InvalidParameter;
  auto* values = reinterpret_cast<uint8_t*>(buffer) + sizeof(PropertyItem);
  buffer->id = propId;
  buffer->length = static_cast<ULONG>(delays_.size() * 4);
  buffer->type = PropertyTagTypeLong;
  buffer->value = values;
  for (size_t i = 0; i < delays_.size(); ++i) {
    uint32_t delay = delays_[i];
    std::memcpy(values + i * 4, &delay, 4);
  }
  return Ok;
}

Status Image::Save(const WCHAR* filename, const CLSID* clsidEncoder, const EncoderParameters*) {
  if (!filename || !clsidEncoder) return InvalidParameter;
  if (*clsidEncoder != ImageEncoders::PngClsid()) return UnknownImageFormat;
  if (frames_.empty()) return WrongState;
  return ImageCodec::WritePng(Surface(), filename) ? Ok : Win32Error;
}

}  // namespace Gdiplus
