#include "ui/core/manager/CManagerTooltip.h"

#include <string>

#include "ui/core/control/CControlUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace SkinUI {

CManagerTooltip::CManagerTooltip(CWindowManagerUI& manager) : m_manager(manager), m_hwndTooltip(nullptr), m_ToolTip{} {}

CManagerTooltip::~CManagerTooltip() { Destroy(); }

DWORD CManagerTooltip::HoverTime() const {
  if (m_hwndTooltip == nullptr) return 400;
  return static_cast<DWORD>(::SendMessageW(m_hwndTooltip, TTM_GETDELAYTIME, TTDT_INITIAL, 0));
}

void CManagerTooltip::Hide() {
  if (m_hwndTooltip == nullptr) return;
  ::SendMessageW(m_hwndTooltip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&m_ToolTip));
}

void CManagerTooltip::Destroy() {
  if (m_hwndTooltip == nullptr) return;
  ::DestroyWindow(m_hwndTooltip);
  m_hwndTooltip = nullptr;
}

void CManagerTooltip::Show(CControlUI& control) {
  std::wstring sToolTip(control.GetToolTip().GetData());
  if (sToolTip.empty()) return;

  const HWND hWndOwner = m_manager.GetPaintWindow();
  m_ToolTip = TTTOOLINFOW{};
  m_ToolTip.cbSize = sizeof(TTTOOLINFOW);
  m_ToolTip.uFlags = TTF_IDISHWND;
  m_ToolTip.hwnd = hWndOwner;
  m_ToolTip.uId = reinterpret_cast<UINT_PTR>(hWndOwner);
  m_ToolTip.hinst = CWindowManagerUI::GetInstance();
  m_ToolTip.lpszText = &sToolTip[0];
  m_ToolTip.rect = control.GetPos();
  const LPARAM lTool = reinterpret_cast<LPARAM>(&m_ToolTip);
  if (m_hwndTooltip == nullptr) {
    m_hwndTooltip = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hWndOwner, nullptr,
                                      CWindowManagerUI::GetInstance(), nullptr);
    ::SendMessageW(m_hwndTooltip, TTM_ADDTOOLW, 0, lTool);
  }
  ::SendMessageW(m_hwndTooltip, TTM_SETMAXTIPWIDTH, 0, control.GetToolTipWidth());
  ::SendMessageW(m_hwndTooltip, TTM_SETTOOLINFOW, 0, lTool);
  ::SendMessageW(m_hwndTooltip, TTM_TRACKACTIVATE, TRUE, lTool);
  // The tooltip keeps its own copy of the text; the record must not point at ours.
  m_ToolTip.lpszText = nullptr;
}

}  // namespace SkinUI
