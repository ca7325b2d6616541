#pragma once
// The two sides of the menus' broadcast: an observer that knows its receivers and
// tells them all, and a receiver that knows the observers it joined.
#include "platform/win32.h"

namespace SkinUI {

class ReceiverImplBase;

// What a broadcast asks of every open menu window.
enum MenuBroadcastKind : UINT {
  // Close, whatever the window given.
  kMenuCloseAll = 1,
  // Close when the window given is one of its ancestors (the chain of GetParent).
  kMenuCloseBelow = 2
};

class ObserverImplBase {
 public:
  virtual void AddReceiver(ReceiverImplBase* pReceiver) = 0;
  virtual void RemoveReceiver(ReceiverImplBase* pReceiver) = 0;
  virtual BOOL Broadcast(UINT uKind, HWND hWnd) = 0;

 protected:
  ~ObserverImplBase() = default;
};

class ReceiverImplBase {
 public:
  virtual void AddObserver(ObserverImplBase* pObserver) = 0;
  virtual void RemoveObserver() = 0;
  virtual BOOL Receive(UINT uKind, HWND hWnd) = 0;

 protected:
  ~ReceiverImplBase() = default;
};

}  // namespace SkinUI
