#pragma once
// The browser object's window: a child of its container's window that shows the latest
// frame of the object's web view, asking for a new one every 30 ms. Until a page has
// drawn it stays hidden, so that the container's own background shows where a blank
// white sheet would be.
#include "platform/web/Wke.h"
#include "platform/win32.h"

namespace platform::web {

class BrowserWindow {
 public:
  // A child of `parent` at `rect` (in the parent's client area), visible when
  // `pageDrawn`. The view is not owned and may be null (no engine): the window is then
  // plain white.
  BrowserWindow(HWND parent, const RECT& rect, wkeWebView view, bool pageDrawn);
  ~BrowserWindow();
  BrowserWindow(const BrowserWindow&) = delete;
  BrowserWindow& operator=(const BrowserWindow&) = delete;

  HWND Handle() const { return hwnd_; }
  void Move(const RECT& rect);
  // A page has drawn in the view: the window shows it from now on.
  void ShowPage();

 private:
  static LRESULT CALLBACK WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
  void Paint(HDC hdc);
  // The bitmap the view's frame is copied into, made again when the view's size changed;
  // false when there is nothing to copy.
  bool EnsureBitmap(int width, int height);
  void FreeBitmap();

  HWND hwnd_ = nullptr;
  wkeWebView view_;
  HDC memory_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  void* bits_ = nullptr;
  int bitmapWidth_ = 0;
  int bitmapHeight_ = 0;
};

}  // namespace platform::web
