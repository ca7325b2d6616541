#include "CommonTools/Log.h"

#include <cstdarg>
#include <cstring>

#include <boost/filesystem/operations.hpp>

#include "CommonTools/TextTime.h"
#include "platform/win32.h"

namespace {

const char* const kLevelNames[Log::kLevelCount] = {"emerg",  "alert", "crit",  "error", "warn",
                                                   "notice", "info",  "debug", "all"};
constexpr int kAllLevel = 8;
constexpr int kDefaultLevel = 6;
constexpr std::size_t kMaxPath = 2048;

// The longest prefix of a GBK text, at most `limit` bytes, that does not end inside a
// two-byte character.
std::size_t GbkPrefixLength(const char* text, std::size_t limit) {
  std::size_t length = 0;
  while (length < limit && text[length] != '\0') {
    const unsigned char c = static_cast<unsigned char>(text[length]);
    const std::size_t width = (c >= 0x81 && c <= 0xFE) ? 2 : 1;
    if (length + width > limit) break;
    length += width;
  }
  return length;
}

// The record's text, at most a record's size. A text too long for it keeps as much as
// fits, cut at a character boundary, and still ends with the line end it was given, so
// that the next record starts a line of its own. Formatted on the stack and kept at its
// own length: a zero-filled record-sized buffer per line cost more than the formatting.
std::string FormatText(const char* format, va_list args) {
  char buffer[Log::kRecordSize];
  va_list copy;
  va_copy(copy, args);
  const int needed = vsnprintf(buffer, Log::kRecordSize, format, args);
  if (needed < 0) {
    va_end(copy);
    return std::string();
  }
  if (needed < static_cast<int>(Log::kRecordSize)) {
    va_end(copy);
    return std::string(buffer);  // up to a NUL the format may have put inside
  }
  std::string full(static_cast<std::size_t>(needed) + 1, '\0');
  vsnprintf(&full[0], full.size(), format, copy);
  va_end(copy);
  const bool endsLine = full[needed - 1] == '\n';
  const std::size_t room = Log::kRecordSize - 1 - (endsLine ? 1 : 0);
  std::string text = full.substr(0, GbkPrefixLength(full.c_str(), room));
  if (endsLine) text += '\n';
  return text;
}

int CurrentFileSize(const std::string& gbkPath) {
  boost::system::error_code ec;
  const auto size = boost::filesystem::file_size(platform::NativePath(gbkPath), ec);
  return ec ? 0 : static_cast<int>(size);
}

std::string CurrentFolder() {
  WCHAR buffer[4096] = {};
  const DWORD length = GetCurrentDirectoryW(4096, buffer);
  if (length == 0 || length >= 4096) return std::string();
  return platform::codepage::WideToGbk(std::wstring(buffer, length));
}

}  // namespace

Log::Log() : m_names(kLevelNames) {}

Log::~Log() {
  if (m_exitHook >= 0) platform::RemoveExitFlushHook(m_exitHook);
  Stop();
}

bool Log::Init(const char* name, int level, int sizeLimit, std::string folder) {
  if (m_started) return false;
  if (level < 0 || level > kAllLevel) level = kDefaultLevel;
  m_level = level;
  m_maxSize = sizeLimit;
  if (folder.empty()) folder = CurrentFolder();
  if (folder.empty() || folder.back() != '/') folder += "/";

  const int first = level == kAllLevel ? kAllLevel : 0;
  for (int i = first; i <= level; ++i) {
    char path[kMaxPath];
    snprintf(path, sizeof(path), "%s/%s_%s.log", folder.c_str(), name, m_names[i]);
    m_files[i].path = path;
    OpenFile(m_files[i]);
  }
  m_thread = boost::thread(&Log::Run, this);
  m_started = true;
  // At process exit the queue is written out before the process ends. The writer goes on:
  // where the exit is intercepted (tests) the process lives on and logs on.
  m_exitHook = platform::AddExitFlushHook([this] { WriteOut(); });
  return true;
}

int Log::Write(int level, const char* format, ...) {
  if (level < 0 || level > m_level) return -1;
  LogRecord record;
  record.level = level;
  record.threadId = GetCurrentThreadId();
  snprintf(record.time, sizeof(record.time), "%s", CommonTools::now_text().c_str());
  va_list args;
  va_start(args, format);
  record.text = FormatText(format, args);
  va_end(args);
  {
    boost::lock_guard<boost::mutex> lock(m_mutex);
    m_queue.push_back(std::move(record));
    ++m_queued;
  }
  m_cond.notify_one();
  return 0;
}

// Every record queued is taken at once and written, and each file written to is flushed
// once the records are out: a burst of lines costs one lock and one flush per file, not
// one per line, and the files hold every line as soon as the writer has caught up.
void Log::Run() {
  std::deque<LogRecord> records;
  while (TakeRecords(records)) {
    for (const LogRecord& record : records) WriteRecord(record);
    const uint64_t taken = records.size();
    records.clear();
    FlushFiles();
    {
      boost::lock_guard<boost::mutex> lock(m_mutex);
      m_written += taken;
    }
    m_writtenCond.notify_all();
  }
}

// Waits until the writer has written out every record queued before the call. The writer
// itself cannot wait for itself, and a stopped writer has written out all it will.
void Log::WriteOut() {
  if (m_thread.get_id() == boost::this_thread::get_id()) return;
  boost::unique_lock<boost::mutex> lock(m_mutex);
  const uint64_t target = m_queued;
  while (m_written < target && !m_stop) m_writtenCond.wait(lock);
}

// Waits for records. After the stop request the records still queued are handed out
// first: they are the process's last lines.
bool Log::TakeRecords(std::deque<LogRecord>& records) {
  boost::unique_lock<boost::mutex> lock(m_mutex);
  while (m_queue.empty() && !m_stop) m_cond.wait(lock);
  if (m_queue.empty()) return false;
  records.swap(m_queue);
  return true;
}

void Log::WriteRecord(const LogRecord& record) {
  const std::string threadId = std::to_string(record.threadId);
  const char* name = m_names[record.level];
  std::string line;
  line.reserve(std::strlen(record.time) + std::strlen(name) + threadId.size() + record.text.size() + 3);
  line.append(record.time).append(" ").append(name).append(" ").append(threadId).append(" ").append(record.text);
  const int threshold = m_level;
  if (threshold == kAllLevel) {
    WriteLine(m_files[kAllLevel], line);
    return;
  }
  for (int i = record.level; i <= threshold; ++i) WriteLine(m_files[i], line);
}

void Log::WriteLine(LogLevelFile& entry, const std::string& line) {
  if (!entry.file) return;  // the file could not be opened: its lines are skipped
  fwrite(line.data(), 1, line.size(), entry.file);
  entry.unflushed = true;
  entry.size += static_cast<int>(line.size());
  if (entry.size > m_maxSize) RollOver(entry);
}

void Log::FlushFiles() {
  for (LogLevelFile& entry : m_files) {
    if (!entry.unflushed) continue;
    if (entry.file) fflush(entry.file);
    entry.unflushed = false;
  }
}

void Log::RollOver(LogLevelFile& entry) {
  fclose(entry.file);  // writes out what the file still buffers, so the copy ends with the line
  entry.file = nullptr;
  entry.unflushed = false;
  const std::string native = platform::NativePath(entry.path);
  boost::system::error_code ec;
  boost::filesystem::copy_file(native, native + ".bak",
                               boost::filesystem::copy_options::overwrite_existing, ec);
  // Without a copy the file is kept and written on; the next line tries again.
  if (!ec) boost::filesystem::remove(native, ec);
  OpenFile(entry);
}

void Log::OpenFile(LogLevelFile& entry) {
  entry.file = fopen(platform::NativePath(entry.path).c_str(), "a+");
  entry.size = entry.file ? CurrentFileSize(entry.path) : 0;
}

void Log::Stop() {
  {
    boost::lock_guard<boost::mutex> lock(m_mutex);
    m_stop = true;
  }
  m_cond.notify_all();
  m_writtenCond.notify_all();
  if (m_thread.joinable() && m_thread.get_id() != boost::this_thread::get_id()) m_thread.join();
  for (LogLevelFile& entry : m_files) {
    if (entry.file) fclose(entry.file);
    entry.file = nullptr;
  }
}
