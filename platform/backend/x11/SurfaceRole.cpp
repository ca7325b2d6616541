#include "platform/backend/x11/SurfaceRole.h"

#include <cwctype>

namespace platform::x11 {
namespace {

const DWORD kExTransparent = 0x00000020L;
const DWORD kExToolWindow = 0x00000080L;
const DWORD kExNoActivate = 0x08000000L;
const DWORD kExLayered = 0x00080000L;

bool SameName(const std::wstring& a, const wchar_t* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i) {
    if (std::towlower(wint_t(a[i])) != std::towlower(wint_t(b[i]))) return false;
  }
  return i == a.size() && !b[i];
}

}  // namespace

Role SurfaceRole::Classify(const backend::SurfaceDesc& desc) {
  if (SameName(desc.className, L"tooltips_class32")) return Role::Tooltip;
  // The drop shadow: a layered, click-through pop-up following its owner.
  if (desc.popup && (desc.exStyle & kExLayered) && (desc.exStyle & kExTransparent)) return Role::Shadow;
  if (desc.toolWindow || (desc.exStyle & kExToolWindow)) return Role::Menu;
  if (desc.noActivate || (desc.exStyle & kExNoActivate)) return Role::Tooltip;
  // The framework's edit box lays a top-level edit window over a layered host.
  if (desc.popup && (SameName(desc.className, L"EditWnd") || SameName(desc.className, L"Edit"))) {
    return Role::EditPopup;
  }
  return desc.owner ? Role::Dialog : Role::Normal;
}

bool SurfaceRole::OverrideRedirect(Role role) { return role != Role::Normal && role != Role::Dialog; }

bool SurfaceRole::TakesFocus(Role role) { return !OverrideRedirect(role); }

}  // namespace platform::x11
