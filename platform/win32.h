#pragma once
// What framework and application code include to reach the platform layer.
#include "platform/base/WinTypes.h"
#include "platform/base/Error.h"
#include "platform/base/CodePage.h"
#include "platform/base/Clock.h"
#include "platform/base/ShowCommands.h"
#include "platform/base/Rect.h"
#include "platform/base/WideFormat.h"
#include "platform/base/Crt.h"
#include "platform/base/CStringW.h"
#include "platform/base/Bstr.h"
#include "platform/base/Path.h"
#include "platform/base/FileApi.h"
#include "platform/base/GlobalMemory.h"
#include "platform/base/Profile.h"
#include "platform/base/Module.h"
#include "platform/base/WinSock.h"
#include "platform/base/Shell.h"
#include "platform/base/Process.h"
#if __has_include("platform/user/User.h")
#include "platform/user/User.h"
#endif
#if __has_include("platform/gdi/Gdi.h")
#include "platform/gdi/Gdi.h"
#endif
