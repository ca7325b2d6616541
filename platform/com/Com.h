#pragma once
// What code that creates or implements COM objects includes.
#include "platform/com/Apartment.h"
#include "platform/com/TaskMemory.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/Dispatch.h"
#include "platform/com/Guid.h"
#include "platform/com/HResult.h"
#include "platform/com/Unknown.h"
#include "platform/com/Variant.h"
