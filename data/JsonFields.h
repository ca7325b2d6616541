#pragma once
// Reading patrol-server replies: the reader the parsers share and the lenient field
// readers. A missing member reads as null; an integer field takes a number, a boolean or
// null; a text field takes a string, a number (its decimal text), a boolean ("true" or
// "false") or null (""). Other types raise the JSON library's error, which the parser
// that called them catches.
#include <string>

#include <json/json.h>

namespace dal {

// Parses the GBK reply text with the reader's default settings. False, with the reader's
// error text, when the text is not JSON.
bool ParseReply(const char* text, Json::Value& root, std::string& errors);

// The text with every double-byte character whose second byte has the value of a
// backslash written so that a JSON reader gives back the same two bytes; empty when the
// text holds no such character.
std::string ShieldGbkBackslashes(const char* text);

int ReadInt(const Json::Value& object, const char* key);
std::string ReadText(const Json::Value& object, const char* key);

}  // namespace dal
