#pragma once
// The folder chooser of the plan page, the result window and the plan execution view.
#include <string>

// The chosen folder; empty when the user cancels or picks something that is no
// file-system folder.
std::wstring BrowseForFolderW();
// The same as narrow text.
std::string BrowseForFolder();
