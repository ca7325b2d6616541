#pragma once
// A plan run is named by its run key "YYYY-MM-DD/HH:MM-HH:MM" (the day, the slot's start
// and end); the picture and exception-record services file it under its digits alone,
// the time key "YYYYMMDDhhmmhhmm".
#include <string>

// The time key of a run key; "" when the text is not 22 characters long or its digit
// places hold anything but digits.
std::string TimeKeyFromRunKey(const std::string& runKey);
