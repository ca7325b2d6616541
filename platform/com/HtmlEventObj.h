#pragma once
// The event object of a page's window: what the current script event (a script error
// among them) says about itself. Hosts read its properties by name through IDispatch.
#include "platform/com/Dispatch.h"

struct IHTMLElement;

extern const IID IID_IHTMLEventObj;

struct IHTMLEventObj : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE get_srcElement(IHTMLElement** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_altKey(VARIANT_BOOL* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ctrlKey(VARIANT_BOOL* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_shiftKey(VARIANT_BOOL* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_returnValue(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_returnValue(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_cancelBubble(VARIANT_BOOL v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_cancelBubble(VARIANT_BOOL* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_fromElement(IHTMLElement** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_toElement(IHTMLElement** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_keyCode(LONG v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_keyCode(LONG* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_button(LONG* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_type(BSTR* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_qualifier(BSTR* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_reason(LONG* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_x(LONG* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_y(LONG* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_clientX(LONG* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_clientY(LONG* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_offsetX(LONG* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_offsetY(LONG* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_screenX(LONG* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_screenY(LONG* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_srcFilter(IDispatch** p) = 0;

 protected:
  ~IHTMLEventObj() = default;
};
