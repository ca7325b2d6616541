#pragma once
// The folder chooser the layer shows: folders only; OK answers the selected subfolder,
// or the folder shown when none is selected.
#include "platform/user/FileBrowserWindow.h"

namespace platform::user {

class FolderChooserWindow : public FileBrowserWindow {
 public:
  FolderChooserWindow(std::wstring prompt, std::wstring top, std::wstring start);

  // The confirmed folder, empty before.
  const std::wstring& Chosen() const { return chosen_; }

 protected:
  bool ListsFile(const std::wstring&) const override { return false; }
  bool MultiSelect() const override { return false; }
  bool Confirm() override;

 private:
  std::wstring chosen_;
};

}  // namespace platform::user
