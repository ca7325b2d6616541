#pragma once
// The window behind MessageBoxW: caption, text, an icon mark and its buttons, run in
// its own modal loop on the calling thread. Open boxes can be listed and answered,
// which is how tests (and the headless backend) reply to them.
#include <string>
#include <vector>

#include "platform/base/WinTypes.h"

namespace platform::user {

struct OpenMessageBox {
  HWND hwnd = nullptr;
  std::wstring text;
  std::wstring caption;
  UINT type = 0;
};

class MessageBoxWindow {
 public:
  MessageBoxWindow(std::wstring text, std::wstring caption, UINT type);

  static LPCWSTR ClassName();
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static std::vector<OpenMessageBox> OpenBoxes();
  // Posts the answer to an open box; false when `hwnd` is no open box.
  static bool Answer(HWND hwnd, int buttonId);

  int Run(HWND owner);

 private:
  struct Button {
    int id;
    const wchar_t* label;
    RECT rect;
  };

  LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Layout(HWND hwnd);
  void Paint(HWND hwnd);
  void Finish(int id);
  int CancelAnswer() const;

  std::wstring text_;
  std::wstring caption_;
  UINT type_;
  std::vector<Button> buttons_;
  RECT textRect_{};
  int result_ = 0;
  bool done_ = false;
};

}  // namespace platform::user
