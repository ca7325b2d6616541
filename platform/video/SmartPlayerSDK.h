#pragma once
// The video player library: one export, GetSmartPlayerSDKAPI, fills a table of 68
// entries. The entries the program calls play live RTSP streams (or local files) into
// a window; every other entry answers an error. Entries take the player handle that
// entry 2 wrote and answer 0 on success.
#include <cstdint>

#include "platform/base/WinTypes.h"

typedef void* SmartPlayerHandle;

// Called from an event thread of the player, never from the caller's thread.
typedef void(CALLBACK* SmartEventCallBack)(SmartPlayerHandle handle, HWND hwnd, UINT eventId, LONG_PTR param);

// The one event: a stream started showing frames. Its parameter counts the streams this
// player has shown, 1 for the first.
#define SMART_EVENT_STREAM_SHOWN 1

// Non-zero answers.
#define SMART_ERROR_UNSUPPORTED 1
#define SMART_ERROR_BAD_HANDLE 2
#define SMART_ERROR_BAD_ARGUMENT 3

typedef UINT(WINAPI* SmartUnsupportedEntry)(SmartPlayerHandle handle);

struct SmartPlayerSDKAPI {
  UINT(WINAPI* Init)(UINT flags, void* reserved);                                    // 0
  SmartUnsupportedEntry Unsupported1;                                                // 1
  UINT(WINAPI* Open)(SmartPlayerHandle* handle, HWND hwnd, UINT flags, void* reserved);  // 2
  UINT(WINAPI* Close)(SmartPlayerHandle handle);                                     // 3
  SmartUnsupportedEntry Unsupported4;                                                // 4
  UINT(WINAPI* SetEventCallBack)(SmartPlayerHandle handle, HWND hwnd, SmartEventCallBack callback);  // 5
  SmartUnsupportedEntry Unsupported6To13[8];
  UINT(WINAPI* SetURL)(SmartPlayerHandle handle, const char* url);                   // 14
  SmartUnsupportedEntry Unsupported15To16[2];
  // Writes 1 when frames can be shown in the window (always, here).
  UINT(WINAPI* CanRenderToWindow)(SmartPlayerHandle handle, HWND hwnd, int* supported);  // 17
  UINT(WINAPI* SetRenderWindow)(SmartPlayerHandle handle, HWND hwnd);                // 18
  SmartUnsupportedEntry Unsupported19To20[2];
  UINT(WINAPI* StartPlay)(SmartPlayerHandle handle);                                 // 21
  UINT(WINAPI* StopPlay)(SmartPlayerHandle handle);                                  // 22
  SmartUnsupportedEntry Unsupported23To39[17];
  // Settings, taken by the next stream opened.
  UINT(WINAPI* SetBuffer)(SmartPlayerHandle handle, int milliseconds);               // 40: reordering delay
  UINT(WINAPI* SetMute)(SmartPlayerHandle handle, int mute);                         // 41: kept; no sound is played
  UINT(WINAPI* SetRotation)(SmartPlayerHandle handle, int degrees);                  // 42: kept; 0 only
  UINT(WINAPI* SetTimeout)(SmartPlayerHandle handle, int seconds);                   // 43: silence that ends a stream
  UINT(WINAPI* SetRtspTcp)(SmartPlayerHandle handle, int tcp);                       // 44: RTSP over TCP
  UINT(WINAPI* SetFastStartup)(SmartPlayerHandle handle, int fast);                  // 45: probe little before playing
  UINT(WINAPI* SetRenderScaleMode)(SmartPlayerHandle handle, int mode);              // 46: kept; 0 = fill the window
  SmartUnsupportedEntry Unsupported47To56[10];
  // Writes 1 while frames are decoded and shown, else 0.
  UINT(WINAPI* GetPlayState)(SmartPlayerHandle handle, int* playing);                // 57
  SmartUnsupportedEntry Unsupported58To62[5];
  UINT(WINAPI* SwitchURL)(SmartPlayerHandle handle, const char* url, UINT flags, UINT reserved1, void* reserved2);  // 63
  SmartUnsupportedEntry Unsupported64To67[4];
};

static_assert(sizeof(SmartPlayerSDKAPI) == 68 * sizeof(void*), "the table has 68 entries");

// Non-zero when `table` is null.
UINT WINAPI GetSmartPlayerSDKAPI(SmartPlayerSDKAPI* table);

namespace platform::video {

// Tests put a scripted table in place of the real one: GetSmartPlayerSDKAPI calls
// `fill` instead while it is installed; null puts the real table back.
typedef void (*PlayerTableFiller)(SmartPlayerSDKAPI* table);
void InstallPlayerTable(PlayerTableFiller fill);

// The unsupported entries, in table order, for whoever fills a table.
void FillUnsupported(SmartPlayerSDKAPI* table, SmartUnsupportedEntry entry);

}  // namespace platform::video
