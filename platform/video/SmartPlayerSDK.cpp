#include "platform/video/SmartPlayerSDK.h"

#include <atomic>
#include <mutex>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

#include "platform/video/PlayerRegistry.h"

using platform::video::Player;
using platform::video::PlayerRegistry;
using platform::video::PlayerSettings;

namespace {

std::atomic<platform::video::PlayerTableFiller> g_filler{nullptr};

template <typename Call>
UINT WithPlayer(SmartPlayerHandle handle, Call call) {
  std::shared_ptr<Player> player = PlayerRegistry::Instance().Find(handle);
  if (!player) return SMART_ERROR_BAD_HANDLE;
  return call(*player);
}

UINT Setting(SmartPlayerHandle handle, int PlayerSettings::*field, int value) {
  return WithPlayer(handle, [&](Player& p) {
    p.ChangeSettings([&](PlayerSettings& s) { s.*field = value; });
    return 0u;
  });
}

UINT WINAPI Unsupported(SmartPlayerHandle) { return SMART_ERROR_UNSUPPORTED; }

UINT WINAPI Init(UINT, void*) {
  static std::once_flag once;
  std::call_once(once, [] {
    avformat_network_init();
    // A camera that cannot be reached is not worth a line on the console each second.
    av_log_set_level(AV_LOG_FATAL);
  });
  return 0;
}

UINT WINAPI Open(SmartPlayerHandle* handle, HWND, UINT, void*) {
  if (!handle) return SMART_ERROR_BAD_ARGUMENT;
  *handle = PlayerRegistry::Instance().Open();
  return 0;
}

UINT WINAPI Close(SmartPlayerHandle handle) {
  std::shared_ptr<Player> player = PlayerRegistry::Instance().Take(handle);
  if (!player) return SMART_ERROR_BAD_HANDLE;
  player->Close();
  return 0;
}

UINT WINAPI SetEventCallBack(SmartPlayerHandle handle, HWND hwnd, SmartEventCallBack callback) {
  return WithPlayer(handle, [&](Player& p) {
    p.SetEventCallBack(hwnd, callback);
    return 0u;
  });
}

UINT WINAPI SetURL(SmartPlayerHandle handle, const char* url) {
  if (!url || !*url) return PlayerRegistry::Instance().Find(handle) ? SMART_ERROR_BAD_ARGUMENT : SMART_ERROR_BAD_HANDLE;
  return WithPlayer(handle, [&](Player& p) {
    p.SetUrl(url);
    return 0u;
  });
}

UINT WINAPI CanRenderToWindow(SmartPlayerHandle handle, HWND, int* supported) {
  return WithPlayer(handle, [&](Player&) {
    if (!supported) return UINT(SMART_ERROR_BAD_ARGUMENT);
    *supported = 1;
    return 0u;
  });
}

UINT WINAPI SetRenderWindow(SmartPlayerHandle handle, HWND hwnd) {
  return WithPlayer(handle, [&](Player& p) {
    p.SetRenderWindow(hwnd);
    return 0u;
  });
}

UINT WINAPI StartPlay(SmartPlayerHandle handle) {
  return WithPlayer(handle, [&](Player& p) { return p.Start() ? 0u : UINT(SMART_ERROR_BAD_ARGUMENT); });
}

UINT WINAPI StopPlay(SmartPlayerHandle handle) {
  return WithPlayer(handle, [&](Player& p) {
    p.Stop();
    return 0u;
  });
}

UINT WINAPI SetBuffer(SmartPlayerHandle h, int v) { return Setting(h, &PlayerSettings::bufferMs, v); }
UINT WINAPI SetMute(SmartPlayerHandle h, int v) { return Setting(h, &PlayerSettings::mute, v); }
UINT WINAPI SetRotation(SmartPlayerHandle h, int v) { return Setting(h, &PlayerSettings::rotation, v); }
UINT WINAPI SetTimeout(SmartPlayerHandle h, int v) { return Setting(h, &PlayerSettings::timeoutSeconds, v); }
UINT WINAPI SetRtspTcp(SmartPlayerHandle h, int v) { return Setting(h, &PlayerSettings::rtspTcp, v); }
UINT WINAPI SetFastStartup(SmartPlayerHandle h, int v) { return Setting(h, &PlayerSettings::fastStartup, v); }
UINT WINAPI SetRenderScaleMode(SmartPlayerHandle h, int v) { return Setting(h, &PlayerSettings::scaleMode, v); }

UINT WINAPI GetPlayState(SmartPlayerHandle handle, int* playing) {
  return WithPlayer(handle, [&](Player& p) {
    if (!playing) return UINT(SMART_ERROR_BAD_ARGUMENT);
    *playing = p.Playing() ? 1 : 0;
    return 0u;
  });
}

UINT WINAPI SwitchURL(SmartPlayerHandle handle, const char* url, UINT, UINT, void*) {
  if (!url || !*url) return PlayerRegistry::Instance().Find(handle) ? SMART_ERROR_BAD_ARGUMENT : SMART_ERROR_BAD_HANDLE;
  return WithPlayer(handle, [&](Player& p) {
    p.SwitchUrl(url);
    return 0u;
  });
}

void FillRealTable(SmartPlayerSDKAPI* table) {
  platform::video::FillUnsupported(table, &Unsupported);
  table->Init = &Init;
  table->Open = &Open;
  table->Close = &Close;
  table->SetEventCallBack = &SetEventCallBack;
  table->SetURL = &SetURL;
  table->CanRenderToWindow = &CanRenderToWindow;
  table->SetRenderWindow = &SetRenderWindow;
  table->StartPlay = &StartPlay;
  table->StopPlay = &StopPlay;
  table->SetBuffer = &SetBuffer;
  table->SetMute = &SetMute;
  table->SetRotation = &SetRotation;
  table->SetTimeout = &SetTimeout;
  table->SetRtspTcp = &SetRtspTcp;
  table->SetFastStartup = &SetFastStartup;
  table->SetRenderScaleMode = &SetRenderScaleMode;
  table->GetPlayState = &GetPlayState;
  table->SwitchURL = &SwitchURL;
}

}  // namespace

UINT WINAPI GetSmartPlayerSDKAPI(SmartPlayerSDKAPI* table) {
  if (!table) return SMART_ERROR_BAD_ARGUMENT;
  if (platform::video::PlayerTableFiller fill = g_filler.load()) {
    fill(table);
  } else {
    FillRealTable(table);
  }
  return 0;
}

namespace platform::video {

void InstallPlayerTable(PlayerTableFiller fill) { g_filler.store(fill); }

void FillUnsupported(SmartPlayerSDKAPI* table, SmartUnsupportedEntry entry) {
  table->Unsupported1 = entry;
  table->Unsupported4 = entry;
  for (auto& e : table->Unsupported6To13) e = entry;
  for (auto& e : table->Unsupported15To16) e = entry;
  for (auto& e : table->Unsupported19To20) e = entry;
  for (auto& e : table->Unsupported23To39) e = entry;
  for (auto& e : table->Unsupported47To56) e = entry;
  for (auto& e : table->Unsupported58To62) e = entry;
  for (auto& e : table->Unsupported64To67) e = entry;
}

}  // namespace platform::video
