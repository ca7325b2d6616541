#pragma once
// The clipboard of a desktop shared with other programs. A backend that has one
// offers the program's clipboard text to them and reads theirs; reached by a
// dynamic_cast of the active backend, as the input-method spot is. Without one the
// clipboard stays inside the process.
#include <string>

namespace platform::backend {

class DesktopClipboard {
 public:
  virtual ~DesktopClipboard() = default;
  // The program now holds the desktop's clipboard, with this text.
  virtual void OfferText(const std::wstring& text) = 0;
  // True when another program holds the clipboard; `text` is then its text, empty
  // when it has none or did not answer within a few seconds.
  virtual bool ReadForeignText(std::wstring* text) = 0;
};

}  // namespace platform::backend
