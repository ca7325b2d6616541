#pragma once
// An object that has a window or works inside one: the base of the in-place
// activation interfaces on both sides.
#include "platform/com/OleTypes.h"

extern const IID IID_IOleWindow;

struct IOleWindow : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetWindow(HWND* phwnd) = 0;
  virtual HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL fEnterMode) = 0;

 protected:
  ~IOleWindow() = default;
};
typedef IOleWindow* LPOLEWINDOW;
