#include "tests/ui/controls/support/NativeWindows.h"

#include <cwchar>

namespace controltest {
namespace {

struct Search {
  HWND host;
  LPCWSTR className;
  HWND found;
};

bool HasClass(HWND hwnd, LPCWSTR className) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return wcscmp(name, className) == 0;
}

BOOL CALLBACK MatchChild(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  if (!HasClass(hwnd, search->className)) return TRUE;
  search->found = hwnd;
  return FALSE;
}

BOOL CALLBACK MatchOwned(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  if (GetWindow(hwnd, GW_OWNER) != search->host || !HasClass(hwnd, search->className)) return TRUE;
  search->found = hwnd;
  return FALSE;
}

}  // namespace

HWND FindNativeWindow(HWND host, LPCWSTR className) {
  Search search{host, className, nullptr};
  EnumChildWindows(host, &MatchChild, LPARAM(&search));
  if (!search.found) EnumWindows(&MatchOwned, LPARAM(&search));
  return search.found;
}

RECT RectInHost(HWND host, HWND native) {
  RECT r{};
  GetWindowRect(native, &r);
  POINT topLeft{r.left, r.top}, bottomRight{r.right, r.bottom};
  ScreenToClient(host, &topLeft);
  ScreenToClient(host, &bottomRight);
  return RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

}  // namespace controltest
