#include "testing/web/ScriptedWebEngine.h"

#include <sys/stat.h>

#include <cstdio>

#include "platform/web/EngineHost.h"
#include "platform/web/Wke.h"

namespace test_support {

using platform::web::EngineViewEvents;
using platform::web::ScriptValue;

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The file a file:// URL names, query and fragment left out; empty for other URLs.
std::string FilePath(const std::string& url) {
  if (url.compare(0, 7, "file://") != 0) return std::string();
  std::string path;
  for (size_t i = 7; i < url.size() && url[i] != '?' && url[i] != '#'; ++i) {
    if (url[i] == '%' && i + 2 < url.size() && HexDigit(url[i + 1]) >= 0 && HexDigit(url[i + 2]) >= 0) {
      path += static_cast<char>(HexDigit(url[i + 1]) * 16 + HexDigit(url[i + 2]));
      i += 2;
      continue;
    }
    path += url[i];
  }
  return path;
}

bool FileExists(const std::string& path) {
  struct stat info;
  return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string TitleOf(const std::string& url) {
  const std::string path = FilePath(url);
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? url : path.substr(slash + 1);
}

}  // namespace

std::shared_ptr<ScriptedWebEngine> ScriptedWebEngine::Install() {
  std::shared_ptr<ScriptedWebEngine> engine(new ScriptedWebEngine());
  platform::web::EngineHost::Instance().Install(engine);
  wkeInitialize();
  return engine;
}

void ScriptedWebEngine::Uninstall() { platform::web::EngineHost::Instance().Install(nullptr); }

void ScriptedWebEngine::FailUrlsContaining(const std::string& part) {
  std::lock_guard<std::mutex> lock(mutex_);
  failing_.push_back(part);
}

void ScriptedWebEngine::HoldLoads(bool hold) {
  std::lock_guard<std::mutex> lock(mutex_);
  holdLoads_ = hold;
}

void ScriptedWebEngine::FinishLoads(int view) {
  std::vector<std::function<void()>> held;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = views_.find(view);
    if (found == views_.end()) return;
    held.swap(found->second.held);
  }
  for (auto& go : held) go();
}

void ScriptedWebEngine::SetFrameColour(uint32_t argb) {
  std::lock_guard<std::mutex> lock(mutex_);
  colour_ = argb;
}

void ScriptedWebEngine::RenderFrames(bool render) {
  std::lock_guard<std::mutex> lock(mutex_);
  renderFrames_ = render;
}

void ScriptedWebEngine::OpenWindowFromPage(int view, const std::string& url) {
  if (std::shared_ptr<EngineViewEvents> events = EventsOf(view)) events->OnCreateView(url);
}

void ScriptedWebEngine::OnScript(std::function<void(int view, const std::string& script)> reaction) {
  std::lock_guard<std::mutex> lock(mutex_);
  reaction_ = std::move(reaction);
}

void ScriptedWebEngine::CallFromPage(int view, const std::string& name, std::vector<ScriptValue> args) {
  std::shared_ptr<EngineViewEvents> events = EventsOf(view);
  if (events == nullptr) return;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (bound_.count(name) == 0) {
      answers_.push_back(Answer{view, name, ScriptValue(), false});
      return;
    }
  }
  events->OnNativeCall(name, std::move(args), [this, view, name](const ScriptValue& value) {
    std::lock_guard<std::mutex> lock(mutex_);
    answers_.push_back(Answer{view, name, value, true});
  });
}

std::vector<ScriptedWebEngine::Answer> ScriptedWebEngine::Answers() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return answers_;
}

std::vector<ScriptedWebEngine::View> ScriptedWebEngine::Views() const {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<View> views;
  for (const auto& entry : views_) views.push_back(entry.second.record);
  return views;
}

ScriptedWebEngine::View ScriptedWebEngine::LastView() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return views_.empty() ? View() : views_.rbegin()->second.record;
}

std::set<std::string> ScriptedWebEngine::BoundNames() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return bound_;
}

bool ScriptedWebEngine::Started() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return started_;
}

bool ScriptedWebEngine::Start(std::string*) {
  std::lock_guard<std::mutex> lock(mutex_);
  started_ = true;
  return true;
}

void ScriptedWebEngine::Stop() {
  std::lock_guard<std::mutex> lock(mutex_);
  started_ = false;
}

int ScriptedWebEngine::CreateView(std::shared_ptr<EngineViewEvents> events) {
  std::lock_guard<std::mutex> lock(mutex_);
  const int id = nextView_++;
  Entry& entry = views_[id];
  entry.record.id = id;
  entry.events = std::move(events);
  return id;
}

void ScriptedWebEngine::DestroyView(int view) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto found = views_.find(view);
  if (found == views_.end()) return;
  found->second.record.destroyed = true;
  found->second.events.reset();
  found->second.held.clear();
}

void ScriptedWebEngine::Resize(int view, int width, int height) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = views_.find(view);
    if (found == views_.end()) return;
    found->second.record.width = width;
    found->second.record.height = height;
  }
  Render(view);
}

void ScriptedWebEngine::Load(int view, unsigned load, const std::string& url) {
  std::shared_ptr<EngineViewEvents> events;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = views_.find(view);
    if (found == views_.end() || found->second.events == nullptr) return;
    found->second.record.loads.push_back(url);
    events = found->second.events;
  }
  events->OnNavigation(url, [this, view, load, url, events](bool proceed) {
    Decided(view, (proceed ? "go " : "stop ") + url);
    if (!proceed) {
      events->OnLoadingFinish(load, url, platform::web::kLoadCancelled, "cancelled");
      return;
    }
    std::unique_lock<std::mutex> lock(mutex_);
    auto found = views_.find(view);
    if (found == views_.end() || found->second.events == nullptr) return;
    if (holdLoads_) {
      found->second.held.push_back([this, view, load, url] { Continue(view, load, url); });
      return;
    }
    lock.unlock();
    Continue(view, load, url);
  });
}

void ScriptedWebEngine::Decided(int view, const std::string& decision) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto found = views_.find(view);
  if (found != views_.end()) found->second.record.decisions.push_back(decision);
}

void ScriptedWebEngine::Continue(int view, unsigned load, const std::string& url) {
  std::shared_ptr<EngineViewEvents> events = EventsOf(view);
  if (events == nullptr) return;
  if (Fails(url)) {
    events->OnLoadingFinish(load, url, platform::web::kLoadFailed, "file not found");
    return;
  }
  events->OnUrlChanged(url);
  events->OnTitleChanged(TitleOf(url));
  events->OnDocumentReady();
  Render(view);
  events->OnLoadingFinish(load, url, platform::web::kLoadSucceeded, "");
}

bool ScriptedWebEngine::Fails(const std::string& url) const {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const std::string& part : failing_) {
      if (url.find(part) != std::string::npos) return true;
    }
  }
  const std::string path = FilePath(url);
  return !path.empty() && !FileExists(path);
}

void ScriptedWebEngine::Render(int view) {
  std::shared_ptr<EngineViewEvents> events;
  int width = 0;
  int height = 0;
  uint32_t colour = 0;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = views_.find(view);
    if (found == views_.end() || found->second.events == nullptr || !renderFrames_) return;
    events = found->second.events;
    width = found->second.record.width;
    height = found->second.record.height;
    colour = colour_;
  }
  if (width <= 0 || height <= 0) return;
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, colour);
  events->OnFrame(reinterpret_cast<const uint8_t*>(pixels.data()), width, height, width * 4);
}

void ScriptedWebEngine::RunScript(int view, const std::string& script) {
  std::function<void(int, const std::string&)> reaction;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = views_.find(view);
    if (found == views_.end() || found->second.events == nullptr) return;
    found->second.record.scripts.push_back(script);
    reaction = reaction_;
  }
  if (reaction) reaction(view, script);
}

void ScriptedWebEngine::SetUserAgent(int view, const std::string& userAgent) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto found = views_.find(view);
  if (found != views_.end()) found->second.record.userAgent = userAgent;
}

void ScriptedWebEngine::Record(int view, const std::string& input) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto found = views_.find(view);
  if (found != views_.end()) found->second.record.input.push_back(input);
}

void ScriptedWebEngine::Mouse(int view, const platform::web::MouseInput& input) {
  char text[96];
  std::snprintf(text, sizeof text, "mouse %u %d %d %u", input.message, input.x, input.y, input.flags);
  Record(view, text);
}

void ScriptedWebEngine::Wheel(int view, const platform::web::WheelInput& input) {
  char text[96];
  std::snprintf(text, sizeof text, "wheel %d %d %d %u", input.x, input.y, input.delta, input.flags);
  Record(view, text);
}

void ScriptedWebEngine::ContextMenu(int view, int x, int y, unsigned flags) {
  char text[96];
  std::snprintf(text, sizeof text, "menu %d %d %u", x, y, flags);
  Record(view, text);
}

void ScriptedWebEngine::Key(int view, const platform::web::KeyInput& input) {
  static const char* const kKinds[] = {"keydown", "keyup", "keypress"};
  char text[96];
  std::snprintf(text, sizeof text, "%s %u %u %d", kKinds[input.kind], input.code, input.flags,
                input.systemKey ? 1 : 0);
  Record(view, text);
}

void ScriptedWebEngine::Focus(int view, bool focused) { Record(view, focused ? "focus" : "blur"); }

void ScriptedWebEngine::BindName(const std::string& name) {
  std::lock_guard<std::mutex> lock(mutex_);
  bound_.insert(name);
}

std::shared_ptr<EngineViewEvents> ScriptedWebEngine::EventsOf(int view) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto found = views_.find(view);
  return found != views_.end() ? found->second.events : nullptr;
}

}  // namespace test_support
