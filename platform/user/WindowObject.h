#pragma once
// The layer's record of one window. Guarded by the user lock; kept alive by shared
// pointers so that a call that let go of the lock can still look at a window that
// was destroyed meanwhile (its state then says so).
#include <cairo.h>
#include <pixman.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/backend/BackendTypes.h"
#include "platform/user/ClassRecord.h"
#include "platform/user/Messages.h"

namespace platform::user {

class ThreadQueue;
class TopLevelImage;

class WindowObject {
 public:
  enum class State { Creating, Alive, Destroying, Destroyed };

  WindowObject();
  ~WindowObject();
  WindowObject(const WindowObject&) = delete;
  WindowObject& operator=(const WindowObject&) = delete;

  bool IsChild() const { return (style & 0x40000000L) != 0; }
  bool IsTopLevel() const { return !IsChild(); }
  bool Visible() const { return (style & 0x10000000L) != 0; }
  bool Enabled() const { return (style & 0x08000000L) == 0; }
  bool Gone() const { return state == State::Destroyed; }
  int Width() const { return rect.right - rect.left; }
  int Height() const { return rect.bottom - rect.top; }
  int ClientWidth() const { return client.right - client.left; }
  int ClientHeight() const { return client.bottom - client.top; }

  HWND handle = nullptr;
  ClassRecord* cls = nullptr;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  LONG_PTR id = 0;
  LONG_PTR userData = 0;
  HINSTANCE instance = nullptr;
  std::vector<BYTE> extra;
  WindowObject* parent = nullptr;  // the desktop for top-level windows
  HWND owner = nullptr;
  std::vector<WindowObject*> children;  // topmost first
  RECT rect{};    // in the parent's client coordinates (screen for top-level windows)
  RECT client{};  // relative to the window's top-left corner
  RECT normalRect{};  // the rectangle a restore goes back to
  bool hasNormalRect = false;
  bool restoreToMaximized = false;  // minimised from the maximised state
  // An overlapped window hears its first WM_SIZE and WM_MOVE when it is first shown or
  // sized, not when it is created.
  bool sizePending = false;
  ThreadQueue* queue = nullptr;
  DWORD threadId = 0;
  std::wstring text;
  std::vector<std::pair<std::wstring, HANDLE>> props;
  State state = State::Creating;

  pixman_region32_t update;  // client coordinates
  bool erasePending = false;
  bool internalPaint = false;
  bool painting = false;

  bool hasShape = false;
  pixman_region32_t shape;  // window coordinates

  BYTE layeredAlpha = 255;
  DWORD layeredFlags = 0;
  cairo_surface_t* layeredImage = nullptr;  // the last UpdateLayeredWindow picture

  backend::SurfaceId surface = 0;
  std::shared_ptr<TopLevelImage> image;  // top-level windows only
  HICON bigIcon = nullptr;
  HICON smallIcon = nullptr;
};

}  // namespace platform::user
