#pragma once
// Collects what the program toasts, from any thread, for as long as it lives: the toast
// handler is set when it is made and taken away when it goes.
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace shelltest {

class ToastLog {
 public:
  ToastLog();
  ~ToastLog();
  ToastLog(const ToastLog&) = delete;
  ToastLog& operator=(const ToastLog&) = delete;

  // The texts in the order they were toasted.
  std::vector<std::wstring> Texts() const;
  // Each as "<text>/<seconds>".
  std::vector<std::wstring> TextsWithSeconds() const;
  // The texts, forgetting them.
  std::vector<std::wstring> TakeTexts();
  void Clear();

 private:
  mutable std::mutex mutex_;
  std::vector<std::pair<std::wstring, int>> toasts_;
};

}  // namespace shelltest
