#include "tests/ui/controls/support/BrowserEventSink.h"

#include "platform/com/WebBrowser.h"

namespace oletest {

HRESULT BrowserEventSink::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  *ppvObject = nullptr;
  if (riid != IID_IUnknown && riid != IID_IDispatch && riid != DIID_DWebBrowserEvents2) return E_NOINTERFACE;
  *ppvObject = static_cast<IDispatch*>(this);
  AddRef();
  return S_OK;
}

HRESULT BrowserEventSink::GetTypeInfoCount(UINT* pctinfo) {
  if (pctinfo == nullptr) return E_POINTER;
  *pctinfo = 0;
  return S_OK;
}

// The arguments stand last first: (pDisp, URL, ...) are the last two.
HRESULT BrowserEventSink::Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                 UINT*) {
  Event event{dispid, L"", 0, nullptr};
  const UINT count = params == nullptr ? 0 : params->cArgs;
  if (count >= 2) {
    const VARIANT& browser = params->rgvarg[count - 1];
    if (browser.vt == VT_DISPATCH) event.browser = browser.pdispVal;
    const VARIANT& url = params->rgvarg[count - 2];
    if (url.vt == (VT_VARIANT | VT_BYREF) && url.pvarVal->vt == VT_BSTR) event.url = url.pvarVal->bstrVal;
  }
  if (dispid == DISPID_NAVIGATEERROR && count == 5 && params->rgvarg[1].vt == (VT_VARIANT | VT_BYREF)) {
    event.status = params->rgvarg[1].pvarVal->lVal;
  }
  events.push_back(event);
  return S_OK;
}

}  // namespace oletest
