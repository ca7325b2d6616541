#include "platform/gdi/GdiObject.h"

#include "platform/gdi/ObjectTable.h"

namespace platform::gdi {

GdiObject::GdiObject(DWORD type) : type_(type) { ObjectTable::Add(this); }

GdiObject::~GdiObject() { ObjectTable::Remove(this); }

void GdiObject::Retain() { uses_.fetch_add(1); }

void GdiObject::Release() {
  if (uses_.fetch_sub(1) == 1 && deletePending_.load() && !stock_) delete this;
}

void GdiObject::RequestDelete() {
  if (stock_) return;
  deletePending_.store(true);
  if (uses_.load() == 0) delete this;
}

}  // namespace platform::gdi
