#include "app/shell/ShowTimePicker.h"

#include "app/shell/CTimeWnd.h"
#include "ui/core/control/CControlUI.h"

void ShowTimePicker(SkinUI::CWindowWnd* window, SkinUI::UINotifyRecord& msg) {
  if (window == nullptr || msg.pSender == nullptr) return;
  const RECT sender = msg.pSender->GetPos();
  RECT screen = {};
  ::GetWindowRect(window->GetHWND(), &screen);
  const int x = screen.left + sender.left;
  const int y = screen.top + sender.bottom - 5;
  const RECT anchor = {x, y, 0, 0};
  CTimeWnd picker(anchor, msg.pSender->GetText().GetData());
  picker.Create(window->GetHWND(), L"TimeWnd", 0x96C80000, 0x110, 0, 0, 0, 0);
  if (picker.ShowModal() != 1) return;
  msg.pSender->SetText(picker.GetTime().c_str());
}
