#include "ui/controls/ObserverImpl.h"

#include <algorithm>

namespace SkinUI {

ObserverImpl::ObserverImpl() : m_pManager(nullptr), m_pCheckInfo(nullptr) {}

ObserverImpl::~ObserverImpl() = default;

void ObserverImpl::AddReceiver(ReceiverImplBase* pReceiver) {
  if (pReceiver == nullptr) return;
  m_receivers.push_back(pReceiver);
  pReceiver->AddObserver(this);
}

void ObserverImpl::RemoveReceiver(ReceiverImplBase* pReceiver) {
  auto it = std::find(m_receivers.begin(), m_receivers.end(), pReceiver);
  if (it == m_receivers.end()) return;
  m_receivers.erase(it);
  if (!m_receivers.empty()) return;
  m_pManager = nullptr;
  m_pCheckInfo = nullptr;
}

BOOL ObserverImpl::Broadcast(UINT uKind, HWND hWnd) {
  // A receiver may leave while it is told; those told later are still there.
  const std::vector<ReceiverImplBase*> receivers = m_receivers;
  for (auto it = receivers.rbegin(); it != receivers.rend(); ++it) {
    if (std::find(m_receivers.begin(), m_receivers.end(), *it) == m_receivers.end()) continue;
    (*it)->Receive(uKind, hWnd);
  }
  return TRUE;
}

void ObserverImpl::SetManager(CWindowManagerUI* pManager) { m_pManager = pManager; }

CWindowManagerUI* ObserverImpl::GetManager() const { return m_pManager; }

void ObserverImpl::SetCheckInfo(MenuCheckInfo* pCheckInfo) { m_pCheckInfo = pCheckInfo; }

MenuCheckInfo* ObserverImpl::GetCheckInfo() const { return m_pCheckInfo; }

ObserverImpl& GetMenuObserver() {
  static ObserverImpl s_observer;
  return s_observer;
}

}  // namespace SkinUI
