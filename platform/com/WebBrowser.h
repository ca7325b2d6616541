#pragma once
// The web browser control: its class, its automation interface (IWebBrowser2 over
// IWebBrowserApp over IWebBrowser) and the dispatch ids of the events it fires at the
// sinks advised on its DWebBrowserEvents2 connection point.
#include "platform/com/CommandTarget.h"
#include "platform/com/Dispatch.h"

typedef LONG_PTR SHANDLE_PTR;

enum READYSTATE {
  READYSTATE_UNINITIALIZED = 0,
  READYSTATE_LOADING = 1,
  READYSTATE_LOADED = 2,
  READYSTATE_INTERACTIVE = 3,
  READYSTATE_COMPLETE = 4,
};

// DWebBrowserEvents2.
#define DISPID_STATUSTEXTCHANGE 102
#define DISPID_COMMANDSTATECHANGE 105
#define DISPID_BEFORENAVIGATE2 250
#define DISPID_NAVIGATECOMPLETE2 252
#define DISPID_NAVIGATEERROR 271
#define DISPID_NEWWINDOW3 273

extern const CLSID CLSID_WebBrowser;
extern const IID IID_IWebBrowser;
extern const IID IID_IWebBrowserApp;
extern const IID IID_IWebBrowser2;
extern const IID DIID_DWebBrowserEvents2;

struct IWebBrowser : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE GoBack() = 0;
  virtual HRESULT STDMETHODCALLTYPE GoForward() = 0;
  virtual HRESULT STDMETHODCALLTYPE GoHome() = 0;
  virtual HRESULT STDMETHODCALLTYPE GoSearch() = 0;
  virtual HRESULT STDMETHODCALLTYPE Navigate(BSTR URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT* PostData,
                                             VARIANT* Headers) = 0;
  virtual HRESULT STDMETHODCALLTYPE Refresh() = 0;
  virtual HRESULT STDMETHODCALLTYPE Refresh2(VARIANT* Level) = 0;
  virtual HRESULT STDMETHODCALLTYPE Stop() = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Application(IDispatch** ppDisp) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Parent(IDispatch** ppDisp) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Container(IDispatch** ppDisp) = 0;
  // S_FALSE with null while no document is loaded.
  virtual HRESULT STDMETHODCALLTYPE get_Document(IDispatch** ppDisp) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_TopLevelContainer(VARIANT_BOOL* pBool) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Type(BSTR* Type) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Left(LONG* pl) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Left(LONG Left) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Top(LONG* pl) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Top(LONG Top) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Width(LONG* pl) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Width(LONG Width) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Height(LONG* pl) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Height(LONG Height) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_LocationName(BSTR* LocationName) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_LocationURL(BSTR* LocationURL) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Busy(VARIANT_BOOL* pBool) = 0;

 protected:
  ~IWebBrowser() = default;
};

struct IWebBrowserApp : IWebBrowser {
  virtual HRESULT STDMETHODCALLTYPE Quit() = 0;
  virtual HRESULT STDMETHODCALLTYPE ClientToWindow(int* pcx, int* pcy) = 0;
  virtual HRESULT STDMETHODCALLTYPE PutProperty(BSTR Property, VARIANT vtValue) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetProperty(BSTR Property, VARIANT* pvtValue) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Name(BSTR* Name) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_HWND(SHANDLE_PTR* pHWND) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_FullName(BSTR* FullName) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Path(BSTR* Path) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Visible(VARIANT_BOOL* pBool) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Visible(VARIANT_BOOL Value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_StatusBar(VARIANT_BOOL* pBool) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_StatusBar(VARIANT_BOOL Value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_StatusText(BSTR* StatusText) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_StatusText(BSTR StatusText) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ToolBar(int* Value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_ToolBar(int Value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_MenuBar(VARIANT_BOOL* Value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_MenuBar(VARIANT_BOOL Value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_FullScreen(VARIANT_BOOL* pbFullScreen) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_FullScreen(VARIANT_BOOL bFullScreen) = 0;

 protected:
  ~IWebBrowserApp() = default;
};

struct IWebBrowser2 : IWebBrowserApp {
  virtual HRESULT STDMETHODCALLTYPE Navigate2(VARIANT* URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT* PostData,
                                              VARIANT* Headers) = 0;
  virtual HRESULT STDMETHODCALLTYPE QueryStatusWB(OLECMDID cmdID, OLECMDF* pcmdf) = 0;
  virtual HRESULT STDMETHODCALLTYPE ExecWB(OLECMDID cmdID, OLECMDEXECOPT cmdexecopt, VARIANT* pvaIn,
                                           VARIANT* pvaOut) = 0;
  virtual HRESULT STDMETHODCALLTYPE ShowBrowserBar(VARIANT* pvaClsid, VARIANT* pvarShow, VARIANT* pvarSize) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ReadyState(READYSTATE* plReadyState) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Offline(VARIANT_BOOL* pbOffline) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Offline(VARIANT_BOOL bOffline) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Silent(VARIANT_BOOL* pbSilent) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Silent(VARIANT_BOOL bSilent) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_RegisterAsBrowser(VARIANT_BOOL* pbRegister) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_RegisterAsBrowser(VARIANT_BOOL bRegister) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_RegisterAsDropTarget(VARIANT_BOOL* pbRegister) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_RegisterAsDropTarget(VARIANT_BOOL bRegister) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_TheaterMode(VARIANT_BOOL* pbRegister) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_TheaterMode(VARIANT_BOOL bRegister) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_AddressBar(VARIANT_BOOL* Value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_AddressBar(VARIANT_BOOL Value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Resizable(VARIANT_BOOL* Value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Resizable(VARIANT_BOOL Value) = 0;

 protected:
  ~IWebBrowser2() = default;
};
