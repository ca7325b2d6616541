#pragma once
// Starting and stopping the GDI+ subset. Nothing needs starting on this platform;
// the calls keep the program's start-up sequence working and may be repeated.
#include "platform/gdiplus/GdiPlusTypes.h"

namespace Gdiplus {

Status GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output);
VOID GdiplusShutdown(ULONG_PTR token);

}  // namespace Gdiplus
