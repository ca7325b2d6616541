#pragma once
// Global memory blocks: fixed ones, whose handle is the memory itself, and movable
// ones, reached through a handle that is locked to get at the bytes. Streams over
// memory (com/) and picture loading hand data around in them.
#include "platform/base/WinTypes.h"

#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR (GMEM_FIXED | GMEM_ZEROINIT)

// Null when the memory cannot be had.
HGLOBAL GlobalAlloc(UINT uFlags, SIZE_T dwBytes);
// A new size for a block, keeping its first bytes; a movable block keeps its handle,
// a fixed one may move. Null (the old block untouched) on failure.
HGLOBAL GlobalReAlloc(HGLOBAL hMem, SIZE_T dwBytes, UINT uFlags);
// The first byte of the block, counting a lock on a movable one; null for a handle
// that is not a block, or an empty one.
LPVOID GlobalLock(HGLOBAL hMem);
// TRUE while the block stays locked; FALSE once unlocked (last error NO_ERROR), or
// when it was not locked at all (ERROR_NOT_LOCKED).
BOOL GlobalUnlock(HGLOBAL hMem);
// Null once freed; the handle back when it was not a block.
HGLOBAL GlobalFree(HGLOBAL hMem);
// The block's size in bytes; 0 for a handle that is not a block.
SIZE_T GlobalSize(HGLOBAL hMem);
