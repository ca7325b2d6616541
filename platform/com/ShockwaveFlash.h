#pragma once
// The Shockwave Flash control: its class, its automation interface and the dispatch
// interface of the events it fires (ready state, progress, FSCommand, FlashCall).
// No Flash player comes with this program, so nothing registers the class.
#include "platform/com/Dispatch.h"

// _IShockwaveFlashEvents.
#define DISPID_FLASH_READYSTATECHANGE (-609)
#define DISPID_FLASH_PROGRESS 0x7A6
#define DISPID_FLASH_FSCOMMAND 0x96
#define DISPID_FLASH_FLASHCALL 0xC5

extern const CLSID CLSID_ShockwaveFlash;
extern const IID IID_IShockwaveFlash;
extern const IID DIID__IShockwaveFlashEvents;

struct IShockwaveFlash : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE get_ReadyState(LONG* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_TotalFrames(LONG* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Playing(VARIANT_BOOL* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Playing(VARIANT_BOOL pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Quality(int* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Quality(int pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ScaleMode(int* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_ScaleMode(int pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_AlignMode(int* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_AlignMode(int pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_BackgroundColor(LONG* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_BackgroundColor(LONG pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Loop(VARIANT_BOOL* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Loop(VARIANT_BOOL pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Movie(BSTR* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Movie(BSTR pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_FrameNum(LONG* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_FrameNum(LONG pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetZoomRect(LONG left, LONG top, LONG right, LONG bottom) = 0;
  virtual HRESULT STDMETHODCALLTYPE Zoom(int factor) = 0;
  virtual HRESULT STDMETHODCALLTYPE Pan(LONG x, LONG y, int mode) = 0;
  virtual HRESULT STDMETHODCALLTYPE Play() = 0;
  virtual HRESULT STDMETHODCALLTYPE Stop() = 0;
  virtual HRESULT STDMETHODCALLTYPE Back() = 0;
  virtual HRESULT STDMETHODCALLTYPE Forward() = 0;
  virtual HRESULT STDMETHODCALLTYPE Rewind() = 0;
  virtual HRESULT STDMETHODCALLTYPE StopPlay() = 0;
  virtual HRESULT STDMETHODCALLTYPE GotoFrame(LONG FrameNum) = 0;
  virtual HRESULT STDMETHODCALLTYPE CurrentFrame(LONG* FrameNum) = 0;
  virtual HRESULT STDMETHODCALLTYPE IsPlaying(VARIANT_BOOL* Playing) = 0;
  virtual HRESULT STDMETHODCALLTYPE PercentLoaded(LONG* percent) = 0;
  virtual HRESULT STDMETHODCALLTYPE FrameLoaded(LONG FrameNum, VARIANT_BOOL* loaded) = 0;
  virtual HRESULT STDMETHODCALLTYPE FlashVersion(LONG* version) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_WMode(BSTR* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_WMode(BSTR pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_SAlign(BSTR* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_SAlign(BSTR pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Menu(VARIANT_BOOL* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Menu(VARIANT_BOOL pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Base(BSTR* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Base(BSTR pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Scale(BSTR* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Scale(BSTR pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_DeviceFont(VARIANT_BOOL* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_DeviceFont(VARIANT_BOOL pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_EmbedMovie(VARIANT_BOOL* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_EmbedMovie(VARIANT_BOOL pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_BGColor(BSTR* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_BGColor(BSTR pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Quality2(BSTR* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Quality2(BSTR pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE LoadMovie(int layer, BSTR url) = 0;
  virtual HRESULT STDMETHODCALLTYPE TGotoFrame(BSTR target, LONG FrameNum) = 0;
  virtual HRESULT STDMETHODCALLTYPE TGotoLabel(BSTR target, BSTR label) = 0;
  virtual HRESULT STDMETHODCALLTYPE TCurrentFrame(BSTR target, LONG* FrameNum) = 0;
  virtual HRESULT STDMETHODCALLTYPE TCurrentLabel(BSTR target, BSTR* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE TPlay(BSTR target) = 0;
  virtual HRESULT STDMETHODCALLTYPE TStopPlay(BSTR target) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetVariable(BSTR name, BSTR value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetVariable(BSTR name, BSTR* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE TSetProperty(BSTR target, int property, BSTR value) = 0;
  virtual HRESULT STDMETHODCALLTYPE TGetProperty(BSTR target, int property, BSTR* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE TCallFrame(BSTR target, int FrameNum) = 0;
  virtual HRESULT STDMETHODCALLTYPE TCallLabel(BSTR target, BSTR label) = 0;
  virtual HRESULT STDMETHODCALLTYPE TSetPropertyNum(BSTR target, int property, double value) = 0;
  virtual HRESULT STDMETHODCALLTYPE TGetPropertyNum(BSTR target, int property, double* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE TGetPropertyAsNumber(BSTR target, int property, double* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_SWRemote(BSTR* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_SWRemote(BSTR pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_FlashVars(BSTR* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_FlashVars(BSTR pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_AllowScriptAccess(BSTR* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_AllowScriptAccess(BSTR pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_MovieData(BSTR* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_MovieData(BSTR pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_InlineData(IUnknown** ppIUnknown) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_InlineData(IUnknown* ppIUnknown) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_SeamlessTabbing(VARIANT_BOOL* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_SeamlessTabbing(VARIANT_BOOL pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnforceLocalSecurity() = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Profile(VARIANT_BOOL* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Profile(VARIANT_BOOL pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ProfileAddress(BSTR* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_ProfileAddress(BSTR pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ProfilePort(LONG* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_ProfilePort(LONG pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE CallFunction(BSTR request, BSTR* response) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetReturnValue(BSTR returnValue) = 0;
  virtual HRESULT STDMETHODCALLTYPE DisableLocalSecurity() = 0;
  virtual HRESULT STDMETHODCALLTYPE get_AllowNetworking(BSTR* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_AllowNetworking(BSTR pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_AllowFullScreen(BSTR* pVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_AllowFullScreen(BSTR pVal) = 0;

 protected:
  ~IShockwaveFlash() = default;
};
