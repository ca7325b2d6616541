#pragma once
// An ActiveX host fixed to the Shockwave Flash control (skin element "Flash"). It keeps
// the control's IShockwaveFlash and listens to its events, which it takes and ignores.
// No Flash player comes with the program, so the control normally stays empty.
//
// The event part only counts references: the control tree owns the object.
#include <atomic>

#include "platform/com/ShockwaveFlash.h"
#include "ui/controls/CActiveXUI.h"
#include "ui/core/manager/ITranslateAccelerator.h"

namespace SkinUI {

class CFlashUI : public CActiveXUI, public IDispatch, public ITranslateAccelerator {
 public:
  CFlashUI();
  ~CFlashUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;

  // Connects to the control's events (or disconnects); S_FALSE without the control.
  HRESULT RegisterEventHandler(BOOL inAdvise);
  IShockwaveFlash* GetShockwaveFlash() const;

  // IUnknown of the event part (_IShockwaveFlashEvents).
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDispatch: every event is taken and changes nothing.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                          DISPID* rgDispId) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                                   VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

  // ITranslateAccelerator: keys go to the control while the focus is in its window.
  // The control does not put itself on the window's accelerator list.
  LRESULT TranslateAccelerator(MSG* pMsg) override;

 protected:
  // Lets the control go: its events disconnected, its interface released, then the
  // host's release.
  void ReleaseControl() override;
  bool CreateHostedControl() override;

 private:
  platform::com::ComPtr<IShockwaveFlash> m_pFlash;
  std::atomic<LONG> m_dwRef;
  DWORD m_dwCookie;
};

}  // namespace SkinUI
