#include "ui/controls/ReceiverImpl.h"

namespace SkinUI {

ReceiverImpl::ReceiverImpl() = default;

ReceiverImpl::~ReceiverImpl() = default;

void ReceiverImpl::AddObserver(ObserverImplBase* pObserver) { m_observers.push_back(pObserver); }

void ReceiverImpl::RemoveObserver() {
  // The observers may forget other receivers meanwhile, never this list.
  const std::vector<ObserverImplBase*> observers = m_observers;
  m_observers.clear();
  for (ObserverImplBase* pObserver : observers) pObserver->RemoveReceiver(this);
}

BOOL ReceiverImpl::Receive(UINT, HWND) { return FALSE; }

}  // namespace SkinUI
