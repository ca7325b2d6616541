#pragma once
// The text log of a run: "log/Wardenfell/YYYY-MM-DD" in the program's folder.
#include <string>

void InitLog();
// Appends the dated log folder to the program folder (GBK) and creates it with its
// parents; an empty folder stays empty.
void MakeLogFolder(std::string& folder);
