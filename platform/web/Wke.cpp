#include "platform/web/Wke.h"

void wkeInitialize() {}

void jsBindFunction(const char*, jsNativeFunction, unsigned int) {}

jsValue jsUndefined() { return 0; }
