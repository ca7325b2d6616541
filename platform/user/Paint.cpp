// Update regions, painting, window device contexts and window shapes.
#include <map>

#include "platform/base/Error.h"
#include "platform/base/Module.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/SurfaceDC.h"
#include "platform/user/CaretPainter.h"
#include "platform/user/ChildFrameStore.h"
#include "platform/user/LayeredOps.h"
#include "platform/user/Paint.h"
#include "platform/user/PaintOps.h"
#include "platform/user/Styles.h"
#include "platform/user/TopLevelImage.h"
#include "platform/user/WindowHelpers.h"

using namespace platform::user;
namespace backend = platform::backend;

namespace platform::user {
namespace {

// Where a window's client area lies in its top-level window's picture.
POINT ClientOriginInRoot(const WindowObject* w) {
  POINT p{w->client.left, w->client.top};
  for (; w && w->IsChild() && w->parent && !IsDesktop(w->parent); w = w->parent) {
    p.x += w->rect.left + w->parent->client.left;
    p.y += w->rect.top + w->parent->client.top;
  }
  return p;
}

void SubtractRect(pixman_region32_t* region, int x, int y, int w, int h) {
  pixman_region32_t cut;
  pixman_region32_init_rect(&cut, x, y, unsigned(std::max(w, 0)), unsigned(std::max(h, 0)));
  pixman_region32_subtract(region, region, &cut);
  pixman_region32_fini(&cut);
}

void IntersectRect(pixman_region32_t* region, int x, int y, int w, int h) {
  pixman_region32_t keep;
  pixman_region32_init_rect(&keep, x, y, unsigned(std::max(w, 0)), unsigned(std::max(h, 0)));
  pixman_region32_intersect(region, region, &keep);
  pixman_region32_fini(&keep);
}

// Cuts the siblings lying above `w` (in the coordinates `origin` gives for w's parent's client area).
void CutSiblingsAbove(const WindowObject* w, pixman_region32_t* region, POINT parentOrigin) {
  for (const WindowObject* s : w->parent->children) {
    if (s == w) break;
    if (!s->Visible()) continue;
    SubtractRect(region, parentOrigin.x + s->rect.left, parentOrigin.y + s->rect.top, s->Width(), s->Height());
  }
}

}  // namespace

// The part of `w`'s client area that shows, in its client coordinates.
void VisibleRegion(const WindowObject* w, bool clipChildren, pixman_region32_t* out) {
  const POINT origin = ClientOriginInRoot(w);
  pixman_region32_init_rect(out, origin.x, origin.y, unsigned(w->ClientWidth()), unsigned(w->ClientHeight()));
  for (const WindowObject* c = w; c->IsChild() && c->parent && !IsDesktop(c->parent); c = c->parent) {
    const WindowObject* p = c->parent;
    const POINT po = ClientOriginInRoot(p);
    IntersectRect(out, po.x, po.y, p->ClientWidth(), p->ClientHeight());
    if (c->style & WS_CLIPSIBLINGS) CutSiblingsAbove(c, out, po);
  }
  if (clipChildren && (w->style & WS_CLIPCHILDREN)) {
    for (const WindowObject* child : w->children) {
      if (!child->Visible()) continue;
      SubtractRect(out, origin.x + child->rect.left, origin.y + child->rect.top, child->Width(), child->Height());
    }
  }
  pixman_region32_translate(out, -origin.x, -origin.y);
}

void InvalidateWindowTree(WindowObject* w, bool erase) {
  pixman_region32_fini(&w->update);
  pixman_region32_init_rect(&w->update, 0, 0, unsigned(w->ClientWidth()), unsigned(w->ClientHeight()));
  if (erase) w->erasePending = true;
  for (WindowObject* child : w->children) {
    if (child->Visible()) InvalidateWindowTree(child, erase);
  }
  if (w->queue) w->queue->Wake();
}

namespace {

void InvalidateRegion(WindowObject* w, pixman_region32_t* area, bool erase) {
  IntersectRect(area, 0, 0, w->ClientWidth(), w->ClientHeight());
  if (!pixman_region32_not_empty(area)) return;
  pixman_region32_union(&w->update, &w->update, area);
  if (erase) w->erasePending = true;
  if (w->queue) w->queue->Wake();
  if (w->style & WS_CLIPCHILDREN) return;
  // Children are drawn over by their parent, so they must paint again too.
  for (WindowObject* child : w->children) {
    if (!child->Visible()) continue;
    pixman_region32_t part;
    pixman_region32_init(&part);
    pixman_region32_copy(&part, area);
    pixman_region32_translate(&part, -(child->rect.left + child->client.left), -(child->rect.top + child->client.top));
    InvalidateRegion(child, &part, erase);
    pixman_region32_fini(&part);
  }
}

}  // namespace

void InvalidateParentArea(WindowObject* parent, const RECT& area) {
  if (IsDesktop(parent)) return;
  pixman_region32_t region;
  pixman_region32_init_rect(&region, area.left, area.top, unsigned(std::max(0, int(area.right - area.left))),
                            unsigned(std::max(0, int(area.bottom - area.top))));
  InvalidateRegion(parent, &region, true);
  pixman_region32_fini(&region);
}

void InvalidateUncovered(WindowObject* w, const RECT& area) {
  bool below = false;
  for (WindowObject* top : Desktop()->children) {
    if (top == w) {
      below = true;
      continue;
    }
    if (!below || !top->Visible()) continue;
    const POINT origin = ClientOriginOnScreen(top);
    pixman_region32_t region;
    pixman_region32_init_rect(&region, area.left - origin.x, area.top - origin.y,
                              unsigned(std::max(0, int(area.right - area.left))),
                              unsigned(std::max(0, int(area.bottom - area.top))));
    InvalidateRegion(top, &region, true);
    pixman_region32_fini(&region);
  }
}

void ResizeTopLevelImage(WindowObject* root) {
  if (!root || IsDesktop(root)) return;
  if (!root->image) {
    root->image = std::make_shared<TopLevelImage>(root->Width(), root->Height());
    return;
  }
  root->image->Resize(root->Width(), root->Height());
}

void ForgetWindowImage(WindowObject* w) {
  w->image.reset();
  ChildFrameStore::Instance().Remove(w->handle);
}

void PresentTopLevel(WindowObject* root) {
  backend::Backend* b = ActiveBackend();
  if (!b || !root->surface) return;
  const bool layered = (root->exStyle & WS_EX_LAYERED) != 0;
  if (layered && root->layeredImage) {
    ChildFrameStore::Instance().Present(b, root, root->layeredImage, true);
    return;
  }
  if (!root->image) return;
  std::lock_guard<std::mutex> lock(root->image->Mutex());
  const std::vector<RECT> carets = CaretPainter::Overlay(root, root->image->Surface());
  ChildFrameStore::Instance().Present(b, root, root->image->Surface(), false);
  CaretPainter::Invert(root->image->Surface(), carets);
}

void ExStyleChanged(WindowObject* w, DWORD oldExStyle) {
  const DWORD changed = w->exStyle ^ oldExStyle;
  backend::Backend* b = ActiveBackend();
  if ((changed & WS_EX_TRANSPARENT) && b && w->surface) {
    b->SetClickThrough(w->surface, (w->exStyle & WS_EX_TRANSPARENT) != 0);
  }
  if ((changed & WS_EX_LAYERED) && !(w->exStyle & WS_EX_LAYERED)) {
    if (w->layeredImage) cairo_surface_destroy(w->layeredImage);
    w->layeredImage = nullptr;
    w->layeredAlpha = 255;
    w->layeredFlags = 0;
    if (b && w->surface) b->SetOpacity(w->surface, 255);
    InvalidateWindowTree(w, true);
  }
}

}  // namespace platform::user

namespace {

struct DcRecord {
  HWND hwnd;
  std::shared_ptr<TopLevelImage> image;  // keeps the picture alive as long as the DC
};

std::map<HDC, DcRecord>& DcRecords() {
  static auto* records = new std::map<HDC, DcRecord>;
  return *records;
}

// Lock held. A DC on the window's part of its top-level picture.
HDC NewWindowDC(WindowObject* w, const pixman_region32_t* limit) {
  WindowObject* root = RootOf(w);
  if (!root->image) ResizeTopLevelImage(root);
  pixman_region32_t visible;
  VisibleRegion(w, true, &visible);
  if (limit) pixman_region32_intersect(&visible, &visible, const_cast<pixman_region32_t*>(limit));
  HRGN clip = platform::gdi::RegionFromPixman(&visible);
  pixman_region32_fini(&visible);
  const POINT origin = ClientOriginInRoot(w);
  HDC hdc = platform::gdi::CreateSurfaceDC(root->image->Surface(), origin, clip);
  DeleteObject(clip);
  if (hdc) DcRecords()[hdc] = DcRecord{w->handle, root->image};
  return hdc;
}

WindowObject* OwnWindow(HWND hwnd) {
  WindowObject* w = FindWindowObject(hwnd);
  if (!w || IsDesktop(w) || w->threadId != GetCurrentThreadId()) {
    SetLastError(w ? ERROR_ACCESS_DENIED : ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  return w;
}

void ReleaseWindowDC(HDC hdc) {
  HWND hwnd = nullptr;
  {
    Guard guard = UserLock::Acquire();
    auto it = DcRecords().find(hdc);
    if (it == DcRecords().end()) return;
    hwnd = it->second.hwnd;
    DcRecords().erase(it);
  }
  platform::gdi::DeleteSurfaceDC(hdc);
  Guard guard = UserLock::Acquire();
  if (WindowObject* w = FindWindowObject(hwnd)) PresentTopLevel(RootOf(w));
}

HDC ScreenDC() {
  static cairo_surface_t* screen = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 16, 16);
  return platform::gdi::CreateSurfaceDC(screen, POINT{0, 0}, nullptr);
}

}  // namespace

BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase) {
  if (!hWnd) return FALSE;
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hWnd);
  if (!w || IsDesktop(w)) return FALSE;
  pixman_region32_t area;
  if (lpRect) {
    pixman_region32_init_rect(&area, lpRect->left, lpRect->top, unsigned(std::max(0, int(lpRect->right - lpRect->left))),
                              unsigned(std::max(0, int(lpRect->bottom - lpRect->top))));
  } else {
    pixman_region32_init_rect(&area, 0, 0, unsigned(w->ClientWidth()), unsigned(w->ClientHeight()));
  }
  InvalidateRegion(w, &area, bErase != FALSE);
  pixman_region32_fini(&area);
  return TRUE;
}

BOOL InvalidateRgn(HWND hWnd, HRGN hRgn, BOOL bErase) {
  if (!hRgn) return InvalidateRect(hWnd, nullptr, bErase);
  const pixman_region32_t* source = platform::gdi::RegionPixman(hRgn);
  if (!hWnd || !source) return FALSE;
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hWnd);
  if (!w || IsDesktop(w)) return FALSE;
  pixman_region32_t area;
  pixman_region32_init(&area);
  pixman_region32_copy(&area, const_cast<pixman_region32_t*>(source));
  InvalidateRegion(w, &area, bErase != FALSE);
  pixman_region32_fini(&area);
  return TRUE;
}

BOOL ValidateRect(HWND hWnd, const RECT* lpRect) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hWnd);
  if (!w || IsDesktop(w)) return FALSE;
  if (!lpRect) {
    pixman_region32_clear(&w->update);
    w->internalPaint = false;
    return TRUE;
  }
  SubtractRect(&w->update, lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top);
  return TRUE;
}

BOOL ValidateRgn(HWND hWnd, HRGN hRgn) {
  if (!hRgn) return ValidateRect(hWnd, nullptr);
  const pixman_region32_t* source = platform::gdi::RegionPixman(hRgn);
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hWnd);
  if (!w || !source) return FALSE;
  pixman_region32_subtract(&w->update, &w->update, const_cast<pixman_region32_t*>(source));
  return TRUE;
}

BOOL GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hWnd);
  if (!w) return FALSE;
  const bool any = pixman_region32_not_empty(&w->update);
  if (lpRect) {
    const pixman_box32_t* box = pixman_region32_extents(&w->update);
    *lpRect = any ? RECT{box->x1, box->y1, box->x2, box->y2} : RECT{0, 0, 0, 0};
  }
  return any ? TRUE : FALSE;
}

int GetUpdateRgn(HWND hWnd, HRGN hRgn, BOOL) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hWnd);
  if (!w || !platform::gdi::RegionAssign(hRgn, &w->update)) return ERROR;
  const int n = pixman_region32_n_rects(&w->update);
  return n == 0 ? NULLREGION : (n == 1 ? SIMPLEREGION : COMPLEXREGION);
}

BOOL UpdateWindow(HWND hWnd) {
  bool needed;
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = FindWindowObject(hWnd);
    if (!w) return FALSE;
    needed = IsShownOnScreen(w) && pixman_region32_not_empty(&w->update) && w->threadId == GetCurrentThreadId();
  }
  if (needed) SendMessageInternal(hWnd, WM_PAINT, 0, 0);
  return TRUE;
}

BOOL RedrawWindow(HWND hWnd, const RECT* lprcUpdate, HRGN hrgnUpdate, UINT flags) {
  if (flags & RDW_INVALIDATE) {
    if (hrgnUpdate) {
      InvalidateRgn(hWnd, hrgnUpdate, (flags & RDW_ERASE) != 0);
    } else {
      InvalidateRect(hWnd, lprcUpdate, (flags & RDW_ERASE) != 0);
    }
  }
  if (flags & RDW_VALIDATE) ValidateRect(hWnd, lprcUpdate);
  if (flags & RDW_INTERNALPAINT) {
    Guard guard = UserLock::Acquire();
    if (WindowObject* w = FindWindowObject(hWnd)) {
      w->internalPaint = true;
      w->queue->Wake();
    }
  }
  if (flags & RDW_UPDATENOW) UpdateWindow(hWnd);
  return TRUE;
}

HDC BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) {
  if (!lpPaint) return nullptr;
  HDC hdc;
  bool erase;
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = OwnWindow(hWnd);
    if (!w) return nullptr;
    pixman_region32_t area;
    pixman_region32_init(&area);
    pixman_region32_copy(&area, &w->update);
    IntersectRect(&area, 0, 0, w->ClientWidth(), w->ClientHeight());
    const pixman_box32_t* box = pixman_region32_extents(&area);
    const bool any = pixman_region32_not_empty(&area);
    *lpPaint = PAINTSTRUCT{};
    lpPaint->rcPaint = any ? RECT{box->x1, box->y1, box->x2, box->y2} : RECT{0, 0, 0, 0};
    erase = w->erasePending;
    pixman_region32_clear(&w->update);
    w->erasePending = false;
    w->internalPaint = false;
    w->painting = true;
    hdc = NewWindowDC(w, &area);
    pixman_region32_fini(&area);
  }
  lpPaint->hdc = hdc;
  if (erase && hdc) lpPaint->fErase = SendMessageInternal(hWnd, WM_ERASEBKGND, WPARAM(hdc), 0) ? FALSE : TRUE;
  return hdc;
}

BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint) {
  {
    Guard guard = UserLock::Acquire();
    if (WindowObject* w = FindWindowObject(hWnd)) w->painting = false;
  }
  if (lpPaint && lpPaint->hdc) ReleaseWindowDC(lpPaint->hdc);
  return TRUE;
}

HDC GetDC(HWND hWnd) {
  {
    Guard guard = UserLock::Acquire();
    if (hWnd && !IsDesktop(FindWindowObject(hWnd))) {
      WindowObject* w = OwnWindow(hWnd);
      return w ? NewWindowDC(w, nullptr) : nullptr;
    }
  }
  // The desktop's DC is the screen's, as with no window at all.
  return ScreenDC();
}

HDC GetWindowDC(HWND hWnd) { return GetDC(hWnd); }

int ReleaseDC(HWND, HDC hDC) {
  if (!hDC) return 0;
  bool known;
  {
    Guard guard = UserLock::Acquire();
    known = DcRecords().count(hDC) != 0;
  }
  if (known) {
    ReleaseWindowDC(hDC);
  } else {
    platform::gdi::DeleteSurfaceDC(hDC);
  }
  return 1;
}

int SetWindowRgn(HWND hWnd, HRGN hRgn, BOOL bRedraw) {
  const pixman_region32_t* source = hRgn ? platform::gdi::RegionPixman(hRgn) : nullptr;
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = FindWindowObject(hWnd);
    if (!w || IsDesktop(w) || (hRgn && !source)) return 0;
    w->hasShape = source != nullptr;
    if (source) {
      pixman_region32_copy(&w->shape, const_cast<pixman_region32_t*>(source));
    } else {
      pixman_region32_clear(&w->shape);
    }
    if (w->surface) {
      if (backend::Backend* b = ActiveBackend()) b->SetShape(w->surface, source ? &w->shape : nullptr);
    }
    if (bRedraw) InvalidateWindowTree(w, true);
  }
  if (hRgn) DeleteObject(hRgn);  // the window owns the region now
  return 1;
}

int GetWindowRgn(HWND hWnd, HRGN hRgn) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hWnd);
  if (!w || !w->hasShape || !platform::gdi::RegionAssign(hRgn, &w->shape)) return ERROR;
  const int n = pixman_region32_n_rects(&w->shape);
  return n == 0 ? NULLREGION : (n == 1 ? SIMPLEREGION : COMPLEXREGION);
}
