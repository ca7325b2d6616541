#pragma once
// What the folder chooser and the open-file dialog share: a small modal window of the
// layer showing a prompt, the current folder's path and its entries (an entry for the
// parent, the subfolders, and the files the dialog lists), with OK and Cancel. A click
// selects, a double click enters a folder, Backspace goes up, Enter is OK and Escape
// cancels. Folders and names are wide paths with '/' separators.
#include <string>
#include <vector>

#include "platform/base/WinTypes.h"

namespace platform::user {

struct FileBrowserEntry {
  std::wstring name;  // ".." for the parent
  bool folder = false;
  bool parent = false;
};

class FileBrowserWindow {
 public:
  virtual ~FileBrowserWindow() = default;
  FileBrowserWindow(const FileBrowserWindow&) = delete;
  FileBrowserWindow& operator=(const FileBrowserWindow&) = delete;

  static LPCWSTR ClassName();
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // The dialog behind a window of this class, for tests reading where things are.
  static FileBrowserWindow* FromWindow(HWND hwnd);

  // Runs modally on the calling thread: true when the user confirmed.
  bool Run(HWND owner);

  const std::wstring& Folder() const { return folder_; }
  const std::vector<FileBrowserEntry>& Entries() const { return entries_; }
  std::vector<int> Selection() const;
  // Client rectangles; an entry scrolled out of sight has an empty one.
  RECT EntryRect(int index) const;
  RECT ButtonRect(int id) const;

 protected:
  // `top` is the highest folder offered ("/" for the whole file system).
  FileBrowserWindow(std::wstring caption, std::wstring prompt, std::wstring top, std::wstring start);

  virtual bool ListsFile(const std::wstring& name) const = 0;
  virtual bool MultiSelect() const = 0;
  // OK was pressed (or a file double-clicked): true closes the dialog as confirmed.
  virtual bool Confirm() = 0;

  // The folder's path joined with an entry's name.
  std::wstring PathOf(const FileBrowserEntry& entry) const;
  void Enter(const std::wstring& folder);

 private:
  LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Layout();
  void Paint();
  void Click(POINT p, WPARAM keys);
  void DoubleClick(POINT p);
  void KeyDown(WPARAM key);
  void Scroll(int rows);
  int EntryAt(POINT p) const;
  int VisibleRows() const;
  void Open(int index);
  void Accept();
  void Finish(bool confirmed);

  std::wstring caption_;
  std::wstring prompt_;
  std::wstring top_;
  std::wstring folder_;
  std::vector<FileBrowserEntry> entries_;
  std::vector<bool> selected_;
  int anchor_ = -1;
  int firstRow_ = 0;
  HWND hwnd_ = nullptr;
  RECT listRect_{};
  RECT okRect_{};
  RECT cancelRect_{};
  bool done_ = false;
  bool confirmed_ = false;
};

}  // namespace platform::user
