// Input-method contexts are the windows themselves; the spot a context is given goes,
// in screen coordinates, to the backend when it has an input method.
#include "platform/backend/BackendRegistry.h"
#include "platform/backend/InputMethodSpot.h"
#include "platform/user/Imm.h"
#include "platform/user/User.h"

HIMC ImmGetContext(HWND hWnd) { return IsWindow(hWnd) ? reinterpret_cast<HIMC>(hWnd) : nullptr; }

BOOL ImmReleaseContext(HWND hWnd, HIMC hIMC) { return hWnd && hIMC ? TRUE : FALSE; }

BOOL ImmSetCompositionWindow(HIMC hIMC, LPCOMPOSITIONFORM lpCompForm) {
  HWND hwnd = reinterpret_cast<HWND>(hIMC);
  if (!lpCompForm || !IsWindow(hwnd)) return FALSE;
  if (lpCompForm->dwStyle == CFS_DEFAULT) return TRUE;
  POINT spot = lpCompForm->ptCurrentPos;
  if (lpCompForm->dwStyle & CFS_RECT) spot = POINT{lpCompForm->rcArea.left, lpCompForm->rcArea.top};
  ClientToScreen(hwnd, &spot);
  auto* backend = dynamic_cast<platform::backend::InputMethodSpot*>(platform::backend::BackendRegistry::Active());
  if (backend) backend->SetCompositionSpot(hwnd, spot);
  return TRUE;
}
