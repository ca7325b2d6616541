#pragma once
// Carries an engine view's reports to the facade view's thread, in order. Renderings
// and the scripts a finished load releases are handled where they arrive, so neither
// waits for the view's thread.
#include <atomic>
#include <memory>

#include "platform/web/FrameStore.h"
#include "platform/web/ScriptQueue.h"
#include "platform/web/ViewMailbox.h"
#include "platform/web/WebEngine.h"
#include "platform/web/Wke.h"

namespace platform::web {

class ViewEvents : public EngineViewEvents {
 public:
  ViewEvents(wkeWebView view, std::shared_ptr<ViewMailbox> mailbox, std::shared_ptr<FrameStore> frames,
             std::shared_ptr<ScriptQueue> scripts, std::weak_ptr<WebEngine> engine);

  // The engine's number for the view, once it has one.
  void SetEngineView(int engineView) { engineView_ = engineView; }

  void OnNavigation(const std::string& url, std::function<void(bool proceed)> decide) override;
  void OnCreateView(const std::string& url) override;
  void OnTitleChanged(const std::string& title) override;
  void OnUrlChanged(const std::string& url) override;
  void OnDocumentReady() override;
  void OnLoadingFinish(unsigned load, const std::string& url, LoadResult result,
                       const std::string& reason) override;
  void OnNativeCall(const std::string& name, std::vector<ScriptValue> args,
                    std::function<void(const ScriptValue&)> reply) override;
  void OnFrame(const uint8_t* pixels, int width, int height, int stride) override;

 private:
  wkeWebView view_;
  std::shared_ptr<ViewMailbox> mailbox_;
  std::shared_ptr<FrameStore> frames_;
  std::shared_ptr<ScriptQueue> scripts_;
  std::weak_ptr<WebEngine> engine_;
  std::atomic<int> engineView_{0};
};

}  // namespace platform::web
