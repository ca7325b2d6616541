#pragma once
// The page event object with every method refused: the host reads it by name.
#include "platform/com/HtmlEventObj.h"
#include "tests/ui/controls/support/DispatchStub.h"

namespace oletest {

class HtmlEventObjStub : public DispatchStub<IHTMLEventObj> {
 public:
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
