#pragma once
// The pager of the people and rights pages, 20 rows a page: its controls carry the
// suffix "_People" ("btn_prev_page_People", "btn_next_page_People", "page_count_People",
// "current_page_People", the bar "PageShow_People"), and the placeholder "hlNoContent"
// stands in for an empty list. A control the skin lacks is skipped.
#include <string>

#include "platform/win32.h"

namespace SkinUI {
class CControlUI;
class CWindowManagerUI;
}  // namespace SkinUI

class PeoplePager {
 public:
  static constexpr int kRowsPerPage = 20;

  explicit PeoplePager(SkinUI::CWindowManagerUI& manager);

  // Pages for that many rows; 0 for none.
  static int PageCount(int rows);
  // The page to show after the row count fell to `rows`: the current page, or the last
  // one when the current page no longer exists, at least 1.
  static int PageAfterDelete(int rows, int current);

  // Prev and next enabled unless on the first or last page, "共<n>页", the page number.
  void ShowPage(int page, int pageCount);
  // The list when it has rows, else the placeholder, centred in the page's area.
  void ShowRowsOrPlaceholder(SkinUI::CControlUI* list, bool hasRows, const RECT& workArea);
  // The bar only when there is more than one page.
  void ShowBar(int pageCount);
  // The page typed into "current_page_People", or 0 after telling the user why it
  // cannot be shown (nothing is said when there are no pages).
  int JumpTarget(HWND hwndParent, int pageCount);

 private:
  SkinUI::CControlUI* Find(LPCTSTR name) const;

  SkinUI::CWindowManagerUI& m_manager;
};

// The count label: text and tooltip the count, 15 pixels a digit wide.
void ShowRowCount(SkinUI::CControlUI* label, int count);
