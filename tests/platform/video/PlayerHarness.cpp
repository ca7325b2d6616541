#include "tests/platform/video/PlayerHarness.h"

#include <chrono>
#include <dirent.h>
#include <fstream>
#include <map>
#include <mutex>
#include <thread>

namespace videotest {
namespace {

// What each window of a harness saw; windows are never reused, so nothing is reset.
struct WindowRecord {
  std::vector<ShownMessage> messages;
  int entered = 0;
  bool onCallersThread = false;
  DWORD guiThread = 0;
  DWORD startThread = 0;
};

std::mutex g_mutex;
std::map<HWND, WindowRecord> g_windows;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == PlayerHarness::kPlayerEvent) {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_windows[hwnd].messages.push_back(ShownMessage{hwnd, wParam, lParam});
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// What the program's player window does with an event: forward it to the window.
void CALLBACK OnPlayerEvent(SmartPlayerHandle, HWND hwnd, UINT eventId, LONG_PTR param) {
  {
    std::lock_guard<std::mutex> lock(g_mutex);
    WindowRecord& record = g_windows[hwnd];
    ++record.entered;
    const DWORD self = GetCurrentThreadId();
    if (self == record.guiThread || self == record.startThread) record.onCallersThread = true;
  }
  if (IsWindow(hwnd)) SendMessageW(hwnd, PlayerHarness::kPlayerEvent, WPARAM(eventId), LPARAM(param));
}

const wchar_t* WindowClass() {
  static const wchar_t* name = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &WindowProc;
    wc.lpszClassName = L"VideoTestWindow";
    RegisterClassW(&wc);
    return L"VideoTestWindow";
  }();
  return name;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, int limitMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

int PlayerThreadCount() {
  int count = 0;
  DIR* tasks = opendir("/proc/self/task");
  if (!tasks) return -1;
  while (dirent* entry = readdir(tasks)) {
    if (entry->d_name[0] == '.') continue;
    std::ifstream comm(std::string("/proc/self/task/") + entry->d_name + "/comm");
    std::string name;
    std::getline(comm, name);
    count += name.compare(0, 7, "player-") == 0;
  }
  closedir(tasks);
  return count;
}

bool WaitForPlayerThreadCount(int count, int limitMs) {
  return WaitUntil([count] { return PlayerThreadCount() == count; }, limitMs);
}

uint32_t FrameColour(const platform::backend::ChildFrame& frame, int x, int y) {
  const uint8_t* p = frame.Row(y) + x * 4;
  return uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

bool Near(uint32_t colour, uint32_t expected, int tolerance) {
  for (int shift = 0; shift < 24; shift += 8) {
    const int a = int((colour >> shift) & 0xFF);
    const int b = int((expected >> shift) & 0xFF);
    if (a - b > tolerance || b - a > tolerance) return false;
  }
  return true;
}

PlayerHarness::PlayerHarness() {
  GetSmartPlayerSDKAPI(&api);
  api.Init(0, nullptr);
  api.Open(&handle, nullptr, 0, nullptr);
  gui.Call([&] {
    top = CreateWindowExW(0, WindowClass(), L"camera", WS_POPUP | WS_VISIBLE, 0, 0, kClientWidth + 20,
                          kClientHeight + 40, nullptr, nullptr, nullptr, nullptr);
    video = CreateWindowExW(0, WindowClass(), L"player", WS_CHILD | WS_VISIBLE, 10, 20, kClientWidth, kClientHeight,
                            top, nullptr, nullptr, nullptr);
  });
  std::lock_guard<std::mutex> lock(g_mutex);
  g_windows[video].guiThread = gui.ThreadId();
}

PlayerHarness::~PlayerHarness() { Close(); }

void PlayerHarness::Close() {
  if (!handle) return;
  api.StopPlay(handle);
  gui.Call([&] { DestroyWindow(top); });
  api.Close(handle);
  handle = nullptr;
}

UINT PlayerHarness::Play(const std::string& url) {
  {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_windows[video].startThread = GetCurrentThreadId();
  }
  api.SetBuffer(handle, 200);
  api.SetTimeout(handle, 5);
  api.SetRotation(handle, 0);
  api.SetRtspTcp(handle, 1);
  api.SetFastStartup(handle, 1);
  if (UINT failed = api.SetURL(handle, url.c_str())) return failed;
  api.SetEventCallBack(handle, video, &OnPlayerEvent);
  int supported = 0;
  if (api.CanRenderToWindow(handle, video, &supported) == 0 && supported == 1) api.SetRenderWindow(handle, video);
  api.SetRenderScaleMode(handle, 0);
  api.SetMute(handle, 0);
  return api.StartPlay(handle);
}

int PlayerHarness::PlayState() {
  int state = -1;
  api.GetPlayState(handle, &state);
  return state;
}

std::vector<ShownMessage> PlayerHarness::Messages() const {
  std::lock_guard<std::mutex> lock(g_mutex);
  auto it = g_windows.find(video);
  return it == g_windows.end() ? std::vector<ShownMessage>() : it->second.messages;
}

bool PlayerHarness::WaitForMessages(size_t count, int limitMs) {
  return WaitUntil([&] { return Messages().size() >= count; }, limitMs);
}

int PlayerHarness::FrameCount() { return driver.Backend().FrameCount(video); }

std::shared_ptr<const platform::backend::ChildFrame> PlayerHarness::LastFrame() {
  return driver.Backend().LastFrame(video);
}

int PlayerHarness::CallbacksEntered() const {
  std::lock_guard<std::mutex> lock(g_mutex);
  auto it = g_windows.find(video);
  return it == g_windows.end() ? 0 : it->second.entered;
}

bool PlayerHarness::CallbackOnCallersThread() const {
  std::lock_guard<std::mutex> lock(g_mutex);
  auto it = g_windows.find(video);
  return it != g_windows.end() && it->second.onCallersThread;
}

}  // namespace videotest
