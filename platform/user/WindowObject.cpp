#include "platform/user/WindowObject.h"

namespace platform::user {

WindowObject::WindowObject() {
  pixman_region32_init(&update);
  pixman_region32_init(&shape);
}

WindowObject::~WindowObject() {
  pixman_region32_fini(&update);
  pixman_region32_fini(&shape);
  if (layeredImage) cairo_surface_destroy(layeredImage);
}

}  // namespace platform::user
