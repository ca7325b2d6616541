#pragma once
// A delegate calling a member function of T, taking one untyped parameter, on an
// object of class O (T itself or a class derived from it).
#include <cstring>

#include "ui/core/types/CDelegateBase.h"

namespace SkinUI {

template <class O, class T>
class CDelegate : public CDelegateBase {
 public:
  typedef bool (T::*Fn)(void*);

  CDelegate(O* pObj, Fn pFn) : CDelegateBase(pObj, KeyOf(pFn)), m_pFn(pFn) {}
  CDelegate(const CDelegate& rhs) : CDelegateBase(rhs), m_pFn(rhs.m_pFn) {}

  CDelegateBase* Clone() const override { return new CDelegate(*this); }

  bool Invoke(void* param) override {
    O* pObject = static_cast<O*>(GetTargetObject());
    return (pObject->*m_pFn)(param);
  }

 private:
  static FunctionKey KeyOf(Fn pFn) {
    static_assert(sizeof(Fn) <= sizeof(FunctionKey), "member function pointer does not fit the key");
    FunctionKey key{};
    memcpy(key.data(), &pFn, sizeof(Fn));
    return key;
  }

  Fn m_pFn;
};

}  // namespace SkinUI
