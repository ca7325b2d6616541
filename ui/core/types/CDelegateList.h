#pragma once
// An event source: the delegates to call, each a copy the list owns.
#include "ui/core/types/CDelegateBase.h"
#include "ui/core/types/CUIPtrArray.h"

namespace SkinUI {

class CDelegateList {
 public:
  CDelegateList();
  CDelegateList(const CDelegateList&) = delete;
  CDelegateList& operator=(const CDelegateList&) = delete;
  ~CDelegateList();

  // Lists a copy of the delegate unless an equal one is listed already (then true
  // as well); false only when the list cannot grow.
  bool Add(const CDelegateBase& d);
  bool IsSet() const;
  // Calls the delegates in the order they were added and stops at the first that
  // answers false.
  bool Invoke(void* param);

 private:
  CDelegateBase* At(int iIndex) const;

  CUIPtrArray m_aDelegates;  // of CDelegateBase*, owned
};

}  // namespace SkinUI
