#include "platform/user/KeyboardLayout.h"

#include "platform/user/Input.h"

namespace platform::user {
namespace {

struct Punctuation {
  UINT vk;
  wchar_t plain;
  wchar_t shifted;
};

const Punctuation kPunctuation[] = {
    {VK_OEM_1, L';', L':'}, {VK_OEM_PLUS, L'=', L'+'},   {VK_OEM_COMMA, L',', L'<'}, {VK_OEM_MINUS, L'-', L'_'},
    {VK_OEM_PERIOD, L'.', L'>'}, {VK_OEM_2, L'/', L'?'}, {VK_OEM_3, L'`', L'~'},     {VK_OEM_4, L'[', L'{'},
    {VK_OEM_5, L'\\', L'|'}, {VK_OEM_6, L']', L'}'},     {VK_OEM_7, L'\'', L'"'},
};

const wchar_t kShiftedDigits[] = L")!@#$%^&*(";

}  // namespace

std::wstring KeyboardLayout::Text(UINT vk, const std::array<BYTE, 256>& keys) {
  const bool shift = (keys[VK_SHIFT] & 0x80) != 0;
  const bool ctrl = (keys[VK_CONTROL] & 0x80) != 0;
  const bool alt = (keys[VK_MENU] & 0x80) != 0;
  const bool caps = (keys[VK_CAPITAL] & 0x01) != 0;
  if (vk >= 'A' && vk <= 'Z') {
    if (ctrl && !alt) return std::wstring(1, wchar_t(vk - 'A' + 1));
    const bool upper = shift != caps;
    return std::wstring(1, wchar_t(upper ? vk : vk - 'A' + 'a'));
  }
  if (ctrl && !alt) return vk == VK_RETURN ? L"\n" : L"";
  if (vk >= '0' && vk <= '9') return std::wstring(1, shift ? kShiftedDigits[vk - '0'] : wchar_t(vk));
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return std::wstring(1, wchar_t(L'0' + (vk - VK_NUMPAD0)));
  switch (vk) {
    case VK_SPACE: return L" ";
    case VK_RETURN: return L"\r";
    case VK_BACK: return L"\b";
    case VK_TAB: return L"\t";
    case VK_ESCAPE: return L"\x1b";
    case VK_MULTIPLY: return L"*";
    case VK_ADD: return L"+";
    case VK_SUBTRACT: return L"-";
    case VK_DECIMAL: return L".";
    case VK_DIVIDE: return L"/";
    default: break;
  }
  for (const Punctuation& p : kPunctuation) {
    if (p.vk == vk) return std::wstring(1, shift ? p.shifted : p.plain);
  }
  return L"";
}

}  // namespace platform::user
