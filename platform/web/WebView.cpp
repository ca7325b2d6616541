#include "platform/web/WebView.h"

#include <mutex>
#include <set>

#include "platform/base/CodePage.h"
#include "platform/web/BoundFunctions.h"
#include "platform/web/EngineHost.h"
#include "platform/web/ScriptCall.h"
#include "platform/web/ViewEvents.h"
#include "platform/web/WebUrl.h"
#include "platform/web/WkeString.h"

namespace platform::web {

namespace {

// Live views. Reports may name a view destroyed since: they find nothing here.
struct Registry {
  std::mutex mutex;
  std::set<WebView*> views;
};

Registry& Views() {
  static Registry* registry = new Registry();
  return *registry;
}

}  // namespace

WebView::WebView(std::shared_ptr<WebEngine> engine, std::shared_ptr<ViewMailbox> mailbox)
    : engine_(std::move(engine)),
      mailbox_(std::move(mailbox)),
      frames_(std::make_shared<FrameStore>()),
      scripts_(std::make_shared<ScriptQueue>()) {}

WebView* WebView::Create() {
  std::shared_ptr<WebEngine> engine = EngineHost::Instance().Running();
  if (engine == nullptr) return nullptr;
  std::shared_ptr<ViewMailbox> mailbox = ViewMailbox::Create();
  if (mailbox == nullptr) return nullptr;
  std::unique_ptr<WebView> view(new WebView(engine, mailbox));
  auto events = std::make_shared<ViewEvents>(view->Handle(), mailbox, view->frames_, view->scripts_, engine);
  {
    std::lock_guard<std::mutex> lock(Views().mutex);
    Views().views.insert(view.get());
  }
  view->engineView_ = engine->CreateView(events);
  events->SetEngineView(view->engineView_);
  return view.release();
}

void WebView::Destroy(wkeWebView handle) {
  std::unique_ptr<WebView> view;
  {
    std::lock_guard<std::mutex> lock(Views().mutex);
    auto found = Views().views.find(reinterpret_cast<WebView*>(handle));
    if (found == Views().views.end()) return;
    view.reset(*found);
    Views().views.erase(found);
  }
}

WebView* WebView::Find(wkeWebView handle) {
  if (handle == nullptr) return nullptr;
  std::lock_guard<std::mutex> lock(Views().mutex);
  auto found = Views().views.find(reinterpret_cast<WebView*>(handle));
  return found != Views().views.end() ? *found : nullptr;
}

WebView::~WebView() {
  mailbox_->Close();
  engine_->DestroyView(engineView_);
}

void WebView::SetUserAgent(const std::string& userAgent) { engine_->SetUserAgent(engineView_, userAgent); }

void WebView::Load(const std::wstring& url) {
  const unsigned load = scripts_->BeginLoad();
  engine_->Load(engineView_, load, EngineUrl(url));
}

void WebView::Resize(int width, int height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  engine_->Resize(engineView_, width, height);
}

void WebView::Paint(void* bits, int pitch) const {
  frames_->CopyTo(static_cast<uint8_t*>(bits), width_, height_, pitch);
}

void WebView::RunScript(const std::string& script) {
  scripts_->Submit(script, [this](const std::string& text) { engine_->RunScript(engineView_, text); });
}

void WebView::OnTitleChanged(wkeTitleChangedCallback callback, void* param) { title_ = {callback, param}; }
void WebView::OnURLChanged(wkeURLChangedCallback callback, void* param) { url_ = {callback, param}; }
void WebView::OnNavigation(wkeNavigationCallback callback, void* param) { navigation_ = {callback, param}; }
void WebView::OnCreateView(wkeCreateViewCallback callback, void* param) { createView_ = {callback, param}; }
void WebView::OnDocumentReady(wkeDocumentReadyCallback callback, void* param) {
  documentReady_ = {callback, param};
}
void WebView::OnLoadingFinish(wkeLoadingFinishCallback callback, void* param) {
  loadingFinish_ = {callback, param};
}

bool WebView::FireNavigation(const std::string& url) {
  if (navigation_.callback == nullptr) return true;
  wkeStringTag text(url);
  return navigation_.callback(Handle(), navigation_.param, WKE_NAVIGATION_TYPE_OTHER, &text);
}

void WebView::FireCreateView(const std::string& url) {
  if (createView_.callback == nullptr) return;
  wkeStringTag text(url);
  const wkeWindowFeatures features = {};
  wkeWebView opened = createView_.callback(Handle(), createView_.param, WKE_NAVIGATION_TYPE_LINKCLICK, &text,
                                           &features);
  // The engine opens no window of its own: a view the program gives shows the page.
  if (WebView* target = Find(opened)) target->Load(codepage::Utf8ToWide(url));
}

void WebView::FireTitleChanged(const std::string& title) {
  if (title_.callback == nullptr) return;
  wkeStringTag text(title);
  title_.callback(Handle(), title_.param, &text);
}

void WebView::FireURLChanged(const std::string& url) {
  if (url_.callback == nullptr) return;
  wkeStringTag text(url);
  url_.callback(Handle(), url_.param, &text);
}

void WebView::FireDocumentReady() {
  if (documentReady_.callback != nullptr) documentReady_.callback(Handle(), documentReady_.param);
}

void WebView::FireLoadingFinish(const std::string& url, LoadResult result, const std::string& reason) {
  if (loadingFinish_.callback == nullptr) return;
  wkeStringTag urlText(url);
  wkeStringTag reasonText(reason);
  loadingFinish_.callback(Handle(), loadingFinish_.param, &urlText, static_cast<wkeLoadingResult>(result),
                          &reasonText);
}

ScriptValue WebView::FireNativeCall(const std::string& name, std::vector<ScriptValue> args) {
  // Looked up now: a name bound after the page loaded, or bound again, is the one called.
  jsNativeFunction function = BoundFunctions::Instance().Find(name);
  if (function == nullptr) return ScriptValue();
  ScriptCall call(Handle(), std::move(args));
  return call.Run(function);
}

}  // namespace platform::web
