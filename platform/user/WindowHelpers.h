#pragma once
// Shared steps of the window layer. Functions marked "lock held" expect the caller to
// hold the user lock; the others take it themselves and may run window procedures.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/backend/Backend.h"
#include "platform/base/Error.h"
#include "platform/user/ThreadQueue.h"
#include "platform/user/WindowObject.h"

namespace platform::user {

// The backend, with the layer's input router attached; null when none can run.
backend::Backend* ActiveBackend();
uint64_t Now();

// Lock held.
WindowObject* FindWindowObject(HWND hwnd);
std::shared_ptr<WindowObject> FindWindowShared(HWND hwnd);
WindowObject* Desktop();
bool IsDesktop(const WindowObject* w);
// The top-level window `w` sits in, by the parents it has, whatever its style says.
WindowObject* RootOf(WindowObject* w);
bool IsDescendantOf(const WindowObject* w, const WindowObject* ancestor);
POINT WindowOriginOnScreen(const WindowObject* w);
POINT ClientOriginOnScreen(const WindowObject* w);
RECT ScreenRectOf(const WindowObject* w);
// Visible, with every ancestor visible.
bool IsShownOnScreen(const WindowObject* w);
// The deepest window under a screen point that can take mouse input, by geometry,
// shapes, click-through and layered alpha; disabled children hand it to their parent.
WindowObject* WindowAtPoint(POINT screen);
// The windows of a queue, parents before children, top-level windows in z-order.
std::vector<WindowObject*> WindowsOfQueue(const ThreadQueue* queue);
// The owned windows of `owner` (direct), in z-order.
std::vector<WindowObject*> OwnedWindows(const WindowObject* owner);
// Pushes the top-level z-order to the backend.
void SyncStacking();
ThreadQueue* CallingQueue();

// Not locked. Runs `call` on the window's object under the user lock and answers what
// it returns; when the window is gone the call does not run, the last error says so
// and the answer is `failed`.
template <typename Result, typename Call>
Result WithWindow(HWND hwnd, Result failed, Call call) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hwnd);
  if (!w) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return failed;
  }
  return call(w);
}

LRESULT SendMessageInternal(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Runs `call` on the thread that owns `hwnd`: directly when that is the calling
// thread, else as a sent call (waiting for it when `wait`). `*ran` says whether the
// window was there to run it; when it was not, the last error says so.
LRESULT RunOnOwnerThread(HWND hwnd, std::function<LRESULT()> call, bool wait, bool* ran = nullptr);
bool IsCallingThreadOwner(HWND hwnd);
// The same for a thread by id (its queue must exist); false when it has none.
bool RunOnThread(DWORD threadId, std::function<LRESULT()> call, bool wait);
MSG MakeMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform::user
