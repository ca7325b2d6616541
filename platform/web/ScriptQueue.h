#pragma once
// Scripts given while a load is under way wait for that load to finish, so a page's
// functions exist when the program calls them; the rest run at once, all in order.
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace platform::web {

class ScriptQueue {
 public:
  using Runner = std::function<void(const std::string& script)>;

  // A new load starts: its number, which the engine reports back when it finishes.
  unsigned BeginLoad();
  // Runs the script now, or keeps it until the load under way finishes. `run` is
  // called under the queue's lock, so scripts reach the engine in the order given;
  // an engine that answers a script by loading again may call back in.
  void Submit(const std::string& script, const Runner& run);
  // The load numbered `load` finished: the kept scripts run, in order. A finish of an
  // earlier load releases nothing.
  void Finish(unsigned load, const Runner& run);

 private:
  std::recursive_mutex mutex_;
  unsigned lastLoad_ = 0;
  bool loading_ = false;
  std::vector<std::string> held_;
};

}  // namespace platform::web
