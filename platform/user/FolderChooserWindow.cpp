#include "platform/user/FolderChooserWindow.h"

namespace platform::user {

FolderChooserWindow::FolderChooserWindow(std::wstring prompt, std::wstring top, std::wstring start)
    : FileBrowserWindow(L"浏览文件夹", std::move(prompt), std::move(top), std::move(start)) {}

bool FolderChooserWindow::Confirm() {
  const std::vector<int> selection = Selection();
  const bool subfolder = !selection.empty() && !Entries()[selection.front()].parent;
  chosen_ = subfolder ? PathOf(Entries()[selection.front()]) : Folder();
  return true;
}

}  // namespace platform::user
