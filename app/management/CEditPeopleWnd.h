#pragma once
// Changes one patrol person's patrol types: the name and seven type boxes preset from
// the person's mask; OK saves the new mask to the server and then to the cache. Result
// of the modal run: 1 saved, 2 closed or cancelled.
#include "app/management/PatrolTypeBoxes.h"
#include "data/PeopleInfo.h"
#include "ui/core/window/WindowImplBase.h"

class CEditPeopleWnd : public SkinUI::WindowImplBase {
 public:
  explicit CEditPeopleWnd(int iPeopleID);

  // 1 saved, 0 refused (no type, or a person the cache does not hold), -1 refused by
  // the server.
  int Save();

  void Notify(SkinUI::UINotifyRecord& msg) override;

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  void OnSkinBuilt() override;

 private:
  int m_iPeopleID;
  bool m_bCached = false;
  PeopleInfo m_people;
  PatrolTypeBoxes m_boxes;
};
