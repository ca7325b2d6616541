#pragma once
// What grabbed pictures of a window tell about its painting. Until a window presents its
// first image the X server shows what lies below it, which on our Xvfb (started with a
// black root) is one colour; a window still building its pages changes between grabs.
#include <cairo.h>

namespace screenshot {

class PaintCheck {
 public:
  // True when every pixel of the picture has the same colour (an empty picture too).
  static bool OneColour(cairo_surface_t* picture);
  // True when both pictures have the same size and pixels.
  static bool Same(cairo_surface_t* first, cairo_surface_t* second);
};

}  // namespace screenshot
