// The libFuzzer entry of one target; FUZZ_ENTRY names its function.
#include "tests/fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { return fuzz::FUZZ_ENTRY(data, size); }
