#include "platform/user/TopLevelImage.h"

#include <algorithm>

namespace platform::user {
namespace {

cairo_surface_t* NewSurface(int width, int height) {
  return cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(width, 1), std::max(height, 1));
}

}  // namespace

TopLevelImage::TopLevelImage(int width, int height)
    : surface_(NewSurface(width, height)), width_(width), height_(height) {}

TopLevelImage::~TopLevelImage() { cairo_surface_destroy(surface_); }

void TopLevelImage::Resize(int width, int height) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (width == width_ && height == height_) return;
  cairo_surface_t* next = NewSurface(width, height);
  // A surface cairo could not make (a size past its limits, or no memory for it) has
  // no picture to carry over, and cairo leaks the pattern of such a source.
  if (cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS) {
    cairo_t* cr = cairo_create(next);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, surface_, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
  }
  cairo_surface_destroy(surface_);
  surface_ = next;
  width_ = width;
  height_ = height;
}

}  // namespace platform::user
