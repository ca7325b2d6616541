#include "app/management/PeoplePager.h"

#include <regex>

#include "app/shell/ShowMessage.h"
#include "ui/core/control/CControlUI.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/types/CUIString.h"

PeoplePager::PeoplePager(SkinUI::CWindowManagerUI& manager) : m_manager(manager) {}

int PeoplePager::PageCount(int rows) {
  if (rows <= 0) return 0;
  return rows / kRowsPerPage + (rows % kRowsPerPage != 0 ? 1 : 0);
}

int PeoplePager::PageAfterDelete(int rows, int current) {
  const int pages = PageCount(rows);
  if (pages == 0) return 1;
  return pages < current ? pages : current;
}

SkinUI::CControlUI* PeoplePager::Find(LPCTSTR name) const { return m_manager.FindControl(name); }

void PeoplePager::ShowPage(int page, int pageCount) {
  if (SkinUI::CControlUI* prev = Find(L"btn_prev_page_People")) prev->SetEnabled(page != 1);
  if (SkinUI::CControlUI* next = Find(L"btn_next_page_People")) next->SetEnabled(page != pageCount);
  if (SkinUI::CControlUI* count = Find(L"page_count_People")) {
    SkinUI::CUIString text;
    text.Format(L"%s%d%s", L"共", pageCount, L"页");
    count->SetText(text);
    count->SetToolTip(text);
  }
  if (SkinUI::CControlUI* current = Find(L"current_page_People")) current->SetText(std::to_wstring(page).c_str());
}

void PeoplePager::ShowRowsOrPlaceholder(SkinUI::CControlUI* list, bool hasRows, const RECT& workArea) {
  SkinUI::CControlUI* placeholder = Find(L"hlNoContent");
  SkinUI::CControlUI* bar = Find(L"PageShow_People");
  if (placeholder == nullptr || bar == nullptr) return;
  bar->SetVisible(hasRows);
  if (list != nullptr) list->SetVisible(hasRows);
  placeholder->SetVisible(!hasRows);
  if (hasRows) return;
  const int width = workArea.right - workArea.left;
  const int height = workArea.bottom - 180;
  placeholder->SetPadding(RECT{width / 2 - 110, height / 2 - 90, 0, 0});
}

void PeoplePager::ShowBar(int pageCount) {
  if (SkinUI::CControlUI* bar = Find(L"PageShow_People")) bar->SetVisible(pageCount >= 2);
}

int PeoplePager::JumpTarget(HWND hwndParent, int pageCount) {
  SkinUI::CControlUI* current = Find(L"current_page_People");
  if (current == nullptr) return 0;
  const std::wstring text = current->GetText().GetData();
  if (text.empty()) {
    ShowMessage(L"跳转页数不能为空!", hwndParent, 1);
    return 0;
  }
  static const std::wregex digits(L"^[0-9]+$");
  if (!std::regex_match(text, digits)) {
    ShowMessage(L"跳转页数必须为数字!", hwndParent, 1);
    return 0;
  }
  // Nine digits at most are read, so a long run of digits is simply too large a page.
  const int page = text.size() > 9 ? pageCount + 1 : std::stoi(text);
  if (page >= 1 && page <= pageCount) return page;
  if (pageCount != 0) ShowMessage(L"超过页数限制!", hwndParent, 1);
  return 0;
}

void ShowRowCount(SkinUI::CControlUI* label, int count) {
  if (label == nullptr) return;
  const std::wstring text = std::to_wstring(count);
  label->SetText(text.c_str());
  label->SetToolTip(text.c_str());
  label->SetFixedWidth(15 * static_cast<int>(text.size()));
}
