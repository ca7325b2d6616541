#pragma once
// The web engine's entry points that start-up calls. The engine itself comes with the
// embedded web view; until then starting it and binding a native function do nothing.
#include <cstdint>

typedef struct jsExecStateTag* jsExecState;
typedef int64_t jsValue;
typedef jsValue (*jsNativeFunction)(jsExecState es);

void wkeInitialize();
// Makes fn callable from every page's script as name(arg1, ..., argN).
void jsBindFunction(const char* name, jsNativeFunction fn, unsigned int argCount);
// The value scripts read as undefined.
jsValue jsUndefined();
