#pragma once
// Commands sent between an object and its container by command group and number.
#include "platform/com/Unknown.h"
#include "platform/com/Variant.h"

// Command numbers of the standard group (a null group).
enum OLECMDID {
  OLECMDID_OPEN = 1,
  OLECMDID_NEW = 2,
  OLECMDID_SAVE = 3,
  OLECMDID_SAVEAS = 4,
  OLECMDID_PRINT = 6,
  OLECMDID_COPY = 12,
  OLECMDID_PASTE = 13,
  OLECMDID_REFRESH = 22,
  OLECMDID_STOP = 23,
  OLECMDID_SHOWSCRIPTERROR = 40,
};

enum OLECMDF {
  OLECMDF_SUPPORTED = 0x1,
  OLECMDF_ENABLED = 0x2,
  OLECMDF_LATCHED = 0x4,
  OLECMDF_NINCHED = 0x8,
};

enum OLECMDEXECOPT {
  OLECMDEXECOPT_DODEFAULT = 0,
  OLECMDEXECOPT_PROMPTUSER = 1,
  OLECMDEXECOPT_DONTPROMPTUSER = 2,
  OLECMDEXECOPT_SHOWHELP = 3,
};

typedef struct _tagOLECMD {
  ULONG cmdID;
  DWORD cmdf;
} OLECMD;

typedef struct _tagOLECMDTEXT {
  DWORD cmdtextf;
  ULONG cwActual;
  ULONG cwBuf;
  wchar_t rgwz[1];
} OLECMDTEXT;

extern const IID IID_IOleCommandTarget;

struct IOleCommandTarget : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE QueryStatus(const GUID* pguidCmdGroup, ULONG cCmds, OLECMD prgCmds[],
                                                OLECMDTEXT* pCmdText) = 0;
  virtual HRESULT STDMETHODCALLTYPE Exec(const GUID* pguidCmdGroup, DWORD nCmdID, DWORD nCmdexecopt, VARIANT* pvaIn,
                                         VARIANT* pvaOut) = 0;

 protected:
  ~IOleCommandTarget() = default;
};
