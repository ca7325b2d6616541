#pragma once
// One player: its settings, the stream URL, the window frames go to, the event
// callback, a decoding thread while it plays and an event thread while it lives.
//
// Deadlocks are designed out: the decoding thread never waits for a window's thread
// (frames and events are handed over without waiting), stopping joins only the
// decoding thread, and only closing joins the event thread.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "platform/video/PlayerEvents.h"
#include "platform/video/PlayerSettings.h"
#include "platform/video/SmartPlayerSDK.h"

extern "C" {
struct AVFrame;
}

namespace platform::video {

class FrameScaler;

class Player {
 public:
  explicit Player(SmartPlayerHandle handle);
  // Closes.
  ~Player();
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  // Changes apply to the next stream opened.
  void ChangeSettings(const std::function<void(PlayerSettings&)>& change);
  void SetUrl(const std::string& url);
  void SetEventCallBack(HWND hwnd, SmartEventCallBack callback);
  void SetRenderWindow(HWND hwnd);
  // Starts the decoding thread; true when it runs (or already ran). False without a URL.
  bool Start();
  // Interrupts the input, joins the decoding thread and clears the picture.
  void Stop();
  // The stream in play (if any) ends at once and `url` is opened instead.
  void SwitchUrl(const std::string& url);
  bool Playing() const { return playing_.load(); }
  // Stops, then ends the event thread.
  void Close();

 private:
  void Decode();
  // Plays one stream until it ends or is interrupted.
  void PlayStream(const std::string& url, uint64_t generation);
  void Show(const AVFrame* frame, FrameScaler& scaler, uint64_t generation, bool* shown);
  // The stream `generation` showed its first frame.
  void StreamShown(uint64_t generation);
  bool Interrupted(uint64_t generation) const;
  // Lock held: the picture of the window goes, and no frame of an earlier stream
  // comes after.
  void EndStreamLocked();

  const SmartPlayerHandle handle_;
  std::mutex control_;  // one start, stop, switch or close at a time

  mutable std::mutex mutex_;  // what the decoding thread reads; frames are presented under it
  std::condition_variable wake_;
  PlayerSettings settings_;
  std::string url_;
  HWND renderWindow_ = nullptr;
  HWND eventWindow_ = nullptr;
  SmartEventCallBack callback_ = nullptr;
  LONG_PTR streamsShown_ = 0;
  std::atomic<uint64_t> generation_{0};  // a new value ends the stream in play
  std::atomic<bool> stopping_{false};
  std::atomic<bool> playing_{false};

  std::thread decoder_;
  PlayerEvents events_;
};

}  // namespace platform::video
