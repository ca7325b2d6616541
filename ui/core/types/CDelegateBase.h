#pragma once
// A callback bound to an object: the base keeps the object and an identity of the
// member function, so that lists can tell two bindings of the same handler apart
// from different ones.
#include <array>

#include "platform/win32.h"

namespace SkinUI {

class CDelegateBase {
 public:
  // Room for a member function pointer of any class on this ABI.
  using FunctionKey = std::array<unsigned char, 2 * sizeof(void*)>;

  CDelegateBase(void* pObject, const FunctionKey& fn);
  CDelegateBase(const CDelegateBase& rhs);
  CDelegateBase& operator=(const CDelegateBase&) = delete;
  virtual ~CDelegateBase();

  virtual CDelegateBase* Clone() const = 0;

  // True when both delegates bind the same object and the same function.
  bool Equals(const CDelegateBase& rhs) const;
  bool Call(void* param);
  virtual bool Invoke(void* param) = 0;

 protected:
  void* GetTargetObject() const { return m_pObject; }

 private:
  void* m_pObject;
  FunctionKey m_fn;
};

}  // namespace SkinUI
