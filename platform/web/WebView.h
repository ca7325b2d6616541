#pragma once
// One view of the facade: its engine view, the thread it belongs to, the program's
// callbacks, its size, and its latest rendering. A wkeWebView is a WebView's address,
// valid while the registry holds it.
#include <memory>
#include <string>
#include <vector>

#include "platform/web/FrameStore.h"
#include "platform/web/ScriptQueue.h"
#include "platform/web/ViewMailbox.h"
#include "platform/web/WebEngine.h"
#include "platform/web/Wke.h"

namespace platform::web {

class WebView {
 public:
  // On the thread the view belongs to; null when the engine does not run there.
  static WebView* Create();
  // On the view's thread: ends the engine view; no callback runs after this.
  static void Destroy(wkeWebView handle);
  // The live view a handle names, or null.
  static WebView* Find(wkeWebView handle);

  ~WebView();
  WebView(const WebView&) = delete;
  WebView& operator=(const WebView&) = delete;

  wkeWebView Handle() { return reinterpret_cast<wkeWebView>(this); }

  void SetUserAgent(const std::string& userAgent);
  void SetName(const std::string& name) { name_ = name; }
  const std::string& Name() const { return name_; }
  void Load(const std::wstring& url);
  void Resize(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }
  void Paint(void* bits, int pitch) const;
  void RunScript(const std::string& script);
  WebEngine& Engine() { return *engine_; }
  int EngineView() const { return engineView_; }

  void OnTitleChanged(wkeTitleChangedCallback callback, void* param);
  void OnURLChanged(wkeURLChangedCallback callback, void* param);
  void OnNavigation(wkeNavigationCallback callback, void* param);
  void OnCreateView(wkeCreateViewCallback callback, void* param);
  void OnDocumentReady(wkeDocumentReadyCallback callback, void* param);
  void OnLoadingFinish(wkeLoadingFinishCallback callback, void* param);

  // The engine's reports, on the view's thread.
  bool FireNavigation(const std::string& url);
  void FireCreateView(const std::string& url);
  void FireTitleChanged(const std::string& title);
  void FireURLChanged(const std::string& url);
  void FireDocumentReady();
  void FireLoadingFinish(const std::string& url, LoadResult result, const std::string& reason);
  ScriptValue FireNativeCall(const std::string& name, std::vector<ScriptValue> args);

 private:
  template <class Callback>
  struct Hook {
    Callback callback = nullptr;
    void* param = nullptr;
  };

  WebView(std::shared_ptr<WebEngine> engine, std::shared_ptr<ViewMailbox> mailbox);

  std::shared_ptr<WebEngine> engine_;
  std::shared_ptr<ViewMailbox> mailbox_;
  std::shared_ptr<FrameStore> frames_;
  std::shared_ptr<ScriptQueue> scripts_;
  int engineView_ = 0;
  int width_ = 0;
  int height_ = 0;
  std::string name_;
  Hook<wkeTitleChangedCallback> title_;
  Hook<wkeURLChangedCallback> url_;
  Hook<wkeNavigationCallback> navigation_;
  Hook<wkeCreateViewCallback> createView_;
  Hook<wkeDocumentReadyCallback> documentReady_;
  Hook<wkeLoadingFinishCallback> loadingFinish_;
};

}  // namespace platform::web
