#include "tests/fuzz/FuzzWindow.h"

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "testing/driver/TestDriver.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace fuzz {
namespace {

const wchar_t kClassName[] = L"FuzzHost";

void RegisterHostClass() {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &DefWindowProcW;
  wc.lpszClassName = kClassName;
  wc.hInstance = GetModuleHandleW(nullptr);
  RegisterClassExW(&wc);
}

// Skins that name files ("Include", child layouts, pictures) find an empty folder.
void UseEmptySkinFolder() {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("fuzz-skins-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::wstring path = folder.wstring() + L"/";
  SkinUI::CWindowManagerUI::SetResourcePath(path.c_str());
}

}  // namespace

FuzzWindow& FuzzWindow::Get() {
  // The backend is chosen once, when the first window call is made.
  static const bool headless = setenv("PLATFORM_BACKEND", "headless", 1) == 0;
  static platform::headless::TestDriver driver;
  static FuzzWindow window;
  (void)headless;
  return window;
}

FuzzWindow::FuzzWindow() {
  SkinUI::CWindowManagerUI::SetInstance(GetModuleHandleW(nullptr));
  UseEmptySkinFolder();
  RegisterHostClass();
  hwnd_ = CreateWindowExW(0, kClassName, L"fuzz", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  manager_ = NewManager();
}

FuzzWindow::~FuzzWindow() {
  manager_.reset();
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

std::unique_ptr<SkinUI::CWindowManagerUI> FuzzWindow::NewManager() {
  auto manager = std::make_unique<SkinUI::CWindowManagerUI>();
  manager->Init(hwnd_);
  return manager;
}

}  // namespace fuzz
