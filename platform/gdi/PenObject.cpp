#include "platform/gdi/PenObject.h"

#include "platform/gdi/GdiConstants.h"
#include "platform/gdi/ObjectTable.h"

namespace platform::gdi {

PenObject::PenObject(UINT style, int width, COLORREF color)
    : GdiObject(OBJ_PEN), style_(style & PS_STYLE_MASK), width_(width < 1 ? 1 : width), color_(color) {}

PenObject* PenObject::FromHandle(HGDIOBJ handle) { return ObjectTable::FindAs<PenObject>(handle, OBJ_PEN); }

bool PenObject::Draws() const { return style_ != PS_NULL; }

}  // namespace platform::gdi
