#pragma once
// The event thread of a player. The callback it calls sends a message to a window and
// waits for that window's thread; so nothing that stops a player waits for it: a stop
// only drops the events not yet delivered, and only closing the player joins the thread.
#include <memory>
#include <thread>

#include "platform/video/SmartPlayerSDK.h"

namespace platform::video {

struct PlayerEvent {
  SmartEventCallBack callback = nullptr;
  SmartPlayerHandle handle = nullptr;
  HWND hwnd = nullptr;
  UINT eventId = 0;
  LONG_PTR param = 0;
};

class PlayerEvents {
 public:
  PlayerEvents();
  // Closes.
  ~PlayerEvents();
  PlayerEvents(const PlayerEvents&) = delete;
  PlayerEvents& operator=(const PlayerEvents&) = delete;

  // Never waits for the callback.
  void Post(const PlayerEvent& event);
  void DropPending();
  // Drops what is pending and ends the thread, waiting for a callback under way;
  // called from inside a callback, it lets the thread end by itself afterwards.
  void Close();

 private:
  struct Queue;

  std::shared_ptr<Queue> queue_;  // shared with the thread, which may outlive this object
  std::thread thread_;
};

}  // namespace platform::video
