#include "app/client/PlaceholderMainWindow.h"

LPCTSTR PlaceholderMainWindow::GetWindowClassName() const { return L"DuviraMainWindow"; }
