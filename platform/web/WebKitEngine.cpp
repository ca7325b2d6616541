#include "platform/web/WebKitEngine.h"

namespace platform::web {

namespace {

class WebKitEngine : public WebEngine {
 public:
  bool Start(std::string* reason) override {
    *reason = "not built";
    return false;
  }
  void Stop() override {}
  int CreateView(std::shared_ptr<EngineViewEvents>) override { return 0; }
  void DestroyView(int) override {}
  void Resize(int, int, int) override {}
  void Load(int, unsigned, const std::string&) override {}
  void RunScript(int, const std::string&) override {}
  void SetUserAgent(int, const std::string&) override {}
  void Mouse(int, const MouseInput&) override {}
  void Wheel(int, const WheelInput&) override {}
  void ContextMenu(int, int, int, unsigned) override {}
  void Key(int, const KeyInput&) override {}
  void Focus(int, bool) override {}
  void BindName(const std::string&) override {}
};

}  // namespace

std::shared_ptr<WebEngine> MakeWebKitEngine() { return std::make_shared<WebKitEngine>(); }

}  // namespace platform::web
