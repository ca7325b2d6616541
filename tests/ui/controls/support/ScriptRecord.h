#pragma once
// What the scripted COM objects of the control tests share: the calls made on them in
// order ("DoVerb(-5,10,20,110,70)", "site.GetWindow", "cp.Advise=1"), and how many of
// them are alive. They run on the window's thread; tests read the record after the
// thread has done the work.
#include <string>
#include <vector>

#include "platform/win32.h"

namespace oletest {

class ScriptRecord {
 public:
  static std::vector<std::string>& Calls();
  static void Add(const std::string& call);
  // The calls whose text starts with the prefix, in order.
  static std::vector<std::string> CallsStartingWith(const std::string& prefix);
  // Objects alive now, of every scripted class.
  static int Live();
  static void Reset();

  // Each scripted object counts itself alive through one of these.
  class Alive {
   public:
    Alive();
    ~Alive();
    Alive(const Alive&) = delete;
    Alive& operator=(const Alive&) = delete;
  };
};

// "l,t,r,b".
std::string RectText(const RECT& rc);
// ASCII text of a wide text; "null" for none.
std::string Narrow(const wchar_t* text);

}  // namespace oletest
