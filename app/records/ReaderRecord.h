#pragma once
// One line of the records file a reader writes: the fields the import posts.
#include <string>

struct ReaderRecord {
  int iType = 0;
  int iNumber = 0;           // read, not posted
  std::string strPeopleCode;  // ten decimal digits
  std::string strPositionCode;
  std::string strTime;  // YYMMDDhhmmss as the reader wrote it
};
