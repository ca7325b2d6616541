#pragma once
// The folder chooser of the plan page, the result window and the plan execution view.
#include <string>

// The chosen folder as narrow text; "" when the user cancels or picks something that
// is no file-system folder.
std::string BrowseForFolder();
