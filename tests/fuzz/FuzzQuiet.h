#pragma once
// The data layer's failure lines are caught and dropped while a fuzzer runs: a refused
// input writes one, and a million of them would only fill the disk.
namespace fuzz {

void QuietDataLog();

}  // namespace fuzz
