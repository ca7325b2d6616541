#pragma once
// The page event object with every method refused: the host reads it by name.
#include "platform/com/HtmlEventObj.h"

namespace oletest {

class HtmlEventObjStub : public IHTMLEventObj {
 public:
  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }
  // IHTMLEventObj
  HRESULT STDMETHODCALLTYPE get_srcElement(IHTMLElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_altKey(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ctrlKey(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_shiftKey(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_returnValue(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_returnValue(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_cancelBubble(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_cancelBubble(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_fromElement(IHTMLElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_toElement(IHTMLElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_keyCode(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_keyCode(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_button(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_type(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_qualifier(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_reason(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_x(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_y(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_clientX(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_clientY(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_offsetX(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_offsetY(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_screenX(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_screenY(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_srcFilter(IDispatch**) override { return E_NOTIMPL; }

 protected:
  ~HtmlEventObjStub() = default;
};

}  // namespace oletest
