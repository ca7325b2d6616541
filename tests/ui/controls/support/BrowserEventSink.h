#pragma once
// A DWebBrowserEvents2 sink on the stack of a test: it keeps each event's id, URL,
// status and browser, and counts the references the browser holds on it.
#include <string>
#include <vector>

#include "platform/com/Dispatch.h"

namespace oletest {

class BrowserEventSink final : public IDispatch {
 public:
  struct Event {
    DISPID dispid;
    std::wstring url;
    LONG status;  // of a failed navigation; 0 for other events
    IDispatch* browser;
  };

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID dispid, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argError) override;

  ULONG refs = 0;
  std::vector<Event> events;
};

}  // namespace oletest
