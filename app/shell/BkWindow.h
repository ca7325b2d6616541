#pragma once
// The shade: a window over the main frame that dims it while a dialog is open, and the
// owner of the dialogs the pages open. Its look is all its skin's. The shade protocol:
// show it with the focus, run the dialog modally over it, hide it again.
#include "ui/core/window/WindowImplBase.h"

class BkWindow : public SkinUI::WindowImplBase {
 public:
  // Owned by the main frame, named "BkWnd", over the work area from its top-left
  // corner to its right and bottom edges, hidden.
  HWND CreateHidden(HWND hwndFrame);

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
};

// The one shade of the process; null until the main frame has made it.
extern BkWindow* g_pBkWnd;
