#include "platform/com/Variant.h"

#include "platform/com/Dispatch.h"

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
