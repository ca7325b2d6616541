// Pictures read from a stream, as the GIF control reads them: the stream is read from
// its position to its end and decoded like bytes in memory; a still picture has one
// frame and no frame delays.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "GifWriter.h"
#include "platform/base/GlobalMemory.h"
#include "platform/com/Stream.h"
#include "platform/gdiplus/GdiPlus.h"

using namespace Gdiplus;

namespace {

// A stream over a copy of the bytes, freeing its memory when released.
IStream* StreamOver(const std::vector<uint8_t>& bytes) {
  HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  std::memcpy(GlobalLock(hMem), bytes.data(), bytes.size());
  GlobalUnlock(hMem);
  IStream* stream = nullptr;
  CreateStreamOnHGlobal(hMem, TRUE, &stream);
  return stream;
}

std::vector<uint8_t> Gif(const std::vector<int>& delays) {
  GifWriter gif(2, 2, {0xFF0000, 0x00FF00, 0x0000FF});
  for (size_t i = 0; i < delays.size(); ++i) {
    const uint8_t index = static_cast<uint8_t>(i % 3);
    gif.AddFrame({index, index, index, index}, delays[i]);
  }
  return gif.Finish();
}

std::vector<uint8_t> Png() {
  const std::string path = "/tmp/image-stream-" + std::to_string(getpid()) + ".png";
  const std::wstring wide(path.begin(), path.end());
  Bitmap bitmap(3, 2);
  bitmap.Save(wide.c_str(), &ImageEncoders::PngClsid());
  std::vector<uint8_t> bytes;
  FILE* file = std::fopen(path.c_str(), "rb");
  for (int c; file != nullptr && (c = std::fgetc(file)) != EOF;) bytes.push_back(static_cast<uint8_t>(c));
  if (file != nullptr) std::fclose(file);
  std::remove(path.c_str());
  return bytes;
}

std::vector<UINT> FrameDelays(Image& image) {
  const UINT size = image.GetPropertyItemSize(PropertyTagFrameDelay);
  if (size == 0) return {};
  std::vector<uint8_t> buffer(size);
  auto* item = reinterpret_cast<PropertyItem*>(buffer.data());
  if (image.GetPropertyItem(PropertyTagFrameDelay, size, item) != Ok) return {};
  const auto* values = static_cast<const UINT*>(item->value);
  return std::vector<UINT>(values, values + item->length / 4);
}

struct StreamCase {
  const char* what;
  std::vector<uint8_t> bytes;
  UINT frames;
  std::vector<UINT> delays;
};

class ImageFromStream : public ::testing::TestWithParam<StreamCase> {};

TEST_P(ImageFromStream, GivesTheFramesAndTheirDelays) {
  const StreamCase& c = GetParam();
  IStream* stream = StreamOver(c.bytes);
  ASSERT_NE(stream, nullptr);
  Image image(stream);
  stream->Release();  // the picture keeps no hold on it
  ASSERT_EQ(image.GetLastStatus(), Ok);
  GUID dimension{};
  ASSERT_EQ(image.GetFrameDimensionsList(&dimension, 1), Ok);
  EXPECT_EQ(image.GetFrameCount(&dimension), c.frames);
  EXPECT_EQ(FrameDelays(image), c.delays);
}

INSTANTIATE_TEST_SUITE_P(
    Picture, ImageFromStream,
    ::testing::Values(StreamCase{"AnimatedGif", Gif({7, 0, 20}), 3, {7, 0, 20}},
                      StreamCase{"GifWithoutDelays", Gif({-1, -1, -1}), 3, {0, 0, 0}},
                      StreamCase{"StillGif", Gif({12}), 1, {}},
                      StreamCase{"StillPng", Png(), 1, {}}),
    [](const ::testing::TestParamInfo<StreamCase>& info) { return info.param.what; });

TEST(ImageFromStream, ReadsFromTheStreamsPosition) {
  std::vector<uint8_t> bytes = {'j', 'u', 'n', 'k'};
  const std::vector<uint8_t> gif = Gif({5, 5});
  bytes.insert(bytes.end(), gif.begin(), gif.end());
  IStream* stream = StreamOver(bytes);
  LARGE_INTEGER skip;
  skip.QuadPart = 4;
  stream->Seek(skip, STREAM_SEEK_SET, nullptr);
  Image* image = Image::FromStream(stream);
  stream->Release();
  EXPECT_EQ(image->GetLastStatus(), Ok);
  EXPECT_EQ(image->GetFrameCount(&FrameDimensionTime), 2u);
  delete image;
}

TEST(ImageFromStream, NoStreamOrNoPictureIsAFailure) {
  Image none(static_cast<IStream*>(nullptr));
  EXPECT_EQ(none.GetLastStatus(), InvalidParameter);
  IStream* stream = StreamOver({1, 2, 3, 4, 5, 6, 7, 8});
  Image junk(stream);
  stream->Release();
  EXPECT_EQ(junk.GetLastStatus(), UnknownImageFormat);
  EXPECT_EQ(junk.GetFrameDimensionsCount(), 0u);
  EXPECT_EQ(junk.GetPropertyItemSize(PropertyTagFrameDelay), 0u);
}

}  // namespace
