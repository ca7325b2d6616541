#pragma once
// The records file "records.txt" beside the program, written by the reader library: one
// record a line of whitespace-separated tokens, read as bytes. Token 1 is the type,
// 2 a number, 3 the person code in hexadecimal, 4 the checkpoint code, 10 the time; a
// missing token is empty. Every line up to a line feed is a record, and so is a last
// line without one; an empty line gives an empty record.
#include <istream>
#include <list>
#include <string>

#include "app/records/ReaderRecord.h"

class RecordsFile {
 public:
  // "<program folder>\records.txt" (GBK).
  static std::string Path();
  // False when no file is there.
  static bool Read(const std::string& gbkPath, std::list<ReaderRecord>& records);
  static std::list<ReaderRecord> Parse(std::istream& in);
  static ReaderRecord ParseLine(const std::string& line);
  // The leading hexadecimal digits as an unsigned value saturating at 4294967295, with
  // ten decimal digits.
  static std::string PeopleCode(const std::string& token);
};
