#include "ui/core/types/CDelegateBase.h"

namespace SkinUI {

CDelegateBase::CDelegateBase(void* pObject, const FunctionKey& fn) : m_pObject(pObject), m_fn(fn) {}

CDelegateBase::CDelegateBase(const CDelegateBase& rhs) = default;

CDelegateBase::~CDelegateBase() = default;

bool CDelegateBase::Equals(const CDelegateBase& rhs) const { return m_pObject == rhs.m_pObject && m_fn == rhs.m_fn; }

bool CDelegateBase::Call(void* param) { return Invoke(param); }

}  // namespace SkinUI
