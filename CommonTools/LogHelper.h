#pragma once
// The asynchronous logger: a caller hands over a level and a finished text, which is
// stamped with the time of day, packed into an archive and queued in log_queue; one
// worker appends each record to "normal.log" (level 0), "warning.log" (level 1) or
// "error.log" (any other level) under <current folder>\logs\YYYYMM\YYYYMMDD.
#include <string>

#include <boost/thread/thread.hpp>

#include "CommonTools/BoundedBuffer.h"

namespace CommonTools {

// The queue between the callers and the worker, 256 records deep; defined with the other
// process-wide objects.
extern bounded_buffer log_queue;

class log_helper {
 public:
  // The one instance, created (and its worker started) on the first call. Null once the
  // instance has been deleted: the logger then takes no more records.
  static log_helper* instance();

  // Queues one record; waits while 256 records wait unread, and drops the record once
  // the logger has been shut down.
  static void write(int level, std::string text);

  // Stops the worker after the record in hand and writes out the records still queued;
  // records written afterwards are dropped.
  ~log_helper();

  log_helper(const log_helper&) = delete;
  log_helper& operator=(const log_helper&) = delete;

 private:
  log_helper();
  void run();
  void stop_worker();

  boost::thread m_thread;
};

}  // namespace CommonTools
