#pragma once
// The window with the code to download the patrol app; "btn_close" closes it with 2.
#include "ui/core/window/WindowImplBase.h"

class CQRCodeWnd : public SkinUI::WindowImplBase {
 public:
  void Notify(SkinUI::UINotifyRecord& msg) override;

  // As the main frame opens it: owned by `hwndOwner`, titled "下载APP", topmost,
  // centred, modal. Returns its result.
  static UINT ShowOver(HWND hwndOwner);

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
};
