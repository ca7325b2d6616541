#pragma once
// A page document: its window leads to the event object of a script error, and when
// it is made with ICustomDoc it records the UI handler put in place ("doc.SetUIHandler")
// and holds it until it goes.
#include "platform/com/ComPtr.h"
#include "tests/ui/controls/support/HtmlDocumentStub.h"
#include "tests/ui/controls/support/ScriptRecord.h"
#include "tests/ui/controls/support/ScriptedHtmlWindow.h"

namespace oletest {

class ScriptedDocument final : public HtmlDocumentStub, public ICustomDoc {
 public:
  explicit ScriptedDocument(bool withCustomDoc);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE get_parentWindow(IHTMLWindow2** p) override;
  HRESULT STDMETHODCALLTYPE SetUIHandler(IDocHostUIHandler* pUIHandler) override;

  IDocHostUIHandler* UIHandler() const { return handler_.Get(); }

 private:
  ~ScriptedDocument() = default;

  ScriptRecord::Alive alive_;
  ULONG refs_ = 1;
  bool withCustomDoc_;
  platform::com::ComPtr<ScriptedHtmlWindow> window_;
  platform::com::ComPtr<IDocHostUIHandler> handler_;
};

}  // namespace oletest
