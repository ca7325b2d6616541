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

// The patrol server's replies, each through its read's parser.
int FuzzPlans(const uint8_t* data, size_t size);
int FuzzRoutes(const uint8_t* data, size_t size);
int FuzzRouteCheckpoints(const uint8_t* data, size_t size);
int FuzzCheckpoints(const uint8_t* data, size_t size);
int FuzzReaders(const uint8_t* data, size_t size);
int FuzzFingerprints(const uint8_t* data, size_t size);
int FuzzRights(const uint8_t* data, size_t size);
int FuzzAuditLog(const uint8_t* data, size_t size);
int FuzzDeviceRecords(const uint8_t* data, size_t size);
int FuzzExceptionRecord(const uint8_t* data, size_t size);
// The base platform's replies.
int FuzzLoginReply(const uint8_t* data, size_t size);
int FuzzPlatformReplies(const uint8_t* data, size_t size);
int FuzzPlatformUsers(const uint8_t* data, size_t size);
int FuzzCampus(const uint8_t* data, size_t size);
int FuzzAddressXml(const uint8_t* data, size_t size);
// A downloaded picture through the decoder, its pixel budget first.
int FuzzImageDecoder(const uint8_t* data, size_t size);
// An alarm message from the broker.
int FuzzBrokerMessage(const uint8_t* data, size_t size);
// The command-line argument of a token login, two bytes a character.
int FuzzCommandLine(const uint8_t* data, size_t size);
// The server's "&"-separated list of a run's picture names, each name checked.
int FuzzPictureNames(const uint8_t* data, size_t size);

}  // namespace fuzz
