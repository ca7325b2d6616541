#pragma once
// Receives the backend's input and queues it for the thread that owns the target:
// mouse input for the window under the pointer (or holding the capture), keys for
// the foreground window's thread. Also keeps mouse-leave and hover tracking.
#include "platform/backend/EventSink.h"

namespace platform::user {

class InputRouter : public backend::EventSink {
 public:
  static InputRouter& Instance();

  void PointerMoved(POINT screen) override;
  void ButtonChanged(backend::MouseButton button, bool down, POINT screen) override;
  void WheelTurned(int delta, POINT screen) override;
  void KeyChanged(UINT vk, bool down, const std::wstring& text) override;
  void TextCommitted(const std::wstring& text) override;
  void FocusLeftProgram() override;
  void FocusReturned(HWND hwnd) override;
  void CloseRequested(HWND hwnd) override;
  void RestoreRequested(HWND hwnd) override;

 private:
  InputRouter() = default;
  void RouteMouse(UINT message, POINT screen);
};

}  // namespace platform::user
