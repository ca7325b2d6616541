#include "app/management/CCardTilesUI.h"

#include <algorithm>
#include <climits>
#include <cwchar>

#include "ui/core/control/CScrollBarUI.h"

namespace {

// What a screen is taken to be before the grid has a height of its own.
const int kDefaultViewHeight = 1080;

}  // namespace

void CCardTilesUI::ShowItems(int count) {
  m_nItems = std::max(0, count);
  std::fill(m_shown.begin(), m_shown.end(), -1);
  // The first card tells the height of a row, which the window is reckoned in.
  if (m_nItems > 0 && m_cards.empty() && m_pSource != nullptr) AddCard();
  Apply(WantedWindow(), true);
  RequestLayout();
}

LPVOID CCardTilesUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"CardTiles") == 0) return this;
  return SkinUI::CTileLayoutUI::GetInterface(pstrName);
}

void CCardTilesUI::RemoveAll() {
  SkinUI::CTileLayoutUI::RemoveAll();
  m_nItems = 0;
  m_window = Window();
  m_cards.clear();
  m_shown.clear();
  m_nLeading = 0;
  m_pTrailing = nullptr;
}

void CCardTilesUI::SetPos(RECT rc) {
  SkinUI::CTileLayoutUI::SetPos(rc);
  // The scroll range may have moved the position; the second pass places the new window.
  if (Apply(WantedWindow(), false)) SkinUI::CTileLayoutUI::SetPos(m_rcItem);
}

void CCardTilesUI::SetScrollPos(SIZE szPos) {
  SkinUI::CTileLayoutUI::SetScrollPos(szPos);
  if (!Apply(WantedWindow(), false)) return;
  SkinUI::CTileLayoutUI::SetPos(m_rcItem);
  Invalidate();
}

int CCardTilesUI::RowHeight() const { return m_nCellHeight + m_iChildPadding; }

int CCardTilesUI::ViewHeight() const {
  const int placed = (m_rcItem.bottom - m_rcItem.top) - m_rcInset.top - m_rcInset.bottom;
  if (placed > 0) return placed;
  return GetFixedHeight() > 0 ? GetFixedHeight() : kDefaultViewHeight;
}

int CCardTilesUI::TotalRows() const {
  const int columns = std::max(1, GetColumns());
  return (m_nItems + columns - 1) / columns;
}

CCardTilesUI::Window CCardTilesUI::WantedWindow() const {
  const int total = TotalRows();
  if (total == 0) return Window();
  if (m_nCellHeight <= 0) return Window{0, 1};  // the first card tells the cell's height
  const int rowHeight = std::max(1, RowHeight());
  const int screenRows = ViewHeight() / rowHeight + 2;
  const int windowRows = 2 * screenRows;
  const int scrolled = m_pVerticalScrollBar != nullptr ? m_pVerticalScrollBar->GetScrollPos() : 0;
  const int topRow = std::min(scrolled / rowHeight, total - 1);
  int first = m_window.firstRow;
  const bool covered = m_window.rows > 0 && topRow >= first && topRow + screenRows <= first + windowRows;
  if (!covered) first = std::max(0, topRow - screenRows / 2);
  first = std::min(first, std::max(0, total - windowRows));
  return Window{first, std::min(windowRows, total - first)};
}

bool CCardTilesUI::Apply(const Window& window, bool force) {
  if (m_pSource == nullptr) return false;
  if (!force && window.firstRow == m_window.firstRow && window.rows == m_window.rows) return false;
  const int columns = std::max(1, GetColumns());
  const int firstItem = window.firstRow * columns;
  const int count = std::max(0, std::min(m_nItems - firstItem, window.rows * columns));
  while (static_cast<int>(m_cards.size()) < count) AddCard();
  while (static_cast<int>(m_cards.size()) > count) {
    SkinUI::CControlUI* card = m_cards.back();
    m_cards.pop_back();
    m_shown.pop_back();
    Remove(card);
  }
  for (int k = 0; k < count; ++k) {
    if (m_shown[k] == firstItem + k) continue;
    m_pSource->ShowItem(m_cards[k], firstItem + k);
    m_shown[k] = firstItem + k;
  }
  const int rowHeight = RowHeight();
  PlaceLeadingRow(window.firstRow > 0 ? window.firstRow * rowHeight - m_iChildPadding : 0);
  const int rowsAfter = TotalRows() - window.firstRow - window.rows;
  PlaceTrailingRow(rowsAfter > 0 ? rowsAfter * rowHeight - m_iChildPadding : 0);
  m_window = window;
  return true;
}

void CCardTilesUI::AddCard() {
  SkinUI::CControlUI* card = m_pSource->MakeCard();
  if (m_nCellHeight <= 0) {
    const RECT padding = card->GetPadding();
    m_nCellHeight = card->GetFixedHeight() + padding.top + padding.bottom;
  }
  AddAt(card, m_nLeading + static_cast<int>(m_cards.size()));
  m_cards.push_back(card);
  m_shown.push_back(-1);
}

void CCardTilesUI::PlaceLeadingRow(int height) {
  const int wanted = height > 0 ? std::max(1, GetColumns()) : 0;
  while (m_nLeading > wanted) {
    RemoveAt(0);
    --m_nLeading;
  }
  while (m_nLeading < wanted) {
    AddAt(MakeStandIn(height), 0);
    ++m_nLeading;
  }
  for (int i = 0; i < m_nLeading; ++i) GetItemAt(i)->SetFixedHeight(height);
}

void CCardTilesUI::PlaceTrailingRow(int height) {
  if (height <= 0) {
    if (m_pTrailing != nullptr) Remove(m_pTrailing);
    m_pTrailing = nullptr;
    return;
  }
  if (m_pTrailing == nullptr) {
    m_pTrailing = MakeStandIn(height);
    Add(m_pTrailing);
  }
  m_pTrailing->SetFixedHeight(height);
}

SkinUI::CControlUI* CCardTilesUI::MakeStandIn(int height) {
  auto* standIn = new SkinUI::CControlUI;
  standIn->SetMouseEnabled(false);
  standIn->SetMaxHeight(INT_MAX);
  standIn->SetFixedHeight(height);
  return standIn;
}
