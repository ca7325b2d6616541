#pragma once
// The open-file dialog the layer shows: folders and the files matching the filter's
// patterns (letter case ignored); with several allowed, Ctrl and Shift clicks extend
// the selection. OK answers the selected files; with only a folder selected it enters
// that folder instead.
#include <string>
#include <vector>

#include "platform/user/FileBrowserWindow.h"

namespace platform::user {

class OpenFileWindow : public FileBrowserWindow {
 public:
  // `patterns` as a filter gives them: "*.jpg;*.png"; empty lists every file. The
  // filter's description is shown above the folder.
  OpenFileWindow(std::wstring title, std::wstring description, std::wstring patterns, bool multiSelect,
                 std::wstring start);

  // Whether a name matches one of the patterns ('*' and '?' wildcards).
  static bool Matches(const std::wstring& patterns, const std::wstring& name);

  // The confirmed files' full paths, in list order; empty before.
  const std::vector<std::wstring>& Chosen() const { return chosen_; }

 protected:
  bool ListsFile(const std::wstring& name) const override { return Matches(patterns_, name); }
  bool MultiSelect() const override { return multiSelect_; }
  bool Confirm() override;

 private:
  std::wstring patterns_;
  bool multiSelect_;
  std::vector<std::wstring> chosen_;
};

}  // namespace platform::user
