#include "platform/spreadsheet/FontObject.h"

#include "platform/spreadsheet/DispatchIds.h"

namespace platform::spreadsheet {
namespace {

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
    case dispid::kName:
      return PutName(call);
    case dispid::kColor:
      return PutColour(call);
    case dispid::kSize:
      return PutSize(call);
    case dispid::kUnderline:
      return PutUnderline(call);
    case dispid::kBold:
    case dispid::kItalic:
    case dispid::kShadow:
    case dispid::kStrikethrough:
    case dispid::kSuperscript:
    case dispid::kSubscript:
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
      case dispid::kBold:
        font.bold = on;
        return;
      case dispid::kItalic:
        font.italic = on;
        return;
      case dispid::kShadow:
        font.shadow = on;
        return;
      case dispid::kStrikethrough:
        font.strikethrough = on;
        return;
      case dispid::kSuperscript:
        // A cell's text is raised or lowered, never both.
        font.superscript = on;
        if (on) font.subscript = false;
        return;
      case dispid::kSubscript:
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
