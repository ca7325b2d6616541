#include "tests/ui/controls/support/ScriptRecord.h"

namespace oletest {
namespace {

int g_live = 0;

}  // namespace

std::vector<std::string>& ScriptRecord::Calls() {
  static std::vector<std::string> calls;
  return calls;
}

void ScriptRecord::Add(const std::string& call) { Calls().push_back(call); }

std::vector<std::string> ScriptRecord::CallsStartingWith(const std::string& prefix) {
  std::vector<std::string> found;
  for (const std::string& call : Calls()) {
    if (call.compare(0, prefix.size(), prefix) == 0) found.push_back(call);
  }
  return found;
}

int ScriptRecord::Live() { return g_live; }

void ScriptRecord::Reset() { Calls().clear(); }

ScriptRecord::Alive::Alive() { ++g_live; }

ScriptRecord::Alive::~Alive() { --g_live; }

std::string RectText(const RECT& rc) {
  return std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) + "," +
         std::to_string(rc.bottom);
}

std::string Narrow(const wchar_t* text) {
  if (text == nullptr) return "null";
  std::string out;
  for (; *text != L'\0'; ++text) out += *text < 0x80 ? static_cast<char>(*text) : '?';
  return out;
}

}  // namespace oletest
