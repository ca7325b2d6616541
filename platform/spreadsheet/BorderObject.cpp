#include "platform/spreadsheet/BorderObject.h"

#include "platform/spreadsheet/DispatchIds.h"

namespace platform::spreadsheet {
namespace {

constexpr LONG kMaxColour = 0xFFFFFF;

bool IsLineStyle(int value) {
  switch (value) {
    case kLineContinuous:
    case kLineDash:
    case kLineDashDot:
    case kLineDashDotDot:
    case kLineDot:
    case kLineDouble:
    case kLineSlantDashDot:
    case kLineNone:
      return true;
    default:
      return false;
  }
}

bool IsWeight(int value) {
  return value == kWeightHairline || value == kWeightThin || value == kWeightMedium || value == kWeightThick;
}

// A colour or weight given to a border without a line draws it continuous.
void ShowLine(BorderEdge& edge) {
  if (edge.lineStyle == kLineNone) edge.lineStyle = kLineContinuous;
}

std::wstring Refusal(const wchar_t* property) {
  return std::wstring(L"Unable to set the ") + property + L" property of the Border class";
}

}  // namespace

HRESULT BorderObject::Call(DispatchCall& call) {
  switch (call.Id()) {
    case dispid::kLineStyle:
      return PutLineStyle(call);
    case dispid::kColor:
      return PutColour(call);
    case dispid::kWeight:
      return PutWeight(call);
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

HRESULT BorderObject::PutLineStyle(DispatchCall& call) {
  HRESULT hr = call.Expect(DISPATCH_PROPERTYPUT, 0, 0);
  if (FAILED(hr)) return hr;
  SHORT style = 0;
  if (FAILED(hr = call.PutInt16(&style))) return hr;
  if (!IsLineStyle(style)) return call.Reject(Refusal(L"LineStyle"));
  return Change(call, L"LineStyle", [&](BorderEdge& edge) { edge.lineStyle = style; });
}

HRESULT BorderObject::PutColour(DispatchCall& call) {
  HRESULT hr = call.Expect(DISPATCH_PROPERTYPUT, 0, 0);
  if (FAILED(hr)) return hr;
  LONG colour = 0;
  if (FAILED(hr = call.PutInt32(&colour))) return hr;
  if (colour < 0 || colour > kMaxColour) return call.Reject(Refusal(L"Color"));
  return Change(call, L"Color", [&](BorderEdge& edge) {
    ShowLine(edge);
    edge.colour = colour;
  });
}

HRESULT BorderObject::PutWeight(DispatchCall& call) {
  HRESULT hr = call.Expect(DISPATCH_PROPERTYPUT, 0, 0);
  if (FAILED(hr)) return hr;
  SHORT weight = 0;
  if (FAILED(hr = call.PutInt16(&weight))) return hr;
  if (!IsWeight(weight)) return call.Reject(Refusal(L"Weight"));
  return Change(call, L"Weight", [&](BorderEdge& edge) {
    ShowLine(edge);
    edge.weight = weight;
  });
}

HRESULT BorderObject::Change(DispatchCall& call, const wchar_t* property,
                             const std::function<void(BorderEdge&)>& change) {
  const bool noInsideLine = (index_ == kInsideVertical && range_.Columns() < 2) ||
                            (index_ == kInsideHorizontal && range_.Rows() < 2);
  if (noInsideLine) return call.Reject(Refusal(property));
  if (!sheet_->ChangeBorder(range_, index_, change)) return call.Reject(L"The range is too large for this change.");
  return S_OK;
}

}  // namespace platform::spreadsheet
