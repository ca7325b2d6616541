#include "tests/app/shell/support/ToastLog.h"

#include "app/shell/ShellServices.h"

namespace shelltest {

ToastLog::ToastLog() {
  SetToastHandler([this](const std::wstring& text, int seconds) {
    std::lock_guard<std::mutex> lock(mutex_);
    toasts_.emplace_back(text, seconds);
  });
}

ToastLog::~ToastLog() { SetToastHandler(nullptr); }

std::vector<std::wstring> ToastLog::Texts() const {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<std::wstring> texts;
  for (const auto& toast : toasts_) texts.push_back(toast.first);
  return texts;
}

std::vector<std::wstring> ToastLog::TextsWithSeconds() const {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<std::wstring> texts;
  for (const auto& toast : toasts_) texts.push_back(toast.first + L"/" + std::to_wstring(toast.second));
  return texts;
}

std::vector<std::wstring> ToastLog::TakeTexts() {
  std::vector<std::wstring> texts = Texts();
  Clear();
  return texts;
}

void ToastLog::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  toasts_.clear();
}

}  // namespace shelltest
