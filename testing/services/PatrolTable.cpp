#include "testing/services/PatrolTable.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <stdexcept>
#include <utility>

#include "testing/services/WireJson.h"

namespace test_support {

namespace {

bool IsDecimalText(const std::string& text) {
  std::size_t i = (!text.empty() && text[0] == '-') ? 1 : 0;
  if (i >= text.size() || text.size() - i > 10) return false;
  for (; i < text.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  }
  const long long value = std::stoll(text);
  return value >= INT_MIN && value <= INT_MAX;
}

}  // namespace

PatrolTable::PatrolTable(std::string id_key, std::vector<PatrolField> fields)
    : id_key_(std::move(id_key)), fields_(std::move(fields)) {}

bool PatrolTable::convert(const Json::Value& value, FieldKind kind, Json::Value& converted) {
  switch (kind) {
    case FieldKind::Number:
      if (!value.isInt()) return false;
      converted = value.asInt();
      return true;
    case FieldKind::DigitText:
      if (!value.isString() || !IsDecimalText(value.asString())) return false;
      converted = std::stoi(value.asString());
      return true;
    case FieldKind::Text:
      if (!value.isString()) return false;
      converted = value;
      return true;
  }
  return false;
}

bool PatrolTable::to_reply(const Json::Value& body, Json::Value& reply) const {
  if (!body.isObject() || body.size() != fields_.size()) return false;
  reply = Json::Value(Json::objectValue);
  for (const PatrolField& field : fields_) {
    if (!body.isMember(field.request_key)) return false;
    Json::Value converted;
    if (!convert(body[field.request_key], field.kind, converted)) return false;
    if (!field.reply_key.empty()) reply[field.reply_key] = converted;
  }
  return true;
}

int PatrolTable::add(const Json::Value& body) {
  Json::Value reply;
  if (!to_reply(body, reply)) return -1;
  std::lock_guard<std::mutex> lock(mutex_);
  const int id = next_id_++;
  if (!id_key_.empty()) reply[id_key_] = id;
  index_entry(id, reply);
  std::string wire = write_wire_json(reply);
  entries_[id] = Entry{reply, body, std::move(wire)};
  return id;
}

bool PatrolTable::update(int id, const Json::Value& body) {
  Json::Value reply;
  if (!to_reply(body, reply)) return false;
  std::lock_guard<std::mutex> lock(mutex_);
  const auto entry = entries_.find(id);
  if (entry == entries_.end()) return false;
  if (!id_key_.empty()) reply[id_key_] = id;
  unindex_entry(id, entry->second.reply);
  index_entry(id, reply);
  std::string wire = write_wire_json(reply);
  entry->second = Entry{reply, body, std::move(wire)};
  return true;
}

bool PatrolTable::remove(int id) {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto entry = entries_.find(id);
  if (entry == entries_.end()) return false;
  unindex_entry(id, entry->second.reply);
  entries_.erase(entry);
  return true;
}

int PatrolTable::seed(Json::Value record) {
  std::string wire = write_wire_json(record);
  std::lock_guard<std::mutex> lock(mutex_);
  int id = next_id_;
  if (!id_key_.empty() && record[id_key_].isInt()) id = record[id_key_].asInt();
  if (id >= next_id_) next_id_ = id + 1;
  const auto old = entries_.find(id);
  if (old != entries_.end()) unindex_entry(id, old->second.reply);
  index_entry(id, record);
  entries_[id] = Entry{std::move(record), Json::Value(), std::move(wire)};
  return id;
}

void PatrolTable::index_entry(int id, const Json::Value& reply) {
  for (auto& [key, values] : indexes_) {
    if (reply[key].isInt()) values[reply[key].asInt()].insert(id);
  }
  for (auto& [key, texts] : text_indexes_) {
    if (reply[key].isString()) texts[reply[key].asString()].insert(id);
  }
}

void PatrolTable::unindex_entry(int id, const Json::Value& reply) {
  for (auto& [key, values] : indexes_) {
    if (!reply[key].isInt()) continue;
    const auto ids = values.find(reply[key].asInt());
    if (ids == values.end()) continue;
    ids->second.erase(id);
    if (ids->second.empty()) values.erase(ids);
  }
  for (auto& [key, texts] : text_indexes_) {
    if (!reply[key].isString()) continue;
    const auto ids = texts.find(reply[key].asString());
    if (ids == texts.end()) continue;
    ids->second.erase(id);
    if (ids->second.empty()) texts.erase(ids);
  }
}

void PatrolTable::index_on(const std::string& key) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto& values = indexes_[key];
  values.clear();
  for (const auto& entry : entries_) {
    if (entry.second.reply[key].isInt()) values[entry.second.reply[key].asInt()].insert(entry.first);
  }
}

Json::Value PatrolTable::select_where(const std::string& key, int value, const Filter& keep) const {
  Json::Value selected(Json::arrayValue);
  std::lock_guard<std::mutex> lock(mutex_);
  const auto index = indexes_.find(key);
  if (index == indexes_.end()) throw std::logic_error("no index on " + key);
  const auto ids = index->second.find(value);
  if (ids == index->second.end()) return selected;
  for (int id : ids->second) {
    const Json::Value& reply = entries_.at(id).reply;
    if (!keep || keep(reply)) selected.append(reply);
  }
  return selected;
}

void PatrolTable::index_on_text(const std::string& key) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto& texts = text_indexes_[key];
  texts.clear();
  for (const auto& entry : entries_) {
    if (entry.second.reply[key].isString()) texts[entry.second.reply[key].asString()].insert(entry.first);
  }
}

std::vector<int> PatrolTable::ids_between(const std::string& key, const std::string& from,
                                         const std::string& to) const {
  const auto index = text_indexes_.find(key);
  if (index == text_indexes_.end()) throw std::logic_error("no text index on " + key);
  std::vector<int> ids;
  if (to < from) return ids;
  for (auto texts = index->second.lower_bound(from); texts != index->second.end() && texts->first <= to; ++texts) {
    ids.insert(ids.end(), texts->second.begin(), texts->second.end());
  }
  std::sort(ids.begin(), ids.end());
  return ids;
}

Json::Value PatrolTable::select_text_between(const std::string& key, const std::string& from, const std::string& to,
                                             const Filter& keep) const {
  Json::Value selected(Json::arrayValue);
  std::lock_guard<std::mutex> lock(mutex_);
  for (int id : ids_between(key, from, to)) {
    const Json::Value& reply = entries_.at(id).reply;
    if (!keep || keep(reply)) selected.append(reply);
  }
  return selected;
}

std::string PatrolTable::wire_text_between(const std::string& key, const std::string& from,
                                           const std::string& to) const {
  std::string text = "[";
  std::lock_guard<std::mutex> lock(mutex_);
  for (int id : ids_between(key, from, to)) {
    if (text.size() > 1) text += ',';
    text += entries_.at(id).wire;
  }
  return text + "]";
}

Json::Value PatrolTable::find(int id) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto entry = entries_.find(id);
  return entry == entries_.end() ? Json::Value() : entry->second.reply;
}

Json::Value PatrolTable::select(const Filter& keep) const {
  Json::Value selected(Json::arrayValue);
  std::lock_guard<std::mutex> lock(mutex_);
  for (const auto& entry : entries_) {
    if (!keep || keep(entry.second.reply)) selected.append(entry.second.reply);
  }
  return selected;
}

Json::Value PatrolTable::first(const Filter& keep) const {
  std::lock_guard<std::mutex> lock(mutex_);
  for (const auto& entry : entries_) {
    if (keep(entry.second.reply)) return entry.second.reply;
  }
  return Json::Value();
}

int PatrolTable::first_id(const Filter& keep) const {
  std::lock_guard<std::mutex> lock(mutex_);
  for (const auto& entry : entries_) {
    if (keep(entry.second.reply)) return entry.first;
  }
  return 0;
}

Json::Value PatrolTable::request_of(int id) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto entry = entries_.find(id);
  return entry == entries_.end() ? Json::Value() : entry->second.request;
}

std::size_t PatrolTable::size() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return entries_.size();
}

}  // namespace test_support
