#pragma once
// Plan names typed by users become folder and file names of the exports. A separator,
// ".." or a character Windows refuses in a file name would write elsewhere or fail, so
// such a name is mended here (names that are refused instead pass
// CommonTools::is_plain_file_name).
#include <string>

// The plan name as a folder or file name: each forbidden character becomes "_", "." or
// ".." alone becomes "_", and a name ending in "." or " " or naming a device ("CON",
// "lpt1.x") gets a "_" appended. An empty name stays empty.
std::string PlanFileName(const std::string& planName);

