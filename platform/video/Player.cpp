#include "platform/video/Player.h"

#include <chrono>

#include <pthread.h>

#include "platform/user/ChildFrame.h"
#include "platform/user/WindowPos.h"
#include "platform/video/FrameScaler.h"
#include "platform/video/StreamInput.h"

namespace platform::video {
namespace {

// How long a stream that failed or ended waits before it is opened again, unless a
// stop or a switch comes first.
const std::chrono::milliseconds kReopenDelay(1000);

}  // namespace

Player::Player(SmartPlayerHandle handle) : handle_(handle) {}

Player::~Player() { Close(); }

void Player::ChangeSettings(const std::function<void(PlayerSettings&)>& change) {
  std::lock_guard<std::mutex> lock(mutex_);
  change(settings_);
}

void Player::SetUrl(const std::string& url) {
  std::lock_guard<std::mutex> lock(mutex_);
  url_ = url;
}

void Player::SetEventCallBack(HWND hwnd, SmartEventCallBack callback) {
  std::lock_guard<std::mutex> lock(mutex_);
  eventWindow_ = hwnd;
  callback_ = callback;
}

void Player::SetRenderWindow(HWND hwnd) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (hwnd == renderWindow_) return;
  if (renderWindow_) platform::ClearFrame(renderWindow_);
  renderWindow_ = hwnd;
}

bool Player::Start() {
  std::lock_guard<std::mutex> control(control_);
  if (decoder_.joinable()) return true;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (url_.empty()) return false;
    stopping_ = false;
  }
  decoder_ = std::thread([this] { Decode(); });
  pthread_setname_np(decoder_.native_handle(), "player-decode");
  return true;
}

void Player::Stop() {
  std::lock_guard<std::mutex> control(control_);
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
    EndStreamLocked();
  }
  wake_.notify_all();
  if (decoder_.joinable()) decoder_.join();
  events_.DropPending();
}

void Player::SwitchUrl(const std::string& url) {
  std::lock_guard<std::mutex> control(control_);
  {
    std::lock_guard<std::mutex> lock(mutex_);
    url_ = url;
    EndStreamLocked();
  }
  wake_.notify_all();
}

void Player::Close() {
  Stop();
  events_.Close();
}

void Player::EndStreamLocked() {
  ++generation_;
  playing_ = false;
  if (renderWindow_) platform::ClearFrame(renderWindow_);
}

bool Player::Interrupted(uint64_t generation) const { return stopping_.load() || generation_.load() != generation; }

void Player::Decode() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (!stopping_) {
    const std::string url = url_;
    const uint64_t generation = generation_;
    lock.unlock();
    PlayStream(url, generation);
    lock.lock();
    if (generation_ == generation) playing_ = false;
    wake_.wait_for(lock, kReopenDelay, [&] { return Interrupted(generation); });
  }
}

void Player::PlayStream(const std::string& url, uint64_t generation) {
  PlayerSettings settings;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    settings = settings_;
  }
  StreamInput input([this, generation] { return Interrupted(generation); }, settings);
  if (!input.Open(url)) return;
  FrameScaler scaler;
  bool shown = false;
  while (const AVFrame* frame = input.NextFrame()) {
    Show(frame, scaler, generation, &shown);
  }
}

void Player::Show(const AVFrame* frame, FrameScaler& scaler, uint64_t generation, bool* shown) {
  HWND window;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    window = renderWindow_;
  }
  RECT client{0, 0, 0, 0};
  const uint8_t* pixels = nullptr;
  if (window && GetClientRect(window, &client)) pixels = scaler.Scale(frame, client.right, client.bottom);
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (Interrupted(generation)) return;
    if (pixels && window == renderWindow_) {
      platform::PresentFrame(window, pixels, client.right, client.bottom, scaler.Stride());
    }
  }
  if (*shown) return;
  *shown = true;
  StreamShown(generation);
}

void Player::StreamShown(uint64_t generation) {
  PlayerEvent event;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (Interrupted(generation)) return;
    playing_ = true;
    event = PlayerEvent{callback_, handle_, eventWindow_, SMART_EVENT_STREAM_SHOWN, ++streamsShown_};
  }
  events_.Post(event);
}

}  // namespace platform::video
