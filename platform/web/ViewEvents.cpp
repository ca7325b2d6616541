#include "platform/web/ViewEvents.h"

#include "platform/web/AnswerOnce.h"
#include "platform/web/WebView.h"

namespace platform::web {

ViewEvents::ViewEvents(wkeWebView view, std::shared_ptr<ViewMailbox> mailbox, std::shared_ptr<FrameStore> frames,
                       std::shared_ptr<ScriptQueue> scripts, std::weak_ptr<WebEngine> engine)
    : view_(view),
      mailbox_(std::move(mailbox)),
      frames_(std::move(frames)),
      scripts_(std::move(scripts)),
      engine_(std::move(engine)) {}

void ViewEvents::OnNavigation(const std::string& url, std::function<void(bool proceed)> decide) {
  // A navigation of a view destroyed before it was asked about does not go ahead.
  auto answer = std::make_shared<AnswerOnce<bool>>(std::move(decide), false);
  mailbox_->Post([view = view_, url, answer] {
    WebView* target = WebView::Find(view);
    answer->Give(target != nullptr && target->FireNavigation(url));
  });
}

void ViewEvents::OnCreateView(const std::string& url) {
  mailbox_->Post([view = view_, url] {
    if (WebView* target = WebView::Find(view)) target->FireCreateView(url);
  });
}

void ViewEvents::OnTitleChanged(const std::string& title) {
  mailbox_->Post([view = view_, title] {
    if (WebView* target = WebView::Find(view)) target->FireTitleChanged(title);
  });
}

void ViewEvents::OnUrlChanged(const std::string& url) {
  mailbox_->Post([view = view_, url] {
    if (WebView* target = WebView::Find(view)) target->FireURLChanged(url);
  });
}

void ViewEvents::OnDocumentReady() {
  mailbox_->Post([view = view_] {
    if (WebView* target = WebView::Find(view)) target->FireDocumentReady();
  });
}

void ViewEvents::OnLoadingFinish(unsigned load, const std::string& url, LoadResult result,
                                 const std::string& reason) {
  // The held scripts go to the engine now, ahead of anything the callbacks give it.
  if (std::shared_ptr<WebEngine> engine = engine_.lock()) {
    const int engineView = engineView_;
    scripts_->Finish(load, [&](const std::string& script) { engine->RunScript(engineView, script); });
  }
  mailbox_->Post([view = view_, url, result, reason] {
    if (WebView* target = WebView::Find(view)) target->FireLoadingFinish(url, result, reason);
  });
}

void ViewEvents::OnNativeCall(const std::string& name, std::vector<ScriptValue> args,
                              std::function<void(const ScriptValue&)> reply) {
  // A call to a view destroyed before it ran returns undefined, as a name nobody bound.
  auto answer = std::make_shared<AnswerOnce<ScriptValue>>(std::move(reply), ScriptValue());
  mailbox_->Post([view = view_, name, args = std::move(args), answer]() mutable {
    WebView* target = WebView::Find(view);
    answer->Give(target != nullptr ? target->FireNativeCall(name, std::move(args)) : ScriptValue());
  });
}

void ViewEvents::OnFrame(const uint8_t* pixels, int width, int height, int stride) {
  frames_->Store(pixels, width, height, stride);
}

}  // namespace platform::web
