#pragma once
// Names that come from outside (plan names typed by users, picture names the server
// lists) become parts of local paths. A separator, ".." or a character Windows refuses
// in a file name would write elsewhere or fail, so such names are mended or refused
// here. Names are GBK; the test runs on the characters, since the second byte of a GBK
// character may be the byte of "\" or "|".
#include <string>

// The characters Windows refuses in a file name: controls and \ / : * ? " < > |.
bool IsForbiddenFileNameChar(wchar_t c);

// The plan name as a folder or file name: each forbidden character becomes "_", and
// "." or ".." alone becomes "_". An empty name stays empty.
std::string PlanFileName(const std::string& planName);

// True when the name can be used as it is as one file name: not empty, not "." or "..",
// no forbidden character.
bool IsPlainFileName(const std::string& name);

// The name inside a folder the user chose, joined with that folder's own separator: "/"
// after a folder of this file system ("/..."), "\\" after a Windows one, so that a path
// the user is told holds one kind of separator.
std::string InChosenFolder(const std::string& folder, const std::string& name);
