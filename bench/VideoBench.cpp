// The video player's two costs. From entry 21 to the first frame handed to the window,
// against the loopback camera (scripts/rtsp-source, port 554, so root), beside a plain
// FFmpeg open, probe and decode of the same stream with FFmpeg's default probing; and
// frames decoded, scaled and handed to a 1280x720 window per second from a local clip,
// beside a plain FFmpeg decode loop of the same clip. The ratios are what the player's
// small probe saves at start, and what scaling and presenting cost per frame.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include "platform/video/SmartPlayerSDK.h"
#include "platform/win32.h"
#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "testing/files/ScratchFolder.h"
#include "testing/video/RtspSource.h"
#include "testing/video/TestClip.h"

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 720;
constexpr int kClipFrames = 200;
constexpr int kLimitMs = 20000;

using Clock = std::chrono::steady_clock;

// A player showing into a 1280x720 child window on a GUI thread.
class Stage {
 public:
  Stage() {
    gui_.Call([&] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = &DefWindowProcW;
      wc.lpszClassName = L"VideoBenchWindow";
      RegisterClassW(&wc);
      top_ = CreateWindowExW(0, L"VideoBenchWindow", L"", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight, nullptr,
                             nullptr, nullptr, nullptr);
      video_ = CreateWindowExW(0, L"VideoBenchWindow", L"", WS_CHILD | WS_VISIBLE, 0, 0, kWidth, kHeight, top_,
                               nullptr, nullptr, nullptr);
    });
    GetSmartPlayerSDKAPI(&api_);
    api_.Init(0, nullptr);
  }
  ~Stage() {
    gui_.Call([&] { DestroyWindow(top_); });
  }

  // Starts `url` on a new player and answers the seconds until `frames` frames were
  // handed to the window; negative when they did not come.
  double Play(const std::string& url, int frames) {
    SmartPlayerHandle handle = nullptr;
    api_.Open(&handle, nullptr, 0, nullptr);
    api_.SetURL(handle, url.c_str());
    api_.SetRenderWindow(handle, video_);
    const int before = driver_.Backend().FrameCount(video_);
    const auto start = Clock::now();
    api_.StartPlay(handle);
    const auto limit = start + std::chrono::milliseconds(kLimitMs);
    while (driver_.Backend().FrameCount(video_) < before + frames && Clock::now() < limit) {
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    const auto end = Clock::now();
    const bool came = driver_.Backend().FrameCount(video_) >= before + frames;
    api_.StopPlay(handle);
    api_.Close(handle);
    return came ? std::chrono::duration<double>(end - start).count() : -1;
  }

 private:
  platform::headless::TestDriver driver_;
  platform::headless::GuiThread gui_;
  SmartPlayerSDKAPI api_{};
  HWND top_ = nullptr;
  HWND video_ = nullptr;
};

// Opens `url` with FFmpeg's defaults (RTSP over TCP) and decodes until `frames` pictures
// came; the seconds that took, negative on failure.
double PlainDecode(const std::string& url, int frames) {
  const auto start = Clock::now();
  AVFormatContext* format = nullptr;
  AVDictionary* options = nullptr;
  if (url.compare(0, 7, "rtsp://") == 0) av_dict_set(&options, "rtsp_transport", "tcp", 0);
  const int opened = avformat_open_input(&format, url.c_str(), nullptr, &options);
  av_dict_free(&options);
  if (opened < 0) return -1;
  double seconds = -1;
  const AVCodec* decoder = nullptr;
  AVCodecContext* codec = nullptr;
  AVPacket* packet = av_packet_alloc();
  AVFrame* frame = av_frame_alloc();
  int stream = -1;
  if (avformat_find_stream_info(format, nullptr) >= 0 &&
      (stream = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0)) >= 0) {
    codec = avcodec_alloc_context3(decoder);
    avcodec_parameters_to_context(codec, format->streams[stream]->codecpar);
    if (avcodec_open2(codec, decoder, nullptr) >= 0) {
      int decoded = 0;
      while (decoded < frames && av_read_frame(format, packet) >= 0) {
        if (packet->stream_index == stream && avcodec_send_packet(codec, packet) >= 0) {
          while (avcodec_receive_frame(codec, frame) == 0) ++decoded;
        }
        av_packet_unref(packet);
      }
      if (decoded < frames) {
        avcodec_send_packet(codec, nullptr);
        while (avcodec_receive_frame(codec, frame) == 0) ++decoded;
      }
      if (decoded >= frames) seconds = std::chrono::duration<double>(Clock::now() - start).count();
    }
  }
  av_frame_free(&frame);
  av_packet_free(&packet);
  avcodec_free_context(&codec);
  avformat_close_input(&format);
  return seconds;
}

test_support::RtspSource& Camera() {
  static test_support::RtspSource source{test_support::RtspSource::Options{}};
  return source;
}

const std::string& Clip() {
  static test_support::ScratchFolder folder;
  static const std::string path = [] {
    const std::string p = folder.file("clip720.mkv");
    test_support::TestClip::Write(p, kWidth, kHeight, kClipFrames);
    return p;
  }();
  return path;
}

// Reports each iteration's own seconds; stops the run on a failure.
template <typename Run>
void Timed(benchmark::State& state, Run run, int itemsPerIteration) {
  for (auto _ : state) {
    const double seconds = run();
    if (seconds < 0) {
      state.SkipWithError("the stream did not play");
      return;
    }
    state.SetIterationTime(seconds);
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * itemsPerIteration);
}

void BM_PlayerFirstFrameFromCamera(benchmark::State& state) {
  if (!Camera().Ready()) {
    state.SkipWithError(Camera().Error().c_str());
    return;
  }
  Stage stage;
  Timed(state, [&] { return stage.Play(Camera().Url(1), 1); }, 1);
}

void BM_PlainFirstFrameFromCamera(benchmark::State& state) {
  if (!Camera().Ready()) {
    state.SkipWithError(Camera().Error().c_str());
    return;
  }
  Timed(state, [] { return PlainDecode(Camera().Url(1), 1); }, 1);
}

void BM_PlayerClipDecodeScalePresent(benchmark::State& state) {
  Stage stage;
  Timed(state, [&] { return stage.Play(Clip(), kClipFrames); }, kClipFrames);
}

void BM_PlainClipDecode(benchmark::State& state) {
  Timed(state, [] { return PlainDecode(Clip(), kClipFrames); }, kClipFrames);
}

BENCHMARK(BM_PlayerFirstFrameFromCamera)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainFirstFrameFromCamera)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayerClipDecodeScalePresent)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainClipDecode)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
