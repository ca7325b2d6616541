// Frames into a window from another thread.
#include <cstring>

#include "platform/user/ChildFrame.h"
#include "platform/user/ChildFrameStore.h"
#include "platform/user/LayeredOps.h"
#include "platform/user/WindowHelpers.h"

using namespace platform::user;

namespace {

// Far beyond any camera; keeps the size arithmetic inside an int.
const int kLargestSide = 16384;

std::shared_ptr<const platform::backend::ChildFrame> CopyFrame(const void* pixels, int width, int height,
                                                               int stride) {
  auto frame = std::make_shared<platform::backend::ChildFrame>();
  frame->width = width;
  frame->height = height;
  frame->stride = width * 4;
  const size_t rowBytes = static_cast<size_t>(frame->stride);
  frame->pixels.reset(new uint8_t[rowBytes * static_cast<size_t>(height)]);
  const auto* source = static_cast<const uint8_t*>(pixels);
  for (int y = 0; y < height; ++y) {
    std::memcpy(frame->pixels.get() + rowBytes * static_cast<size_t>(y),
                source + static_cast<size_t>(stride) * static_cast<size_t>(y), rowBytes);
  }
  return frame;
}

// Has the window's top-level picture presented again on the window's own thread, which
// paints into that picture; the caller does not wait.
void AskForPresent(HWND hwnd) {
  RunOnOwnerThread(hwnd, [hwnd]() -> LRESULT {
    Guard guard = UserLock::Acquire();
    ChildFrameStore::Instance().PresentDone(hwnd);
    if (WindowObject* w = FindWindowObject(hwnd)) PresentTopLevel(RootOf(w));
    return 0;
  }, false);
}

// Lock held.
WindowObject* FramedWindow(HWND hwnd) {
  WindowObject* w = FindWindowObject(hwnd);
  if (!w || IsDesktop(w)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  return w;
}

}  // namespace

namespace platform {

BOOL PresentFrame(HWND hwnd, const void* pixels, int width, int height, int stride) {
  if (!pixels || width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide || stride < width * 4) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  {
    Guard guard = UserLock::Acquire();
    if (!FramedWindow(hwnd)) return FALSE;
  }
  // Copied outside the lock: a frame is megabytes.
  std::shared_ptr<const backend::ChildFrame> frame = CopyFrame(pixels, width, height, stride);
  bool ask = false;
  {
    Guard guard = UserLock::Acquire();
    if (!FramedWindow(hwnd)) return FALSE;
    ChildFrameStore& store = ChildFrameStore::Instance();
    store.Set(hwnd, frame);
    if (backend::Backend* b = ActiveBackend()) b->ChildFrameChanged(hwnd, frame);
    ask = store.MarkPresentWanted(hwnd);
  }
  if (ask) AskForPresent(hwnd);
  return TRUE;
}

BOOL ClearFrame(HWND hwnd) {
  {
    Guard guard = UserLock::Acquire();
    if (!FramedWindow(hwnd)) return FALSE;
    if (!ChildFrameStore::Instance().Remove(hwnd)) return TRUE;
    if (backend::Backend* b = ActiveBackend()) b->ChildFrameChanged(hwnd, nullptr);
  }
  AskForPresent(hwnd);
  return TRUE;
}

}  // namespace platform
