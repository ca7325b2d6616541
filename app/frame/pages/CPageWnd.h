#pragma once
// A page of the main frame that is not built yet: a child window of the frame, created
// once on the page's first selection and afterwards only shown and hidden, placed under
// the tab bar across the work area, showing its title and a find button that takes the
// focus when the page is selected.
#include <string>

#include "ui/core/window/WindowImplBase.h"

class CPageWnd : public SkinUI::WindowImplBase {
 public:
  // The focus goes to the page's find button, when it has one.
  void FocusFindButton();

  virtual LPCTSTR GetPageTitle() const = 0;

 protected:
  // Empty for a page without one.
  virtual LPCTSTR GetFindButtonName() const = 0;
  // The page's height is the work area's bottom less this.
  virtual int GetBottomMargin() const;

  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  void OnSkinBuilt() override;

 private:
  void AddFindButton();
};
