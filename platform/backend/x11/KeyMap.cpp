#include "platform/backend/x11/KeyMap.h"

#include <X11/keysym.h>

namespace platform::x11 {
namespace {

struct KeyEntry {
  unsigned long keysym;
  UINT vk;
};

// Keys whose virtual-key code does not follow from a character range.
const KeyEntry kKeys[] = {
    {XK_BackSpace, 0x08},  {XK_Tab, 0x09},         {XK_ISO_Left_Tab, 0x09}, {XK_Clear, 0x0C},
    {XK_Return, 0x0D},     {XK_Pause, 0x13},       {XK_Scroll_Lock, 0x91},  {XK_Escape, 0x1B},
    {XK_Delete, 0x2E},     {XK_Home, 0x24},        {XK_Left, 0x25},         {XK_Up, 0x26},
    {XK_Right, 0x27},      {XK_Down, 0x28},        {XK_Prior, 0x21},        {XK_Next, 0x22},
    {XK_End, 0x23},        {XK_Insert, 0x2D},      {XK_Print, 0x2C},        {XK_Menu, 0x5D},
    {XK_Num_Lock, 0x90},   {XK_Caps_Lock, 0x14},   {XK_space, 0x20},
    {XK_Shift_L, 0x10},    {XK_Shift_R, 0x10},     {XK_Control_L, 0x11},    {XK_Control_R, 0x11},
    {XK_Alt_L, 0x12},      {XK_Alt_R, 0x12},       {XK_Meta_L, 0x12},       {XK_Meta_R, 0x12},
    {XK_ISO_Level3_Shift, 0x12}, {XK_Super_L, 0x5B}, {XK_Super_R, 0x5C},
    // Punctuation of a US keyboard: the OEM keys.
    {XK_semicolon, 0xBA},  {XK_equal, 0xBB},       {XK_comma, 0xBC},        {XK_minus, 0xBD},
    {XK_period, 0xBE},     {XK_slash, 0xBF},       {XK_grave, 0xC0},        {XK_bracketleft, 0xDB},
    {XK_backslash, 0xDC},  {XK_bracketright, 0xDD}, {XK_apostrophe, 0xDE},
    // The keypad, with NumLock on and off.
    {XK_KP_Multiply, 0x6A}, {XK_KP_Add, 0x6B},     {XK_KP_Separator, 0x6C}, {XK_KP_Subtract, 0x6D},
    {XK_KP_Decimal, 0x6E}, {XK_KP_Divide, 0x6F},   {XK_KP_Enter, 0x0D},     {XK_KP_Home, 0x24},
    {XK_KP_Left, 0x25},    {XK_KP_Up, 0x26},       {XK_KP_Right, 0x27},     {XK_KP_Down, 0x28},
    {XK_KP_Prior, 0x21},   {XK_KP_Next, 0x22},     {XK_KP_End, 0x23},       {XK_KP_Begin, 0x0C},
    {XK_KP_Insert, 0x2D},  {XK_KP_Delete, 0x2E},
};

bool IsKeypad(unsigned long keysym) { return keysym >= 0xFF80 && keysym <= 0xFFBD; }

UINT Lookup(unsigned long keysym) {
  if (keysym >= XK_a && keysym <= XK_z) return UINT('A' + (keysym - XK_a));
  if (keysym >= XK_A && keysym <= XK_Z) return UINT(keysym);
  if (keysym >= XK_0 && keysym <= XK_9) return UINT(keysym);
  if (keysym >= XK_F1 && keysym <= XK_F24) return UINT(0x70 + (keysym - XK_F1));
  if (keysym >= XK_KP_0 && keysym <= XK_KP_9) return UINT(0x60 + (keysym - XK_KP_0));
  for (const KeyEntry& entry : kKeys) {
    if (entry.keysym == keysym) return entry.vk;
  }
  return 0;
}

}  // namespace

UINT KeyMap::VirtualKey(unsigned long base, unsigned long modified) {
  if (IsKeypad(base) || IsKeypad(modified)) {
    if (UINT vk = Lookup(modified)) return vk;
  }
  if (UINT vk = Lookup(base)) return vk;
  return Lookup(modified);
}

wchar_t KeyMap::Character(unsigned long keysym) {
  if ((keysym >= 0x20 && keysym <= 0x7E) || (keysym >= 0xA0 && keysym <= 0xFF)) return wchar_t(keysym);
  if (keysym >= 0x01000100 && keysym <= 0x0110FFFF) return wchar_t(keysym - 0x01000000);
  if (keysym >= XK_KP_0 && keysym <= XK_KP_9) return wchar_t(L'0' + (keysym - XK_KP_0));
  switch (keysym) {
    case XK_BackSpace: return 0x08;
    case XK_Tab: case XK_ISO_Left_Tab: return 0x09;
    case XK_Return: case XK_KP_Enter: return 0x0D;
    case XK_Escape: return 0x1B;
    case XK_Delete: return 0x7F;
    case XK_KP_Space: return L' ';
    case XK_KP_Multiply: return L'*';
    case XK_KP_Add: return L'+';
    case XK_KP_Separator: return L',';
    case XK_KP_Subtract: return L'-';
    case XK_KP_Decimal: return L'.';
    case XK_KP_Divide: return L'/';
    case XK_KP_Equal: return L'=';
    default: return 0;
  }
}

std::wstring KeyMap::TypedText(unsigned long keysym, bool control, bool alt) {
  if (control && !alt) return std::wstring();
  const wchar_t ch = Character(keysym);
  if (ch < 0x20 || ch == 0x7F) return std::wstring();
  return std::wstring(1, ch);
}

}  // namespace platform::x11
