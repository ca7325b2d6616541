#include "platform/gdiplus/ImageEncoders.h"

#include <cstring>
#include <cwchar>

namespace Gdiplus {
namespace {

const CLSID kPngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

struct Texts {
  const wchar_t* codec = L"Built-in PNG Codec";
  const wchar_t* dll = L"";
  const wchar_t* description = L"PNG";
  const wchar_t* extension = L"*.PNG";
  const wchar_t* mime = L"image/png";
};

size_t TextBytes(const wchar_t* text) { return (std::wcslen(text) + 1) * sizeof(wchar_t); }

size_t TotalSize() {
  Texts t;
  return sizeof(ImageCodecInfo) + TextBytes(t.codec) + TextBytes(t.dll) + TextBytes(t.description) +
         TextBytes(t.extension) + TextBytes(t.mime);
}

// Copies a text after the records, as GDI+ packs its strings into the caller's buffer.
const WCHAR* Pack(const wchar_t* text, uint8_t*& cursor) {
  size_t bytes = TextBytes(text);
  std::memcpy(cursor, text, bytes);
  const auto* packed = reinterpret_cast<const WCHAR*>(cursor);
  cursor += bytes;
  return packed;
}

}  // namespace

const GUID FrameDimensionTime = {0x6AEDBD6D, 0x3FB5, 0x418A, {0x83, 0xA6, 0x7F, 0x45, 0x22, 0x9D, 0xC8, 0x72}};
const GUID FrameDimensionPage = {0x7462DC86, 0x6180, 0x4C7E, {0x8E, 0x3F, 0xEE, 0x73, 0x33, 0xA7, 0xA4, 0x83}};
const GUID ImageFormatBMP = {0xB96B3CAB, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
const GUID ImageFormatJPEG = {0xB96B3CAE, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
const GUID ImageFormatPNG = {0xB96B3CAF, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
const GUID ImageFormatGIF = {0xB96B3CB0, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

const CLSID& ImageEncoders::PngClsid() { return kPngEncoder; }

Status GetImageEncodersSize(UINT* numEncoders, UINT* size) {
  if (!numEncoders || !size) return InvalidParameter;
  *numEncoders = 1;
  *size = static_cast<UINT>(TotalSize());
  return Ok;
}

Status GetImageEncoders(UINT numEncoders, UINT size, ImageCodecInfo* encoders) {
  if (!encoders || numEncoders != 1 || size < TotalSize()) return InvalidParameter;
  Texts t;
  ImageCodecInfo& png = encoders[0];
  std::memset(&png, 0, sizeof(png));
  png.Clsid = kPngEncoder;
  png.FormatID = ImageFormatPNG;
  uint8_t* cursor = reinterpret_cast<uint8_t*>(encoders) + sizeof(ImageCodecInfo);
  png.CodecName = Pack(t.codec, cursor);
  png.DllName = Pack(t.dll, cursor);
  png.FormatDescription = Pack(t.description, cursor);
  png.FilenameExtension = Pack(t.extension, cursor);
  png.MimeType = Pack(t.mime, cursor);
  png.Flags = 0x00010007;  // encoder, decoder, supports bitmap, built in
  png.Version = 1;
  return Ok;
}

}  // namespace Gdiplus
