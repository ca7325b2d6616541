// The folder chooser on a real display: it shows as a window of the program, a real
// click selects a folder and Enter answers it.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <atomic>
#include <filesystem>
#include <string>

#include "platform/base/CodePage.h"
#include "platform/user/FileBrowserWindow.h"
#include "platform/user/ShellItemList.h"
#include "testing/driver/GuiThread.h"
#include "testing/x11/TestDisplay.h"

#include <X11/keysym.h>

namespace {

using platform::headless::GuiThread;
using platform::user::FileBrowserWindow;
using x11test::TestDisplay;

TEST(ShellDialogOnDisplay, TheFolderChooserAnswersAFolderPickedWithTheMouse) {
  TestDisplay display;
  ASSERT_TRUE(display.ok());
  char pattern[] = "/tmp/chooser-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::string root = pattern;
  std::filesystem::create_directories(root + u8"/导出");
  std::filesystem::create_directories(root + "/logs");

  std::atomic<bool> returned{false};
  std::wstring chosen;
  GuiThread gui;
  gui.Post([&] {
    PIDLIST_ABSOLUTE top =
        platform::user::ShellItemList::Make(platform::user::ShellItem{true, platform::codepage::Utf8ToWide(root)});
    BROWSEINFOW info{};
    info.pidlRoot = top;
    info.lpszTitle = L"选择一个文件夹";
    info.ulFlags = BIF_NEWDIALOGSTYLE;
    PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&info);
    wchar_t path[MAX_PATH] = {0};
    if (item != nullptr && SHGetPathFromIDListW(item, path)) chosen = path;
    CoTaskMemFree(item);
    CoTaskMemFree(top);
    returned = true;
  });
  HWND dialog = nullptr;
  ASSERT_TRUE(TestDisplay::WaitUntil([&] {
    dialog = FindWindowW(FileBrowserWindow::ClassName(), nullptr);
    return dialog != nullptr;
  }));
  ASSERT_TRUE(TestDisplay::FlushBackend());
  const unsigned long native = TestDisplay::NativeWindow(dialog);
  ASSERT_TRUE(TestDisplay::WaitUntil([&] { return display.Viewable(native); }));
  display.SaveScreen("folder-chooser");

  RECT entry{};
  gui.Call([&] {
    FileBrowserWindow* browser = FileBrowserWindow::FromWindow(dialog);
    ASSERT_NE(browser, nullptr);
    ASSERT_EQ(browser->Entries().size(), 2u);
    EXPECT_EQ(browser->Entries()[0].name, L"logs");
    entry = browser->EntryRect(1);
  });
  const POINT at = display.RootPosition(native);
  display.Click(at.x + (entry.left + entry.right) / 2, at.y + (entry.top + entry.bottom) / 2);
  ASSERT_TRUE(TestDisplay::WaitUntil([&] {
    bool selected = false;
    gui.Call([&] {
      FileBrowserWindow* browser = FileBrowserWindow::FromWindow(dialog);
      selected = browser != nullptr && browser->Selection() == std::vector<int>{1};
    });
    return selected;
  })) << "the click selects the second folder";
  display.Chord({XK_Return});
  ASSERT_TRUE(TestDisplay::WaitUntil([&] { return returned.load(); }));
  EXPECT_EQ(chosen, platform::codepage::Utf8ToWide(root) + L"/导出");
  std::filesystem::remove_all(root);
}

}  // namespace
