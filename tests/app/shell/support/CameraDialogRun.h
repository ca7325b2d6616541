#pragma once
// The camera dialog as its openers run it, for tests: opened over an owner on a GUI
// thread through OpenCameraDialog, with what came of it recorded: the result, when it
// closed and when message 1254 reached it, on the clock the windows run on. Beside it,
// the camera windows' log lines and toasts.
#include <atomic>
#include <future>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "app/shell/CameraLog.h"
#include "platform/win32.h"
#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"

namespace shelltest {

struct LogLine {
  CameraLog::Sink sink = CameraLog::Sink::TextLog;
  int level = 0;
  std::string text;  // GBK, as written

  bool operator==(const LogLine& other) const;
};
std::ostream& operator<<(std::ostream& out, const LogLine& line);

// Takes the camera windows' log lines and every toast while it lives.
class CameraRecorder {
 public:
  CameraRecorder();
  ~CameraRecorder();
  CameraRecorder(const CameraRecorder&) = delete;
  CameraRecorder& operator=(const CameraRecorder&) = delete;

  std::vector<LogLine> Lines() const;
  std::vector<std::wstring> Toasts() const;

 private:
  mutable std::mutex mutex_;
  std::vector<LogLine> lines_;
  std::vector<std::wstring> toasts_;
};

class CameraDialogRun {
 public:
  // Opens the dialog on `ui` and waits until the threads are idle.
  CameraDialogRun(platform::headless::GuiThread& ui, platform::headless::TestDriver& driver, HWND owner,
                  int checkpointId);
  ~CameraDialogRun();
  CameraDialogRun(const CameraDialogRun&) = delete;
  CameraDialogRun& operator=(const CameraDialogRun&) = delete;

  // Null once gone (or when it closed before the test saw it).
  HWND Dialog() const { return dialog_; }
  // The player window as it was first seen; null when none was made.
  HWND Player() const { return player_; }
  // Milliseconds since the dialog was opened.
  DWORD Elapsed() const;
  bool Closed() const { return outcome_->closed.load(); }
  // Waits for the end of the modal run (the test must have made it end).
  UINT Result() const { return outcome_->result.get(); }
  // When the modal run ended, since the dialog was opened; -1 while it runs.
  long ClosedAt() const { return outcome_->closedAt.load(); }
  // When each message 1254 reached the dialog, since it was opened.
  std::vector<long> FailuresAt() const;
  // Clicks "btn_close" and waits until the threads are idle.
  void ClickClose();

 private:
  static LRESULT CALLBACK Spy(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  platform::headless::GuiThread& ui_;
  platform::headless::TestDriver& driver_;
  DWORD start_ = 0;
  HWND dialog_ = nullptr;
  HWND player_ = nullptr;
  WNDPROC original_ = nullptr;
  // Shared with the modal run, which may outlive a test that failed.
  struct Outcome {
    std::atomic<bool> closed{false};
    std::atomic<long> closedAt{-1};
    std::shared_future<UINT> result;
  };
  std::shared_ptr<Outcome> outcome_;
  mutable std::mutex mutex_;
  std::vector<long> failuresAt_;
};

}  // namespace shelltest
