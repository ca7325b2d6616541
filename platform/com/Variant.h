#pragma once
// The automation value: a type tag and one value of that type. A VARIANT owns its text
// and holds a reference on its object; VariantClear gives both back.
#include "platform/base/Bstr.h"
#include "platform/com/HResult.h"

struct IUnknown;
struct IDispatch;

typedef unsigned short VARTYPE;
typedef short VARIANT_BOOL;
#define VARIANT_TRUE ((VARIANT_BOOL)-1)
#define VARIANT_FALSE ((VARIANT_BOOL)0)

enum VARENUM {
  VT_EMPTY = 0,
  VT_NULL = 1,
  VT_I2 = 2,
  VT_I4 = 3,
  VT_BSTR = 8,
  VT_DISPATCH = 9,
  VT_ERROR = 10,
  VT_BOOL = 11,
  VT_VARIANT = 12,
  VT_UNKNOWN = 13,
  // With a type above: the variant points at a value of that type, which it does not own.
  VT_BYREF = 0x4000,
};

struct VARIANT {
  VARTYPE vt;
  WORD wReserved1;
  WORD wReserved2;
  WORD wReserved3;
  union {
    LONGLONG llVal;
    LONG lVal;
    SHORT iVal;
    VARIANT_BOOL boolVal;
    SCODE scode;
    BSTR bstrVal;
    IUnknown* punkVal;
    IDispatch* pdispVal;
    void* byref;
    VARIANT_BOOL* pboolVal;
    LONG* plVal;
    struct VARIANT* pvarVal;
  };
};
typedef VARIANT VARIANTARG;
typedef VARIANT* LPVARIANT;

#define V_VT(v) ((v)->vt)
#define V_I2(v) ((v)->iVal)
#define V_I4(v) ((v)->lVal)
#define V_BOOL(v) ((v)->boolVal)
#define V_ERROR(v) ((v)->scode)
#define V_BSTR(v) ((v)->bstrVal)
#define V_UNKNOWN(v) ((v)->punkVal)
#define V_DISPATCH(v) ((v)->pdispVal)

// Empty, with no value to give back.
void VariantInit(VARIANTARG* variant);
// Frees the text, releases the object, and leaves the variant empty. DISP_E_BADVARTYPE
// for a type tag this runtime does not know (the variant is then left as it was).
HRESULT VariantClear(VARIANTARG* variant);
// Clears the destination, then copies the source into it: a text is copied, an object
// gets one more reference. DISP_E_BADVARTYPE for a type tag this runtime does not know
// (in either variant; the destination then keeps what it held).
HRESULT VariantCopy(VARIANTARG* destination, const VARIANTARG* source);
