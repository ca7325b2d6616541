#include "platform/com/Variant.h"

#include "platform/com/Dispatch.h"

namespace {

// The types VariantClear knows how to give back, and so the ones a copy may hold.
bool IsKnownType(VARTYPE type) {
  switch (type) {
    case VT_EMPTY:
    case VT_NULL:
    case VT_I2:
    case VT_I4:
    case VT_ERROR:
    case VT_BOOL:
    case VT_BSTR:
    case VT_DISPATCH:
    case VT_UNKNOWN:
      return true;
    default:
      return false;
  }
}

}  // namespace

void VariantInit(VARIANTARG* variant) {
  variant->vt = VT_EMPTY;
  variant->wReserved1 = variant->wReserved2 = variant->wReserved3 = 0;
  variant->llVal = 0;
}

HRESULT VariantClear(VARIANTARG* variant) {
  if (!variant) return E_INVALIDARG;
  switch (variant->vt) {
    case VT_EMPTY:
    case VT_NULL:
    case VT_I2:
    case VT_I4:
    case VT_ERROR:
    case VT_BOOL:
      break;
    case VT_BSTR:
      SysFreeString(variant->bstrVal);
      break;
    case VT_DISPATCH:
      if (variant->pdispVal) variant->pdispVal->Release();
      break;
    case VT_UNKNOWN:
      if (variant->punkVal) variant->punkVal->Release();
      break;
    default:
      return DISP_E_BADVARTYPE;
  }
  VariantInit(variant);
  return S_OK;
}

HRESULT VariantCopy(VARIANTARG* destination, const VARIANTARG* source) {
  if (!destination || !source) return E_INVALIDARG;
  if (destination == source) return S_OK;
  if (!IsKnownType(source->vt)) return DISP_E_BADVARTYPE;
  const HRESULT cleared = VariantClear(destination);
  if (FAILED(cleared)) return cleared;
  VARIANT copy = *source;
  switch (source->vt) {
    case VT_BSTR:
      if (source->bstrVal) {
        copy.bstrVal = SysAllocStringLen(source->bstrVal, SysStringLen(source->bstrVal));
        if (!copy.bstrVal) return E_OUTOFMEMORY;
      }
      break;
    case VT_DISPATCH:
      if (copy.pdispVal) copy.pdispVal->AddRef();
      break;
    case VT_UNKNOWN:
      if (copy.punkVal) copy.punkVal->AddRef();
      break;
    default:
      break;
  }
  *destination = copy;
  return S_OK;
}
