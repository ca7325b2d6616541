#include "platform/gdi/Msimg32Exports.h"

#include <cstring>

#include "platform/gdi/Gdi.h"

namespace platform::gdi {

void* Msimg32Export(const char* name) {
  if (!name) return nullptr;
  if (std::strcmp(name, "AlphaBlend") == 0) return reinterpret_cast<void*>(&::AlphaBlend);
  if (std::strcmp(name, "GradientFill") == 0) return reinterpret_cast<void*>(&::GradientFill);
  return nullptr;
}

}  // namespace platform::gdi
