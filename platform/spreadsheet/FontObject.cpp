#include "platform/spreadsheet/FontObject.h"

namespace platform::spreadsheet {
namespace {

constexpr DISPID kName = 0x6e;
constexpr DISPID kBold = 0x60;
constexpr DISPID kColor = 0x63;
constexpr DISPID kItalic = 0x65;
constexpr DISPID kShadow = 0x67;
constexpr DISPID kSize = 0x68;
constexpr DISPID kStrikethrough = 0x69;
constexpr DISPID kUnderline = 0x6a;
constexpr DISPID kSuperscript = 0xb2;
constexpr DISPID kSubscript = 0xb3;

constexpr int kMaxFontSize = 409;
constexpr LONG kMaxColour = 0xFFFFFF;

bool IsUnderline(int value) {
  return value == kUnderlineNone || value == kUnderlineSingle || value == kUnderlineDouble ||
         value == kUnderlineSingleAccounting || value == kUnderlineDoubleAccounting;
}

std::wstring Refusal(const wchar_t* property) {
  return std::wstring(L"Unable to set the ") + property + L" property of the Font class";
}

}  // namespace

HRESULT FontObject::Call(DispatchCall& call) {
  switch (call.Id()) {
    case kName:
      return PutName(call);
    case kColor:
      return PutColour(call);
    case kSize:
      return PutSize(call);
    case kUnderline:
      return PutUnderline(call);
    case kBold:
    case kItalic:
    case kShadow:
    case kStrikethrough:
    case kSuperscript:
    case kSubscript:
      return PutFlag(call);
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

HRESULT FontObject::PutName(DispatchCall& call) {
  HRESULT hr = call.Expect(DISPATCH_PROPERTYPUT, 0, 0);
  if (FAILED(hr)) return hr;
  std::wstring name;
  if (FAILED(hr = call.PutText(&name))) return hr;
  if (name.empty()) return call.Reject(Refusal(L"Name"));
  return Change(call, [&](CellFont& font) { font.name = name; });
}

HRESULT FontObject::PutColour(DispatchCall& call) {
  HRESULT hr = call.Expect(DISPATCH_PROPERTYPUT, 0, 0);
  if (FAILED(hr)) return hr;
  LONG colour = 0;
  if (FAILED(hr = call.PutInt32(&colour))) return hr;
  if (colour < 0 || colour > kMaxColour) return call.Reject(Refusal(L"Color"));
  return Change(call, [&](CellFont& font) { font.colour = colour; });
}

HRESULT FontObject::PutSize(DispatchCall& call) {
  HRESULT hr = call.Expect(DISPATCH_PROPERTYPUT, 0, 0);
  if (FAILED(hr)) return hr;
  SHORT size = 0;
  if (FAILED(hr = call.PutInt16(&size))) return hr;
  if (size < 1 || size > kMaxFontSize) return call.Reject(Refusal(L"Size"));
  return Change(call, [&](CellFont& font) { font.size = size; });
}

HRESULT FontObject::PutUnderline(DispatchCall& call) {
  HRESULT hr = call.Expect(DISPATCH_PROPERTYPUT, 0, 0);
  if (FAILED(hr)) return hr;
  SHORT underline = 0;
  if (FAILED(hr = call.PutInt16(&underline))) return hr;
  if (!IsUnderline(underline)) return call.Reject(Refusal(L"Underline"));
  return Change(call, [&](CellFont& font) { font.underline = underline; });
}

HRESULT FontObject::PutFlag(DispatchCall& call) {
  HRESULT hr = call.Expect(DISPATCH_PROPERTYPUT, 0, 0);
  if (FAILED(hr)) return hr;
  SHORT value = 0;
  if (FAILED(hr = call.PutInt16(&value))) return hr;
  const bool on = value != 0;
  const DISPID id = call.Id();
  return Change(call, [&](CellFont& font) {
    switch (id) {
      case kBold:
        font.bold = on;
        return;
      case kItalic:
        font.italic = on;
        return;
      case kShadow:
        font.shadow = on;
        return;
      case kStrikethrough:
        font.strikethrough = on;
        return;
      case kSuperscript:
        // A cell's text is raised or lowered, never both.
        font.superscript = on;
        if (on) font.subscript = false;
        return;
      case kSubscript:
        font.subscript = on;
        if (on) font.superscript = false;
        return;
    }
  });
}

HRESULT FontObject::Change(DispatchCall& call, const std::function<void(CellFont&)>& change) {
  if (!sheet_->ChangeStyles(range_, [&](CellStyle& style) { change(style.font); })) {
    return call.Reject(L"The range is too large for this change.");
  }
  return S_OK;
}

}  // namespace platform::spreadsheet
