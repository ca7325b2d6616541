#pragma once
// The classes this process can create by CLSID or ProgID. Our own objects (the
// spreadsheet application, the browser object, the login component) register here at
// start-up in place of the system registry; tests register stand-ins, or unregister a
// class to make it missing.
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/com/Guid.h"
#include "platform/com/Unknown.h"

#define CLSCTX_INPROC_SERVER 0x1
#define CLSCTX_INPROC_HANDLER 0x2
#define CLSCTX_LOCAL_SERVER 0x4
#define CLSCTX_REMOTE_SERVER 0x10
#define CLSCTX_SERVER (CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER)
#define CLSCTX_ALL (CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER)

// Creates an instance of the class on the calling thread: REGDB_E_CLASSNOTREG when the
// class is not registered, CO_E_NOTINITIALIZED when the thread has not initialised COM,
// CLASS_E_NOAGGREGATION for an outer object, else what the class's creator returns.
HRESULT CoCreateInstance(REFCLSID rclsid, LPUNKNOWN pUnkOuter, DWORD dwClsContext, REFIID riid, LPVOID* ppv);
// The CLSID registered under a ProgID (ASCII case ignored, as registry keys are);
// CO_E_CLASSSTRING for a ProgID nobody registered.
HRESULT CLSIDFromProgID(LPCOLESTR lpszProgID, LPCLSID lpclsid);

namespace platform::com {

class ClassRegistry {
 public:
  // Makes a new object and hands out the asked interface with one reference.
  using Creator = std::function<HRESULT(REFIID riid, void** object)>;

  // Registers a class under its CLSID and, when not empty, a ProgID. A class registered
  // again replaces the earlier registration; false for an empty creator.
  static bool Register(const CLSID& clsid, const std::wstring& progId, Creator creator);
  // Removes the class and its ProgID; false when it was not registered.
  static bool Unregister(const CLSID& clsid);

  static bool Find(const CLSID& clsid, Creator* creator);
  static bool FindProgId(const std::wstring& progId, CLSID* clsid);

 private:
  struct Entry {
    CLSID clsid;
    std::wstring progId;
    Creator creator;
  };

  static std::vector<Entry>& Entries();
  static std::mutex& Mutex();
};

}  // namespace platform::com
