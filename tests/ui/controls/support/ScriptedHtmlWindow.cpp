#include "tests/ui/controls/support/ScriptedHtmlWindow.h"

namespace oletest {

using platform::com::ComPtr;

ScriptedHtmlWindow::ScriptedHtmlWindow() : event_(ComPtr<ScriptedEventObject>::Adopt(new ScriptedEventObject())) {}

HRESULT ScriptedHtmlWindow::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  *ppvObject = nullptr;
  if (riid != IID_IUnknown && riid != IID_IDispatch && riid != IID_IHTMLWindow2) return E_NOINTERFACE;
  *ppvObject = static_cast<IHTMLWindow2*>(this);
  AddRef();
  return S_OK;
}

ULONG ScriptedHtmlWindow::AddRef() { return ++refs_; }

ULONG ScriptedHtmlWindow::Release() {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT ScriptedHtmlWindow::get_event(IHTMLEventObj** p) {
  if (p == nullptr) return E_POINTER;
  *p = ComPtr<IHTMLEventObj>(event_.Get()).Detach();
  return S_OK;
}

}  // namespace oletest
