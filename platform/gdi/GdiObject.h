#pragma once
// Base of every object behind a drawing handle (DCs, bitmaps, brushes, pens, fonts,
// regions). Device contexts hold uses on the objects they select or have saved, so
// an object deleted while in use lives on until its last use ends.
#include <atomic>

#include "platform/base/WinTypes.h"

namespace platform::gdi {

class GdiObject {
 public:
  explicit GdiObject(DWORD type);
  virtual ~GdiObject();
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  DWORD Type() const { return type_; }
  bool IsStock() const { return stock_; }
  void MarkStock() { stock_ = true; }

  // A DC starts or stops using the object (selection or saved state).
  void Retain();
  void Release();
  // DeleteObject: frees now when unused, otherwise at the end of the last use.
  // Stock objects are never freed.
  void RequestDelete();

 private:
  DWORD type_;
  bool stock_ = false;
  std::atomic<int> uses_{0};
  std::atomic<bool> deletePending_{false};
};

}  // namespace platform::gdi
