#include "platform/gdi/BrushObject.h"

#include "platform/gdi/GdiConstants.h"
#include "platform/gdi/ObjectTable.h"

namespace platform::gdi {

BrushObject::BrushObject(UINT style, COLORREF color) : GdiObject(OBJ_BRUSH), style_(style), color_(color) {}

BrushObject* BrushObject::FromHandle(HGDIOBJ handle) {
  return ObjectTable::FindAs<BrushObject>(handle, OBJ_BRUSH);
}

bool BrushObject::Paints() const { return style_ == BS_SOLID; }

}  // namespace platform::gdi
