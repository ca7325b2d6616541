// System cursors and icons as fixed handles.
#include "platform/user/Cursor.h"
#include "platform/user/DesktopState.h"
#include "platform/user/WindowHelpers.h"

using namespace platform::user;
namespace backend = platform::backend;

namespace {

struct SystemCursor {
  WORD id;
  backend::CursorShape shape;
};

const SystemCursor kCursors[] = {
    {32512, backend::CursorShape::Arrow},    {32513, backend::CursorShape::IBeam},
    {32514, backend::CursorShape::Wait},     {32515, backend::CursorShape::Cross},
    {32516, backend::CursorShape::UpArrow},  {32642, backend::CursorShape::SizeNWSE},
    {32643, backend::CursorShape::SizeNESW}, {32644, backend::CursorShape::SizeWE},
    {32645, backend::CursorShape::SizeNS},   {32646, backend::CursorShape::SizeAll},
    {32648, backend::CursorShape::No},       {32649, backend::CursorShape::Hand},
    {32650, backend::CursorShape::AppStarting}, {32651, backend::CursorShape::Help},
};

const uintptr_t kCursorBase = 0x30000;
const uintptr_t kIconBase = 0x31000;

}  // namespace

HCURSOR LoadCursorW(HINSTANCE hInstance, LPCWSTR lpCursorName) {
  if (hInstance || !IS_INTRESOURCE(lpCursorName)) return nullptr;
  const WORD id = WORD(uintptr_t(lpCursorName));
  for (const SystemCursor& c : kCursors) {
    if (c.id == id) return HCURSOR(kCursorBase + id);
  }
  return nullptr;
}

HCURSOR SetCursor(HCURSOR hCursor) {
  HCURSOR previous;
  backend::CursorShape shape = backend::CursorShape::Hidden;
  const WORD id = WORD(uintptr_t(hCursor) - kCursorBase);
  for (const SystemCursor& c : kCursors) {
    if (hCursor && uintptr_t(hCursor) >= kCursorBase && c.id == id) shape = c.shape;
  }
  if (hCursor && shape == backend::CursorShape::Hidden) shape = backend::CursorShape::Arrow;
  {
    Guard guard = UserLock::Acquire();
    previous = DesktopState::Instance().currentCursor;
    DesktopState::Instance().currentCursor = hCursor;
  }
  if (backend::Backend* b = ActiveBackend()) b->SetCursorShape(shape);
  return previous;
}

HCURSOR GetCursor() {
  Guard guard = UserLock::Acquire();
  return DesktopState::Instance().currentCursor;
}

int ShowCursor(BOOL bShow) {
  static int counter = 0;
  Guard guard = UserLock::Acquire();
  counter += bShow ? 1 : -1;
  return counter;
}

HICON LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName) {
  if (hInstance) return HICON(LoadImageW(hInstance, lpIconName, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  if (!IS_INTRESOURCE(lpIconName)) return nullptr;
  const WORD id = WORD(uintptr_t(lpIconName));
  if (id < 32512 || id > 32518) return nullptr;
  return HICON(kIconBase + id);
}
