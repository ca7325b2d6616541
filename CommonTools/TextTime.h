#pragma once
// Splitting texts and the two local-time texts.
#include <string>
#include <vector>

#include "platform/win32.h"

namespace CommonTools {

// Splits at every character that occurs in separators. Adjacent separators leave an
// empty piece between them; an empty text gives one empty piece.
std::vector<std::string> split(std::string text, std::string separators);

// The local time as "YYYY-MM-DD hh:mm:ss".
std::string now_text();

// The local year, month, day, hour, minute and second as unpadded decimal numbers
// written one after another ("202263957" at 09:05:07 on 3 June 2022).
std::string now_digits();

// The two forms above for a given time.
std::string time_text(const SYSTEMTIME& time);
std::string time_digits(const SYSTEMTIME& time);

}  // namespace CommonTools
