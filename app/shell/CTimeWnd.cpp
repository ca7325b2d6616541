#include "app/shell/CTimeWnd.h"

#include <utility>

#include "app/shell/ShowMessage.h"
#include "ui/controls/CListLabelElementUI.h"
#include "ui/controls/CListUI.h"

namespace {

const int kWidth = 145;
const int kHeight = 300;
const int kItemHeight = 35;

SkinUI::CListUI* FindList(SkinUI::CWindowManagerUI& manager, LPCTSTR name) {
  SkinUI::CControlUI* control = manager.FindControl(name);
  if (control == nullptr) return nullptr;
  return static_cast<SkinUI::CListUI*>(control->GetInterface(L"List"));
}

}  // namespace

CTimeWnd::CTimeWnd(const RECT& rcAnchor, std::wstring time)
    : m_rcAnchor(rcAnchor), m_time(std::move(time)), m_pHour(nullptr), m_pMinute(nullptr) {}

std::wstring CTimeWnd::GetTime() const { return m_time; }

LPCTSTR CTimeWnd::GetWindowClassName() const { return L"CTimeWnd"; }

SkinUI::CUIString CTimeWnd::GetSkinXmlName() const { return L"TimeWndUI.xml"; }

int CTimeWnd::ReadPart(size_t start, size_t count) const {
  int value = -1;
  for (size_t i = start; i < start + count && i < m_time.size(); ++i) {
    const wchar_t c = m_time[i];
    if (c < L'0' || c > L'9') break;
    value = (value < 0 ? 0 : value * 10) + (c - L'0');
  }
  return value;
}

void CTimeWnd::OnSkinBuilt() {
  ::SetWindowPos(m_hWnd, nullptr, m_rcAnchor.left + 30, m_rcAnchor.top, kWidth, kHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  const size_t colon = m_time.find(L':');
  const int hour = ReadPart(0, 2);
  const int minute = colon == std::wstring::npos ? -1 : ReadPart(colon + 1, 2);
  m_pHour = FindList(m_pm, L"listHour");
  m_pMinute = FindList(m_pm, L"listMinute");
  if (m_pHour != nullptr) Fill(m_pHour, 25, hour);
  if (m_pMinute != nullptr) Fill(m_pMinute, 60, minute);
}

void CTimeWnd::Fill(SkinUI::CListUI* list, int count, int selected) {
  for (int i = 0; i < count; ++i) {
    auto* item = new SkinUI::CListLabelElementUI;
    SkinUI::CUIString text;
    text.Format(L"%02d", i);
    item->SetText(text);
    item->SetFixedHeight(kItemHeight);
    list->Add(item);
  }
  if (selected >= 0 && selected < count) list->SelectItem(selected);
}

void CTimeWnd::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.pSender == nullptr) return;
  const SkinUI::CUIString name = msg.pSender->GetName();
  if (msg.sType == L"windowinit") {
    // Laid out only now: the selections of the given time come into view.
    ShowSelection(m_pHour);
    ShowSelection(m_pMinute);
    return;
  }
  if (msg.sType == L"click") {
    if (name == L"btnClose" || name == L"btnCancel") {
      Close(2);
    } else if (name == L"btnOk") {
      Confirm();
    }
    return;
  }
  // A list label element reports its double click as "itemactivate".
  if (msg.sType != L"itemdbclick" && msg.sType != L"itemactivate") return;
  SkinUI::CControlUI* owner = msg.pSender;
  while (owner != nullptr && owner != m_pHour && owner != m_pMinute) owner = owner->GetParent();
  if (owner != nullptr) Confirm();
}

void CTimeWnd::ShowSelection(SkinUI::CListUI* list) {
  if (list == nullptr || list->GetCurSel() < 0) return;
  list->EnsureVisible(list->GetCurSel());
}

void CTimeWnd::Confirm() {
  if (m_pHour == nullptr || m_pMinute == nullptr) return;
  const int hour = m_pHour->GetCurSel();
  const int minute = m_pMinute->GetCurSel();
  if (hour < 0 || minute < 0) return;
  if (hour == 24 && minute != 0) {
    ShowMessage(L"时间选择错误,不得大于24:00!", m_hWnd, 1);
    return;
  }
  SkinUI::CUIString time;
  time.Format(L"%02d:%02d", hour, minute);
  m_time = time.GetData();
  Close(1);
}
