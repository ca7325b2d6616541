#include "platform/gdi/DeviceContext.h"

#include "platform/gdi/BitmapObject.h"
#include "platform/gdi/BrushObject.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/GdiConstants.h"
#include "platform/gdi/ObjectTable.h"
#include "platform/gdi/PenObject.h"
#include "platform/gdi/StockObjects.h"

namespace platform::gdi {

DeviceContext::DeviceContext(cairo_surface_t* surface, POINT origin)
    : GdiObject(surface ? OBJ_DC : OBJ_MEMDC), surface_(surface), origin_(origin) {
  if (surface_) cairo_surface_reference(surface_);
  state_.bitmap = surface_ ? nullptr : StockObjects::DefaultBitmap();
  state_.font = FontObject::StockGuiFont();
  state_.brush = BrushObject::FromHandle(StockObjects::Get(WHITE_BRUSH));
  state_.pen = PenObject::FromHandle(StockObjects::Get(BLACK_PEN));
  Use(state_);
  if (state_.bitmap && !state_.bitmap->IsStock()) state_.bitmap->SetOwner(this);
}

DeviceContext* DeviceContext::CreateMemory() { return new DeviceContext(nullptr, POINT{0, 0}); }

DeviceContext* DeviceContext::CreateSurface(cairo_surface_t* surface, POINT origin,
                                            const pixman_region32_t* clip) {
  if (!surface || cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE) return nullptr;
  auto* dc = new DeviceContext(surface, origin);
  if (clip) dc->systemClip_.emplace(clip);
  return dc;
}

DeviceContext::~DeviceContext() {
  if (state_.bitmap && state_.bitmap->Owner() == this) state_.bitmap->SetOwner(nullptr);
  for (DcState& saved : saved_) Unuse(saved);
  Unuse(state_);
  if (surface_) cairo_surface_destroy(surface_);
}

DeviceContext* DeviceContext::FromHandle(HDC hdc) {
  GdiObject* object = ObjectTable::Find(hdc);
  if (!object || (object->Type() != OBJ_DC && object->Type() != OBJ_MEMDC)) return nullptr;
  return static_cast<DeviceContext*>(object);
}

void DeviceContext::Use(DcState& state) {
  for (GdiObject* object : {static_cast<GdiObject*>(state.bitmap), static_cast<GdiObject*>(state.font),
                            static_cast<GdiObject*>(state.brush), static_cast<GdiObject*>(state.pen)}) {
    if (object) object->Retain();
  }
}

void DeviceContext::Unuse(DcState& state) {
  for (GdiObject* object : {static_cast<GdiObject*>(state.bitmap), static_cast<GdiObject*>(state.font),
                            static_cast<GdiObject*>(state.brush), static_cast<GdiObject*>(state.pen)}) {
    if (object) object->Release();
  }
}

GdiObject* DeviceContext::Select(GdiObject* object) {
  GdiObject* previous = nullptr;
  switch (object->Type()) {
    case OBJ_BITMAP: {
      auto* bitmap = static_cast<BitmapObject*>(object);
      if (surface_) return nullptr;  // only memory DCs hold bitmaps
      if (!bitmap->IsStock() && bitmap->Owner() && bitmap->Owner() != this) return nullptr;
      previous = state_.bitmap;
      if (state_.bitmap && state_.bitmap->Owner() == this) state_.bitmap->SetOwner(nullptr);
      state_.bitmap = bitmap;
      if (!bitmap->IsStock()) bitmap->SetOwner(this);
      break;
    }
    case OBJ_FONT:
      previous = state_.font;
      state_.font = static_cast<FontObject*>(object);
      break;
    case OBJ_BRUSH:
      previous = state_.brush;
      state_.brush = static_cast<BrushObject*>(object);
      break;
    case OBJ_PEN:
      previous = state_.pen;
      state_.pen = static_cast<PenObject*>(object);
      break;
    default:
      return nullptr;
  }
  object->Retain();
  // The caller gets the previous object back; its use by this DC ends here (a
  // deleted-while-selected object is freed now, after the handle was read).
  if (previous) previous->Release();
  return previous;
}

int DeviceContext::Save() {
  saved_.push_back(state_);
  Use(saved_.back());
  return static_cast<int>(saved_.size());
}

bool DeviceContext::Restore(int level) {
  int count = static_cast<int>(saved_.size());
  int target = level < 0 ? count + level + 1 : level;
  if (target < 1 || target > count) return false;
  while (static_cast<int>(saved_.size()) > target) {
    Unuse(saved_.back());
    saved_.pop_back();
  }
  DcState restored = saved_.back();
  saved_.pop_back();
  if (state_.bitmap != restored.bitmap) {
    if (state_.bitmap && state_.bitmap->Owner() == this) state_.bitmap->SetOwner(nullptr);
    if (restored.bitmap && !restored.bitmap->IsStock()) restored.bitmap->SetOwner(this);
  }
  // The saved state's uses pass to the current state; the current state's end.
  Unuse(state_);
  state_ = restored;
  return true;
}

int DeviceContext::Width() const {
  if (surface_) return cairo_image_surface_get_width(surface_);
  return state_.bitmap ? state_.bitmap->Width() : 0;
}

int DeviceContext::Height() const {
  if (surface_) return cairo_image_surface_get_height(surface_);
  return state_.bitmap ? state_.bitmap->Height() : 0;
}

PixRegion DeviceContext::Bounds() const {
  PixRegion bounds(-origin_.x, -origin_.y, Width() - origin_.x, Height() - origin_.y);
  if (systemClip_) bounds.Intersect(*systemClip_);
  return bounds;
}

PixRegion DeviceContext::Visible() const {
  PixRegion visible = Bounds();
  if (state_.clip) visible.Intersect(*state_.clip);
  return visible;
}

cairo_surface_t* DeviceContext::BeginAccess() {
  if (surface_) {
    cairo_surface_flush(surface_);
    return surface_;
  }
  return state_.bitmap ? state_.bitmap->Acquire() : nullptr;
}

void DeviceContext::EndAccess(bool modified) {
  if (surface_) {
    if (modified) cairo_surface_mark_dirty(surface_);
    return;
  }
  if (state_.bitmap) state_.bitmap->Release(modified);
}

}  // namespace platform::gdi
