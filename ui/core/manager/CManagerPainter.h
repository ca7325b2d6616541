#pragma once
// How a window manager puts its control tree on the screen: painted into an
// off-screen bitmap that is copied to the window, or, for a layered window,
// composed with per-pixel alpha and handed to UpdateLayeredWindow. The painter
// owns the off-screen DC and bitmap and what a layered window paints next.
#include <cstddef>

#include "platform/win32.h"

namespace SkinUI {

class CControlUI;
class CUIPtrArray;
class CWindowManagerUI;

class CManagerPainter {
 public:
  explicit CManagerPainter(CWindowManagerUI& manager);
  CManagerPainter(const CManagerPainter&) = delete;
  CManagerPainter& operator=(const CManagerPainter&) = delete;
  ~CManagerPainter();

  void SetLayered(bool bLayered);
  bool IsLayered() const;
  // Distances from the client edges inside which a layered window is made opaque.
  void SetOpaqueInset(const RECT& rcInset);
  // The next layered paint covers the whole client area.
  void RequestFullRepaint();
  // UpdateLayeredWindow replaces the whole image, so a layered window's next paint
  // redraws every area invalidated since its last one.
  void AddDirtyRect(const RECT& rc);
  // What the next layered paint redraws at least, whatever is invalidated.
  void SetDirtyRect(const RECT& rc);
  // The next paint makes the bitmap again, at the window's size then.
  void DeleteOffscreen();
  // Paints the tree and then the overlays of the post-paint controls, and shows
  // the result in the window.
  void Paint(const PAINTSTRUCT& ps, const RECT& rcUpdate, CControlUI& root, const CUIPtrArray& aPostPaint);

 private:
  void PaintOpaque(const PAINTSTRUCT& ps, CControlUI& root, const CUIPtrArray& aPostPaint);
  void PaintLayered(const PAINTSTRUCT& ps, const RECT& rcUpdate, CControlUI& root, const CUIPtrArray& aPostPaint);
  // Makes the layered window's opaque inset opaque within the painted area.
  void MakeInsetOpaque(const RECT& rcClient, const RECT& rcPaint, size_t nStride);
  // The off-screen bitmap's size; empty when there is none.
  SIZE OffscreenSize() const;

  CWindowManagerUI& m_manager;
  HDC m_hDcOffscreen;
  HBITMAP m_hbmpOffscreen;
  LPBYTE m_pOffscreenBits;  // the pixels of a layered window's DIB section
  bool m_bLayered;
  RECT m_rcLayeredUpdate;  // the dirty rectangle of a layered window
  RECT m_rcLayeredInset;   // made opaque in a layered window ("richeditcorner")
  bool m_bLayeredChanged;  // the next layered paint covers the whole client area
};

}  // namespace SkinUI
