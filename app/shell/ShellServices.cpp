#include "app/shell/ShellServices.h"

#include <mutex>
#include <utility>

#include "app/shell/PhotoFeedBackWindow.h"

PhotoFeedBackWindow* g_pFeedBackWnd = nullptr;

namespace {

std::mutex& HandlerMutex() {
  static std::mutex mutex;
  return mutex;
}

ToastHandler& CurrentHandler() {
  static ToastHandler handler;
  return handler;
}

}  // namespace

void ShowToast(const std::wstring& text, int seconds) {
  // Copied under the lock and called outside it, so a handler may itself replace
  // the handler or take its time without blocking other callers.
  ToastHandler handler;
  {
    std::lock_guard<std::mutex> lock(HandlerMutex());
    handler = CurrentHandler();
  }
  if (handler) {
    handler(text, seconds);
    return;
  }
  PhotoFeedBackWindow* toast = g_pFeedBackWnd;
  if (toast != nullptr) toast->ShowToast(text, seconds);
}

ToastHandler SetToastHandler(ToastHandler handler) {
  std::lock_guard<std::mutex> lock(HandlerMutex());
  std::swap(CurrentHandler(), handler);
  return handler;
}
