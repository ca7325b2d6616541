#pragma once
// The small structures and constants the OLE interfaces share, and the interfaces they
// only pass along by pointer (monikers, data objects, advise sinks, streams): those are
// declared, never defined, until a user needs them.
#include "platform/com/Unknown.h"

typedef SIZE SIZEL;
typedef SIZE* PSIZEL;
typedef SIZE* LPSIZEL;

typedef struct _POINTL {
  LONG x;
  LONG y;
} POINTL, *PPOINTL;

typedef struct _RECTL {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
} RECTL, *PRECTL, *LPRECTL;
typedef const RECTL* LPCRECTL;

typedef struct tagPOINTF {
  FLOAT x;
  FLOAT y;
} POINTF;

// Which picture of an object is meant.
#define DVASPECT_CONTENT 1
#define DVASPECT_THUMBNAIL 2
#define DVASPECT_ICON 4
#define DVASPECT_DOCPRINT 8

struct tagDVTARGETDEVICE;
typedef struct tagDVTARGETDEVICE DVTARGETDEVICE;
struct tagDVEXTENTINFO;
typedef struct tagDVEXTENTINFO DVEXTENTINFO;
struct tagLOGPALETTE;
typedef struct tagLOGPALETTE LOGPALETTE;
union _ULARGE_INTEGER;
typedef union _ULARGE_INTEGER ULARGE_INTEGER;

struct IMoniker;
struct IBindCtx;
struct IDataObject;
struct IAdviseSink;
struct IDropTarget;
struct IEnumOLEVERB;
struct IEnumSTATDATA;
struct IStream;
typedef IStream* LPSTREAM;
