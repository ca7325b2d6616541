// The shell's dialogs: the folder chooser's item lists and paths, answered by the
// test driver's script.
#include <gtest/gtest.h>

#include <atomic>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/base/CodePage.h"
#include "platform/user/FileBrowserWindow.h"
#include "platform/user/OpenFileWindow.h"
#include "platform/user/ShellDialogScript.h"
#include "platform/user/ShellItemList.h"
#include "platform/win32.h"
#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "testing/files/ScratchFolder.h"

namespace {

using platform::headless::GuiThread;
using platform::headless::TestDriver;
using platform::user::FileBrowserWindow;
using test_support::ScratchFolder;

std::wstring Wide(const std::string& utf8) { return platform::codepage::Utf8ToWide(utf8); }

enum class Answer { Folder, NotFileSystem, Cancel };

struct FolderCase {
  const char* name;
  Answer answer;
  std::wstring scripted;
  bool item;                  // SHBrowseForFolderW returned one
  std::wstring displayName;   // what the caller's buffer holds afterwards
  BOOL isPath;
  std::wstring path;
};

class FolderChooser : public ::testing::TestWithParam<FolderCase> {
 protected:
  TestDriver driver;
};

TEST_P(FolderChooser, AnswersFromTheScriptAndRecordsTheCall) {
  const FolderCase& c = GetParam();
  if (c.answer == Answer::Folder) driver.ScriptFolder(c.scripted);
  if (c.answer == Answer::NotFileSystem) driver.ScriptNonFileSystemFolder(c.scripted);
  if (c.answer == Answer::Cancel) driver.ScriptFolderCancel();

  wchar_t displayName[MAX_PATH] = L"untouched";
  BROWSEINFOW info{};
  info.pszDisplayName = displayName;
  info.lpszTitle = L"从下面选文件夹目录:";
  info.ulFlags = BIF_RETURNFSANCESTORS;
  PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&info);

  EXPECT_EQ(item != nullptr, c.item);
  EXPECT_EQ(std::wstring(displayName), c.displayName);
  wchar_t path[MAX_PATH] = L"stale";
  EXPECT_EQ(SHGetPathFromIDListW(item, path), c.isPath);
  EXPECT_EQ(std::wstring(path), c.path);
  CoTaskMemFree(item);

  const auto calls = driver.FolderChooserCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].title, L"从下面选文件夹目录:");
  EXPECT_EQ(calls[0].flags, static_cast<UINT>(BIF_RETURNFSANCESTORS));
  EXPECT_EQ(calls[0].owner, nullptr);
}

const std::wstring kLongPath = L"/tmp/" + std::wstring(MAX_PATH, L'a');

INSTANTIATE_TEST_SUITE_P(
    Table, FolderChooser,
    ::testing::Values(
        FolderCase{"Folder", Answer::Folder, L"/home/巡更/导出", true, L"导出", TRUE, L"/home/巡更/导出"},
        FolderCase{"TrailingSeparator", Answer::Folder, L"/srv/data/", true, L"data", TRUE, L"/srv/data/"},
        FolderCase{"Root", Answer::Folder, L"/", true, L"/", TRUE, L"/"},
        FolderCase{"NotFileSystem", Answer::NotFileSystem, L"此电脑", true, L"此电脑", FALSE, L""},
        FolderCase{"PathTooLong", Answer::Folder, kLongPath, true, std::wstring(MAX_PATH - 1, L'a'), FALSE, L""},
        FolderCase{"Cancel", Answer::Cancel, L"", false, L"untouched", FALSE, L""}),
    [](const ::testing::TestParamInfo<FolderCase>& info) { return std::string(info.param.name); });

TEST(FolderChooserScript, AnswersInOrderAndCancelsOnceEmpty) {
  TestDriver driver;
  driver.ScriptFolder(L"/first");
  driver.ScriptFolderCancel();
  driver.ScriptFolder(L"/third");
  std::wstring answers;
  for (int i = 0; i < 4; ++i) {
    BROWSEINFOW info{};
    info.ulFlags = BIF_NEWDIALOGSTYLE;
    PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&info);
    wchar_t path[MAX_PATH] = L"";
    answers += SHGetPathFromIDListW(item, path) ? std::wstring(path) : L"-";
    answers += L"|";
    CoTaskMemFree(item);
  }
  EXPECT_EQ(answers, L"/first|-|/third|-|");
  const auto calls = driver.FolderChooserCalls();
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[3].title, L"");
  EXPECT_EQ(calls[3].flags, static_cast<UINT>(BIF_NEWDIALOGSTYLE));
}

TEST(FolderChooserScript, RefusesWhatItDidNotMake) {
  const BYTE foreign[16] = {12, 0, 'x', 'y', 'z', 'w', 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  wchar_t path[MAX_PATH] = L"stale";
  EXPECT_FALSE(SHGetPathFromIDListW(reinterpret_cast<PCIDLIST_ABSOLUTE>(foreign), path));
  EXPECT_EQ(std::wstring(path), L"");
  EXPECT_FALSE(SHGetPathFromIDListW(nullptr, path));
  EXPECT_EQ(SHBrowseForFolderW(nullptr), nullptr);
}

const wchar_t kPictures[] = L"媒体文件( 图片)\0*.jpg;*.jpeg;*.png;*.bmp\0\0";
const DWORD kPictureFlags =
    OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;

struct OpenFileCase {
  const char* name;
  bool cancel;
  std::vector<std::wstring> picked;
  DWORD flags;
  DWORD bufferSize;
  BOOL result;
  std::wstring text;  // the buffer up to and with its final zeros
  DWORD error;
  WORD fileOffset;
  WORD extensionOffset;
};

class OpenFile : public ::testing::TestWithParam<OpenFileCase> {
 protected:
  TestDriver driver;
};

TEST_P(OpenFile, WritesTheScriptedAnswerInTheShellsForm) {
  const OpenFileCase& c = GetParam();
  if (c.cancel) driver.ScriptOpenFileCancel();
  if (!c.cancel) driver.ScriptOpenFiles(c.picked);
  std::vector<wchar_t> buffer(c.bufferSize + 4, L'#');
  buffer[0] = L'\0';
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.lpstrFilter = kPictures;
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = c.bufferSize;
  ofn.lpstrTitle = L"选择文件";
  ofn.Flags = c.flags;

  EXPECT_EQ(GetOpenFileNameW(&ofn), c.result);
  EXPECT_EQ(CommDlgExtendedError(), c.error);
  EXPECT_EQ(std::wstring(buffer.data(), c.text.size()), c.text);
  EXPECT_EQ(buffer[c.bufferSize], L'#') << "nothing written past nMaxFile";
  if (c.result) {
    EXPECT_EQ(ofn.nFileOffset, c.fileOffset);
    EXPECT_EQ(ofn.nFileExtension, c.extensionOffset);
  }
  const auto calls = driver.OpenFileCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].title, L"选择文件");
  EXPECT_EQ(calls[0].filter, (std::vector<std::wstring>{L"媒体文件( 图片)", L"*.jpg;*.jpeg;*.png;*.bmp"}));
  EXPECT_EQ(calls[0].flags, c.flags);
}

const std::vector<std::wstring> kThree = {L"/srv/照片/a.jpg", L"/srv/照片/b.png", L"/srv/照片/c.bmp"};
const std::wstring kThreeText(L"/srv/照片\0a.jpg\0b.png\0c.bmp\0\0", 27);

INSTANTIATE_TEST_SUITE_P(
    Table, OpenFile,
    ::testing::Values(
        OpenFileCase{"OneFile", false, {L"/srv/照片/a.jpg"}, kPictureFlags, 41600, TRUE,
                     std::wstring(L"/srv/照片/a.jpg\0\0", 15), 0, 8, 10},
        OpenFileCase{"OneFileWithoutMultiSelect", false, {L"/srv/a"}, OFN_EXPLORER, 41600, TRUE,
                     std::wstring(L"/srv/a\0", 7), 0, 5, 6},
        OpenFileCase{"ThreeFiles", false, kThree, kPictureFlags, 41600, TRUE, kThreeText, 0, 8, 0},
        OpenFileCase{"ThreeFilesFitExactly", false, kThree, kPictureFlags, 27, TRUE, kThreeText, 0, 8, 0},
        OpenFileCase{"ThreeFilesOverflow", false, kThree, kPictureFlags, 26, FALSE, std::wstring(1, wchar_t(27)),
                     FNERR_BUFFERTOOSMALL, 0, 0},
        OpenFileCase{"OneFileOverflow", false, {L"/srv/照片/a.jpg"}, kPictureFlags, 14, FALSE,
                     std::wstring(1, wchar_t(15)), FNERR_BUFFERTOOSMALL, 0, 0},
        OpenFileCase{"Cancel", true, {}, kPictureFlags, 41600, FALSE, std::wstring(1, L'\0'), 0, 0, 0}),
    [](const ::testing::TestParamInfo<OpenFileCase>& info) { return std::string(info.param.name); });

TEST(OpenFileArguments, AreCheckedBeforeAskingAnyone) {
  TestDriver driver;
  wchar_t buffer[8] = {0};
  OPENFILENAMEW ofn{};
  ofn.lStructSize = offsetof(OPENFILENAMEW, Flags);
  ofn.lpstrFile = buffer;
  ofn.nMaxFile = 8;
  EXPECT_FALSE(GetOpenFileNameW(&ofn));
  EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(CDERR_STRUCTSIZE));
  ofn.lStructSize = sizeof(ofn);
  ofn.nMaxFile = 0;
  EXPECT_FALSE(GetOpenFileNameW(&ofn));
  EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(CDERR_INITIALIZATION));
  EXPECT_TRUE(driver.OpenFileCalls().empty());
}

// The dialogs the layer shows when no script answers, driven with real input.
class ShownDialog : public ::testing::Test {
 protected:
  ShownDialog() {
    platform::user::ShellDialogScript::Instance().SetActive(false);
    for (const char* folder : {"b", "a", u8"照片/2024", ".hidden"}) {
      std::filesystem::create_directories(scratch.file(folder));
    }
    for (const char* file : {"x.txt", "d.JPG", "c.png", "e.jpeg", "f.gif", u8"照片/2024/g.bmp"}) {
      ScratchFolder::write(scratch.file(file), "x");
    }
    root = Wide(scratch.path());
  }
  ~ShownDialog() override {
    driver.WaitIdle();
    platform::user::ShellDialogScript::Instance().SetActive(true);
  }

  // The open dialog of the layer's file browser class, null when none is open.
  FileBrowserWindow* Dialog() {
    driver.WaitIdle();
    dialogWindow = FindWindowW(FileBrowserWindow::ClassName(), nullptr);
    return FileBrowserWindow::FromWindow(dialogWindow);
  }

  void ClickAt(RECT client, bool twice = false) {
    POINT p{(client.left + client.right) / 2, (client.top + client.bottom) / 2};
    ClientToScreen(dialogWindow, &p);
    driver.Click(p.x, p.y);
    if (twice) driver.Click(p.x, p.y);
  }

  // "name" clicks an entry, "+name" double-clicks it, "^name" and "!name" click it
  // with Ctrl and Shift held, "ok" and "cancel" click the buttons, "esc", "back" and
  // "enter" press those keys.
  void Act(const std::string& step) {
    FileBrowserWindow* dialog = Dialog();
    ASSERT_NE(dialog, nullptr) << step;
    if (step == "ok" || step == "cancel") return ClickAt(dialog->ButtonRect(step == "ok" ? IDOK : IDCANCEL));
    if (step == "esc") return driver.Tap(VK_ESCAPE);
    if (step == "back") return driver.Tap(VK_BACK);
    if (step == "enter") return driver.Tap(VK_RETURN);
    const UINT modifier = step[0] == '^' ? VK_CONTROL : step[0] == '!' ? VK_SHIFT : 0;
    if (modifier != 0) {
      driver.KeyDown(modifier);
      Act(step.substr(1));
      return driver.KeyUp(modifier);
    }
    const bool twice = step[0] == '+';
    const std::wstring name = Wide(twice ? step.substr(1) : step);
    const auto& entries = dialog->Entries();
    for (size_t i = 0; i < entries.size(); ++i) {
      if (entries[i].name == name) return ClickAt(dialog->EntryRect(int(i)), twice);
    }
    FAIL() << "no entry " << step;
  }

  // Acts each step while the dialog is still open, then waits until it has returned.
  void Play(const std::vector<std::string>& steps, const std::atomic<bool>& returned) {
    for (const std::string& step : steps) {
      ASSERT_FALSE(returned.load()) << "closed before " << step;
      Act(step);
    }
    ASSERT_TRUE(driver.WaitIdle());
    ASSERT_TRUE(returned.load());
  }

  static std::vector<std::wstring> Names(const FileBrowserWindow& dialog) {
    std::vector<std::wstring> names;
    for (const auto& entry : dialog.Entries()) names.push_back(entry.name);
    return names;
  }

  TestDriver driver;
  GuiThread gui;
  ScratchFolder scratch;
  std::wstring root;
  HWND dialogWindow = nullptr;
};

struct ChooserCase {
  const char* name;
  std::vector<std::string> steps;
  bool chosen;
  std::string folder;  // under the root, UTF-8
};

class ShownFolderChooser : public ShownDialog, public ::testing::WithParamInterface<ChooserCase> {};

TEST_P(ShownFolderChooser, AnswersWhatTheUserPicked) {
  const ChooserCase& c = GetParam();
  std::atomic<bool> returned{false};
  std::wstring path = L"-";
  std::wstring displayName;
  gui.Post([&] {
    wchar_t name[MAX_PATH] = {0};
    PIDLIST_ABSOLUTE top = platform::user::ShellItemList::Make(platform::user::ShellItem{true, root});
    BROWSEINFOW info{};
    info.pidlRoot = top;
    info.pszDisplayName = name;
    info.lpszTitle = L"选择一个文件夹";
    info.ulFlags = BIF_NEWDIALOGSTYLE;
    PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&info);
    wchar_t chosen[MAX_PATH] = {0};
    if (item != nullptr && SHGetPathFromIDListW(item, chosen)) path = chosen;
    displayName = name;
    CoTaskMemFree(item);
    CoTaskMemFree(top);
    returned = true;
  });
  ASSERT_NO_FATAL_FAILURE(Play(c.steps, returned));
  EXPECT_EQ(Dialog(), nullptr);
  const std::wstring expected = c.folder.empty() ? root : root + L"/" + Wide(c.folder);
  EXPECT_EQ(path, c.chosen ? expected : L"-");
  const size_t cut = expected.rfind(L'/');
  EXPECT_EQ(displayName, c.chosen ? expected.substr(cut + 1) : L"");
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShownFolderChooser,
    ::testing::Values(ChooserCase{"NothingSelected", {"ok"}, true, ""},
                      ChooserCase{"Selected", {"b", "ok"}, true, "b"},
                      ChooserCase{"Reselected", {"b", "a", "ok"}, true, "a"},
                      ChooserCase{"Entered", {u8"+照片", "ok"}, true, u8"照片"},
                      ChooserCase{"EnteredAndSelected", {u8"+照片", "2024", "ok"}, true, u8"照片/2024"},
                      ChooserCase{"ParentEntry", {u8"+照片", "+..", "a", "ok"}, true, "a"},
                      ChooserCase{"ParentSelectedIsTheFolderShown", {u8"+照片", "..", "ok"}, true, u8"照片"},
                      ChooserCase{"Backspace", {u8"+照片", "back", "ok"}, true, ""},
                      ChooserCase{"Enter", {"b", "enter"}, true, "b"},
                      ChooserCase{"Cancel", {"a", "cancel"}, false, ""},
                      ChooserCase{"Escape", {"a", "esc"}, false, ""}),
    [](const ::testing::TestParamInfo<ChooserCase>& info) { return std::string(info.param.name); });

std::atomic<int> g_ownerTicks{0};

TEST_F(ShownDialog, FolderChooserListsFoldersBelowItsRootAndKeepsTheThreadRunning) {
  HWND owner = nullptr;
  gui.Call([&] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = L"ChooserOwner";
    RegisterClassExW(&wc);
    owner = CreateWindowExW(0, L"ChooserOwner", L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                            nullptr, nullptr);
    SetTimer(owner, 1, 100, [](HWND, UINT, UINT_PTR, DWORD) { ++g_ownerTicks; });
  });
  ASSERT_NE(owner, nullptr);
  gui.Post([&] {
    PIDLIST_ABSOLUTE top = platform::user::ShellItemList::Make(platform::user::ShellItem{true, root});
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.pidlRoot = top;
    CoTaskMemFree(SHBrowseForFolderW(&info));
    CoTaskMemFree(top);
  });
  FileBrowserWindow* dialog = Dialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->Folder(), root);
  EXPECT_EQ(Names(*dialog), (std::vector<std::wstring>{L"a", L"b", L"照片"})) << "no parent above the root";
  EXPECT_FALSE(IsWindowEnabled(owner));
  const int ticks = g_ownerTicks.load();
  driver.Advance(350);
  EXPECT_EQ(g_ownerTicks.load(), ticks + 3) << "the owner's timer goes on under the dialog";
  Act(u8"+照片");
  EXPECT_EQ(Names(*dialog), (std::vector<std::wstring>{L"..", L"2024"}));
  Act("cancel");
  driver.WaitIdle();
  EXPECT_TRUE(IsWindowEnabled(owner));
  gui.Call([&] { DestroyWindow(owner); });
}

TEST_F(ShownDialog, TheWheelScrollsFoldersBelowTheListIntoReach) {
  for (int i = 10; i < 40; ++i) {
    std::filesystem::create_directories(scratch.file(u8"照片/2024/m" + std::to_string(i)));
  }
  std::atomic<bool> returned{false};
  std::wstring path;
  gui.Post([&] {
    const std::wstring start = root + L"/照片/2024";
    PIDLIST_ABSOLUTE top = platform::user::ShellItemList::Make(platform::user::ShellItem{true, start});
    BROWSEINFOW info{};
    info.pidlRoot = top;
    PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&info);
    wchar_t chosen[MAX_PATH] = {0};
    if (SHGetPathFromIDListW(item, chosen)) path = chosen;
    CoTaskMemFree(item);
    CoTaskMemFree(top);
    returned = true;
  });
  FileBrowserWindow* dialog = Dialog();
  ASSERT_NE(dialog, nullptr);
  ASSERT_EQ(dialog->Entries().size(), 30u);
  const RECT hidden = dialog->EntryRect(29);
  EXPECT_EQ(hidden.right - hidden.left, 0) << "the last folder is below the list";
  POINT centre{200, 200};
  ClientToScreen(dialogWindow, &centre);
  driver.MoveMouse(centre.x, centre.y);
  for (int i = 0; i < 6; ++i) driver.Wheel(-WHEEL_DELTA);  // three rows a notch, stopping at the end
  EXPECT_GT(dialog->EntryRect(29).right, 0) << "scrolled into the list";
  EXPECT_EQ(dialog->EntryRect(0).right, 0) << "and the first out of it";
  Act("m39");
  Act("ok");
  ASSERT_TRUE(driver.WaitIdle());
  ASSERT_TRUE(returned.load());
  EXPECT_EQ(path, root + L"/照片/2024/m39");
}

struct OpenCase {
  const char* name;
  std::vector<std::string> steps;
  std::wstring text;  // the result below the root, "" for a cancel
};

class ShownOpenFile : public ShownDialog, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(ShownOpenFile, AnswersTheFilesPicked) {
  const OpenCase& c = GetParam();
  std::atomic<bool> returned{false};
  std::wstring text;
  gui.Post([&] {
    std::vector<wchar_t> buffer(41600, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.lpstrFilter = kPictures;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = 41600;
    ofn.lpstrInitialDir = root.c_str();
    ofn.lpstrTitle = L"选择文件";
    ofn.Flags = kPictureFlags;
    if (GetOpenFileNameW(&ofn)) {
      size_t end = 0;
      while (buffer[end] != L'\0' || buffer[end + 1] != L'\0') ++end;
      text.assign(buffer.data(), end + 2);
    }
    returned = true;
  });
  ASSERT_NO_FATAL_FAILURE(Play(c.steps, returned));
  std::wstring expected = c.text;
  for (size_t at = expected.find(L'|'); at != std::wstring::npos; at = expected.find(L'|')) expected[at] = L'\0';
  if (!expected.empty()) expected = root + expected;
  EXPECT_EQ(text, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShownOpenFile,
    ::testing::Values(OpenCase{"OneFile", {"c.png", "ok"}, L"/c.png||"},
                      OpenCase{"DoubleClickedFile", {"+d.JPG"}, L"/d.JPG||"},
                      OpenCase{"ControlClicks", {"c.png", "^e.jpeg", "ok"}, L"|c.png|e.jpeg||"},
                      OpenCase{"ControlClickDeselects", {"c.png", "^e.jpeg", "^c.png", "ok"}, L"/e.jpeg||"},
                      OpenCase{"ShiftClickRange", {"c.png", "!e.jpeg", "ok"}, L"|c.png|d.JPG|e.jpeg||"},
                      OpenCase{"FolderSelectedIsEntered", {"b", "ok", "+..", u8"+照片", "+2024", "g.bmp", "ok"},
                               L"/照片/2024/g.bmp||"},
                      OpenCase{"NothingSelectedStaysOpen", {"ok", "cancel"}, L""},
                      OpenCase{"Cancel", {"c.png", "cancel"}, L""}),
    [](const ::testing::TestParamInfo<OpenCase>& info) { return std::string(info.param.name); });

TEST_F(ShownDialog, OpenFileListsFoldersAndTheFilterMatchesWhateverTheCase) {
  gui.Post([&] {
    std::vector<wchar_t> buffer(64, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.lpstrFilter = kPictures;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = 64;
    ofn.lpstrInitialDir = root.c_str();
    GetOpenFileNameW(&ofn);
  });
  FileBrowserWindow* dialog = Dialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Names(*dialog), (std::vector<std::wstring>{L"..", L"a", L"b", L"照片", L"c.png", L"d.JPG", L"e.jpeg"}));
  Act("cancel");
}

TEST(OpenFilePatterns, MatchAsTheShellDoes) {
  const struct {
    const wchar_t* patterns;
    const wchar_t* name;
    bool matches;
  } cases[] = {
      {L"*.jpg;*.png", L"a.jpg", true},   {L"*.jpg;*.png", L"A.PNG", true},  {L"*.jpg;*.png", L"a.jpg.txt", false},
      {L"*.jpg; *.png", L"b.png", true},  {L"*.*", L"README", true},         {L"", L"anything", true},
      {L"photo?.bmp", L"photo1.bmp", true}, {L"photo?.bmp", L"photo.bmp", false}, {L"*.jpeg", L"a.jpg", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::user::OpenFileWindow::Matches(c.patterns, c.name), c.matches) << c.patterns << " " << c.name;
  }
}

}  // namespace
