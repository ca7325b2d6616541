#include "testing/ui/NotifyRecorder.h"

#include "ui/core/control/CControlUI.h"

namespace controltest {

namespace {

bool IsBookkeeping(const std::string& type) {
  return type == "windowinit" || type == "setfocus" || type == "killfocus" || type == "timer";
}

}  // namespace

std::string Narrow(LPCTSTR text) {
  std::string out;
  if (text == nullptr) return out;
  for (; *text != L'\0'; ++text) out.push_back(*text > 0 && *text < 128 ? static_cast<char>(*text) : '?');
  return out;
}

void NotifyRecorder::Notify(SkinUI::UINotifyRecord& msg) {
  RecordedNotify entry;
  entry.type = Narrow(msg.sType);
  entry.sender = msg.pSender != nullptr ? Narrow(msg.pSender->GetName()) : "-";
  entry.wParam = msg.wParam;
  entry.lParam = msg.lParam;
  std::lock_guard<std::mutex> lock(mutex_);
  entries_.push_back(entry);
}

std::vector<RecordedNotify> NotifyRecorder::Entries() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return entries_;
}

std::vector<std::string> NotifyRecorder::Lines(bool withParams) const {
  std::vector<std::string> lines;
  for (const RecordedNotify& entry : Entries()) {
    if (IsBookkeeping(entry.type)) continue;
    std::string line = entry.type + ":" + entry.sender;
    if (withParams) line += "(" + std::to_string(entry.wParam) + "," + std::to_string(entry.lParam) + ")";
    lines.push_back(line);
  }
  return lines;
}

int NotifyRecorder::Count(const std::string& type) const {
  int n = 0;
  for (const RecordedNotify& entry : Entries()) n += entry.type == type ? 1 : 0;
  return n;
}

void NotifyRecorder::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  entries_.clear();
}

}  // namespace controltest
