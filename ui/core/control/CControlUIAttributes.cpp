// The base control's skin attributes: one attribute by name, and lists of them.
#include "ui/core/control/CControlUIAttributes.h"

#include <atomic>

#include "ui/core/control/CControlUI.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

namespace {

// Background colours may be written with blanks before the '#'; border colours not.
DWORD BackgroundColor(LPCTSTR pstrValue) {
  while (*pstrValue > 0 && *pstrValue <= 32) ++pstrValue;
  return CUIValueParser::ReadColor(pstrValue);
}

void ApplyPos(CControlUI& control, LPCTSTR pstrValue) {
  int v[4];
  CUIValueParser::ReadIntegers(pstrValue, v, 4);
  // A negative left or top counts from the parent's right or bottom edge.
  const SIZE szXY = {v[0] >= 0 ? v[0] : v[2], v[1] >= 0 ? v[1] : v[3]};
  control.SetFixedXY(szXY);
  control.SetFixedWidth(v[2] - v[0]);
  control.SetFixedHeight(v[3] - v[1]);
}

void ApplyBorderSize(CControlUI& control, LPCTSTR pstrValue) {
  if (::wcschr(pstrValue, L',') == nullptr) {
    control.SetBorderSize(::_wtoi(pstrValue));
    control.SetBorderSizes(0, 0, 0, 0);
    return;
  }
  const RECT rc = CUIValueParser::ReadRect(pstrValue);
  control.SetBorderSizes(rc.left, rc.top, rc.right, rc.bottom);
}

typedef void (*AttributeSetter)(CControlUI& control, LPCTSTR pstrValue);

struct AttributeEntry {
  LPCTSTR name;
  AttributeSetter apply;
};

const AttributeEntry kAttributes[] = {
    {L"bkimage", [](CControlUI& c, LPCTSTR v) { c.SetBkImage(v); }},
    {L"normalimage", [](CControlUI& c, LPCTSTR v) { c.SetNormalImage(v); }},
    {L"hotimage", [](CControlUI& c, LPCTSTR v) { c.SetHotImage(v); }},
    {L"pushedimage", [](CControlUI& c, LPCTSTR v) { c.SetPushedImage(v); }},
    {L"focusedimage", [](CControlUI& c, LPCTSTR v) { c.SetFocusedImage(v); }},
    {L"disabledimage", [](CControlUI& c, LPCTSTR v) { c.SetDisabledImage(v); }},
    {L"foreimage", [](CControlUI& c, LPCTSTR v) { c.SetForeImage(v); }},
    {L"pos", &ApplyPos},
    {L"relativepos",
     [](CControlUI& c, LPCTSTR v) {
       int p[4];
       CUIValueParser::ReadIntegers(v, p, 4);
       c.SetRelativePos(p[0], p[1], p[2], p[3]);
     }},
    {L"padding", [](CControlUI& c, LPCTSTR v) { c.SetPadding(CUIValueParser::ReadRect(v)); }},
    {L"bkcolor", [](CControlUI& c, LPCTSTR v) { c.SetBkColor(BackgroundColor(v)); }},
    {L"bkcolor1", [](CControlUI& c, LPCTSTR v) { c.SetBkColor(BackgroundColor(v)); }},
    {L"bkcolor2", [](CControlUI& c, LPCTSTR v) { c.SetBkColor2(BackgroundColor(v)); }},
    {L"bkcolor3", [](CControlUI& c, LPCTSTR v) { c.SetBkColor3(BackgroundColor(v)); }},
    {L"bordercolor", [](CControlUI& c, LPCTSTR v) { c.SetBorderColor(CUIValueParser::ReadColor(v)); }},
    {L"focusbordercolor", [](CControlUI& c, LPCTSTR v) { c.SetFocusBorderColor(CUIValueParser::ReadColor(v)); }},
    {L"colorhsl", [](CControlUI& c, LPCTSTR v) { c.SetColorHSL(CUIValueParser::IsTrue(v)); }},
    {L"bordersize", &ApplyBorderSize},
    {L"leftbordersize", [](CControlUI& c, LPCTSTR v) { c.SetLeftBorderSize(::_wtoi(v)); }},
    {L"topbordersize", [](CControlUI& c, LPCTSTR v) { c.SetTopBorderSize(::_wtoi(v)); }},
    {L"rightbordersize", [](CControlUI& c, LPCTSTR v) { c.SetRightBorderSize(::_wtoi(v)); }},
    {L"bottombordersize", [](CControlUI& c, LPCTSTR v) { c.SetBottomBorderSize(::_wtoi(v)); }},
    {L"borderstyle", [](CControlUI& c, LPCTSTR v) { c.SetBorderStyle(::_wtoi(v)); }},
    {L"borderround",
     [](CControlUI& c, LPCTSTR v) {
       int r[2];
       CUIValueParser::ReadIntegers(v, r, 2);
       c.SetBorderRound(r[0], r[1]);
     }},
    {L"width", [](CControlUI& c, LPCTSTR v) { c.SetFixedWidth(::_wtoi(v)); }},
    {L"height", [](CControlUI& c, LPCTSTR v) { c.SetFixedHeight(::_wtoi(v)); }},
    {L"minwidth", [](CControlUI& c, LPCTSTR v) { c.SetMinWidth(::_wtoi(v)); }},
    {L"minheight", [](CControlUI& c, LPCTSTR v) { c.SetMinHeight(::_wtoi(v)); }},
    {L"maxwidth", [](CControlUI& c, LPCTSTR v) { c.SetMaxWidth(::_wtoi(v)); }},
    {L"maxheight", [](CControlUI& c, LPCTSTR v) { c.SetMaxHeight(::_wtoi(v)); }},
    {L"name", [](CControlUI& c, LPCTSTR v) { c.SetName(v); }},
    {L"text", [](CControlUI& c, LPCTSTR v) { c.SetText(v); }},
    {L"tooltip", [](CControlUI& c, LPCTSTR v) { c.SetToolTip(v); }},
    {L"userdata", [](CControlUI& c, LPCTSTR v) { c.SetUserData(v); }},
    {L"enabled", [](CControlUI& c, LPCTSTR v) { c.SetEnabled(CUIValueParser::IsTrue(v)); }},
    {L"mouse", [](CControlUI& c, LPCTSTR v) { c.SetMouseEnabled(CUIValueParser::IsTrue(v)); }},
    {L"keyboard", [](CControlUI& c, LPCTSTR v) { c.SetKeyboardEnabled(CUIValueParser::IsTrue(v)); }},
    {L"visible", [](CControlUI& c, LPCTSTR v) { c.SetVisible(CUIValueParser::IsTrue(v)); }},
    {L"float", [](CControlUI& c, LPCTSTR v) { c.SetFloat(CUIValueParser::IsTrue(v)); }},
    {L"shortcut", [](CControlUI& c, LPCTSTR v) { c.SetShortcut(v[0]); }},
    {L"menu", [](CControlUI& c, LPCTSTR v) { c.SetContextMenuUsed(CUIValueParser::IsTrue(v)); }},
    {L"virtualwnd", [](CControlUI& c, LPCTSTR v) { c.SetVirtualWindow(v); }},
};

std::atomic<CControlUIAttributes::UnknownNameHook> g_unknownNameHook{nullptr};

}  // namespace

void CControlUIAttributes::SetUnknownNameHook(UnknownNameHook hook) { g_unknownNameHook.store(hook); }

void CControlUIAttributes::Apply(CControlUI& control, LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (pstrName == nullptr || pstrValue == nullptr) return;
  for (const AttributeEntry& entry : kAttributes) {
    if (::lstrcmpW(pstrName, entry.name) != 0) continue;
    entry.apply(control, pstrValue);
    return;
  }
  if (UnknownNameHook hook = g_unknownNameHook.load()) hook(control, pstrName, pstrValue);
}

void CControlUI::SetAttributeList(LPCTSTR pstrList) {
  if (pstrList == nullptr) return;
  LPCTSTR p = pstrList;
  while (*p != L'\0') {
    CUIString sName;
    CUIString sValue;
    while (*p != L'\0' && *p != L'=') {
      LPCTSTR pNext = ::CharNextW(p);
      sName.Append(CUIString(p, static_cast<int>(pNext - p)));
      p = pNext;
    }
    if (*p != L'=') return;
    p = ::CharNextW(p);
    if (*p != L'"') return;
    p = ::CharNextW(p);
    while (*p != L'\0' && *p != L'"') {
      LPCTSTR pNext = ::CharNextW(p);
      sValue.Append(CUIString(p, static_cast<int>(pNext - p)));
      p = pNext;
    }
    if (*p != L'"') return;
    p = ::CharNextW(p);
    SetAttribute(sName, sValue);
    if (*p != L' ') return;
    p = ::CharNextW(p);
  }
}

}  // namespace SkinUI
