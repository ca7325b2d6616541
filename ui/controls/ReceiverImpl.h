#pragma once
// A receiver of the menus' broadcast: it remembers the observers it joined and
// leaves them all at once. It answers nothing itself; the menu window does.
#include <vector>

#include "ui/controls/ObserverImplBase.h"

namespace SkinUI {

class ReceiverImpl : public ReceiverImplBase {
 public:
  ReceiverImpl();
  virtual ~ReceiverImpl();

  void AddObserver(ObserverImplBase* pObserver) override;
  // Asks every observer it joined to forget it.
  void RemoveObserver() override;
  BOOL Receive(UINT uKind, HWND hWnd) override;

 private:
  std::vector<ObserverImplBase*> m_observers;  // not owned
};

}  // namespace SkinUI
