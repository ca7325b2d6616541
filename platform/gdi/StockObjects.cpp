#include "platform/gdi/StockObjects.h"

#include "platform/gdi/BitmapObject.h"
#include "platform/gdi/BrushObject.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/GdiConstants.h"
#include "platform/gdi/PenObject.h"
#include "platform/base/WinTypes.h"

namespace platform::gdi {
namespace {

template <typename T>
T* Stock(T* object) {
  object->MarkStock();
  return object;
}

struct Table {
  HGDIOBJ objects[DC_PEN + 1] = {};
  Table() {
    objects[WHITE_BRUSH] = Stock(new BrushObject(BS_SOLID, RGB(255, 255, 255)));
    objects[LTGRAY_BRUSH] = Stock(new BrushObject(BS_SOLID, RGB(192, 192, 192)));
    objects[GRAY_BRUSH] = Stock(new BrushObject(BS_SOLID, RGB(128, 128, 128)));
    objects[DKGRAY_BRUSH] = Stock(new BrushObject(BS_SOLID, RGB(64, 64, 64)));
    objects[BLACK_BRUSH] = Stock(new BrushObject(BS_SOLID, RGB(0, 0, 0)));
    objects[NULL_BRUSH] = Stock(new BrushObject(BS_NULL, 0));
    objects[WHITE_PEN] = Stock(new PenObject(PS_SOLID, 1, RGB(255, 255, 255)));
    objects[BLACK_PEN] = Stock(new PenObject(PS_SOLID, 1, RGB(0, 0, 0)));
    objects[NULL_PEN] = Stock(new PenObject(PS_NULL, 1, 0));
    HGDIOBJ font = FontObject::StockGuiFont();
    for (int id : {OEM_FIXED_FONT, ANSI_FIXED_FONT, ANSI_VAR_FONT, SYSTEM_FONT, DEVICE_DEFAULT_FONT,
                   SYSTEM_FIXED_FONT, DEFAULT_GUI_FONT}) {
      objects[id] = font;
    }
  }
};

}  // namespace

HGDIOBJ StockObjects::Get(int id) {
  static Table* table = new Table;
  if (id < 0 || id > DC_PEN) return nullptr;
  return table->objects[id];
}

BitmapObject* StockObjects::DefaultBitmap() {
  static BitmapObject* bitmap = Stock(BitmapObject::Create(1, 1));
  return bitmap;
}

}  // namespace platform::gdi
