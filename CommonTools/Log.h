#pragma once
// The program's leveled text log. Write formats, stamps and queues a record and returns
// at once; a writer thread of its own appends each record as one line to the file of
// every level from the record's level up to the threshold, and rolls a file over to
// ".bak" when it grows past the size limit.
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <memory>
#include <string>

#include <boost/thread/condition_variable.hpp>
#include <boost/thread/mutex.hpp>
#include <boost/thread/thread.hpp>

class Log {
 public:
  // Levels 0 "emerg" to 8 "all"; a lower number is more severe.
  static constexpr int kLevelCount = 9;
  // Bytes of one record's text, its terminating NUL included.
  static constexpr std::size_t kRecordSize = 8192;

  Log();
  virtual ~Log();
  Log(const Log&) = delete;
  Log& operator=(const Log&) = delete;

  // Opens the level files "<folder>/<name>_<level name>.log" and starts the writer. A level
  // outside 0..8 is taken as 6; an empty folder is the current one. Throws
  // boost::thread_resource_error when the writer cannot start. A second call changes
  // nothing and returns false.
  bool Init(const char* name, int level, int sizeLimit, std::string folder);

  // -1 when the level is above the threshold (or negative), else 0 once queued. A text
  // longer than a record holds is cut.
  int Write(int level, const char* format, ...) __attribute__((format(printf, 3, 4)));

 private:
  struct LogLevelFile {
    std::string path;  // GBK, as the program writes paths
    FILE* file = nullptr;
    int size = 0;      // bytes in the file since it was opened
    bool unflushed = false;
  };
  struct LogRecord {
    int level = 0;
    uint32_t threadId = 0;
    char time[24] = {};
    std::string text;
  };

  void Run();
  bool TakeRecords(std::deque<LogRecord>& records);
  void WriteRecord(const LogRecord& record);
  void WriteLine(LogLevelFile& entry, const std::string& line);
  void FlushFiles();
  void WriteOut();
  void RollOver(LogLevelFile& entry);
  void OpenFile(LogLevelFile& entry);
  void Stop();

  LogLevelFile m_files[kLevelCount];
  const char* const* m_names;
  std::atomic<int> m_level{0};
  int m_maxSize = 0;
  bool m_stop = false;
  std::deque<LogRecord> m_queue;
  boost::mutex m_mutex;
  boost::thread m_thread;
  boost::condition_variable m_cond;
  // Records queued since Init, and those the writer has written and flushed.
  uint64_t m_queued = 0;
  uint64_t m_written = 0;
  boost::condition_variable m_writtenCond;
  bool m_started = false;
  int m_exitHook = -1;
};

// The one text log of the process, defined with the other process-wide objects.
// GLib (under pango and cairo) exports a function of the same name; the object gets a
// symbol of its own, or GLib's warnings would call into it.
extern Log g_log __asm__("patrol_text_log");
