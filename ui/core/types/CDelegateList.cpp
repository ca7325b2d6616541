#include "ui/core/types/CDelegateList.h"

#include <memory>

namespace SkinUI {

CDelegateList::CDelegateList() = default;

CDelegateList::~CDelegateList() {
  for (int i = 0; i < m_aDelegates.GetSize(); ++i) delete At(i);
}

CDelegateBase* CDelegateList::At(int iIndex) const { return static_cast<CDelegateBase*>(m_aDelegates.At(iIndex)); }

bool CDelegateList::Add(const CDelegateBase& d) {
  for (int i = 0; i < m_aDelegates.GetSize(); ++i) {
    if (At(i)->Equals(d)) return true;
  }
  std::unique_ptr<CDelegateBase> copy(d.Clone());
  if (!m_aDelegates.Add(copy.get())) return false;
  copy.release();
  return true;
}

bool CDelegateList::IsSet() const { return !m_aDelegates.IsEmpty(); }

bool CDelegateList::Invoke(void* param) {
  for (int i = 0; i < m_aDelegates.GetSize(); ++i) {
    if (!At(i)->Call(param)) return false;
  }
  return true;
}

}  // namespace SkinUI
