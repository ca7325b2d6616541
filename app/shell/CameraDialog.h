#pragma once
// The camera dialog of a checkpoint, as the alarm window and the pages open it: owned by
// the opener, titled "摄像头播放", centred, modal on the opener's thread. Until the player
// is built the dialog only names the checkpoint.
#include <functional>

#include "platform/win32.h"

// Returns the dialog's result.
UINT OpenCameraDialog(HWND hwndOwner, int checkpointId);

using CameraDialogOpener = std::function<UINT(HWND hwndOwner, int checkpointId)>;

// While set, OpenCameraDialog hands its call to this opener instead of showing the
// dialog. Returns the opener it replaced; an empty one restores the dialog.
CameraDialogOpener SetCameraDialogOpener(CameraDialogOpener opener);
