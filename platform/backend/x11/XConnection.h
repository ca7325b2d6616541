#pragma once
// The X thread's connection and what it learned when it opened: the atoms, the
// 32-bit ARGB visual every top-level window uses, and the extensions at hand.
#include "platform/backend/x11/XHeaders.h"

#include <string>

#include "platform/backend/x11/XAtoms.h"

namespace platform::x11 {

class XConnection {
 public:
  // Null with `error` set when the display cannot be opened.
  static XConnection* Open(std::string* error);
  ~XConnection();
  XConnection(const XConnection&) = delete;
  XConnection& operator=(const XConnection&) = delete;

  Display* display() const { return display_; }
  Window root() const { return root_; }
  int screen() const { return screen_; }
  Visual* visual() const { return visual_; }
  int depth() const { return depth_; }
  Colormap colormap() const { return colormap_; }
  const XAtoms& atoms() const { return atoms_; }
  bool hasShm() const { return hasShm_; }
  void disableShm() { hasShm_ = false; }
  bool hasShape() const { return hasShape_; }
  bool hasRandr() const { return hasRandr_; }
  int randrEventBase() const { return randrEventBase_; }

 private:
  XConnection() = default;

  Display* display_ = nullptr;
  Window root_ = 0;
  int screen_ = 0;
  Visual* visual_ = nullptr;
  int depth_ = 24;
  Colormap colormap_ = 0;
  XAtoms atoms_{};
  bool hasShm_ = false;
  bool hasShape_ = false;
  bool hasRandr_ = false;
  int randrEventBase_ = 0;
};

}  // namespace platform::x11
