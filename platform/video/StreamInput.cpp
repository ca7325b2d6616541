#include "platform/video/StreamInput.h"

#include <algorithm>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
}

namespace platform::video {
namespace {

// Enough of a live stream to know its video (an I-frame or a JPEG picture or two),
// not the seconds FFmpeg probes by default.
const char* const kFastProbeBytes = "262144";
const char* const kFastAnalyzeMicroseconds = "500000";

bool IsRtsp(const std::string& url) { return url.compare(0, 7, "rtsp://") == 0; }

}  // namespace

StreamInput::StreamInput(std::function<bool()> interrupted, const PlayerSettings& settings)
    : interrupted_(std::move(interrupted)), settings_(settings) {}

StreamInput::~StreamInput() {
  av_frame_free(&frame_);
  av_packet_free(&packet_);
  avcodec_free_context(&codec_);
  avformat_close_input(&format_);
}

int StreamInput::OnInterrupt(void* opaque) {
  auto* self = static_cast<StreamInput*>(opaque);
  if (self->interrupted_()) return 1;
  return std::chrono::steady_clock::now() > self->deadline_ ? 1 : 0;
}

void StreamInput::RestartDeadline() {
  deadline_ = std::chrono::steady_clock::now() + std::chrono::seconds(std::max(settings_.timeoutSeconds, 1));
}

bool StreamInput::Open(const std::string& url) {
  format_ = avformat_alloc_context();
  if (!format_) return false;
  format_->interrupt_callback.callback = &StreamInput::OnInterrupt;
  format_->interrupt_callback.opaque = this;
  AVDictionary* options = nullptr;
  if (IsRtsp(url)) {
    if (settings_.rtspTcp) av_dict_set(&options, "rtsp_transport", "tcp", 0);
    av_dict_set_int(&options, "max_delay", int64_t(std::max(settings_.bufferMs, 0)) * 1000, 0);
  }
  if (settings_.fastStartup) {
    av_dict_set(&options, "probesize", kFastProbeBytes, 0);
    av_dict_set(&options, "analyzeduration", kFastAnalyzeMicroseconds, 0);
    av_dict_set(&options, "fflags", "nobuffer", 0);
  }
  RestartDeadline();
  const int opened = avformat_open_input(&format_, url.c_str(), nullptr, &options);
  av_dict_free(&options);
  if (opened < 0) return false;  // the context was freed
  if (avformat_find_stream_info(format_, nullptr) < 0) return false;
  return OpenDecoder();
}

bool StreamInput::OpenDecoder() {
  const AVCodec* decoder = nullptr;
  stream_ = av_find_best_stream(format_, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
  if (stream_ < 0 || !decoder) return false;
  codec_ = avcodec_alloc_context3(decoder);
  if (!codec_) return false;
  if (avcodec_parameters_to_context(codec_, format_->streams[stream_]->codecpar) < 0) return false;
  // Threads within a picture only: threads across pictures hold frames back.
  codec_->thread_count = 0;
  codec_->thread_type = FF_THREAD_SLICE;
  codec_->flags |= AV_CODEC_FLAG_LOW_DELAY;
  if (avcodec_open2(codec_, decoder, nullptr) < 0) return false;
  packet_ = av_packet_alloc();
  frame_ = av_frame_alloc();
  return packet_ && frame_;
}

const AVFrame* StreamInput::NextFrame() {
  if (!codec_) return nullptr;
  for (;;) {
    const int received = avcodec_receive_frame(codec_, frame_);
    if (received == 0) {
      if (frame_->key_frame) sawKeyFrame_ = true;
      if (sawKeyFrame_) return frame_;
      av_frame_unref(frame_);
      continue;
    }
    if (received != AVERROR(EAGAIN) || interrupted_()) return nullptr;
    RestartDeadline();
    const int read = av_read_frame(format_, packet_);
    if (read == AVERROR(EAGAIN)) continue;
    if (read < 0) {
      // The end of a file: the decoder still holds its last pictures.
      if (read != AVERROR_EOF || draining_) return nullptr;
      draining_ = true;
      avcodec_send_packet(codec_, nullptr);
      continue;
    }
    // A damaged packet is skipped; the stream goes on.
    if (packet_->stream_index == stream_) avcodec_send_packet(codec_, packet_);
    av_packet_unref(packet_);
  }
}

}  // namespace platform::video
