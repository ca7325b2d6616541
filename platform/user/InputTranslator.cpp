#include "platform/user/InputTranslator.h"

#include <cstdlib>

#include "platform/user/ActivationOps.h"
#include "platform/user/DesktopState.h"
#include "platform/user/Input.h"
#include "platform/user/Monitor.h"
#include "platform/user/WindowHelpers.h"

namespace platform::user {
namespace {

const UINT kNonClientOffset = WM_MOUSEMOVE - WM_NCMOUSEMOVE;

WPARAM MouseKeyFlags(const std::array<BYTE, 256>& keys) {
  WPARAM flags = 0;
  if (keys[VK_LBUTTON] & 0x80) flags |= MK_LBUTTON;
  if (keys[VK_RBUTTON] & 0x80) flags |= MK_RBUTTON;
  if (keys[VK_MBUTTON] & 0x80) flags |= MK_MBUTTON;
  if (keys[VK_SHIFT] & 0x80) flags |= MK_SHIFT;
  if (keys[VK_CONTROL] & 0x80) flags |= MK_CONTROL;
  return flags;
}

bool IsButtonDown(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

// Lock held. `message` is the down message (client or non-client) before the check.
UINT ApplyDoubleClick(HWND hwnd, UINT message, bool allowed, POINT screen, DWORD time) {
  LastClick& last = DesktopState::Instance().lastClick;
  const DWORD limit = DesktopState::Instance().doubleClickTime;
  const bool near = std::abs(screen.x - last.screen.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                    std::abs(screen.y - last.screen.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
  const bool second = last.valid && last.hwnd == hwnd && last.message == message &&
                      DWORD(time - DWORD(last.time)) <= limit && near;
  if (second && allowed) {
    last.valid = false;
    return message + 2;  // the DBLCLK message follows its DOWN and UP
  }
  last = LastClick{hwnd, message, screen, time, true};
  return message;
}

}  // namespace

InputTranslator::Result InputTranslator::Next(Guard& guard, ThreadQueue& queue, const MessageFilter& filter,
                                              bool remove, MSG* out) {
  for (size_t i = 0; i < queue.input.size(); ++i) {
    RawInput& raw = queue.input[i];
    if (!raw.translated) {
      const RawInput copy = raw;
      guard.unlock();
      MSG msg{};
      const bool delivered = Translate(queue, copy, &msg);
      guard.lock();
      for (auto it = queue.input.begin(); it != queue.input.end(); ++it) {
        if (it->serial != copy.serial) continue;
        if (delivered) {
          it->translated = true;
          it->msg = msg;
        } else {
          queue.input.erase(it);
        }
        break;
      }
      return Result::Retry;
    }
    if (!filter.Matches(raw.msg.hwnd, raw.msg.message)) continue;
    *out = raw.msg;
    queue.keys = raw.keys;
    if (raw.kind == InputKind::Key && raw.down) {
      queue.lastKeyText = raw.text;
      queue.lastKeyMessage = raw.msg;
    }
    if (remove) queue.input.erase(queue.input.begin() + long(i));
    return Result::Message;
  }
  return Result::None;
}

bool InputTranslator::Translate(ThreadQueue& queue, const RawInput& raw, MSG* out) {
  if (raw.kind == InputKind::Mouse) return TranslateMouse(queue, raw, out);
  return TranslateKeyboard(queue, raw, out);
}

bool InputTranslator::TranslateMouse(ThreadQueue& queue, const RawInput& raw, MSG* out) {
  const HWND hwnd = raw.target;
  UINT message = raw.mouseMessage;
  const POINT s = raw.screen;
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = FindWindowObject(hwnd);
    if (!w) return false;
    if (DesktopState::Instance().capture == hwnd) {
      const POINT origin = ClientOriginOnScreen(w);
      if (IsButtonDown(message)) message = ApplyDoubleClick(hwnd, message, (w->cls->style & CS_DBLCLKS) != 0, s, raw.time);
      *out = MSG{hwnd, message, MouseKeyFlags(raw.keys), MAKELPARAM(s.x - origin.x, s.y - origin.y), raw.time, s};
      return true;
    }
    if (!w->Enabled()) return false;
  }
  const LRESULT hit = SendMessageInternal(hwnd, WM_NCHITTEST, 0, MAKELPARAM(s.x, s.y));
  if (hit == HTTRANSPARENT) return false;
  if (IsButtonDown(message) && !MouseActivate(hwnd, int(hit), message)) return false;
  bool captured;
  {
    Guard guard = UserLock::Acquire();
    captured = DesktopState::Instance().capture != nullptr;
  }
  if (!captured) SendMessageInternal(hwnd, WM_SETCURSOR, WPARAM(hwnd), MAKELPARAM(hit, message));
  if (hit == HTERROR) return false;

  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hwnd);
  if (!w) return false;
  const bool client = hit == HTCLIENT;
  if (!client) message -= kNonClientOffset;
  if (IsButtonDown(raw.mouseMessage)) {
    const bool allowed = !client || (w->cls->style & CS_DBLCLKS) != 0;
    message = ApplyDoubleClick(hwnd, message, allowed, s, raw.time);
  }
  MouseTracking& tracking = queue.tracking;
  if (tracking.hwnd == hwnd && (tracking.flags & TME_LEAVE) && !(tracking.flags & TME_NONCLIENT) && !client) {
    queue.Post(MakeMessage(hwnd, WM_MOUSELEAVE, 0, 0));
    tracking = MouseTracking{};
  }
  const POINT origin = ClientOriginOnScreen(w);
  const WPARAM wp = client ? MouseKeyFlags(raw.keys) : WPARAM(hit);
  const LPARAM lp = client ? MAKELPARAM(s.x - origin.x, s.y - origin.y) : MAKELPARAM(s.x, s.y);
  *out = MSG{hwnd, message, wp, lp, raw.time, s};
  return true;
}

bool InputTranslator::TranslateKeyboard(ThreadQueue& queue, const RawInput& raw, MSG* out) {
  Guard guard = UserLock::Acquire();
  const HWND target = queue.focus ? queue.focus : queue.active;
  WindowObject* w = FindWindowObject(target);
  if (!w || !w->Enabled()) return false;
  const POINT at = DesktopState::Instance().cursor;
  if (raw.kind == InputKind::Wheel) {
    const WPARAM wp = MAKEWPARAM(MouseKeyFlags(raw.keys), raw.wheelDelta);
    *out = MSG{target, WM_MOUSEWHEEL, wp, MAKELPARAM(raw.screen.x, raw.screen.y), raw.time, raw.screen};
    return true;
  }
  if (raw.kind == InputKind::Char) {
    *out = MSG{target, WM_CHAR, WPARAM(raw.text.empty() ? 0 : raw.text[0]), 1, raw.time, at};
    return true;
  }
  const bool alt = (raw.keys[VK_MENU] & 0x80) != 0;
  const bool ctrl = (raw.keys[VK_CONTROL] & 0x80) != 0;
  const bool sys = (alt && !ctrl) || raw.vk == VK_F10 || raw.vk == VK_MENU || !queue.focus;
  UINT message = raw.down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
  LPARAM lp = 1;
  if (alt) lp |= LPARAM(1) << 29;
  if (raw.repeat || !raw.down) lp |= LPARAM(1) << 30;
  if (!raw.down) lp |= LPARAM(DWORD(1) << 31);
  *out = MSG{target, message, WPARAM(raw.vk), lp, raw.time, at};
  return true;
}

}  // namespace platform::user
