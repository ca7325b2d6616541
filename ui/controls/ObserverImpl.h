#pragma once
// The process's one observer of open menu windows: it closes them together, knows
// the window that opened the root menu (which hears of a clicked item) and holds the
// caller's check states. Menus live on the thread of the window that opens them.
#include <vector>

#include "ui/controls/MenuCheckInfo.h"
#include "ui/controls/ObserverImplBase.h"

namespace SkinUI {

class CWindowManagerUI;

class ObserverImpl : public ObserverImplBase {
 public:
  ObserverImpl();
  virtual ~ObserverImpl();

  // Appends the receiver and tells it it joined.
  void AddReceiver(ReceiverImplBase* pReceiver) override;
  // Removes its first occurrence. When the last one goes, the opener's manager and
  // the check states go too: they may not outlive the menus that were given them.
  void RemoveReceiver(ReceiverImplBase* pReceiver) override;
  // Every receiver, the last added first.
  BOOL Broadcast(UINT uKind, HWND hWnd) override;

  // A null manager or map clears it: a root menu opened without them must not reach
  // the window or the map of an earlier one.
  void SetManager(CWindowManagerUI* pManager);
  CWindowManagerUI* GetManager() const;
  void SetCheckInfo(MenuCheckInfo* pCheckInfo);
  MenuCheckInfo* GetCheckInfo() const;

  // The receivers in the order they joined.
  const std::vector<ReceiverImplBase*>& Receivers() const { return m_receivers; }

 private:
  std::vector<ReceiverImplBase*> m_receivers;  // not owned
  CWindowManagerUI* m_pManager;
  MenuCheckInfo* m_pCheckInfo;  // the caller's
};

// The observer of the process's menus, made on first use.
ObserverImpl& GetMenuObserver();

}  // namespace SkinUI
