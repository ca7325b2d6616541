#pragma once
// The latest frame of every window fed from another thread, and the step that draws
// them over their top-level window's picture when it is presented. Lock held in every
// call: the user lock guards the store.
#include <cairo.h>

#include <map>
#include <memory>

#include "platform/backend/Backend.h"
#include "platform/user/WindowObject.h"

namespace platform::user {

class ChildFrameStore {
 public:
  static ChildFrameStore& Instance();

  void Set(HWND hwnd, std::shared_ptr<const backend::ChildFrame> frame);
  // False when the window had no frame.
  bool Remove(HWND hwnd);
  // Marks that the window's top-level picture is to be presented again; false when
  // that was asked already and has not happened yet, so frames arriving faster than
  // the owner thread presents ask once.
  bool MarkPresentWanted(HWND hwnd);
  void PresentDone(HWND hwnd);

  // Hands `image` (the picture of `root`) to the backend with the frames of the shown
  // windows inside `root` drawn over it; `image` itself is left as painted.
  void Present(backend::Backend* b, WindowObject* root, cairo_surface_t* image, bool perPixelAlpha);

 private:
  struct Entry {
    std::shared_ptr<const backend::ChildFrame> frame;
    bool presentWanted = false;
  };

  bool HasFramesIn(WindowObject* root) const;
  void DrawFrames(WindowObject* root, cairo_surface_t* target) const;

  std::map<HWND, Entry> entries_;
};

}  // namespace platform::user
