#include "ui/core/manager/CManagerTooltip.h"

#include <string>

#include "ui/core/control/CControlUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace SkinUI {

DWORD CManagerTooltip::HoverTime(CWindowManagerUI& pm) {
  if (pm.m_hwndTooltip == nullptr) return 400;
  return static_cast<DWORD>(::SendMessageW(pm.m_hwndTooltip, TTM_GETDELAYTIME, TTDT_INITIAL, 0));
}

void CManagerTooltip::Hide(CWindowManagerUI& pm) {
  if (pm.m_hwndTooltip == nullptr) return;
  ::SendMessageW(pm.m_hwndTooltip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&pm.m_ToolTip));
}

bool CManagerTooltip::OnMouseHover(CWindowManagerUI& pm, LPARAM lParam) {
  // Hover and leave are armed again by the next move.
  pm.m_bMouseTracking = false;
  const POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  CControlUI* pHover = pm.FindControlAt(pt);
  if (pHover == nullptr) return false;
  if (pm.m_pEventHover != nullptr) {
    UIEventRecord event;
    event.Type = UIEVENT_MOUSEHOVER;
    event.pSender = pm.m_pEventHover;
    event.dwTimestamp = ::GetTickCount();
    event.ptMouse = pt;
    pm.m_pEventHover->DispatchEvent(event);
  }
  std::wstring sToolTip(pHover->GetToolTip().GetData());
  if (sToolTip.empty()) return true;

  pm.m_ToolTip = TTTOOLINFOW{};
  pm.m_ToolTip.cbSize = sizeof(TTTOOLINFOW);
  pm.m_ToolTip.uFlags = TTF_IDISHWND;
  pm.m_ToolTip.hwnd = pm.m_hWndPaint;
  pm.m_ToolTip.uId = reinterpret_cast<UINT_PTR>(pm.m_hWndPaint);
  pm.m_ToolTip.hinst = CWindowManagerUI::GetInstance();
  pm.m_ToolTip.lpszText = &sToolTip[0];
  pm.m_ToolTip.rect = pHover->GetPos();
  const LPARAM lTool = reinterpret_cast<LPARAM>(&pm.m_ToolTip);
  if (pm.m_hwndTooltip == nullptr) {
    pm.m_hwndTooltip = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, pm.m_hWndPaint,
                                         nullptr, CWindowManagerUI::GetInstance(), nullptr);
    ::SendMessageW(pm.m_hwndTooltip, TTM_ADDTOOLW, 0, lTool);
  }
  ::SendMessageW(pm.m_hwndTooltip, TTM_SETMAXTIPWIDTH, 0, pHover->GetToolTipWidth());
  ::SendMessageW(pm.m_hwndTooltip, TTM_SETTOOLINFOW, 0, lTool);
  ::SendMessageW(pm.m_hwndTooltip, TTM_TRACKACTIVATE, TRUE, lTool);
  // The tooltip keeps its own copy of the text; the record must not point at ours.
  pm.m_ToolTip.lpszText = nullptr;
  return true;
}

}  // namespace SkinUI
