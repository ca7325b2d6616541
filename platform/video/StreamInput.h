#pragma once
// One opened stream: the input (RTSP or a file) and the decoder of its video. Every
// blocking call runs under an interrupt that asks `interrupted` and watches the
// settings' time-out, so stopping or switching never waits for the network.
#include <chrono>
#include <functional>
#include <string>

#include "platform/video/PlayerSettings.h"

extern "C" {
struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
}

namespace platform::video {

class StreamInput {
 public:
  StreamInput(std::function<bool()> interrupted, const PlayerSettings& settings);
  ~StreamInput();
  StreamInput(const StreamInput&) = delete;
  StreamInput& operator=(const StreamInput&) = delete;

  // False when the stream cannot be opened, has no video or was interrupted.
  bool Open(const std::string& url);
  // The next decoded picture, valid until the next call; null at the end of the
  // stream, on a read error, after the time-out or when interrupted.
  const AVFrame* NextFrame();

 private:
  static int OnInterrupt(void* opaque);
  bool OpenDecoder();
  void RestartDeadline();

  std::function<bool()> interrupted_;
  PlayerSettings settings_;
  std::chrono::steady_clock::time_point deadline_;
  AVFormatContext* format_ = nullptr;
  AVCodecContext* codec_ = nullptr;
  AVPacket* packet_ = nullptr;
  AVFrame* frame_ = nullptr;
  int stream_ = -1;
  bool draining_ = false;
  // Pictures before the first key picture refer to pictures the probe may have taken
  // away (fast start-up reads without keeping): decoded, they are grey.
  bool sawKeyFrame_ = false;
};

}  // namespace platform::video
