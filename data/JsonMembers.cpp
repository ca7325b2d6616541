#include "data/JsonMembers.h"

#include <cstring>

namespace dal {

JsonMembers::JsonMembers(const Json::Value& element) : element_(element) {
  if (!element.isObject() || element.size() > kCapacity) return;
  const auto end = element.end();
  for (auto it = element.begin(); it != end; ++it) {
    const char* nameEnd = nullptr;
    const char* name = it.memberName(&nameEnd);
    members_[count_++] = Member{name, static_cast<std::size_t>(nameEnd - name), &*it};
  }
  gathered_ = true;
}

// Names of a dozen members differ mostly in length, so the comparison is cheap next to
// the library's search of its member tree.
const Json::Value& JsonMembers::operator[](const char* key) const {
  if (!gathered_) return element_[key];
  const std::size_t length = std::strlen(key);
  for (std::size_t i = 0; i < count_; ++i) {
    const Member& member = members_[i];
    if (member.length == length && member.name[0] == key[0] && std::memcmp(member.name, key, length) == 0)
      return *member.value;
  }
  return Json::Value::nullSingleton();
}

}  // namespace dal
