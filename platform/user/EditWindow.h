#pragma once
// The system "Edit" class: a single line of text edited in place, as a child window
// or as a borderless pop-up laid over a layered window. It tells the window given as
// its parent at creation (the owner, for a pop-up) of each change with WM_COMMAND,
// EN_UPDATE before the new text is drawn and EN_CHANGE after, and asks it for its
// colours with WM_CTLCOLOREDIT (WM_CTLCOLORSTATIC when read-only or disabled).
#include <memory>

#include "platform/user/TextEditor.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStateMap.h"

namespace platform::user {

class EditWindow {
 public:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  explicit EditWindow(HWND hwnd);

 private:
  static WindowStateMap<EditWindow>& States();

  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCreate(const CREATESTRUCTW* cs);
  LRESULT OnSetText(LPCWSTR text);
  LRESULT OnGetText(WPARAM size, LPWSTR buffer) const;
  void OnSetSel(int start, int end);
  void OnSetFont(HFONT font, bool redraw);
  void OnSetFocus();
  void OnKillFocus();
  void OnKeyDown(UINT vk);
  void OnChar(wchar_t ch);
  void OnButtonDown(LPARAM lParam);
  void OnMouseMove(LPARAM lParam);
  void OnDoubleClick(LPARAM lParam);
  void OnPaint();

  void Copy();
  void Cut();
  void Paste();

  EditRules Rules() const;
  DWORD Style() const;
  bool Enabled() const;
  void SetStyleBit(DWORD bit, bool on);
  // The text changed: the parent hears of it before and after it is drawn.
  void Changed();
  // The selection or the caret moved without a change of text.
  void Moved();
  void Notify(WORD code);
  void UpdateCaret();
  void Layout();

  HWND hwnd_;
  HWND parent_ = nullptr;
  TextEditor editor_;
  bool alive_ = true;
  bool focused_ = false;
  bool dragging_ = false;
  bool modified_ = false;
  bool caretMade_ = false;
};

}  // namespace platform::user
