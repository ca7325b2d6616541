#pragma once
// Accelerator tables: key combinations mapped to command ids. The program only makes
// them to hand to hosted controls, which read nothing from them here, so a table is an
// opaque handle over a copy of its entries.
#include "platform/base/WinTypes.h"

// ACCEL::fVirt bits.
#define FVIRTKEY 0x01
#define FNOINVERT 0x02
#define FSHIFT 0x04
#define FCONTROL 0x08
#define FALT 0x10

typedef struct tagACCEL {
  BYTE fVirt;
  WORD key;
  WORD cmd;
} ACCEL, *LPACCEL;

// A new table over a copy of the entries; null (ERROR_INVALID_PARAMETER) for no
// entries or a count below 1.
HACCEL CreateAcceleratorTableW(LPACCEL paccel, int cAccel);
// FALSE (ERROR_INVALID_HANDLE) for a handle that names no table, or one destroyed.
BOOL DestroyAcceleratorTable(HACCEL hAccel);
#define CreateAcceleratorTable CreateAcceleratorTableW
