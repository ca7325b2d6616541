#include "platform/user/FileBrowserWindow.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/base/CodePage.h"
#include "platform/base/Path.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/DialogModalLoop.h"
#include "platform/user/Input.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"
#include "platform/user/Styles.h"
#include "platform/user/SystemClasses.h"
#include "platform/user/MessageBox.h"
#include "platform/user/Window.h"
#include "platform/user/WindowClass.h"
#include "platform/user/WindowPos.h"

namespace platform::user {
namespace {

const int kWidth = 440;
const int kHeight = 420;
const int kMargin = 12;
const int kLineHeight = 20;
const int kRowHeight = 22;
const int kButtonWidth = 80;
const int kButtonHeight = 26;
const int kWheelRows = 3;

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) {
    if (c >= L'A' && c <= L'Z') c = wchar_t(c - L'A' + L'a');
  }
  return text;
}

// '/' separators, no trailing one but for the root.
std::wstring Normalised(std::wstring path) {
  std::replace(path.begin(), path.end(), L'\\', L'/');
  while (path.size() > 1 && path.back() == L'/') path.pop_back();
  return path.empty() ? L"/" : path;
}

bool IsFolder(const std::wstring& path) {
  std::error_code error;
  return std::filesystem::is_directory(platform::NativePath(path), error);
}

bool Within(const std::wstring& path, const std::wstring& top) {
  if (top == L"/" || path == top) return true;
  return path.size() > top.size() && path.compare(0, top.size(), top) == 0 && path[top.size()] == L'/';
}

bool Contains(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

}  // namespace

FileBrowserWindow::FileBrowserWindow(std::wstring caption, std::wstring prompt, std::wstring top, std::wstring start)
    : caption_(std::move(caption)), prompt_(std::move(prompt)), top_(Normalised(std::move(top))) {
  if (!IsFolder(top_)) top_ = L"/";
  start = Normalised(std::move(start));
  folder_ = IsFolder(start) && Within(start, top_) ? start : top_;
}

LPCWSTR FileBrowserWindow::ClassName() { return L"PlatformFileBrowser"; }

FileBrowserWindow* FileBrowserWindow::FromWindow(HWND hwnd) {
  wchar_t name[64] = {0};
  if (!IsWindow(hwnd) || !GetClassNameW(hwnd, name, 64) || std::wstring(name) != ClassName()) return nullptr;
  return reinterpret_cast<FileBrowserWindow*>(GetWindowLongPtrW(hwnd, 0));
}

LRESULT CALLBACK FileBrowserWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, 0, LONG_PTR(cs->lpCreateParams));
    return TRUE;
  }
  auto* self = reinterpret_cast<FileBrowserWindow*>(GetWindowLongPtrW(hwnd, 0));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  return self->Handle(hwnd, message, wParam, lParam);
}

bool FileBrowserWindow::Run(HWND owner) {
  SystemClasses::Ensure();
  HWND top = DialogModalLoop::OwnerTop(owner);
  hwnd_ = CreateWindowExW(WS_EX_DLGMODALFRAME, ClassName(), caption_.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU, 0,
                          0, 0, 0, top, nullptr, nullptr, this);
  if (!hwnd_) return false;
  Layout();
  Enter(folder_);
  DialogModalLoop::Run(hwnd_, top, [this] { return done_; });
  hwnd_ = nullptr;
  return confirmed_;
}

std::vector<int> FileBrowserWindow::Selection() const {
  std::vector<int> chosen;
  for (size_t i = 0; i < selected_.size(); ++i) {
    if (selected_[i]) chosen.push_back(int(i));
  }
  return chosen;
}

RECT FileBrowserWindow::EntryRect(int index) const {
  const int row = index - firstRow_;
  if (index < 0 || index >= int(entries_.size()) || row < 0 || row >= VisibleRows()) return RECT{};
  const int top = listRect_.top + 1 + row * kRowHeight;
  return RECT{listRect_.left + 1, top, listRect_.right - 1, top + kRowHeight};
}

RECT FileBrowserWindow::ButtonRect(int id) const { return id == IDOK ? okRect_ : cancelRect_; }

std::wstring FileBrowserWindow::PathOf(const FileBrowserEntry& entry) const {
  if (entry.parent) {
    const size_t cut = folder_.rfind(L'/');
    return cut == 0 || cut == std::wstring::npos ? L"/" : folder_.substr(0, cut);
  }
  return folder_ == L"/" ? L"/" + entry.name : folder_ + L"/" + entry.name;
}

void FileBrowserWindow::Enter(const std::wstring& folder) {
  folder_ = folder;
  entries_.clear();
  if (folder_ != top_) entries_.push_back(FileBrowserEntry{L"..", true, true});
  std::vector<FileBrowserEntry> found;
  std::error_code error;
  for (std::filesystem::directory_iterator it(platform::NativePath(folder_), error), end; !error && it != end;
       it.increment(error)) {
    const std::wstring name = codepage::Utf8ToWide(it->path().filename().string());
    if (name.empty() || name[0] == L'.') continue;  // hidden, as file managers keep them
    std::error_code kindError;
    const bool isFolder = it->is_directory(kindError);
    if (isFolder || ListsFile(name)) found.push_back(FileBrowserEntry{name, isFolder, false});
  }
  std::sort(found.begin(), found.end(), [](const FileBrowserEntry& a, const FileBrowserEntry& b) {
    if (a.folder != b.folder) return a.folder;
    return Lower(a.name) < Lower(b.name);
  });
  entries_.insert(entries_.end(), found.begin(), found.end());
  selected_.assign(entries_.size(), false);
  anchor_ = -1;
  firstRow_ = 0;
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT FileBrowserWindow::Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_CLOSE: Finish(false); return 0;
    case WM_KEYDOWN: KeyDown(wParam); return 0;
    case WM_LBUTTONDOWN: Click(p, wParam); return 0;
    case WM_LBUTTONDBLCLK: DoubleClick(p); return 0;
    case WM_LBUTTONUP:
      if (Contains(okRect_, p)) Accept();
      if (Contains(cancelRect_, p)) Finish(false);
      return 0;
    case WM_MOUSEWHEEL: Scroll(-GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * kWheelRows); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(); return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

void FileBrowserWindow::Layout() {
  DialogModalLoop::Centre(hwnd_, kWidth, kHeight);
  RECT client;
  GetClientRect(hwnd_, &client);
  const int buttonsTop = client.bottom - kMargin - kButtonHeight;
  listRect_ = RECT{kMargin, kMargin + 2 * kLineHeight + 4, client.right - kMargin, buttonsTop - kMargin};
  const int buttonsBottom = client.bottom - kMargin;
  cancelRect_ = RECT{client.right - kMargin - kButtonWidth, buttonsTop, client.right - kMargin, buttonsBottom};
  okRect_ = RECT{cancelRect_.left - 8 - kButtonWidth, buttonsTop, cancelRect_.left - 8, buttonsBottom};
}

int FileBrowserWindow::VisibleRows() const {
  return std::max(0, int(listRect_.bottom - listRect_.top - 2) / kRowHeight);
}

int FileBrowserWindow::EntryAt(POINT p) const {
  for (int i = firstRow_; i < int(entries_.size()) && i < firstRow_ + VisibleRows(); ++i) {
    if (Contains(EntryRect(i), p)) return i;
  }
  return -1;
}

void FileBrowserWindow::Click(POINT p, WPARAM keys) {
  const int index = EntryAt(p);
  if (index < 0) return;
  const bool extend = MultiSelect() && (keys & MK_SHIFT) && anchor_ >= 0;
  const bool toggle = MultiSelect() && (keys & MK_CONTROL);
  if (extend) {
    selected_.assign(entries_.size(), false);
    for (int i = std::min(anchor_, index); i <= std::max(anchor_, index); ++i) selected_[i] = true;
  } else if (toggle) {
    selected_[index] = !selected_[index];
    anchor_ = index;
  } else {
    selected_.assign(entries_.size(), false);
    selected_[index] = true;
    anchor_ = index;
  }
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void FileBrowserWindow::DoubleClick(POINT p) {
  const int index = EntryAt(p);
  if (index >= 0) Open(index);
}

void FileBrowserWindow::Open(int index) {
  const FileBrowserEntry entry = entries_[index];
  if (entry.folder) {
    Enter(PathOf(entry));
    return;
  }
  selected_.assign(entries_.size(), false);
  selected_[index] = true;
  Accept();
}

void FileBrowserWindow::KeyDown(WPARAM key) {
  switch (key) {
    case VK_RETURN: Accept(); return;
    case VK_ESCAPE: Finish(false); return;
    case VK_BACK:
      if (!entries_.empty() && entries_.front().parent) Open(0);
      return;
    default: return;
  }
}

void FileBrowserWindow::Scroll(int rows) {
  const int last = std::max(0, int(entries_.size()) - VisibleRows());
  const int first = std::clamp(firstRow_ + rows, 0, last);
  if (first == firstRow_) return;
  firstRow_ = first;
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void FileBrowserWindow::Accept() {
  if (Confirm()) Finish(true);
}

void FileBrowserWindow::Finish(bool confirmed) {
  if (done_) return;
  confirmed_ = confirmed;
  done_ = true;
}

void FileBrowserWindow::Paint() {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd_, &ps);
  if (!hdc) {
    EndPaint(hwnd_, &ps);
    return;
  }
  RECT client;
  GetClientRect(hwnd_, &client);
  FillRect(hdc, &client, GetSysColorBrush(COLOR_BTNFACE));
  SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(hdc, TRANSPARENT);
  SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
  const UINT line = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
  RECT prompt{kMargin, kMargin, client.right - kMargin, kMargin + kLineHeight};
  DrawTextW(hdc, prompt_.c_str(), int(prompt_.size()), &prompt, line);
  RECT path{kMargin, kMargin + kLineHeight, client.right - kMargin, kMargin + 2 * kLineHeight};
  DrawTextW(hdc, folder_.c_str(), int(folder_.size()), &path, line | DT_PATH_ELLIPSIS);

  FillRect(hdc, &listRect_, GetSysColorBrush(COLOR_WINDOW));
  HBRUSH frame = CreateSolidBrush(RGB(112, 112, 112));
  FrameRect(hdc, &listRect_, frame);
  HBRUSH folderMark = CreateSolidBrush(RGB(230, 190, 80));
  for (int i = firstRow_; i < int(entries_.size()) && i < firstRow_ + VisibleRows(); ++i) {
    RECT row = EntryRect(i);
    const bool chosen = selected_[i];
    if (chosen) FillRect(hdc, &row, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetTextColor(hdc, GetSysColor(chosen ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    if (entries_[i].folder) {
      RECT mark{row.left + 4, row.top + 6, row.left + 18, row.bottom - 5};
      FillRect(hdc, &mark, folderMark);
    }
    RECT text{row.left + 24, row.top, row.right - 4, row.bottom};
    DrawTextW(hdc, entries_[i].name.c_str(), int(entries_[i].name.size()), &text, line);
  }
  DeleteObject(folderMark);

  SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
  const struct {
    RECT rect;
    const wchar_t* label;
  } buttons[] = {{okRect_, L"确定"}, {cancelRect_, L"取消"}};
  for (const auto& b : buttons) {
    RECT r = b.rect;
    FrameRect(hdc, &r, frame);
    DrawTextW(hdc, b.label, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  DeleteObject(frame);
  EndPaint(hwnd_, &ps);
}

}  // namespace platform::user
