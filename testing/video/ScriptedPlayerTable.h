#pragma once
// A player table whose answers a test programs, in place of the real library: it
// records every call with its arguments, answers each entry as programmed, reports a
// programmed playing state, and delivers "the stream plays" a programmed time after a
// stream is started or switched to, from a thread of its own on the virtual clock (a
// thread timer, so the test driver's Advance stops there). One at a time.
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "platform/video/SmartPlayerSDK.h"
#include "testing/driver/GuiThread.h"

namespace test_support {

struct PlayerCall {
  int entry = 0;
  SmartPlayerHandle handle = nullptr;  // every entry after 2
  HWND hwnd = nullptr;                 // 5, 17, 18
  long long value = 0;                 // 40 to 46: the setting
  std::string url;                     // 14, 63
  SmartEventCallBack callback = nullptr;  // 5

  bool operator==(const PlayerCall& other) const;
};
std::ostream& operator<<(std::ostream& out, const PlayerCall& call);

class ScriptedPlayerTable {
 public:
  // What entry 2 writes when it succeeds.
  static SmartPlayerHandle Handle();

  // Installs itself: GetSmartPlayerSDKAPI fills its entries from now on.
  ScriptedPlayerTable();
  // Puts the real table back; a stream still to play never does.
  ~ScriptedPlayerTable();
  ScriptedPlayerTable(const ScriptedPlayerTable&) = delete;
  ScriptedPlayerTable& operator=(const ScriptedPlayerTable&) = delete;

  // Every entry answers 0 until told otherwise; a failing entry changes nothing.
  void Answer(int entry, UINT result);
  // What 17 writes (1 until told otherwise).
  void SetRenderSupport(int supported);
  // What 57 writes (0 until told otherwise).
  void SetPlayState(int state);
  // A stream of `url` started by 21 or switched to by 63 calls the callback
  // `delayMs` later; a stop, a switch or a close before then cancels it.
  void PlaysAfter(const std::string& url, UINT delayMs);

  std::vector<PlayerCall> Calls() const;
  std::vector<int> Entries() const;
  int EventsDelivered() const;

  // What was programmed and called, shared with the entries.
  struct Script;

 private:
  std::shared_ptr<Script> script_;
  platform::headless::GuiThread events_;
};

}  // namespace test_support
