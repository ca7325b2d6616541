#pragma once
// Scripted answers for the shell's dialogs. While the script is active (the headless
// test driver makes it so) the folder chooser and the open-file dialog show nothing:
// each call is recorded and takes the next answer queued for it, and with none left
// it is cancelled.
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "platform/base/WinTypes.h"
#include "platform/user/ShellItemList.h"

namespace platform::user {

struct FolderChooserCall {
  HWND owner = nullptr;
  std::wstring title;
  UINT flags = 0;
};

struct FolderAnswer {
  bool cancelled = true;
  ShellItem item;
};

struct OpenFileCall {
  HWND owner = nullptr;
  std::wstring title;
  std::vector<std::wstring> filter;  // description and pattern, pair after pair
  DWORD flags = 0;
};

struct OpenFileAnswer {
  bool cancelled = true;
  std::vector<std::wstring> paths;  // full paths, all in one folder
};

class ShellDialogScript {
 public:
  static ShellDialogScript& Instance();

  bool Active() const;
  void SetActive(bool active);
  // Drops the queued answers and the recorded calls.
  void Reset();

  void QueueFolder(FolderAnswer answer);
  void QueueOpenFile(OpenFileAnswer answer);
  // Records the call and takes its answer.
  FolderAnswer AnswerFolder(const FolderChooserCall& call);
  OpenFileAnswer AnswerOpenFile(const OpenFileCall& call);

  std::vector<FolderChooserCall> FolderCalls() const;
  std::vector<OpenFileCall> OpenFileCalls() const;

 private:
  mutable std::mutex mutex_;
  bool active_ = false;
  std::deque<FolderAnswer> folderAnswers_;
  std::deque<OpenFileAnswer> openFileAnswers_;
  std::vector<FolderChooserCall> folderCalls_;
  std::vector<OpenFileCall> openFileCalls_;
};

}  // namespace platform::user
