#pragma once
// Opens the camera dialog of a checkpoint over `hwndOwner` and returns once it has
// closed, as the alarm window, the device page and the plan execution view do. The
// dialog runs modally on the calling thread (the broker consumer's, for the alarm
// window). When the owner is the shade, the shade is shown while the dialog is open.
#include "platform/win32.h"

// The dialog's result: always 1 once it ran; 0 when it could not be made.
UINT OpenCameraDialog(HWND hwndOwner, int checkpointId);
