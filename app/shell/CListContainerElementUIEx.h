#pragma once
// The row every page list is built of (see ListRows.h): a container row that also
// reports a double click as "dbclick", queued, so that the page hears of it after the
// row's own selection and "itemactivate".
#include "ui/controls/CListContainerElementUI.h"

class CListContainerElementUIEx : public SkinUI::CListContainerElementUI {
 public:
  CListContainerElementUIEx();
  ~CListContainerElementUIEx() override;

  void HandleEvent(SkinUI::UIEventRecord& event) override;
};
