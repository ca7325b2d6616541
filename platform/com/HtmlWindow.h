#pragma once
// A page's window object: its frames, timers, dialogs, navigation and the event being
// handled.
#include "platform/com/HtmlEventObj.h"

struct IHTMLDocument2;
struct IHTMLImageElementFactory;
struct IHTMLLocation;
struct IHTMLOptionElementFactory;
struct IHTMLScreen;
struct IOmHistory;
struct IOmNavigator;

extern const IID IID_IHTMLFramesCollection2;
extern const IID IID_IHTMLWindow2;

struct IHTMLFramesCollection2 : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE item(VARIANT* pvarIndex, VARIANT* pvarResult) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_length(LONG* p) = 0;

 protected:
  ~IHTMLFramesCollection2() = default;
};

struct IHTMLWindow2 : IHTMLFramesCollection2 {
  virtual HRESULT STDMETHODCALLTYPE get_frames(IHTMLFramesCollection2** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_defaultStatus(BSTR v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_defaultStatus(BSTR* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_status(BSTR v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_status(BSTR* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE setTimeout(BSTR expression, LONG msec, VARIANT* language, LONG* timerID) = 0;
  virtual HRESULT STDMETHODCALLTYPE clearTimeout(LONG timerID) = 0;
  virtual HRESULT STDMETHODCALLTYPE alert(BSTR message) = 0;
  virtual HRESULT STDMETHODCALLTYPE confirm(BSTR message, VARIANT_BOOL* confirmed) = 0;
  virtual HRESULT STDMETHODCALLTYPE prompt(BSTR message, BSTR defstr, VARIANT* textdata) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Image(IHTMLImageElementFactory** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_location(IHTMLLocation** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_history(IOmHistory** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE close() = 0;
  virtual HRESULT STDMETHODCALLTYPE put_opener(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_opener(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_navigator(IOmNavigator** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_name(BSTR v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_name(BSTR* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_parent(IHTMLWindow2** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE open(BSTR url, BSTR name, BSTR features, VARIANT_BOOL replace,
                                         IHTMLWindow2** pomWindowResult) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_self(IHTMLWindow2** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_top(IHTMLWindow2** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_window(IHTMLWindow2** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE navigate(BSTR url) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onfocus(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onfocus(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onblur(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onblur(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onload(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onload(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onbeforeunload(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onbeforeunload(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onunload(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onunload(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onhelp(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onhelp(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onerror(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onerror(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onresize(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onresize(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onscroll(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onscroll(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_document(IHTMLDocument2** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_event(IHTMLEventObj** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get__newEnum(IUnknown** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE showModalDialog(BSTR dialog, VARIANT* varArgIn, VARIANT* varOptions,
                                                    VARIANT* varArgOut) = 0;
  virtual HRESULT STDMETHODCALLTYPE showHelp(BSTR helpURL, VARIANT helpArg, BSTR features) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_screen(IHTMLScreen** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Option(IHTMLOptionElementFactory** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE focus() = 0;
  virtual HRESULT STDMETHODCALLTYPE get_closed(VARIANT_BOOL* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE blur() = 0;
  virtual HRESULT STDMETHODCALLTYPE scroll(LONG x, LONG y) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_clientInformation(IOmNavigator** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE setInterval(BSTR expression, LONG msec, VARIANT* language, LONG* timerID) = 0;
  virtual HRESULT STDMETHODCALLTYPE clearInterval(LONG timerID) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_offscreenBuffering(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_offscreenBuffering(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE execScript(BSTR code, BSTR language, VARIANT* pvarRet) = 0;
  virtual HRESULT STDMETHODCALLTYPE toString(BSTR* String) = 0;
  virtual HRESULT STDMETHODCALLTYPE scrollBy(LONG x, LONG y) = 0;
  virtual HRESULT STDMETHODCALLTYPE scrollTo(LONG x, LONG y) = 0;
  virtual HRESULT STDMETHODCALLTYPE moveTo(LONG x, LONG y) = 0;
  virtual HRESULT STDMETHODCALLTYPE moveBy(LONG x, LONG y) = 0;
  virtual HRESULT STDMETHODCALLTYPE resizeTo(LONG x, LONG y) = 0;
  virtual HRESULT STDMETHODCALLTYPE resizeBy(LONG x, LONG y) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_external(IDispatch** p) = 0;

 protected:
  ~IHTMLWindow2() = default;
};
