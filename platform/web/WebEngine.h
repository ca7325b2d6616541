#pragma once
// The engine behind the web facade. The facade keeps the views, their threads and
// their callbacks; an engine only renders pages and reports what happens in them.
// Every call may come from any thread and returns at once; every report may come on
// any thread (the engine's own, or the caller's), in the order things happened.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/web/ScriptValue.h"

namespace platform::web {

// Results of a load, as loading-finish reports them.
enum LoadResult { kLoadSucceeded = 0, kLoadFailed = 1, kLoadCancelled = 2 };

struct MouseInput {
  unsigned message = 0;  // WM_MOUSEMOVE, WM_LBUTTONDOWN, ...
  int x = 0;
  int y = 0;
  unsigned flags = 0;  // MK_*
};

struct WheelInput {
  int x = 0;
  int y = 0;
  int delta = 0;  // positive away from the user
  unsigned flags = 0;
};

struct KeyInput {
  enum Kind { Down, Up, Press };
  Kind kind = Down;
  unsigned code = 0;  // virtual key, or the character of a press
  unsigned flags = 0;
  bool systemKey = false;
};

// What a view reports. The engine holds it as long as the view lives.
class EngineViewEvents {
 public:
  virtual ~EngineViewEvents() = default;
  // A navigation asks to go ahead; `decide` is called once, on any thread.
  virtual void OnNavigation(const std::string& url, std::function<void(bool proceed)> decide) = 0;
  // The page asked for a new window; the engine has opened none.
  virtual void OnCreateView(const std::string& url) = 0;
  virtual void OnTitleChanged(const std::string& title) = 0;
  virtual void OnUrlChanged(const std::string& url) = 0;
  virtual void OnDocumentReady() = 0;
  // `load` is the number Load was given for this load, or the last one when the page
  // navigated by itself.
  virtual void OnLoadingFinish(unsigned load, const std::string& url, LoadResult result,
                               const std::string& reason) = 0;
  // The page called a bound name; it waits until `reply` is called, once, on any thread.
  virtual void OnNativeCall(const std::string& name, std::vector<ScriptValue> args,
                            std::function<void(const ScriptValue&)> reply) = 0;
  // A finished rendering: premultiplied B, G, R, A bytes, top-down, `stride` bytes a row.
  virtual void OnFrame(const uint8_t* pixels, int width, int height, int stride) = 0;
};

class WebEngine {
 public:
  virtual ~WebEngine() = default;

  // Readies the engine; false (with the reason) when it cannot run in this process.
  virtual bool Start(std::string* reason) = 0;
  // Ends every view and the engine's thread; called once, at exit.
  virtual void Stop() = 0;

  // A new off-screen view at 0 x 0; the number names it in the other calls.
  virtual int CreateView(std::shared_ptr<EngineViewEvents> events) = 0;
  virtual void DestroyView(int view) = 0;
  virtual void Resize(int view, int width, int height) = 0;
  // `url` is a full URL (file:// for local pages).
  virtual void Load(int view, unsigned load, const std::string& url) = 0;
  // Runs UTF-8 script in the page's global scope.
  virtual void RunScript(int view, const std::string& script) = 0;
  virtual void SetUserAgent(int view, const std::string& userAgent) = 0;
  virtual void Mouse(int view, const MouseInput& input) = 0;
  virtual void Wheel(int view, const WheelInput& input) = 0;
  virtual void ContextMenu(int view, int x, int y, unsigned flags) = 0;
  virtual void Key(int view, const KeyInput& input) = 0;
  virtual void Focus(int view, bool focused) = 0;
  // Makes `name` a function of every page's global scope, in views made before and
  // after; a call reports OnNativeCall with its arguments.
  virtual void BindName(const std::string& name) = 0;
};

}  // namespace platform::web
