// Window data, properties, relations, enabled state and text.
#include <cstring>
#include <cwchar>

#include "platform/backend/BackendRegistry.h"
#include "platform/backend/ForeignWindows.h"
#include "platform/base/Error.h"
#include "platform/base/Module.h"
#include "platform/user/ActivationOps.h"
#include "platform/user/DesktopState.h"
#include "platform/user/Focus.h"
#include "platform/user/LayeredOps.h"
#include "platform/user/Window.h"
#include "platform/user/WindowHelpers.h"
#include "platform/user/WindowTable.h"
#include "platform/user/ZOrder.h"
#include <algorithm>
#include <cwctype>

using namespace platform::user;

namespace {

WindowObject* Lookup(HWND hwnd) {
  WindowObject* w = FindWindowObject(hwnd);
  if (!w) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return w;
}

LONG_PTR ReadExtra(const WindowObject* w, int offset) {
  LONG_PTR value = 0;
  if (offset < 0 || size_t(offset) + sizeof(LONG_PTR) > w->extra.size()) {
    if (offset >= 0 && size_t(offset) + sizeof(LONG) <= w->extra.size()) {
      LONG small;
      std::memcpy(&small, &w->extra[size_t(offset)], sizeof(small));
      return small;
    }
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::memcpy(&value, &w->extra[size_t(offset)], sizeof(value));
  return value;
}

// Lock held: whether `w` sits in another window rather than on the desktop.
bool HasParentWindow(const WindowObject* w) { return w->parent && !IsDesktop(w->parent); }

// Lock held: whether `w` reads as a child now: WS_CHILD in its style and a window,
// not the desktop, as its parent. Everything else is a top-level window, whatever
// parent link it was created with.
bool ActsAsChild(const WindowObject* w) { return w->IsChild() && HasParentWindow(w); }

// Lock held: GA_ROOT's answer: up the parent links for as long as the style says child.
WindowObject* RootByStyle(WindowObject* w) {
  while (ActsAsChild(w)) w = w->parent;
  return w;
}

// Lock held: GetParent's answer, which follows the style: a child's parent, a
// pop-up's owner, nothing for other windows.
WindowObject* ParentByStyle(const WindowObject* w) {
  if (IsDesktop(w)) return nullptr;
  if (w->IsChild()) return w->parent;
  if (w->style & WS_POPUP) return FindWindowObject(w->owner);
  return nullptr;
}

// Lock held: a top-level window takes `value`'s top-level window as its owner (the
// desktop, like null, meaning none). A window that is not there, or one owned by `w`
// already, is refused: ownership never runs in a circle.
LONG_PTR SetOwner(WindowObject* w, HWND value) {
  WindowObject* owner = nullptr;
  if (value) {
    WindowObject* o = Lookup(value);
    if (!o) return 0;
    owner = IsDesktop(o) ? nullptr : RootOf(o);
    for (WindowObject* up = owner; up; up = FindWindowObject(up->owner)) {
      if (up == w) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
      }
    }
  }
  const LONG_PTR old = LONG_PTR(w->owner);
  w->owner = owner ? owner->handle : nullptr;
  return old;
}

LONG_PTR GetLongPtr(HWND hwnd, int index) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = Lookup(hwnd);
  if (!w) return 0;
  switch (index) {
    case GWLP_WNDPROC: return LONG_PTR(w->proc);
    case GWLP_HINSTANCE: return LONG_PTR(w->instance);
    case GWLP_HWNDPARENT: return LONG_PTR(ActsAsChild(w) ? w->parent->handle : w->owner);
    case GWLP_ID: return w->id;
    case GWL_STYLE: return LONG_PTR(LONG(w->style));
    case GWL_EXSTYLE: return LONG_PTR(LONG(w->exStyle));
    case GWLP_USERDATA: return w->userData;
    default: return ReadExtra(w, index);
  }
}

LONG_PTR SetStyle(HWND hwnd, int index, DWORD value) {
  DWORD old;
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = Lookup(hwnd);
    if (!w) return 0;
    if (IsDesktop(w)) {
      SetLastError(ERROR_ACCESS_DENIED);
      return 0;
    }
    old = index == GWL_STYLE ? w->style : w->exStyle;
  }
  STYLESTRUCT change{old, value};
  SendMessageInternal(hwnd, WM_STYLECHANGING, WPARAM(index), LPARAM(&change));
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = FindWindowObject(hwnd);
    if (!w) return 0;
    if (index == GWL_STYLE) {
      w->style = change.styleNew;
    } else {
      // The topmost band is changed only through SetWindowPos.
      w->exStyle = (change.styleNew & ~DWORD(WS_EX_TOPMOST)) | (w->exStyle & WS_EX_TOPMOST);
      ExStyleChanged(w, old);
    }
  }
  SendMessageInternal(hwnd, WM_STYLECHANGED, WPARAM(index), LPARAM(&change));
  return LONG_PTR(LONG(old));
}

LONG_PTR SetLongPtr(HWND hwnd, int index, LONG_PTR value) {
  if (index == GWL_STYLE || index == GWL_EXSTYLE) return SetStyle(hwnd, index, DWORD(value));
  Guard guard = UserLock::Acquire();
  WindowObject* w = Lookup(hwnd);
  if (!w || IsDesktop(w)) return 0;
  LONG_PTR old = 0;
  switch (index) {
    case GWLP_WNDPROC:
      old = LONG_PTR(w->proc);
      w->proc = WNDPROC(value);
      return old;
    case GWLP_HINSTANCE:
      old = LONG_PTR(w->instance);
      w->instance = HINSTANCE(value);
      return old;
    case GWLP_HWNDPARENT:
      if (ActsAsChild(w)) return 0;
      return SetOwner(w, HWND(value));
    case GWLP_ID:
      old = w->id;
      w->id = value;
      return old;
    case GWLP_USERDATA:
      old = w->userData;
      w->userData = value;
      return old;
    default:
      if (index < 0 || size_t(index) + sizeof(LONG_PTR) > w->extra.size()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
      }
      std::memcpy(&old, &w->extra[size_t(index)], sizeof(old));
      std::memcpy(&w->extra[size_t(index)], &value, sizeof(value));
      return old;
  }
}

bool ClassNameIs(const WindowObject* w, LPCWSTR name) {
  if (!name) return true;
  if (IS_INTRESOURCE(name)) return w->cls->atom == ATOM(ULONG_PTR(name));
  const std::wstring& own = w->cls->name;
  if (own.size() != std::wcslen(name)) return false;
  for (size_t i = 0; i < own.size(); ++i) {
    if (std::towlower(own[i]) != std::towlower(name[i])) return false;
  }
  return true;
}

void EnableOnOwner(HWND hwnd, bool enable) {
  if (!enable) {
    HWND focus = GetFocus();
    Guard guard = UserLock::Acquire();
    WindowObject* w = FindWindowObject(hwnd);
    WindowObject* f = FindWindowObject(focus);
    const bool lose = w && f && IsDescendantOf(f, w);
    guard.unlock();
    if (lose) SetFocusOnThisThread(nullptr);
  }
  SendMessageInternal(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
}

}  // namespace

LONG GetWindowLongW(HWND hWnd, int nIndex) { return LONG(GetLongPtr(hWnd, nIndex)); }
LONG SetWindowLongW(HWND hWnd, int nIndex, LONG dwNewLong) { return LONG(SetLongPtr(hWnd, nIndex, dwNewLong)); }
LONG_PTR GetWindowLongPtrW(HWND hWnd, int nIndex) { return GetLongPtr(hWnd, nIndex); }
LONG_PTR SetWindowLongPtrW(HWND hWnd, int nIndex, LONG_PTR dwNewLong) { return SetLongPtr(hWnd, nIndex, dwNewLong); }

BOOL SetPropW(HWND hWnd, LPCWSTR lpString, HANDLE hData) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = Lookup(hWnd);
  if (!w || !lpString) return FALSE;
  const std::wstring key = IS_INTRESOURCE(lpString) ? L"#" + std::to_wstring(ULONG_PTR(lpString)) : lpString;
  for (auto& prop : w->props) {
    if (prop.first == key) {
      prop.second = hData;
      return TRUE;
    }
  }
  w->props.emplace_back(key, hData);
  return TRUE;
}

HANDLE GetPropW(HWND hWnd, LPCWSTR lpString) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hWnd);
  if (!w || !lpString) return nullptr;
  const std::wstring key = IS_INTRESOURCE(lpString) ? L"#" + std::to_wstring(ULONG_PTR(lpString)) : lpString;
  for (const auto& prop : w->props) {
    if (prop.first == key) return prop.second;
  }
  return nullptr;
}

HANDLE RemovePropW(HWND hWnd, LPCWSTR lpString) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hWnd);
  if (!w || !lpString) return nullptr;
  const std::wstring key = IS_INTRESOURCE(lpString) ? L"#" + std::to_wstring(ULONG_PTR(lpString)) : lpString;
  for (auto it = w->props.begin(); it != w->props.end(); ++it) {
    if (it->first == key) {
      HANDLE data = it->second;
      w->props.erase(it);
      return data;
    }
  }
  return nullptr;
}

LRESULT CallWindowProcW(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  return lpPrevWndFunc ? lpPrevWndFunc(hWnd, Msg, wParam, lParam) : 0;
}

HWND GetParent(HWND hWnd) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = Lookup(hWnd);
  WindowObject* parent = w ? ParentByStyle(w) : nullptr;
  return parent ? parent->handle : nullptr;
}

HWND SetParent(HWND hWndChild, HWND hWndNewParent) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = Lookup(hWndChild);
  WindowObject* parent = hWndNewParent ? Lookup(hWndNewParent) : Desktop();
  if (!w || !parent || IsDesktop(w) || IsDescendantOf(parent, w)) return nullptr;
  HWND old = w->parent ? w->parent->handle : nullptr;
  ZOrder::Unlink(w);
  w->parent = parent;
  ZOrder::Place(w, HWND_TOP);
  return old;
}

HWND GetWindow(HWND hWnd, UINT uCmd) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = Lookup(hWnd);
  if (!w) return nullptr;
  if (uCmd == GW_OWNER) return ActsAsChild(w) ? nullptr : w->owner;
  if (uCmd == GW_CHILD) return w->children.empty() ? nullptr : w->children.front()->handle;
  if (uCmd == GW_ENABLEDPOPUP) {
    for (WindowObject* o : OwnedWindows(w)) {
      if (o->Visible() && o->Enabled()) return o->handle;
    }
    return nullptr;
  }
  if (!w->parent) return nullptr;
  const auto& siblings = w->parent->children;
  size_t index = 0;
  while (index < siblings.size() && siblings[index] != w) ++index;
  switch (uCmd) {
    case GW_HWNDFIRST: return siblings.front()->handle;
    case GW_HWNDLAST: return siblings.back()->handle;
    case GW_HWNDNEXT: return index + 1 < siblings.size() ? siblings[index + 1]->handle : nullptr;
    case GW_HWNDPREV: return index > 0 && index < siblings.size() ? siblings[index - 1]->handle : nullptr;
    default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
  }
}

HWND GetAncestor(HWND hwnd, UINT gaFlags) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = Lookup(hwnd);
  if (!w || IsDesktop(w)) return nullptr;
  switch (gaFlags) {
    case GA_PARENT: return w->parent ? w->parent->handle : nullptr;
    case GA_ROOT: return RootByStyle(w)->handle;
    case GA_ROOTOWNER: {
      // Up the parents to the top-level window, then on as GetParent leads: pop-ups
      // to their owners, an owned window that is not a pop-up nowhere.
      WindowObject* root = RootByStyle(w);
      for (WindowObject* up = ParentByStyle(root); up && !IsDesktop(up); up = ParentByStyle(root)) root = up;
      return root->handle;
    }
    default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
  }
}

HWND GetTopWindow(HWND hWnd) {
  if (!hWnd) hWnd = GetDesktopWindow();
  return GetWindow(hWnd, GW_CHILD);
}

BOOL IsChild(HWND hWndParent, HWND hWnd) {
  Guard guard = UserLock::Acquire();
  WindowObject* parent = FindWindowObject(hWndParent);
  WindowObject* w = FindWindowObject(hWnd);
  if (!parent || !w || parent == w) return FALSE;
  for (; w && w->IsChild(); w = w->parent) {
    if (w->parent == parent) return TRUE;
  }
  return FALSE;
}

BOOL IsWindowVisible(HWND hWnd) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hWnd);
  return w && IsShownOnScreen(w) ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hWnd) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hWnd);
  return w && w->Enabled() ? TRUE : FALSE;
}

BOOL EnableWindow(HWND hWnd, BOOL bEnable) {
  bool wasDisabled;
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = Lookup(hWnd);
    if (!w || IsDesktop(w)) return FALSE;
    wasDisabled = !w->Enabled();
    if (wasDisabled == !bEnable) return wasDisabled ? TRUE : FALSE;
    // The state changes at once, so input stops now; the owner thread is told later
    // (a message box on a worker must not wait for a busy UI thread).
    if (bEnable) {
      w->style &= ~DWORD(WS_DISABLED);
    } else {
      w->style |= WS_DISABLED;
    }
  }
  const bool enable = bEnable != FALSE;
  RunOnOwnerThread(hWnd, [hWnd, enable]() -> LRESULT {
    EnableOnOwner(hWnd, enable);
    return 0;
  }, false);
  return wasDisabled ? TRUE : FALSE;
}

BOOL IsIconic(HWND hWnd) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hWnd);
  return w && (w->style & WS_MINIMIZE) ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hWnd) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hWnd);
  return w && (w->style & WS_MAXIMIZE) ? TRUE : FALSE;
}

HMENU GetMenu(HWND) { return nullptr; }

int GetDlgCtrlID(HWND hWnd) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = Lookup(hWnd);
  return w && w->IsChild() ? int(w->id) : 0;
}

HWND GetDlgItem(HWND hDlg, int nIDDlgItem) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = Lookup(hDlg);
  if (!w) return nullptr;
  for (WindowObject* child : w->children) {
    if (child->id == nIDDlgItem) return child->handle;
  }
  return nullptr;
}

BOOL SetWindowTextW(HWND hWnd, LPCWSTR lpString) {
  if (!IsWindow(hWnd)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  return SendMessageInternal(hWnd, WM_SETTEXT, 0, LPARAM(lpString)) ? TRUE : FALSE;
}

int GetWindowTextW(HWND hWnd, LPWSTR lpString, int nMaxCount) {
  if (!lpString || nMaxCount <= 0) return 0;
  lpString[0] = 0;
  if (IsCallingThreadOwner(hWnd)) return int(SendMessageInternal(hWnd, WM_GETTEXT, WPARAM(nMaxCount), LPARAM(lpString)));
  // Another thread's window: its text is read directly, as Windows does.
  Guard guard = UserLock::Acquire();
  WindowObject* w = Lookup(hWnd);
  if (!w) return 0;
  const size_t n = std::min(w->text.size(), size_t(nMaxCount - 1));
  std::wmemcpy(lpString, w->text.c_str(), n);
  lpString[n] = 0;
  return int(n);
}

int GetWindowTextLengthW(HWND hWnd) {
  if (IsCallingThreadOwner(hWnd)) return int(SendMessageInternal(hWnd, WM_GETTEXTLENGTH, 0, 0));
  Guard guard = UserLock::Acquire();
  WindowObject* w = Lookup(hWnd);
  return w ? int(w->text.size()) : 0;
}

namespace {

HWND FindOwnWindow(LPCWSTR lpClassName, LPCWSTR lpWindowName) {
  Guard guard = UserLock::Acquire();
  for (WindowObject* top : Desktop()->children) {
    if (top->Gone() || !ClassNameIs(top, lpClassName)) continue;
    if (lpWindowName && top->text != lpWindowName) continue;
    return top->handle;
  }
  return nullptr;
}

}  // namespace

// Another running copy of the program is found by its title, as the single-instance
// start needs; only the desktop (the backend) knows other processes' windows, and it is
// asked without the layer's lock because it waits for the display's answer.
HWND FindWindowW(LPCWSTR lpClassName, LPCWSTR lpWindowName) {
  if (HWND own = FindOwnWindow(lpClassName, lpWindowName)) return own;
  if (!lpWindowName) return nullptr;
  auto* desktop = dynamic_cast<platform::backend::ForeignWindows*>(platform::backend::BackendRegistry::Active());
  return desktop ? desktop->FindForeignWindow(lpWindowName) : nullptr;
}

DWORD GetWindowThreadProcessId(HWND hWnd, LPDWORD lpdwProcessId) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = Lookup(hWnd);
  if (!w) return 0;
  if (lpdwProcessId) *lpdwProcessId = GetCurrentProcessId();
  return w->threadId;
}

BOOL EnumWindows(WNDENUMPROC lpEnumFunc, LPARAM lParam) {
  std::vector<HWND> handles;
  {
    Guard guard = UserLock::Acquire();
    for (WindowObject* top : Desktop()->children) handles.push_back(top->handle);
  }
  for (HWND h : handles) {
    if (IsWindow(h) && !lpEnumFunc(h, lParam)) return FALSE;
  }
  return TRUE;
}

namespace {

void CollectDescendants(const WindowObject* w, std::vector<HWND>* out) {
  for (WindowObject* child : w->children) {
    out->push_back(child->handle);
    CollectDescendants(child, out);
  }
}

}  // namespace

BOOL EnumChildWindows(HWND hWndParent, WNDENUMPROC lpEnumFunc, LPARAM lParam) {
  std::vector<HWND> handles;
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = hWndParent ? FindWindowObject(hWndParent) : Desktop();
    if (!w) return FALSE;
    CollectDescendants(w, &handles);
  }
  if (handles.empty()) return FALSE;
  for (HWND h : handles) {
    if (IsWindow(h) && !lpEnumFunc(h, lParam)) return FALSE;
  }
  return TRUE;
}
