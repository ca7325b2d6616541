#pragma once
// What the main frame needs of a page: a child window of the frame, created once on the
// page's first selection and afterwards only shown and hidden, placed under the tab bar
// across the work area, with a find button that takes the focus when the page is
// selected. Until a page is built it shows its title.
#include <string>

#include "ui/core/window/WindowImplBase.h"

class CPageWnd : public SkinUI::WindowImplBase {
 public:
  // A child of the frame, titled with the page's title, at the default place (the page
  // places itself once its skin is built). Null when it could not be made.
  HWND CreatePage(HWND hwndFrame);

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
