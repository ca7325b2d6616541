#include "ui/controls/CDateTimeUI.h"

#include <cwchar>

#include "ui/controls/CDateTimeWnd.h"
#include "ui/controls/CMouseToParent.h"
#include "ui/controls/CNativeHostEvents.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace SkinUI {

CDateTimeUI::CDateTimeUI() : m_sysTime{}, m_nDTUpdateFlag(DT_UPDATE), m_pWindow(nullptr) {
  ::GetLocalTime(&m_sysTime);
  UpdateText();
  m_nDTUpdateFlag = DT_NONE;
}

CDateTimeUI::~CDateTimeUI() {
  if (m_pWindow == nullptr) return;
  // The picker would otherwise write into a control that is gone.
  CDateTimeWnd* pWindow = m_pWindow;
  m_pWindow = nullptr;
  pWindow->ForgetOwner();
  ::DestroyWindow(pWindow->GetHWND());
}

LPCTSTR CDateTimeUI::GetClassName() const { return L"DateTimeUI"; }

LPVOID CDateTimeUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"DateTime") == 0) return static_cast<CDateTimeUI*>(this);
  return CLabelUI::GetInterface(pstrName);
}

void CDateTimeUI::UpdateText() {
  if (m_nDTUpdateFlag == DT_DELETE) {
    SetText(L"");
    return;
  }
  if (m_nDTUpdateFlag != DT_UPDATE) return;
  CUIString sText;
  sText.SmallFormat(L"%4d-%02d-%02d", m_sysTime.wYear, m_sysTime.wMonth, m_sysTime.wDay);
  SetText(sText);
}

void CDateTimeUI::SetText(LPCTSTR pstrText) {
  SYSTEMTIME date{};
  if (ReadDate(pstrText, date)) {
    m_sysTime = date;
  } else {
    ::GetLocalTime(&m_sysTime);
  }
  CButtonUI::SetText(pstrText);
}

bool CDateTimeUI::ReadDate(LPCTSTR pstrText, SYSTEMTIME& date) {
  if (pstrText == nullptr || wcslen(pstrText) != 10 || pstrText[4] != L'-' || pstrText[7] != L'-') return false;
  int fields[3] = {0, 0, 0};
  const int starts[3] = {0, 5, 8};
  const int lengths[3] = {4, 2, 2};
  for (int f = 0; f < 3; ++f) {
    for (int i = 0; i < lengths[f]; ++i) {
      const wchar_t c = pstrText[starts[f] + i];
      if (c < L'0' || c > L'9') return false;
      fields[f] = fields[f] * 10 + (c - L'0');
    }
  }
  const int year = fields[0], month = fields[1], day = fields[2];
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 1601 || month < 1 || month > 12 || day < 1) return false;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  if (day > kDays[month - 1] + (month == 2 && leap ? 1 : 0)) return false;
  ::GetLocalTime(&date);
  date.wYear = static_cast<WORD>(year);
  date.wMonth = static_cast<WORD>(month);
  date.wDay = static_cast<WORD>(day);
  date.wDayOfWeek = 0;
  return true;
}

SYSTEMTIME CDateTimeUI::StartPicking() {
  m_nDTUpdateFlag = DT_NONE;
  if (m_sText.IsEmpty()) ::GetLocalTime(&m_sysTime);
  return m_sysTime;
}

void CDateTimeUI::EndPickingWith(int nState) {
  m_nDTUpdateFlag = nState;
  UpdateText();
}

void CDateTimeUI::EndPickingWithDate(const SYSTEMTIME& picked) {
  if (m_nDTUpdateFlag != DT_NONE) return;
  m_sysTime = picked;
  m_nDTUpdateFlag = DT_UPDATE;
  UpdateText();
}

void CDateTimeUI::PickerClosed() { m_pWindow = nullptr; }

void CDateTimeUI::OpenPicker() {
  if (m_pWindow == nullptr) m_pWindow = new CDateTimeWnd();
  m_pWindow->Init(this);
  m_pWindow->ShowWindow();
}

void CDateTimeUI::HandleEvent(UIEventRecord& event) {
  if (CMouseToParent::Pass<CButtonUI>(*this, event)) return;
  if (CNativeHostEvents::Handle(*this, m_pWindow != nullptr, event)) return;
  switch (event.Type) {
    case UIEVENT_SETFOCUS:
      if (!IsEnabled()) break;
      if (m_pWindow != nullptr) return;
      OpenPicker();
      break;
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK:
    case UIEVENT_RBUTTONDOWN:
      if (!IsEnabled()) break;
      if (m_pManager != nullptr) m_pManager->ReleaseCapture();
      // No "click": the press opens the picker instead.
      if (IsFocused() || m_pWindow != nullptr) OpenPicker();
      return;
    default:
      break;
  }
  CButtonUI::HandleEvent(event);
}

}  // namespace SkinUI
