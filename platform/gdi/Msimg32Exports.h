#pragma once
// The functions of "msimg32.dll" that the program looks up by name.

namespace platform::gdi {

// The address of "AlphaBlend" or "GradientFill", null for any other name.
void* Msimg32Export(const char* name);

}  // namespace platform::gdi
