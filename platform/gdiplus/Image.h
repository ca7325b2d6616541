#pragma once
// A picture: one frame, or every frame of an animated GIF with its delays. Frames are
// premultiplied ARGB images.
#include <cairo.h>

#include <vector>

#include "platform/gdiplus/GdiPlusTypes.h"

struct IStream;

namespace Gdiplus {

struct DecodedImage;
struct EncoderParameters;

class Image {
 public:
  explicit Image(const WCHAR* filename, BOOL useEmbeddedColorManagement = FALSE);
  // Reads the stream from its position to its end, then decodes the bytes; the
  // picture keeps no hold on the stream.
  explicit Image(IStream* stream, BOOL useEmbeddedColorManagement = FALSE);
  virtual ~Image();
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;

  static Image* FromFile(const WCHAR* filename, BOOL useEmbeddedColorManagement = FALSE);
  static Image* FromStream(IStream* stream, BOOL useEmbeddedColorManagement = FALSE);
  // A picture decoded from bytes in memory (the program reads GIFs into memory first).
  static Image* FromMemory(const void* data, size_t size);

  Status GetLastStatus() const { return status_; }
  UINT GetWidth() const;
  UINT GetHeight() const;
  Status GetRawFormat(GUID* format) const;
  virtual Image* Clone() const;

  UINT GetFrameDimensionsCount() const;
  Status GetFrameDimensionsList(GUID* dimensionIDs, UINT count) const;
  UINT GetFrameCount(const GUID* dimensionID) const;
  Status SelectActiveFrame(const GUID* dimensionID, UINT frameIndex);

  UINT GetPropertyItemSize(PROPID propId) const;
  Status GetPropertyItem(PROPID propId, UINT propSize, PropertyItem* buffer) const;

  // Saves as PNG when `clsidEncoder` is the PNG encoder's.
  Status Save(const WCHAR* filename, const CLSID* clsidEncoder, const EncoderParameters* params = nullptr);

  // The active frame, for drawing; null when the picture failed to load.
  cairo_surface_t* Surface() const;

 protected:
  Image() = default;
  void Adopt(DecodedImage& decoded);
  // Decodes the bytes into this picture, or records that they are no picture.
  void Load(const uint8_t* data, size_t size);
  void SetStatus(Status status) { status_ = status; }

 private:
  std::vector<cairo_surface_t*> frames_;
  std::vector<UINT> delays_;
  UINT active_ = 0;
  GUID format_{};
  Status status_ = Ok;
};

}  // namespace Gdiplus
