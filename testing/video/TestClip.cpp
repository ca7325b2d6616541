#include "testing/video/TestClip.h"

#include <algorithm>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

namespace test_support {
namespace {

const uint32_t kBands[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};

// Owns what writing one file needs, and frees it whatever happens.
struct ClipWriter {
  AVFormatContext* format = nullptr;
  AVCodecContext* codec = nullptr;
  AVStream* stream = nullptr;
  AVFrame* frame = nullptr;
  AVPacket* packet = nullptr;
  bool headerWritten = false;

  ~ClipWriter() {
    if (headerWritten) av_write_trailer(format);
    if (format && !(format->oformat->flags & AVFMT_NOFILE)) avio_closep(&format->pb);
    avformat_free_context(format);
    avcodec_free_context(&codec);
    av_frame_free(&frame);
    av_packet_free(&packet);
  }

  bool Open(const std::string& path, int width, int height, int fps) {
    if (avformat_alloc_output_context2(&format, nullptr, "matroska", path.c_str()) < 0) return false;
    const AVCodec* encoder = avcodec_find_encoder(AV_CODEC_ID_MPEG4);
    if (!encoder) return false;
    stream = avformat_new_stream(format, nullptr);
    codec = avcodec_alloc_context3(encoder);
    if (!stream || !codec) return false;
    codec->width = width;
    codec->height = height;
    codec->pix_fmt = AV_PIX_FMT_YUV420P;
    codec->time_base = AVRational{1, fps};
    codec->framerate = AVRational{fps, 1};
    codec->gop_size = 12;
    codec->flags |= AV_CODEC_FLAG_QSCALE;
    codec->global_quality = FF_QP2LAMBDA * 3;
    if (format->oformat->flags & AVFMT_GLOBALHEADER) codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (avcodec_open2(codec, encoder, nullptr) < 0) return false;
    if (avcodec_parameters_from_context(stream->codecpar, codec) < 0) return false;
    stream->time_base = codec->time_base;
    if (avio_open(&format->pb, path.c_str(), AVIO_FLAG_WRITE) < 0) return false;
    if (avformat_write_header(format, nullptr) < 0) return false;
    headerWritten = true;
    frame = av_frame_alloc();
    packet = av_packet_alloc();
    if (!frame || !packet) return false;
    frame->format = codec->pix_fmt;
    frame->width = width;
    frame->height = height;
    return av_frame_get_buffer(frame, 0) >= 0;
  }

  // Sends one picture (null: the end) and writes whatever the encoder hands back.
  bool Encode(const AVFrame* picture) {
    if (avcodec_send_frame(codec, picture) < 0) return false;
    for (;;) {
      const int received = avcodec_receive_packet(codec, packet);
      if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) return true;
      if (received < 0) return false;
      av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
      packet->stream_index = stream->index;
      if (av_interleaved_write_frame(format, packet) < 0) return false;
    }
  }
};

// The bands as B, G, R, A rows, with a black square moving along the top so that
// pictures differ, turned into the encoder's format.
bool FillPicture(AVFrame* frame, int index) {
  const int width = frame->width;
  const int height = frame->height;
  std::vector<uint8_t> bgra(size_t(width) * size_t(height) * 4);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int square = std::max(height / 8, 2);
      const int squareLeft = (index * 8) % std::max(width - square, 1);
      const bool inSquare = y < square && x >= squareLeft && x < squareLeft + square;
      const uint32_t rgb = inSquare ? 0 : TestClip::BandColour(x, width);
      uint8_t* p = &bgra[(size_t(y) * size_t(width) + size_t(x)) * 4];
      p[0] = uint8_t(rgb), p[1] = uint8_t(rgb >> 8), p[2] = uint8_t(rgb >> 16), p[3] = 255;
    }
  }
  SwsContext* sws = sws_getContext(width, height, AV_PIX_FMT_BGRA, width, height, AV_PIX_FMT_YUV420P, SWS_POINT,
                                   nullptr, nullptr, nullptr);
  if (!sws) return false;
  const uint8_t* planes[1] = {bgra.data()};
  const int strides[1] = {width * 4};
  const int rows = sws_scale(sws, planes, strides, 0, height, frame->data, frame->linesize);
  sws_freeContext(sws);
  return rows == height;
}

}  // namespace

uint32_t TestClip::BandColour(int x, int width) { return kBands[std::min(3, x * 4 / std::max(width, 1))]; }

bool TestClip::Write(const std::string& path, int width, int height, int frames, int framesPerSecond) {
  ClipWriter writer;
  if (!writer.Open(path, width, height, framesPerSecond)) return false;
  for (int i = 0; i < frames; ++i) {
    if (av_frame_make_writable(writer.frame) < 0 || !FillPicture(writer.frame, i)) return false;
    writer.frame->pts = i;
    if (!writer.Encode(writer.frame)) return false;
  }
  return writer.Encode(nullptr);
}

}  // namespace test_support
