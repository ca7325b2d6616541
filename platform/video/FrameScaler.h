#pragma once
// Turns decoded pictures into B, G, R, A rows of the window's client size.
#include <cstdint>
#include <memory>

extern "C" {
struct AVFrame;
struct SwsContext;
}

namespace platform::video {

class FrameScaler {
 public:
  FrameScaler() = default;
  ~FrameScaler();
  FrameScaler(const FrameScaler&) = delete;
  FrameScaler& operator=(const FrameScaler&) = delete;

  // The picture at width x height, rows of Stride() bytes; null when it cannot be
  // scaled. Valid until the next call.
  const uint8_t* Scale(const AVFrame* frame, int width, int height);
  int Stride() const { return width_ * 4; }

 private:
  SwsContext* context_ = nullptr;
  std::unique_ptr<uint8_t[]> pixels_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace platform::video
