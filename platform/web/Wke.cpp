#include "platform/web/Wke.h"

#include <string>

#include "platform/base/CodePage.h"
#include "platform/web/BoundFunctions.h"
#include "platform/web/EngineHost.h"
#include "platform/web/ScriptCall.h"
#include "platform/web/WebView.h"
#include "platform/web/WkeString.h"

using platform::web::EngineHost;
using platform::web::ScriptCall;
using platform::web::ScriptValue;
using platform::web::WebView;

void wkeInitialize() { EngineHost::Instance().Initialize(); }

wkeWebView wkeCreateWebView() {
  WebView* view = WebView::Create();
  return view != nullptr ? view->Handle() : nullptr;
}

void wkeDestroyWebView(wkeWebView webView) { WebView::Destroy(webView); }

void wkeSetUserAgent(wkeWebView webView, const char* userAgent) {
  if (WebView* view = WebView::Find(webView)) view->SetUserAgent(userAgent != nullptr ? userAgent : "");
}

void wkeSetName(wkeWebView webView, const char* name) {
  if (WebView* view = WebView::Find(webView)) view->SetName(name != nullptr ? name : "");
}

const char* wkeGetName(wkeWebView webView) {
  WebView* view = WebView::Find(webView);
  return view != nullptr ? view->Name().c_str() : "";
}

void wkeOnTitleChanged(wkeWebView webView, wkeTitleChangedCallback callback, void* param) {
  if (WebView* view = WebView::Find(webView)) view->OnTitleChanged(callback, param);
}

void wkeOnURLChanged(wkeWebView webView, wkeURLChangedCallback callback, void* param) {
  if (WebView* view = WebView::Find(webView)) view->OnURLChanged(callback, param);
}

void wkeOnNavigation(wkeWebView webView, wkeNavigationCallback callback, void* param) {
  if (WebView* view = WebView::Find(webView)) view->OnNavigation(callback, param);
}

void wkeOnCreateView(wkeWebView webView, wkeCreateViewCallback callback, void* param) {
  if (WebView* view = WebView::Find(webView)) view->OnCreateView(callback, param);
}

void wkeOnDocumentReady(wkeWebView webView, wkeDocumentReadyCallback callback, void* param) {
  if (WebView* view = WebView::Find(webView)) view->OnDocumentReady(callback, param);
}

void wkeOnLoadingFinish(wkeWebView webView, wkeLoadingFinishCallback callback, void* param) {
  if (WebView* view = WebView::Find(webView)) view->OnLoadingFinish(callback, param);
}

const wchar_t* wkeGetStringW(const wkeString string) { return string != nullptr ? string->text.c_str() : L""; }

void wkeLoadW(wkeWebView webView, const wchar_t* url) {
  if (url == nullptr) return;
  if (WebView* view = WebView::Find(webView)) view->Load(url);
}

void wkeResize(wkeWebView webView, int w, int h) {
  if (WebView* view = WebView::Find(webView)) view->Resize(w, h);
}

int wkeGetWidth(wkeWebView webView) {
  WebView* view = WebView::Find(webView);
  return view != nullptr ? view->Width() : 0;
}

int wkeGetHeight(wkeWebView webView) {
  WebView* view = WebView::Find(webView);
  return view != nullptr ? view->Height() : 0;
}

void wkePaint2(wkeWebView webView, void* bits, int pitch) {
  if (WebView* view = WebView::Find(webView)) view->Paint(bits, pitch);
}

bool wkeFireMouseEvent(wkeWebView webView, unsigned int message, int x, int y, unsigned int flags) {
  WebView* view = WebView::Find(webView);
  if (view == nullptr) return false;
  view->Engine().Mouse(view->EngineView(), platform::web::MouseInput{message, x, y, flags});
  return true;
}

bool wkeFireContextMenuEvent(wkeWebView webView, int x, int y, unsigned int flags) {
  WebView* view = WebView::Find(webView);
  if (view == nullptr) return false;
  view->Engine().ContextMenu(view->EngineView(), x, y, flags);
  return true;
}

bool wkeFireMouseWheelEvent(wkeWebView webView, int x, int y, int delta, unsigned int flags) {
  WebView* view = WebView::Find(webView);
  if (view == nullptr) return false;
  view->Engine().Wheel(view->EngineView(), platform::web::WheelInput{x, y, delta, flags});
  return true;
}

namespace {

bool FireKey(wkeWebView webView, platform::web::KeyInput::Kind kind, unsigned int code, unsigned int flags,
             bool systemKey) {
  WebView* view = WebView::Find(webView);
  if (view == nullptr) return false;
  view->Engine().Key(view->EngineView(), platform::web::KeyInput{kind, code, flags, systemKey});
  return true;
}

}  // namespace

bool wkeFireKeyUpEvent(wkeWebView webView, unsigned int virtualKeyCode, unsigned int flags, bool systemKey) {
  return FireKey(webView, platform::web::KeyInput::Up, virtualKeyCode, flags, systemKey);
}

bool wkeFireKeyDownEvent(wkeWebView webView, unsigned int virtualKeyCode, unsigned int flags, bool systemKey) {
  return FireKey(webView, platform::web::KeyInput::Down, virtualKeyCode, flags, systemKey);
}

bool wkeFireKeyPressEvent(wkeWebView webView, unsigned int charCode, unsigned int flags, bool systemKey) {
  return FireKey(webView, platform::web::KeyInput::Press, charCode, flags, systemKey);
}

void wkeSetFocus(wkeWebView webView) {
  if (WebView* view = WebView::Find(webView)) view->Engine().Focus(view->EngineView(), true);
}

void wkeKillFocus(wkeWebView webView) {
  if (WebView* view = WebView::Find(webView)) view->Engine().Focus(view->EngineView(), false);
}

jsValue wkeRunJS(wkeWebView webView, const char* script) {
  if (script == nullptr) return jsUndefined();
  if (WebView* view = WebView::Find(webView)) view->RunScript(script);
  return jsUndefined();
}

void jsBindFunction(const char* name, jsNativeFunction fn, unsigned int argCount) {
  if (name == nullptr || !platform::web::BoundFunctions::Instance().Bind(name, fn, argCount)) return;
  if (auto engine = EngineHost::Instance().Running()) engine->BindName(name);
}

wkeWebView jsGetWebView(jsExecState es) {
  ScriptCall* call = ScriptCall::FromState(es);
  return call != nullptr ? call->View() : nullptr;
}

int jsArgCount(jsExecState es) {
  ScriptCall* call = ScriptCall::FromState(es);
  return call != nullptr ? call->ArgCount() : 0;
}

jsValue jsArg(jsExecState es, int argIdx) {
  ScriptCall* call = ScriptCall::FromState(es);
  return call != nullptr ? call->Arg(argIdx) : jsUndefined();
}

bool jsIsString(jsValue v) {
  const ScriptValue* value = ScriptCall::ValueOf(v);
  return value != nullptr && value->kind == ScriptValue::String;
}

bool jsIsNumber(jsValue v) {
  const ScriptValue* value = ScriptCall::ValueOf(v);
  return value != nullptr && value->kind == ScriptValue::Number;
}

const wchar_t* jsToTempStringW(jsExecState es, jsValue v) {
  ScriptCall* call = ScriptCall::FromState(es);
  const wchar_t* text = call != nullptr ? call->TempString(v) : nullptr;
  return text != nullptr ? text : L"";
}

jsValue jsUndefined() { return 0; }
