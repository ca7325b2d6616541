#pragma once
// The first-run address dialog ("InputQVBaseAddrWnd.xml"): the user types the platform
// host and says whether this PC is outside the school network; the dialog asks the
// platform for the patrol server's address and stores both. Closes with 1 when the
// addresses are set, 2 when cancelled.
#include "ui/core/window/WindowImplBase.h"

class CInputQVBaseAddrWndUI : public SkinUI::WindowImplBase {
 public:
  void Notify(SkinUI::UINotifyRecord& msg) override;

  void OnComplete();
  // "SystemSetting"/"PictureSavePath" = "C:\Users\<name>\Pictures"; nothing reads it.
  bool SaveDefaultPictureSavePath();

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
};
