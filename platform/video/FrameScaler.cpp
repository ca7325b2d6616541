#include "platform/video/FrameScaler.h"

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/pixfmt.h>
#include <libswscale/swscale.h>
}

namespace platform::video {
namespace {

// JPEG decoders still report the old full-range formats; the scaler wants the plain
// format and the range said apart.
AVPixelFormat PlainFormat(AVPixelFormat format, bool* fullRange) {
  switch (format) {
    case AV_PIX_FMT_YUVJ420P: *fullRange = true; return AV_PIX_FMT_YUV420P;
    case AV_PIX_FMT_YUVJ422P: *fullRange = true; return AV_PIX_FMT_YUV422P;
    case AV_PIX_FMT_YUVJ444P: *fullRange = true; return AV_PIX_FMT_YUV444P;
    case AV_PIX_FMT_YUVJ440P: *fullRange = true; return AV_PIX_FMT_YUV440P;
    case AV_PIX_FMT_YUVJ411P: *fullRange = true; return AV_PIX_FMT_YUV411P;
    default: return format;
  }
}

}  // namespace

FrameScaler::~FrameScaler() { sws_freeContext(context_); }

const uint8_t* FrameScaler::Scale(const AVFrame* frame, int width, int height) {
  if (!frame || width <= 0 || height <= 0 || frame->width <= 0 || frame->height <= 0) return nullptr;
  bool fullRange = frame->color_range == AVCOL_RANGE_JPEG;
  const AVPixelFormat source = PlainFormat(static_cast<AVPixelFormat>(frame->format), &fullRange);
  context_ = sws_getCachedContext(context_, frame->width, frame->height, source, width, height, AV_PIX_FMT_BGRA,
                                  SWS_BILINEAR, nullptr, nullptr, nullptr);
  if (!context_) return nullptr;
  int* inverse = nullptr;
  int* table = nullptr;
  int srcRange = 0, dstRange = 0, brightness = 0, contrast = 0, saturation = 0;
  if (sws_getColorspaceDetails(context_, &inverse, &srcRange, &table, &dstRange, &brightness, &contrast,
                               &saturation) >= 0 &&
      srcRange != int(fullRange)) {
    sws_setColorspaceDetails(context_, inverse, int(fullRange), table, dstRange, brightness, contrast, saturation);
  }
  if (width != width_ || height != height_) {
    pixels_.reset(new uint8_t[static_cast<size_t>(width) * static_cast<size_t>(height) * 4]);
    width_ = width;
    height_ = height;
  }
  uint8_t* planes[4] = {pixels_.get(), nullptr, nullptr, nullptr};
  int strides[4] = {Stride(), 0, 0, 0};
  const int rows = sws_scale(context_, frame->data, frame->linesize, 0, frame->height, planes, strides);
  return rows == height ? pixels_.get() : nullptr;
}

}  // namespace platform::video
