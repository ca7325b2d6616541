#pragma once
// A button showing a date as YYYY-MM-DD. When it is clicked or takes the focus, the
// system date picker lies over it; when the picker loses the focus with the pointer
// outside it, the picked date becomes the text. Escape in the picker keeps the text,
// Delete and Backspace clear it.
#include "ui/controls/CButtonUI.h"

namespace SkinUI {

class CDateTimeWnd;

class CDateTimeUI : public CButtonUI {
 public:
  // What closing the picker does to the text.
  enum UpdateState { DT_NONE = 0, DT_UPDATE = 1, DT_DELETE = 2, DT_KEEP = 3 };

  // Shows today's date.
  CDateTimeUI();
  // An open picker goes first, told that its control is gone.
  ~CDateTimeUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  void HandleEvent(UIEventRecord& event) override;
  // The date follows the text, so the picker opens on the date shown; a text that is
  // no date makes it today.
  void SetText(LPCTSTR pstrText) override;

  // DT_UPDATE writes the date into the text, DT_DELETE empties it; other states
  // change nothing.
  void UpdateText();

  // What the picker window tells its control (the program reads the text only).
  // The picker opens: the update state is reset, and an empty text starts it on
  // today. Returns the date it starts on.
  SYSTEMTIME StartPicking();
  // A key closes the picker: DT_DELETE empties the text, DT_KEEP leaves it.
  void EndPickingWith(int nState);
  // The picker loses the focus: its date becomes the text, unless a key decided first.
  void EndPickingWithDate(const SYSTEMTIME& picked);
  // The picker window is gone.
  void PickerClosed();

 private:
  void OpenPicker();
  // The calendar day of a "YYYY-MM-DD" text; false for any other text.
  static bool ReadDate(LPCTSTR pstrText, SYSTEMTIME& date);

  SYSTEMTIME m_sysTime;
  int m_nDTUpdateFlag;
  CDateTimeWnd* m_pWindow;
};

}  // namespace SkinUI
