#pragma once
// One owned reference on a COM object: released when the holder goes, or when it is
// reset or filled again. Copies take a reference of their own.
#include <cstddef>
#include <utility>

#include "platform/com/Unknown.h"

namespace platform::com {

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(std::nullptr_t) {}
  // Takes a new reference on the object.
  explicit ComPtr(T* object) : object_(object) {
    if (object_ != nullptr) object_->AddRef();
  }
  ComPtr(const ComPtr& other) : ComPtr(other.object_) {}
  ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  ~ComPtr() { Reset(); }

  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(object_, other.object_);
    return *this;
  }

  // Holds a reference the caller already owns, such as that of a new object.
  static ComPtr Adopt(T* object) {
    ComPtr held;
    held.object_ = object;
    return held;
  }

  T* Get() const { return object_; }
  T* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

  // The holder is empty before the object hears of the release, so whatever the
  // release sets off finds it empty.
  void Reset() {
    T* released = std::exchange(object_, nullptr);
    if (released != nullptr) released->Release();
  }
  // Empties the holder and gives its address to an out parameter that fills it.
  T** Put() {
    Reset();
    return &object_;
  }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }
  // Hands the reference over to the caller.
  T* Detach() { return std::exchange(object_, nullptr); }

 private:
  T* object_ = nullptr;
};

}  // namespace platform::com
