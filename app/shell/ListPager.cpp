#include "app/shell/ListPager.h"

#include <regex>
#include <utility>

#include "app/shell/ShowMessage.h"
#include "ui/controls/CListUI.h"
#include "ui/core/control/CControlUI.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/types/CUIString.h"

namespace {

// Beyond any page count: a longer number is out of range and never overflows.
const std::size_t kLongestPageNumber = 9;

}  // namespace

ListPager::ListPager(SkinUI::CWindowManagerUI& manager, Names names, const RECT& workArea)
    : m_manager(manager), m_names(std::move(names)), m_workArea(workArea) {}

int ListPager::PageCount(int rows) {
  if (rows <= 0) return 0;
  return rows / kRowsPerPage + (rows % kRowsPerPage != 0 ? 1 : 0);
}

int ListPager::PageAfterDelete(int rows, int current) {
  const int pages = PageCount(rows);
  if (pages == 0) return 1;
  return pages < current ? pages : current;
}

SkinUI::CControlUI* ListPager::Find(const std::wstring& name) const { return m_manager.FindControl(name.c_str()); }

bool ListPager::HasPrevNext() const {
  return Find(Name(L"btn_prev_page_")) != nullptr && Find(Name(L"btn_next_page_")) != nullptr;
}

void ListPager::EnableButtons(int page, int pages) {
  if (SkinUI::CControlUI* prev = Find(Name(L"btn_prev_page_"))) prev->SetEnabled(page != 1);
  if (SkinUI::CControlUI* next = Find(Name(L"btn_next_page_"))) next->SetEnabled(page != pages);
}

void ListPager::ShowCount(int rows, bool sized) {
  SkinUI::CControlUI* label = Find(m_names.countLabel);
  if (label == nullptr) return;
  const std::wstring text = std::to_wstring(rows);
  label->SetText(text.c_str());
  if (!sized) return;
  label->SetToolTip(text.c_str());
  label->SetFixedWidth(15 * static_cast<int>(text.size()));
}

void ListPager::ShowListOrPlaceholder(SkinUI::CListUI* list) {
  SkinUI::CControlUI* placeholder = Find(m_names.noContent);
  SkinUI::CControlUI* bar = Find(Name(L"PageShow_"));
  if (placeholder == nullptr || bar == nullptr) return;
  const bool hasRows = list->GetCount() > 0;
  bar->SetVisible(hasRows);
  list->SetVisible(hasRows);
  placeholder->SetVisible(!hasRows);
  if (hasRows) return;
  const int width = m_workArea.right - m_workArea.left;
  const int height = m_workArea.bottom - 180;
  placeholder->SetPadding(RECT{width / 2 - 110, height / 2 - 90, 0, 0});
}

void ListPager::Display(SkinUI::CListUI* list, int rows, int page, int& current, const RowBuilder& build) {
  const int pages = PageCount(rows);
  if (page > pages || page < 1) {
    ShowCount(rows, m_names.sizedOutOfRange);
    ShowListOrPlaceholder(list);
    return;
  }
  EnableButtons(page, pages);
  if (SkinUI::CControlUI* count = Find(Name(L"page_count_"))) {
    SkinUI::CUIString text;
    text.Format(L"%s%d%s", L"共", pages, L"页");
    count->SetText(text);
    count->SetToolTip(text);
  }
  if (SkinUI::CControlUI* box = Find(Name(L"current_page_"))) box->SetText(std::to_wstring(page).c_str());
  current = page;
  const int first = (page - 1) * kRowsPerPage;
  for (int index = first; index < rows && index < first + kRowsPerPage; ++index) build(index - first, index);
  ShowCount(rows, m_names.sizedInRange);
  ShowListOrPlaceholder(list);
  if (SkinUI::CControlUI* bar = Find(Name(L"PageShow_"))) bar->SetVisible(pages > 1);
}

int ListPager::JumpTarget(HWND hwndParent, int rows) {
  SkinUI::CControlUI* box = Find(Name(L"current_page_"));
  if (box == nullptr) return 0;
  const std::wstring text = box->GetText().GetData();
  if (text.empty()) {
    ShowMessage(L"跳转页数不能为空!", hwndParent, 1);
    return 0;
  }
  static const std::wregex digits(L"^[0-9]+$");
  if (!std::regex_match(text, digits)) {
    ShowMessage(L"跳转页数必须为数字!", hwndParent, 1);
    return 0;
  }
  const int pages = PageCount(rows);
  const int page = text.size() > kLongestPageNumber ? pages + 1 : std::stoi(text);
  if (page >= 1 && page <= pages) {
    EnableButtons(page, pages);
    return page;
  }
  if (pages != 0) ShowMessage(L"超过页数限制!", hwndParent, 1);
  return 0;
}
