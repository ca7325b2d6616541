#pragma once
// What the one-text and the two-line message boxes share: the buttons and spacers they
// put into "YesNo", the red background of "mainContain", and their answers to clicks
// ("yes" 1, "cancle" 2, "close" 3, each a posted close; "ReadFailPicDetail" opens the
// program folder's "PictInfo.txt" and leaves the box open).
#include <string>

#include "platform/win32.h"
#include "ui/core/window/WindowImplBase.h"

namespace SkinUI {
class CButtonUI;
class CContainerUI;
}  // namespace SkinUI

class MessageWindowBase : public SkinUI::WindowImplBase {
 public:
  // The look of one kind of box button.
  struct ButtonLook {
    int width;
    int height;
    int font;
    LPCTSTR normalImage;
    LPCTSTR hotImage;
  };
  static const ButtonLook kOneTextButton;
  static const ButtonLook kTwoLineButton;
  static const ButtonLook kTwoLinePlainButton;

  explicit MessageWindowBase(int kind);

  void Notify(SkinUI::UINotifyRecord& msg) override;

 protected:
  // "YesNo", or null when the skin has none.
  SkinUI::CContainerUI* ButtonRow() const;
  // Each adds to the end of the row.
  static SkinUI::CButtonUI* AddButton(SkinUI::CContainerUI& row, LPCTSTR name, LPCTSTR text, const ButtonLook& look);
  // A plain control; width 0 leaves it to share the row's free space.
  static SkinUI::CControlUI* AddSpacer(SkinUI::CContainerUI& row, LPCTSTR name, int width);
  // Spacer, "确定", spacer "Intercede" of the given width, "取消", spacer "RightTaken".
  static void AddYesCancel(SkinUI::CContainerUI& row, int interceptWidth, const ButtonLook& look);
  // The red layouts' background on "mainContain".
  void UseRedBackground();

  const int m_kind;

 private:
  void OpenPictureInfo();
};
