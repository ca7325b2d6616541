#pragma once
// A page's window that leads to its event object.
#include "platform/com/ComPtr.h"
#include "tests/ui/controls/support/HtmlWindowStub.h"
#include "tests/ui/controls/support/ScriptRecord.h"
#include "tests/ui/controls/support/ScriptedEventObject.h"

namespace oletest {

class ScriptedHtmlWindow final : public HtmlWindowStub {
 public:
  ScriptedHtmlWindow();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE get_event(IHTMLEventObj** p) override;

 private:
  ~ScriptedHtmlWindow() = default;

  ScriptRecord::Alive alive_;
  ULONG refs_ = 1;
  platform::com::ComPtr<ScriptedEventObject> event_;
};

}  // namespace oletest
