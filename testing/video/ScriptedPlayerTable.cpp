#include "testing/video/ScriptedPlayerTable.h"

#include <map>

#include "platform/user/Timer.h"
#include "platform/user/WindowHelpers.h"

namespace test_support {

namespace {

const UINT kNoStream = 0;

}  // namespace

struct ScriptedPlayerTable::Script {
  mutable std::mutex mutex;
  std::vector<PlayerCall> calls;
  std::map<int, UINT> answers;
  int renderSupport = 1;
  int playState = 0;
  std::map<std::string, UINT> playsAfter;
  std::string url;
  HWND eventWindow = nullptr;
  SmartEventCallBack callback = nullptr;
  uint64_t stream = kNoStream;  // bumped by each start, switch, stop and close
  int delivered = 0;
  DWORD eventThread = 0;

  UINT Record(const PlayerCall& call) {
    std::lock_guard<std::mutex> lock(mutex);
    calls.push_back(call);
    auto it = answers.find(call.entry);
    return it == answers.end() ? 0 : it->second;
  }
};

namespace {

std::mutex g_mutex;
std::shared_ptr<ScriptedPlayerTable::Script> g_script;
// The thread timers of streams still to play, to the stream each stands for.
std::map<UINT_PTR, uint64_t> g_timers;

std::shared_ptr<ScriptedPlayerTable::Script> Current() {
  std::lock_guard<std::mutex> lock(g_mutex);
  return g_script;
}

PlayerCall Call(int entry, SmartPlayerHandle handle) {
  PlayerCall call;
  call.entry = entry;
  call.handle = handle;
  return call;
}

void CALLBACK StreamPlays(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  std::shared_ptr<ScriptedPlayerTable::Script> script = Current();
  uint64_t stream;
  {
    std::lock_guard<std::mutex> lock(g_mutex);
    stream = g_timers[timer];
    g_timers.erase(timer);
  }
  if (!script) return;
  SmartEventCallBack callback;
  HWND hwnd;
  LONG_PTR count;
  {
    std::lock_guard<std::mutex> lock(script->mutex);
    if (stream != script->stream || !script->callback) return;
    callback = script->callback;
    hwnd = script->eventWindow;
    count = ++script->delivered;
  }
  callback(ScriptedPlayerTable::Handle(), hwnd, SMART_EVENT_STREAM_SHOWN, count);
}

// Lock of `script` held. A new stream of the script's URL; plays when programmed to.
void StartStream(ScriptedPlayerTable::Script& script) {
  const uint64_t stream = ++script.stream;
  auto it = script.playsAfter.find(script.url);
  if (it == script.playsAfter.end()) return;
  const UINT delay = it->second;
  platform::user::RunOnThread(script.eventThread, [stream, delay]() -> LRESULT {
    const UINT_PTR timer = SetTimer(nullptr, 0, delay, &StreamPlays);
    std::lock_guard<std::mutex> lock(g_mutex);
    g_timers[timer] = stream;
    return 0;
  }, false);
}

}  // namespace

// The entries, as plain functions over the installed script.
struct ScriptedEntries {
  static UINT Respond(const PlayerCall& call) {
    std::shared_ptr<ScriptedPlayerTable::Script> script = Current();
    return script ? script->Record(call) : SMART_ERROR_UNSUPPORTED;
  }

  template <int Entry>
  static UINT WINAPI Unsupported(SmartPlayerHandle handle) {
    Respond(Call(Entry, handle));
    return SMART_ERROR_UNSUPPORTED;
  }

  static UINT WINAPI Init(UINT, void*) { return Respond(Call(0, nullptr)); }

  static UINT WINAPI Open(SmartPlayerHandle* handle, HWND, UINT, void*) {
    const UINT answer = Respond(Call(2, nullptr));
    if (answer == 0 && handle) *handle = ScriptedPlayerTable::Handle();
    return answer;
  }

  static UINT WINAPI Close(SmartPlayerHandle handle) { return EndStream(Call(3, handle)); }
  static UINT WINAPI StopPlay(SmartPlayerHandle handle) { return EndStream(Call(22, handle)); }

  static UINT EndStream(const PlayerCall& call) {
    const UINT answer = Respond(call);
    if (std::shared_ptr<ScriptedPlayerTable::Script> script = Current()) {
      std::lock_guard<std::mutex> lock(script->mutex);
      ++script->stream;
    }
    return answer;
  }

  static UINT WINAPI SetEventCallBack(SmartPlayerHandle handle, HWND hwnd, SmartEventCallBack callback) {
    PlayerCall call = Call(5, handle);
    call.hwnd = hwnd;
    call.callback = callback;
    const UINT answer = Respond(call);
    if (answer != 0) return answer;
    std::shared_ptr<ScriptedPlayerTable::Script> script = Current();
    std::lock_guard<std::mutex> lock(script->mutex);
    script->eventWindow = hwnd;
    script->callback = callback;
    return 0;
  }

  static UINT WINAPI SetURL(SmartPlayerHandle handle, const char* url) {
    PlayerCall call = Call(14, handle);
    call.url = url ? url : "";
    const UINT answer = Respond(call);
    if (answer != 0) return answer;
    std::shared_ptr<ScriptedPlayerTable::Script> script = Current();
    std::lock_guard<std::mutex> lock(script->mutex);
    script->url = call.url;
    return 0;
  }

  static UINT WINAPI CanRenderToWindow(SmartPlayerHandle handle, HWND hwnd, int* supported) {
    PlayerCall call = Call(17, handle);
    call.hwnd = hwnd;
    const UINT answer = Respond(call);
    std::shared_ptr<ScriptedPlayerTable::Script> script = Current();
    if (supported && script) {
      std::lock_guard<std::mutex> lock(script->mutex);
      *supported = script->renderSupport;
    }
    return answer;
  }

  static UINT WINAPI SetRenderWindow(SmartPlayerHandle handle, HWND hwnd) {
    PlayerCall call = Call(18, handle);
    call.hwnd = hwnd;
    return Respond(call);
  }

  static UINT WINAPI StartPlay(SmartPlayerHandle handle) {
    const UINT answer = Respond(Call(21, handle));
    if (answer != 0) return answer;
    std::shared_ptr<ScriptedPlayerTable::Script> script = Current();
    std::lock_guard<std::mutex> lock(script->mutex);
    StartStream(*script);
    return 0;
  }

  template <int Entry>
  static UINT WINAPI Setting(SmartPlayerHandle handle, int value) {
    PlayerCall call = Call(Entry, handle);
    call.value = value;
    return Respond(call);
  }

  static UINT WINAPI GetPlayState(SmartPlayerHandle handle, int* playing) {
    const UINT answer = Respond(Call(57, handle));
    std::shared_ptr<ScriptedPlayerTable::Script> script = Current();
    if (playing && script) {
      std::lock_guard<std::mutex> lock(script->mutex);
      *playing = script->playState;
    }
    return answer;
  }

  static UINT WINAPI SwitchURL(SmartPlayerHandle handle, const char* url, UINT, UINT, void*) {
    PlayerCall call = Call(63, handle);
    call.url = url ? url : "";
    const UINT answer = Respond(call);
    if (answer != 0) return answer;
    std::shared_ptr<ScriptedPlayerTable::Script> script = Current();
    std::lock_guard<std::mutex> lock(script->mutex);
    script->url = call.url;
    StartStream(*script);
    return 0;
  }

  template <int First, size_t N>
  static void FillRange(SmartUnsupportedEntry (&entries)[N]) {
    FillRangeFrom<First, 0, N>(entries);
  }
  template <int First, size_t I, size_t N>
  static void FillRangeFrom(SmartUnsupportedEntry (&entries)[N]) {
    if constexpr (I < N) {
      entries[I] = &Unsupported<First + int(I)>;
      FillRangeFrom<First, I + 1, N>(entries);
    }
  }

  static void Fill(SmartPlayerSDKAPI* table) {
    table->Init = &Init;
    table->Unsupported1 = &Unsupported<1>;
    table->Open = &Open;
    table->Close = &Close;
    table->Unsupported4 = &Unsupported<4>;
    table->SetEventCallBack = &SetEventCallBack;
    FillRange<6>(table->Unsupported6To13);
    table->SetURL = &SetURL;
    FillRange<15>(table->Unsupported15To16);
    table->CanRenderToWindow = &CanRenderToWindow;
    table->SetRenderWindow = &SetRenderWindow;
    FillRange<19>(table->Unsupported19To20);
    table->StartPlay = &StartPlay;
    table->StopPlay = &StopPlay;
    FillRange<23>(table->Unsupported23To39);
    table->SetBuffer = &Setting<40>;
    table->SetMute = &Setting<41>;
    table->SetRotation = &Setting<42>;
    table->SetTimeout = &Setting<43>;
    table->SetRtspTcp = &Setting<44>;
    table->SetFastStartup = &Setting<45>;
    table->SetRenderScaleMode = &Setting<46>;
    FillRange<47>(table->Unsupported47To56);
    table->GetPlayState = &GetPlayState;
    FillRange<58>(table->Unsupported58To62);
    table->SwitchURL = &SwitchURL;
    FillRange<64>(table->Unsupported64To67);
  }
};

bool PlayerCall::operator==(const PlayerCall& other) const {
  return entry == other.entry && handle == other.handle && hwnd == other.hwnd && value == other.value &&
         url == other.url && callback == other.callback;
}

std::ostream& operator<<(std::ostream& out, const PlayerCall& call) {
  out << "entry " << call.entry << "(" << call.handle;
  if (call.hwnd) out << ", hwnd " << call.hwnd;
  if (call.entry >= 40 && call.entry <= 46) out << ", " << call.value;
  if (!call.url.empty()) out << ", \"" << call.url << "\"";
  if (call.callback) out << ", callback";
  return out << ")";
}

SmartPlayerHandle ScriptedPlayerTable::Handle() { return reinterpret_cast<SmartPlayerHandle>(uintptr_t(0x5C0001)); }

ScriptedPlayerTable::ScriptedPlayerTable() : script_(std::make_shared<Script>()) {
  script_->eventThread = events_.ThreadId();
  {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_script = script_;
    g_timers.clear();
  }
  platform::video::InstallPlayerTable(&ScriptedEntries::Fill);
}

ScriptedPlayerTable::~ScriptedPlayerTable() {
  platform::video::InstallPlayerTable(nullptr);
  std::lock_guard<std::mutex> lock(g_mutex);
  g_script.reset();
}

void ScriptedPlayerTable::Answer(int entry, UINT result) {
  std::lock_guard<std::mutex> lock(script_->mutex);
  script_->answers[entry] = result;
}

void ScriptedPlayerTable::SetRenderSupport(int supported) {
  std::lock_guard<std::mutex> lock(script_->mutex);
  script_->renderSupport = supported;
}

void ScriptedPlayerTable::SetPlayState(int state) {
  std::lock_guard<std::mutex> lock(script_->mutex);
  script_->playState = state;
}

void ScriptedPlayerTable::PlaysAfter(const std::string& url, UINT delayMs) {
  std::lock_guard<std::mutex> lock(script_->mutex);
  script_->playsAfter[url] = delayMs;
}

std::vector<PlayerCall> ScriptedPlayerTable::Calls() const {
  std::lock_guard<std::mutex> lock(script_->mutex);
  return script_->calls;
}

std::vector<int> ScriptedPlayerTable::Entries() const {
  std::vector<int> entries;
  for (const PlayerCall& call : Calls()) entries.push_back(call.entry);
  return entries;
}

int ScriptedPlayerTable::EventsDelivered() const {
  std::lock_guard<std::mutex> lock(script_->mutex);
  return script_->delivered;
}

}  // namespace test_support
