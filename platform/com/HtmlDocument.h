#pragma once
// A page's document as its host reaches it: IHTMLDocument2 (over IHTMLDocument) leads
// to the page's window, and ICustomDoc lets the host put its own UI handler in place
// of the browser's.
#include "platform/com/DocHostUIHandler.h"
#include "platform/com/HtmlWindow.h"

struct tagSAFEARRAY;
typedef struct tagSAFEARRAY SAFEARRAY;
struct IHTMLElement;
struct IHTMLElementCollection;
struct IHTMLSelectionObject;
struct IHTMLStyleSheet;
struct IHTMLStyleSheetsCollection;

extern const IID IID_IHTMLDocument;
extern const IID IID_IHTMLDocument2;
extern const IID IID_ICustomDoc;

struct IHTMLDocument : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE get_Script(IDispatch** p) = 0;

 protected:
  ~IHTMLDocument() = default;
};

struct IHTMLDocument2 : IHTMLDocument {
  virtual HRESULT STDMETHODCALLTYPE get_all(IHTMLElementCollection** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_body(IHTMLElement** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_activeElement(IHTMLElement** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_images(IHTMLElementCollection** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_applets(IHTMLElementCollection** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_links(IHTMLElementCollection** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_forms(IHTMLElementCollection** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_anchors(IHTMLElementCollection** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_title(BSTR v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_title(BSTR* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_scripts(IHTMLElementCollection** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_designMode(BSTR v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_designMode(BSTR* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_selection(IHTMLSelectionObject** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_readyState(BSTR* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_frames(IHTMLFramesCollection2** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_embeds(IHTMLElementCollection** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_plugins(IHTMLElementCollection** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_alinkColor(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_alinkColor(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_bgColor(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_bgColor(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_fgColor(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_fgColor(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_linkColor(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_linkColor(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_vlinkColor(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_vlinkColor(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_referrer(BSTR* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_location(IHTMLLocation** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_lastModified(BSTR* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_URL(BSTR v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_URL(BSTR* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_domain(BSTR v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_domain(BSTR* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_cookie(BSTR v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_cookie(BSTR* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_expando(VARIANT_BOOL v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_expando(VARIANT_BOOL* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_charset(BSTR v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_charset(BSTR* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_defaultCharset(BSTR v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_defaultCharset(BSTR* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_mimeType(BSTR* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_fileSize(BSTR* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_fileCreatedDate(BSTR* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_fileModifiedDate(BSTR* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_fileUpdatedDate(BSTR* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_security(BSTR* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_protocol(BSTR* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_nameProp(BSTR* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE write(SAFEARRAY* psarray) = 0;
  virtual HRESULT STDMETHODCALLTYPE writeln(SAFEARRAY* psarray) = 0;
  virtual HRESULT STDMETHODCALLTYPE open(BSTR url, VARIANT name, VARIANT features, VARIANT replace,
                                         IDispatch** pomWindowResult) = 0;
  virtual HRESULT STDMETHODCALLTYPE close() = 0;
  virtual HRESULT STDMETHODCALLTYPE clear() = 0;
  virtual HRESULT STDMETHODCALLTYPE queryCommandSupported(BSTR cmdID, VARIANT_BOOL* pfRet) = 0;
  virtual HRESULT STDMETHODCALLTYPE queryCommandEnabled(BSTR cmdID, VARIANT_BOOL* pfRet) = 0;
  virtual HRESULT STDMETHODCALLTYPE queryCommandState(BSTR cmdID, VARIANT_BOOL* pfRet) = 0;
  virtual HRESULT STDMETHODCALLTYPE queryCommandIndeterm(BSTR cmdID, VARIANT_BOOL* pfRet) = 0;
  virtual HRESULT STDMETHODCALLTYPE queryCommandText(BSTR cmdID, BSTR* pcmdText) = 0;
  virtual HRESULT STDMETHODCALLTYPE queryCommandValue(BSTR cmdID, VARIANT* pcmdValue) = 0;
  virtual HRESULT STDMETHODCALLTYPE execCommand(BSTR cmdID, VARIANT_BOOL showUI, VARIANT value,
                                                VARIANT_BOOL* pfRet) = 0;
  virtual HRESULT STDMETHODCALLTYPE execCommandShowHelp(BSTR cmdID, VARIANT_BOOL* pfRet) = 0;
  virtual HRESULT STDMETHODCALLTYPE createElement(BSTR eTag, IHTMLElement** newElem) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onhelp(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onhelp(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onclick(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onclick(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_ondblclick(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ondblclick(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onkeyup(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onkeyup(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onkeydown(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onkeydown(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onkeypress(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onkeypress(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onmouseup(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onmouseup(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onmousedown(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onmousedown(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onmousemove(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onmousemove(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onmouseout(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onmouseout(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onmouseover(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onmouseover(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onreadystatechange(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onreadystatechange(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onafterupdate(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onafterupdate(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onrowexit(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onrowexit(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onrowenter(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onrowenter(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_ondragstart(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ondragstart(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onselectstart(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onselectstart(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE elementFromPoint(LONG x, LONG y, IHTMLElement** elementHit) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_parentWindow(IHTMLWindow2** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_styleSheets(IHTMLStyleSheetsCollection** p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onbeforeupdate(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onbeforeupdate(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_onerrorupdate(VARIANT v) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_onerrorupdate(VARIANT* p) = 0;
  virtual HRESULT STDMETHODCALLTYPE toString(BSTR* String) = 0;
  virtual HRESULT STDMETHODCALLTYPE createStyleSheet(BSTR bstrHref, LONG lIndex, IHTMLStyleSheet** ppnewStyleSheet) = 0;

 protected:
  ~IHTMLDocument2() = default;
};

struct ICustomDoc : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE SetUIHandler(IDocHostUIHandler* pUIHandler) = 0;

 protected:
  ~ICustomDoc() = default;
};
