#pragma once
// The pager under a list of 20 rows a page (the result page's tabs, the people and
// rights pages): its controls carry a suffix ("btn_prev_page_<suffix>",
// "btn_next_page_<suffix>", "page_count_<suffix>", "current_page_<suffix>",
// "btn_goto_<suffix>", the bar "PageShow_<suffix>"), the count label and the element
// shown in place of an empty list are named by the page. Controls are looked up each
// time; a missing one is skipped.
#include <functional>
#include <string>

#include "platform/win32.h"

namespace SkinUI {
class CControlUI;
class CListUI;
class CWindowManagerUI;
}  // namespace SkinUI

class ListPager {
 public:
  static constexpr int kRowsPerPage = 20;

  struct Names {
    std::wstring suffix;
    std::wstring countLabel;
    std::wstring noContent;
    // Whether the count label's tooltip and width follow the count, for a page out of
    // range and for a page shown.
    bool sizedOutOfRange;
    bool sizedInRange;
  };
  // Adds the list row of the stored row at that index (0-based) as list row `row`.
  using RowBuilder = std::function<void(int row, int index)>;

  ListPager(SkinUI::CWindowManagerUI& manager, Names names, const RECT& workArea);

  // Pages for that many rows; 0 for none.
  static int PageCount(int rows);
  // The page to show after the row count fell to `rows`: the current page, or the last
  // one when the current page no longer exists, at least 1.
  static int PageAfterDelete(int rows, int current);

  // Shows page `page` of `rows` stored rows in the list, whose rows are already removed;
  // `current` becomes the page when it exists.
  void Display(SkinUI::CListUI* list, int rows, int page, int& current, const RowBuilder& build);
  // True when both the previous and the next button exist.
  bool HasPrevNext() const;
  // The page typed into the page box, or 0 after telling the user why it cannot be shown
  // (nothing is said when there are no pages). On success the buttons follow the page.
  int JumpTarget(HWND hwndParent, int rows);

  std::wstring Name(const wchar_t* prefix) const { return prefix + m_names.suffix; }

 private:
  SkinUI::CControlUI* Find(const std::wstring& name) const;
  void EnableButtons(int page, int pages);
  void ShowCount(int rows, bool sized);
  void ShowListOrPlaceholder(SkinUI::CListUI* list);

  SkinUI::CWindowManagerUI& m_manager;
  Names m_names;
  RECT m_workArea;
};
