#pragma once
// The hour-and-minute picker of the plan dialog: two lists, hours 00 to 24 and minutes
// 00 to 59, opened below the time field that was clicked with the field's text
// selected and in view. Confirming (确定, or a double click on an item of either list) takes the
// two selections as "HH:MM"; 24 goes only with 00. Confirming while either list has no
// selection does nothing.
#include <string>

#include "ui/core/window/WindowImplBase.h"

namespace SkinUI {
class CListUI;
}

class CTimeWnd : public SkinUI::WindowImplBase {
 public:
  // `rcAnchor` in screen coordinates; only its left and top are used.
  CTimeWnd(const RECT& rcAnchor, std::wstring time);

  // "HH:MM" as given, or as confirmed.
  std::wstring GetTime() const;

  void Notify(SkinUI::UINotifyRecord& msg) override;

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  void OnSkinBuilt() override;

 private:
  // The decimal value of the leading digits of up to two characters from `start`; -1
  // when the text has none there.
  int ReadPart(size_t start, size_t count) const;
  // Items "00" to count - 1, each 35 high; the one equal to `selected` is selected.
  static void Fill(SkinUI::CListUI* list, int count, int selected);
  static void ShowSelection(SkinUI::CListUI* list);
  void Confirm();

  RECT m_rcAnchor;
  std::wstring m_time;
  SkinUI::CListUI* m_pHour;
  SkinUI::CListUI* m_pMinute;
};
