#pragma once
// The import of a docked reader's records, run on the import worker: the reader writes
// its records into the records file, each line goes to the patrol server as a device
// record, and the reader is emptied only once every record is on the server. Toasts
// report each outcome in order as it happens (ShowToast is safe from the worker); the
// records fetched after the upload are handed back for the page to show on its own
// thread.
#include <list>

#include "app/records/ReaderRecord.h"
#include "data/DeviceRecordInfo.h"

class ReaderImport {
 public:
  struct Outcome {
    // Set when records were posted: the server's device records after the posts.
    bool refreshed = false;
    std::list<DeviceRecordInfo> records;
  };

  // The import, then the reader closed whatever the import did.
  static Outcome Run();

 private:
  static Outcome Import();
  // The number of records the server refused.
  static int PostAll(const std::list<ReaderRecord>& records, int readerId);
};
