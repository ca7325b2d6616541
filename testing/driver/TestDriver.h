#pragma once
// What a GUI test drives the headless backend with: waits until every GUI thread is
// idle, moves the virtual clock and lets what fell due run, injects input at screen
// coordinates, reads window pictures and answers message boxes. No test sleeps.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/user/MessageBoxWindow.h"
#include "platform/user/ShellDialogScript.h"

namespace platform::headless {

class TestDriver {
 public:
  TestDriver();
  explicit TestDriver(std::vector<backend::MonitorDesc> monitors);
  ~TestDriver();

  // The default primary monitor and a second one of 1280x1024 to its right, whose
  // work area leaves a panel of 30 pixels along its top.
  static std::vector<backend::MonitorDesc> TwoMonitors();

  HeadlessBackend& Backend() { return *backend_; }

  // True once every GUI thread but the caller waits in GetMessageW with nothing to
  // do; false if that did not happen within a generous real-time limit (a hang).
  bool WaitIdle();
  // Moves the clock forward, stopping at each time something falls due and letting
  // the threads run it, as if the time had passed.
  void Advance(uint64_t milliseconds);
  // Moves the clock forward in one step: timers that fell due more than once fire once.
  void Jump(uint64_t milliseconds);

  void MoveMouse(int x, int y);
  void Press(backend::MouseButton button = backend::MouseButton::Left);
  void Release(backend::MouseButton button = backend::MouseButton::Left);
  void Click(int x, int y, backend::MouseButton button = backend::MouseButton::Left);
  void Wheel(int delta);
  void KeyDown(UINT vk);
  void KeyUp(UINT vk);
  void Tap(UINT vk);
  // Characters an input method commits.
  void Commit(const std::wstring& text);

  // The open message boxes; empty is how a test checks that none was shown.
  std::vector<user::OpenMessageBox> MessageBoxes() const;
  // Answers the most recent message box with a button id, waiting (within a bound, the
  // clock standing still) for one to open, since a worker may show it. When none opens
  // it says on stderr what it waited for and gives false, which the caller must check
  // (the driver serves benchmarks too, so it cannot fail a test itself).
  [[nodiscard]] bool AnswerMessageBox(int buttonId);

  // The folder chooser's answers, taken in order by the calls to come; a call with
  // none left is cancelled. Every call is recorded with its title and flags.
  void ScriptFolder(const std::wstring& path);
  void ScriptNonFileSystemFolder(const std::wstring& displayName);
  void ScriptFolderCancel();
  std::vector<user::FolderChooserCall> FolderChooserCalls() const;
  // The open-file dialog's answers in the same way: the full paths picked (all in one
  // folder), or a cancel. Each call is recorded with its title, filter and flags.
  void ScriptOpenFiles(std::vector<std::wstring> paths);
  void ScriptOpenFileCancel();
  std::vector<user::OpenFileCall> OpenFileCalls() const;

 private:
  void Input();

  HeadlessBackend* backend_;
};

}  // namespace platform::headless
