#include "data/DalLog.h"

#include <initializer_list>
#include <mutex>
#include <string_view>

#include "CommonTools/Log.h"
#include "CommonTools/LogHelper.h"

namespace {

constexpr int kTextLevel = 3;
constexpr int kInfoLevel = 6;
constexpr int kAsyncLevel = 2;
const char kFailedHead[] = "]出错，错误信息为：";
const char kWriteFailedHead[] = "]出错，错误信息为:";

std::mutex g_observerMutex;
DalLog::Observer g_observer;

// True when an observer took the line.
bool Observed(DalLog::Sink sink, int level, const std::string& line) {
  DalLog::Observer observer;
  {
    std::lock_guard<std::mutex> lock(g_observerMutex);
    observer = g_observer;
  }
  if (!observer) return false;
  observer(sink, level, line);
  return true;
}

// One allocation for a whole line: a long reply's records may each log a failed nested
// request.
std::string Joined(std::initializer_list<std::string_view> parts) {
  std::size_t size = 0;
  for (std::string_view part : parts) size += part.size();
  std::string line;
  line.reserve(size);
  for (std::string_view part : parts) line += part;
  return line;
}

bool IsAsync(DalLogStyle style) {
  return style == DalLogStyle::AsyncRead || style == DalLogStyle::AsyncWrite;
}

}  // namespace

void DalLog::OperationFailed(DalLogStyle style, std::string_view name, const std::string& text) {
  if (style == DalLogStyle::AsyncWrite) {
    ToAsyncLog(Joined({"[", name, kWriteFailedHead, text}));
  } else if (style == DalLogStyle::AsyncRead) {
    ToAsyncLog(Joined({"[", name, kFailedHead, text}));
  } else {
    TextLine(Joined({"[", name, kFailedHead, text, "\n"}));
  }
}

void DalLog::ParseFailed(DalLogStyle style, const std::string& name, const std::string& errors) {
  const std::string line = "[" + name + kFailedHead + errors;
  if (IsAsync(style)) {
    ToAsyncLog(line);
  } else {
    TextLine(line + "\n");
  }
}

void DalLog::ParseException(DalLogStyle style, const std::string& name, const std::string& what,
                            const std::string& json) {
  const std::string text = "[" + name + "]解析异常，异常信息为：" + what + "\njson数据为：" + json;
  if (IsAsync(style)) {
    ToAsyncLog(text);
  } else if (style == DalLogStyle::TextPrefixed) {
    TextLine("解析异常：" + text + "\n");
  } else {
    TextLine(text + "\n");
  }
}

void DalLog::SetObserver(Observer observer) {
  std::lock_guard<std::mutex> lock(g_observerMutex);
  g_observer = std::move(observer);
}

// The line is complete already, so it goes through "%s": a '%' in a reply stays text.
void DalLog::TextLine(const std::string& line) {
  if (Observed(Sink::TextLog, kTextLevel, line)) return;
  g_log.Write(kTextLevel, "%s", line.c_str());
}

void DalLog::InfoLine(const std::string& line) {
  if (Observed(Sink::TextLog, kInfoLevel, line)) return;
  g_log.Write(kInfoLevel, "%s", line.c_str());
}

void DalLog::ToAsyncLog(const std::string& text) {
  if (Observed(Sink::AsyncLog, kAsyncLevel, text)) return;
  CommonTools::log_helper::write(kAsyncLevel, text);
}
