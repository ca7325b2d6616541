#pragma once
// The members of one reply element, gathered in one walk over the element, for parsers
// that read many fields of many elements. Each field then reads as dal::ReadInt and
// dal::ReadText read it: a missing member is null, and an element that is neither an
// object nor null raises the JSON library's error at the first field read.
#include <cstddef>
#include <string>

#include <json/json.h>

namespace dal {

class JsonMembers {
 public:
  explicit JsonMembers(const Json::Value& element);
  JsonMembers(const JsonMembers&) = delete;
  JsonMembers& operator=(const JsonMembers&) = delete;

  const Json::Value& operator[](const char* key) const;
  int Int(const char* key) const { return (*this)[key].asInt(); }
  std::string Text(const char* key) const { return (*this)[key].asString(); }

 private:
  struct Member {
    const char* name;
    std::size_t length;
    const Json::Value* value;
  };
  // Replies carry a dozen or two members per record; an element with more is read by
  // searching it per field.
  static constexpr std::size_t kCapacity = 48;

  const Json::Value& element_;
  bool gathered_ = false;
  std::size_t count_ = 0;
  Member members_[kCapacity];
};

}  // namespace dal
