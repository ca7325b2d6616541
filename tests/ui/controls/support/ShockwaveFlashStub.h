#pragma once
// The Flash interface with every method refused: the host only holds it.
#include "platform/com/ShockwaveFlash.h"
#include "tests/ui/controls/support/DispatchStub.h"

namespace oletest {

class ShockwaveFlashStub : public DispatchStub<IShockwaveFlash> {
 public:
  // IShockwaveFlash
  HRESULT STDMETHODCALLTYPE get_ReadyState(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_TotalFrames(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Playing(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Playing(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Quality(int*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Quality(int) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ScaleMode(int*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_ScaleMode(int) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_AlignMode(int*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_AlignMode(int) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_BackgroundColor(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_BackgroundColor(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Loop(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Loop(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Movie(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Movie(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_FrameNum(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_FrameNum(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetZoomRect(LONG, LONG, LONG, LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Zoom(int) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Pan(LONG, LONG, int) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Play() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Stop() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Back() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Forward() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Rewind() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE StopPlay() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GotoFrame(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE CurrentFrame(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE IsPlaying(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE PercentLoaded(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE FrameLoaded(LONG, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE FlashVersion(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_WMode(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_WMode(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_SAlign(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_SAlign(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Menu(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Menu(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Base(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Base(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Scale(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Scale(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_DeviceFont(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_DeviceFont(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_EmbedMovie(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_EmbedMovie(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_BGColor(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_BGColor(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Quality2(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Quality2(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE LoadMovie(int, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE TGotoFrame(BSTR, LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE TGotoLabel(BSTR, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE TCurrentFrame(BSTR, LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE TCurrentLabel(BSTR, BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE TPlay(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE TStopPlay(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetVariable(BSTR, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetVariable(BSTR, BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE TSetProperty(BSTR, int, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE TGetProperty(BSTR, int, BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE TCallFrame(BSTR, int) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE TCallLabel(BSTR, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE TSetPropertyNum(BSTR, int, double) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE TGetPropertyNum(BSTR, int, double*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE TGetPropertyAsNumber(BSTR, int, double*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_SWRemote(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_SWRemote(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_FlashVars(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_FlashVars(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_AllowScriptAccess(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_AllowScriptAccess(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_MovieData(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_MovieData(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_InlineData(IUnknown**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_InlineData(IUnknown*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_SeamlessTabbing(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_SeamlessTabbing(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnforceLocalSecurity() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Profile(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Profile(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ProfileAddress(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_ProfileAddress(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ProfilePort(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_ProfilePort(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE CallFunction(BSTR, BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetReturnValue(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DisableLocalSecurity() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_AllowNetworking(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_AllowNetworking(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_AllowFullScreen(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_AllowFullScreen(BSTR) override { return E_NOTIMPL; }

 protected:
  ~ShockwaveFlashStub() = default;
};

}  // namespace oletest
