#pragma once
// The window classes of the program's own windows (and the framework's and the layer's),
// as its sources name them: what a test may look a window up by. A lookup by a class
// outside them is a typo that could only find nothing and prove an absence.
#include <string>
#include <vector>

namespace controltest {

const std::vector<std::wstring>& ProductWindowClasses();
bool IsProductWindowClass(const std::wstring& className);

}  // namespace controltest
