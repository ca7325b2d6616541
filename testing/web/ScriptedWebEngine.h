#pragma once
// An engine whose pages a test plays, in place of WebKitGTK on the headless backend:
// it records loads, navigation decisions, scripts, input and bound names per view,
// runs every load through the facade's callbacks in the engine's order (navigation,
// URL, title, document ready, loading finish), fails loads of missing files and of
// URLs the test names, renders frames of one colour at the view's size, and lets the
// test call bound functions as a page would, recording their answers.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/web/WebEngine.h"

namespace test_support {

class ScriptedWebEngine : public platform::web::WebEngine {
 public:
  struct View {
    int id = 0;
    bool destroyed = false;
    std::string userAgent;
    int width = 0;
    int height = 0;
    std::vector<std::string> loads;    // the URLs, as the engine got them
    std::vector<std::string> scripts;  // in the order they ran
    std::vector<std::string> input;    // "mouse 513 10 20 1", "wheel 5 6 -120 0", ...
    std::vector<std::string> decisions;  // "go URL" or "stop URL", as navigations were decided
  };
  struct Answer {
    int view = 0;
    std::string name;
    platform::web::ScriptValue value;
    bool called = false;  // false: no function of that name was bound
  };

  // Puts a new scripted engine in place of the real one and starts it (wkeInitialize).
  static std::shared_ptr<ScriptedWebEngine> Install();
  // The real engine again, not started.
  static void Uninstall();

  // Loads of URLs containing `part` fail, as missing files do.
  void FailUrlsContaining(const std::string& part);
  // While on, loads stop after the navigation until FinishLoads.
  void HoldLoads(bool hold);
  // Lets the held loads of `view` go on.
  void FinishLoads(int view);
  // The colour (0xAARRGGBB) of every frame from now on; the view renders one at each
  // resize and finished load.
  void SetFrameColour(uint32_t argb);
  // While off, views render no frames.
  void RenderFrames(bool render);
  // Called on the engine's caller for every script that runs.
  void OnScript(std::function<void(int view, const std::string& script)> reaction);

  // A page of `view` calls `name`; the answer is recorded once the view's thread ran it.
  void CallFromPage(int view, const std::string& name, std::vector<platform::web::ScriptValue> args);
  std::vector<Answer> Answers() const;
  // A page of `view` asks for a new window showing `url`.
  void OpenWindowFromPage(int view, const std::string& url);

  std::vector<View> Views() const;
  // The view made last, or a default record when none was.
  View LastView() const;
  std::set<std::string> BoundNames() const;
  bool Started() const;

  bool Start(std::string* reason) override;
  void Stop() override;
  int CreateView(std::shared_ptr<platform::web::EngineViewEvents> events) override;
  void DestroyView(int view) override;
  void Resize(int view, int width, int height) override;
  void Load(int view, unsigned load, const std::string& url) override;
  void RunScript(int view, const std::string& script) override;
  void SetUserAgent(int view, const std::string& userAgent) override;
  void Mouse(int view, const platform::web::MouseInput& input) override;
  void Wheel(int view, const platform::web::WheelInput& input) override;
  void ContextMenu(int view, int x, int y, unsigned flags) override;
  void Key(int view, const platform::web::KeyInput& input) override;
  void Focus(int view, bool focused) override;
  void BindName(const std::string& name) override;

 private:
  struct Entry {
    View record;
    std::shared_ptr<platform::web::EngineViewEvents> events;
    std::vector<std::function<void()>> held;
  };

  ScriptedWebEngine() = default;
  std::shared_ptr<platform::web::EngineViewEvents> EventsOf(int view);
  void Record(int view, const std::string& input);
  void Decided(int view, const std::string& decision);
  void Continue(int view, unsigned load, const std::string& url);
  void Render(int view);
  bool Fails(const std::string& url) const;

  mutable std::mutex mutex_;
  std::map<int, Entry> views_;
  int nextView_ = 1;
  bool started_ = false;
  bool holdLoads_ = false;
  bool renderFrames_ = true;
  uint32_t colour_ = 0xFFFFFFFF;
  std::vector<std::string> failing_;
  std::set<std::string> bound_;
  std::vector<Answer> answers_;
  std::function<void(int, const std::string&)> reaction_;
};

}  // namespace test_support
