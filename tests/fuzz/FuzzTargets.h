#pragma once
// The inputs the fuzzers feed, one function each: libFuzzer's entry calls one of them
// (FuzzMain.cpp), and the normal suite replays each one's committed corpus through it.
// Every function takes any bytes and returns 0; a fault is a crash or a sanitizer report.
#include <cstddef>
#include <cstdint>

namespace fuzz {

// The skin markup parser on a document's bytes, its tree walked whole.
int FuzzMarkupParser(const uint8_t* data, size_t size);
// The skin builder on a small skin given as text, on a window's manager.
int FuzzDialogBuilder(const uint8_t* data, size_t size);
// A list reply of the patrol server (patrol records).
int FuzzReplyList(const uint8_t* data, size_t size);
// A single-record reply of the patrol server (a patrol person by id).
int FuzzReplyRecord(const uint8_t* data, size_t size);
// The skin archive reader: the directory, every item whole and in small parts.
int FuzzZipReader(const uint8_t* data, size_t size);
// The profile (INI) reader: every section, key and value of a file.
int FuzzProfileReader(const uint8_t* data, size_t size);
// The skin value readers and the image description, line by line.
int FuzzValueParsers(const uint8_t* data, size_t size);
// The markup text layout, measured and drawn on the headless backend.
int FuzzMarkupText(const uint8_t* data, size_t size);
// The records file a reader leaves for the import: every line a record, its person code
// always ten digits.
int FuzzRecordsFile(const uint8_t* data, size_t size);

}  // namespace fuzz
