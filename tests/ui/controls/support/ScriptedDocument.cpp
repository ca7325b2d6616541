#include "tests/ui/controls/support/ScriptedDocument.h"

namespace oletest {

using platform::com::ComPtr;

ScriptedDocument::ScriptedDocument(bool withCustomDoc)
    : withCustomDoc_(withCustomDoc), window_(ComPtr<ScriptedHtmlWindow>::Adopt(new ScriptedHtmlWindow())) {}

HRESULT ScriptedDocument::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  *ppvObject = nullptr;
  IHTMLDocument2* pDocument = this;
  if (riid == IID_IUnknown || riid == IID_IDispatch) {
    *ppvObject = static_cast<IDispatch*>(pDocument);
  } else if (riid == IID_IHTMLDocument) {
    *ppvObject = static_cast<IHTMLDocument*>(pDocument);
  } else if (riid == IID_IHTMLDocument2) {
    *ppvObject = pDocument;
  } else if (riid == IID_ICustomDoc && withCustomDoc_) {
    *ppvObject = static_cast<ICustomDoc*>(this);
  } else {
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG ScriptedDocument::AddRef() { return ++refs_; }

ULONG ScriptedDocument::Release() {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT ScriptedDocument::get_parentWindow(IHTMLWindow2** p) {
  if (p == nullptr) return E_POINTER;
  *p = ComPtr<IHTMLWindow2>(window_.Get()).Detach();
  return S_OK;
}

HRESULT ScriptedDocument::SetUIHandler(IDocHostUIHandler* pUIHandler) {
  ScriptRecord::Add(pUIHandler != nullptr ? "doc.SetUIHandler" : "doc.SetUIHandler(null)");
  handler_ = ComPtr<IDocHostUIHandler>(pUIHandler);
  return S_OK;
}

}  // namespace oletest
