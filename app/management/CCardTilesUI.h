#pragma once
// The grid of a page's cards when the page may hold thousands of items: only the rows on
// screen and a screen's worth around them have cards, which are shown other items as the
// grid scrolls; the rows above and below are stood in for by empty controls of their
// height, so the scroll bar and the cards' places are those of a grid of every card.
// Cards are made and shown by the page's source; the grid owns them.
#include <vector>

#include "ui/core/control/CTileLayoutUI.h"

class CCardTilesUI : public SkinUI::CTileLayoutUI {
 public:
  // What the page tells the grid about its items.
  class Source {
   public:
    virtual ~Source() = default;
    // A new card, sized and padded as every card of the page.
    virtual SkinUI::CControlUI* MakeCard() = 0;
    // Makes the card show the item at that place of the page's list.
    virtual void ShowItem(SkinUI::CControlUI* card, int index) = 0;
  };

  CCardTilesUI() = default;

  // The source outlives the grid's use of it (the page owns both).
  void SetSource(Source* source) { m_pSource = source; }
  // The page's list changed: the cards from the first shown row on show it anew.
  void ShowItems(int count);
  int GetItemCount() const { return m_nItems; }

  LPVOID GetInterface(LPCTSTR pstrName) override;
  void RemoveAll() override;
  void SetPos(RECT rc) override;
  void SetScrollPos(SIZE szPos) override;

 private:
  struct Window {
    int firstRow = 0;
    int rows = 0;
  };

  // The rows that should have cards at the current scroll position.
  Window WantedWindow() const;
  int RowHeight() const;
  int ViewHeight() const;
  int TotalRows() const;
  // Makes the cards and the stand-ins match the window; false when nothing changed.
  bool Apply(const Window& window, bool force);
  // A new card at the end of the cards, showing nothing yet.
  void AddCard();
  void PlaceLeadingRow(int height);
  void PlaceTrailingRow(int height);
  // A stand-in for rows without cards.
  static SkinUI::CControlUI* MakeStandIn(int height);

  Source* m_pSource = nullptr;
  int m_nItems = 0;
  Window m_window;
  // The cards in the order of the grid, and the item each one shows.
  std::vector<SkinUI::CControlUI*> m_cards;
  std::vector<int> m_shown;
  // The stand-ins before the first card (one a column) and after the last one.
  int m_nLeading = 0;
  SkinUI::CControlUI* m_pTrailing = nullptr;
  int m_nCellHeight = 0;
};
