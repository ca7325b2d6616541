#pragma once
// The shade protocol of a page's dialog: the shade is shown with the focus while the
// scope lives and hidden again when it ends, and it owns the dialog. Without a shade (a
// page shown on its own) the page itself owns the dialog.
#include "platform/win32.h"

class ShadeScope {
 public:
  explicit ShadeScope(HWND hwndPage);
  ~ShadeScope();
  ShadeScope(const ShadeScope&) = delete;
  ShadeScope& operator=(const ShadeScope&) = delete;

  // The window the dialog is created over.
  HWND Owner() const { return m_owner; }

 private:
  HWND m_owner;
  bool m_shown;
};
