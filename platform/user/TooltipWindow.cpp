#include "platform/user/TooltipWindow.h"

#include <algorithm>

#include "platform/gdi/Gdi.h"
#include "platform/user/Input.h"
#include "platform/user/Paint.h"
#include "platform/user/Window.h"
#include "platform/user/WindowPos.h"

namespace platform::user {
namespace {

const int kPadding = 4;
const int kOffsetBelowPointer = 20;

TooltipWindow* StateOf(HWND hwnd) { return reinterpret_cast<TooltipWindow*>(GetWindowLongPtrW(hwnd, 0)); }

}  // namespace

LRESULT CALLBACK TooltipWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(hwnd, 0, LONG_PTR(new TooltipWindow));
    return TRUE;
  }
  TooltipWindow* self = StateOf(hwnd);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, 0, 0);
    delete self;
    return 0;
  }
  return self ? self->Handle(hwnd, message, wParam, lParam) : DefWindowProcW(hwnd, message, wParam, lParam);
}

TooltipWindow::Tool* TooltipWindow::Find(const TTTOOLINFOW* info) {
  if (!info) return nullptr;
  for (Tool& tool : tools_) {
    if (tool.hwnd == info->hwnd && tool.id == info->uId) return &tool;
  }
  return nullptr;
}

LRESULT TooltipWindow::Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto* info = reinterpret_cast<const TTTOOLINFOW*>(lParam);
  switch (message) {
    case WM_CREATE:
      SetWindowLongW(hwnd, GWL_EXSTYLE,
                     GetWindowLongW(hwnd, GWL_EXSTYLE) | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST);
      return 0;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_NCHITTEST: return HTTRANSPARENT;
    case TTM_ADDTOOLW:
    case TTM_SETTOOLINFOW: {
      if (!info) return FALSE;
      Tool* tool = Find(info);
      if (!tool) {
        if (message == TTM_SETTOOLINFOW) return 0;
        tools_.push_back(Tool{});
        tool = &tools_.back();
        shown_ = nullptr;
      }
      tool->flags = info->uFlags;
      tool->hwnd = info->hwnd;
      tool->id = info->uId;
      tool->rect = info->rect;
      tool->text = (info->lpszText && info->lpszText != LPSTR_TEXTCALLBACKW) ? info->lpszText : L"";
      return TRUE;
    }
    case TTM_UPDATETIPTEXTW:
      if (Tool* tool = Find(info)) tool->text = info->lpszText && info->lpszText != LPSTR_TEXTCALLBACKW ? info->lpszText : L"";
      return 0;
    case TTM_DELTOOLW:
      tools_.erase(std::remove_if(tools_.begin(), tools_.end(),
                                  [info](const Tool& t) { return info && t.hwnd == info->hwnd && t.id == info->uId; }),
                   tools_.end());
      shown_ = nullptr;
      return 0;
    case TTM_GETTOOLCOUNT: return LRESULT(tools_.size());
    case TTM_SETMAXTIPWIDTH: {
      const int old = maxWidth_;
      maxWidth_ = int(lParam);
      return old;
    }
    case TTM_GETMAXTIPWIDTH: return maxWidth_;
    case TTM_SETDELAYTIME:
      if (wParam == TTDT_INITIAL || wParam == TTDT_AUTOMATIC) initialDelay_ = short(LOWORD(lParam));
      return 0;
    case TTM_GETDELAYTIME:
      if (wParam == TTDT_INITIAL) return initialDelay_ >= 0 ? initialDelay_ : LRESULT(GetDoubleClickTime());
      if (wParam == TTDT_AUTOPOP) return LRESULT(GetDoubleClickTime()) * 10;
      return GetDoubleClickTime() / 5;
    case TTM_TRACKACTIVATE:
      if (wParam && Find(info)) {
        Show(hwnd, *Find(info));
      } else {
        ShowWindow(hwnd, SW_HIDE);
      }
      return 0;
    case TTM_POP:
      ShowWindow(hwnd, SW_HIDE);
      return 0;
    case WM_PAINT:
      Paint(hwnd);
      return 0;
    case WM_ERASEBKGND: return 1;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

void TooltipWindow::Show(HWND hwnd, const Tool& tool) {
  shownText_ = tool.text;
  HDC hdc = GetDC(hwnd);
  SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
  RECT box{0, 0, maxWidth_ > 0 ? maxWidth_ : 10000, 0};
  UINT format = DT_CALCRECT | DT_NOPREFIX | (maxWidth_ > 0 ? DT_WORDBREAK : DT_SINGLELINE);
  DrawTextW(hdc, shownText_.c_str(), int(shownText_.size()), &box, format);
  ReleaseDC(hwnd, hdc);
  POINT at;
  GetCursorPos(&at);
  SetWindowPos(hwnd, HWND_TOPMOST, at.x, at.y + kOffsetBelowPointer, box.right + 2 * kPadding,
               box.bottom + 2 * kPadding, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(hwnd, nullptr, FALSE);
}

void TooltipWindow::Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd, &ps);
  if (hdc) {
    RECT client;
    GetClientRect(hwnd, &client);
    HBRUSH background = CreateSolidBrush(RGB(255, 255, 225));
    FillRect(hdc, &client, background);
    DeleteObject(background);
    HBRUSH frame = CreateSolidBrush(RGB(118, 118, 118));
    FrameRect(hdc, &client, frame);
    DeleteObject(frame);
    SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, RGB(0, 0, 0));
    RECT text{client.left + kPadding, client.top + kPadding, client.right - kPadding, client.bottom - kPadding};
    DrawTextW(hdc, shownText_.c_str(), int(shownText_.size()), &text,
              DT_NOPREFIX | (maxWidth_ > 0 ? DT_WORDBREAK : DT_SINGLELINE));
  }
  EndPaint(hwnd, &ps);
}

}  // namespace platform::user
