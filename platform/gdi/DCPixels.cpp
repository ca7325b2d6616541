#include "platform/gdi/DCPixels.h"

#include "platform/gdi/DeviceContext.h"

namespace platform::gdi {

cairo_surface_t* CopyDCPixels(HDC hdc, int x, int y, int width, int height) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc || width <= 0 || height <= 0) return nullptr;
  cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  if (cairo_surface_status(copy) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(copy);
    return nullptr;
  }
  cairo_surface_t* source = dc->BeginAccess();
  if (source) {
    cairo_t* cr = cairo_create(copy);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, source, -(x + dc->Origin().x), -(y + dc->Origin().y));
    cairo_paint(cr);
    cairo_destroy(cr);
    dc->EndAccess(false);
  }
  cairo_surface_flush(copy);
  return copy;
}

}  // namespace platform::gdi
