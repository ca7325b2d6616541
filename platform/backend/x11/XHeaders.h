#pragma once
// Xlib, for the backend's own files. X.h names a cursor class "CursorShape" (for
// XQueryBestSize, which we never call); the layer's cursor enum has that name.
#include <X11/Xlib.h>

#undef CursorShape
