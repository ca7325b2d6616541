// Monitors and work areas from the backend; system metrics and parameters.
#include <algorithm>
#include <climits>
#include <cwchar>

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/user/Monitor.h"
#include "platform/user/WindowHelpers.h"

using namespace platform::user;
namespace backend = platform::backend;

namespace {

std::vector<backend::MonitorDesc> Monitors() {
  backend::Backend* b = ActiveBackend();
  std::vector<backend::MonitorDesc> list = b ? b->Monitors() : std::vector<backend::MonitorDesc>{};
  if (list.empty()) list = platform::headless::HeadlessBackend::DefaultMonitors();
  return list;
}

size_t PrimaryIndex(const std::vector<backend::MonitorDesc>& list) {
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i].primary) return i;
  }
  return 0;
}

HMONITOR HandleOf(size_t index) { return HMONITOR(uintptr_t(index + 1)); }

long long DistanceSquared(const RECT& r, POINT p) {
  const long long dx = p.x < r.left ? r.left - p.x : (p.x >= r.right ? p.x - r.right + 1 : 0);
  const long long dy = p.y < r.top ? r.top - p.y : (p.y >= r.bottom ? p.y - r.bottom + 1 : 0);
  return dx * dx + dy * dy;
}

HMONITOR Fallback(const std::vector<backend::MonitorDesc>& list, POINT p, DWORD flags) {
  if (flags == MONITOR_DEFAULTTOPRIMARY) return HandleOf(PrimaryIndex(list));
  if (flags != MONITOR_DEFAULTTONEAREST) return nullptr;
  size_t best = 0;
  long long bestDistance = LLONG_MAX;
  for (size_t i = 0; i < list.size(); ++i) {
    const long long d = DistanceSquared(list[i].bounds, p);
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return HandleOf(best);
}

RECT VirtualScreen(const std::vector<backend::MonitorDesc>& list) {
  RECT r = list.front().bounds;
  for (const auto& m : list) {
    r.left = std::min(r.left, m.bounds.left);
    r.top = std::min(r.top, m.bounds.top);
    r.right = std::max(r.right, m.bounds.right);
    r.bottom = std::max(r.bottom, m.bounds.bottom);
  }
  return r;
}

}  // namespace

HMONITOR MonitorFromPoint(POINT pt, DWORD dwFlags) {
  const auto list = Monitors();
  for (size_t i = 0; i < list.size(); ++i) {
    const RECT& r = list[i].bounds;
    if (pt.x >= r.left && pt.x < r.right && pt.y >= r.top && pt.y < r.bottom) return HandleOf(i);
  }
  return Fallback(list, pt, dwFlags);
}

HMONITOR MonitorFromRect(LPCRECT lprc, DWORD dwFlags) {
  const auto list = Monitors();
  if (!lprc) return Fallback(list, POINT{0, 0}, dwFlags);
  long long bestArea = 0;
  size_t best = 0;
  for (size_t i = 0; i < list.size(); ++i) {
    const RECT& m = list[i].bounds;
    const long long w = std::min(m.right, lprc->right) - std::max(m.left, lprc->left);
    const long long h = std::min(m.bottom, lprc->bottom) - std::max(m.top, lprc->top);
    if (w > 0 && h > 0 && w * h > bestArea) {
      bestArea = w * h;
      best = i;
    }
  }
  if (bestArea > 0) return HandleOf(best);
  return Fallback(list, POINT{(lprc->left + lprc->right) / 2, (lprc->top + lprc->bottom) / 2}, dwFlags);
}

HMONITOR MonitorFromWindow(HWND hwnd, DWORD dwFlags) {
  RECT rect;
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = FindWindowObject(hwnd);
    if (!w || IsDesktop(w)) {
      const auto list = Monitors();
      return dwFlags == MONITOR_DEFAULTTONULL ? nullptr : HandleOf(PrimaryIndex(list));
    }
    rect = ((w->style & WS_MINIMIZE) && w->hasNormalRect) ? w->normalRect : ScreenRectOf(w);
  }
  if (rect.right <= rect.left || rect.bottom <= rect.top) {
    return MonitorFromPoint(POINT{rect.left, rect.top}, dwFlags);
  }
  return MonitorFromRect(&rect, dwFlags);
}

BOOL GetMonitorInfoW(HMONITOR hMonitor, LPMONITORINFO lpmi) {
  if (!lpmi || lpmi->cbSize < sizeof(MONITORINFO)) return FALSE;
  const auto list = Monitors();
  const size_t index = size_t(uintptr_t(hMonitor)) - 1;
  if (!hMonitor || index >= list.size()) return FALSE;
  const auto& m = list[index];
  lpmi->rcMonitor = m.bounds;
  lpmi->rcWork = m.work;
  lpmi->dwFlags = m.primary ? MONITORINFOF_PRIMARY : 0;
  if (lpmi->cbSize >= sizeof(MONITORINFOEXW)) {
    auto* ex = reinterpret_cast<LPMONITORINFOEXW>(lpmi);
    std::wstring name = m.name.empty() ? L"DISPLAY" + std::to_wstring(index + 1) : m.name;
    name = name.substr(0, CCHDEVICENAME - 1);
    std::wmemcpy(ex->szDevice, name.c_str(), name.size() + 1);
  }
  return TRUE;
}

int GetSystemMetrics(int nIndex) {
  const auto list = Monitors();
  const auto& primary = list[PrimaryIndex(list)];
  const RECT all = VirtualScreen(list);
  switch (nIndex) {
    case SM_CXSCREEN: return primary.bounds.right - primary.bounds.left;
    case SM_CYSCREEN: return primary.bounds.bottom - primary.bounds.top;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL: return 17;
    case SM_CYCAPTION: return 23;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return 3;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR: return 32;
    case SM_CYMENU: return 20;
    case SM_CXFULLSCREEN: return primary.work.right - primary.work.left;
    case SM_CYFULLSCREEN: return primary.work.bottom - primary.work.top - 23;
    case SM_MOUSEPRESENT:
    case SM_MOUSEWHEELPRESENT: return 1;
    case SM_SWAPBUTTON: return 0;
    case SM_CXMIN:
    case SM_CXMINTRACK: return 136;
    case SM_CYMIN:
    case SM_CYMINTRACK: return 39;
    case SM_CXSIZE: return 36;
    case SM_CYSIZE: return 22;
    case SM_CXFRAME:
    case SM_CYFRAME: return 4;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
    case SM_CXDRAG:
    case SM_CYDRAG: return 4;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    case SM_CXMAXTRACK: return all.right - all.left + 2 * 4;
    case SM_CYMAXTRACK: return all.bottom - all.top + 2 * 4;
    case SM_CXMAXIMIZED: return primary.work.right - primary.work.left;
    case SM_CYMAXIMIZED: return primary.work.bottom - primary.work.top;
    case SM_XVIRTUALSCREEN: return all.left;
    case SM_YVIRTUALSCREEN: return all.top;
    case SM_CXVIRTUALSCREEN: return all.right - all.left;
    case SM_CYVIRTUALSCREEN: return all.bottom - all.top;
    case SM_CMONITORS: return int(list.size());
    default: return 0;
  }
}

BOOL SystemParametersInfoW(UINT uiAction, UINT, PVOID pvParam, UINT) {
  if (!pvParam) return FALSE;
  switch (uiAction) {
    case SPI_GETWORKAREA: {
      const auto list = Monitors();
      *static_cast<RECT*>(pvParam) = list[PrimaryIndex(list)].work;
      return TRUE;
    }
    case SPI_GETMOUSEHOVERTIME: *static_cast<UINT*>(pvParam) = 400; return TRUE;
    case SPI_GETMOUSEHOVERWIDTH:
    case SPI_GETMOUSEHOVERHEIGHT: *static_cast<UINT*>(pvParam) = 4; return TRUE;
    case SPI_GETWHEELSCROLLLINES: *static_cast<UINT*>(pvParam) = 3; return TRUE;
    default: return FALSE;
  }
}
