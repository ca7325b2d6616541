#pragma once
// One table of the fake patrol server: records in ascending id, each kept both in the form
// the replies give (numbers for every integer) and as the request that last wrote it.
// Writes are checked strictly: a body that misses a field, has one too many, or sends one
// in the wrong JSON form is refused and changes nothing. Safe to use from any thread.
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include <json/json.h>

#include "testing/services/PatrolField.h"

namespace test_support {

class PatrolTable {
 public:
  using Filter = std::function<bool(const Json::Value& record)>;

  // id_key: the reply key of the record's id ("" when the replies carry none).
  PatrolTable(std::string id_key, std::vector<PatrolField> fields);

  // The new id, or -1 when the body does not match the fields.
  int add(const Json::Value& body);
  // False when there is no such record or the body does not match the fields.
  bool update(int id, const Json::Value& body);
  bool remove(int id);
  // Stores a record given in reply form as it stands (a test's seed); its id is taken from
  // id_key when present, else the next one is given.
  int seed(Json::Value record);

  // The reply forms of the records that pass the filter, ascending id.
  Json::Value select(const Filter& keep) const;
  Json::Value all() const { return select(nullptr); }
  // Keeps the ids of the records by the integer under key from now on, so that
  // select_where answers without a scan (a server of a big school needs it).
  void index_on(const std::string& key);
  // The reply forms of the records whose integer under key is value and that pass the
  // filter, ascending id; key must be indexed.
  Json::Value select_where(const std::string& key, int value, const Filter& keep = nullptr) const;
  // Keeps the ids of the records by the text under key from now on, so that
  // select_text_between answers without a scan.
  void index_on_text(const std::string& key);
  // The reply forms of the records whose text under key lies from `from` to `to` (both
  // included, compared as bytes) and that pass the filter, ascending id; key must be
  // indexed as text.
  Json::Value select_text_between(const std::string& key, const std::string& from, const std::string& to,
                                  const Filter& keep = nullptr) const;
  // What write_wire_json makes of select_text_between without a filter, from each record's
  // wire text kept since its last write, so a big reply costs no more than its copying.
  std::string wire_text_between(const std::string& key, const std::string& from, const std::string& to) const;
  // The record of an id, or null.
  Json::Value find(int id) const;
  // The first record that passes, or null.
  Json::Value first(const Filter& keep) const;
  // Its id, or 0.
  int first_id(const Filter& keep) const;
  // The request that last wrote the record (null for a seeded one or an unknown id).
  Json::Value request_of(int id) const;
  std::size_t size() const;

  // A value in the field's request form converted to its reply form; false when the form
  // is wrong.
  static bool convert(const Json::Value& value, FieldKind kind, Json::Value& converted);

 private:
  struct Entry {
    Json::Value reply;
    Json::Value request;
    std::string wire;  // the reply form as the wire carries it
  };

  bool to_reply(const Json::Value& body, Json::Value& reply) const;
  // Under the lock (ids_between: the ids whose text under key lies from `from` to `to`,
  // ascending).
  std::vector<int> ids_between(const std::string& key, const std::string& from, const std::string& to) const;
  void index_entry(int id, const Json::Value& reply);
  void unindex_entry(int id, const Json::Value& reply);

  const std::string id_key_;
  const std::vector<PatrolField> fields_;
  mutable std::mutex mutex_;
  std::map<int, Entry> entries_;
  // key -> value -> ids
  std::map<std::string, std::map<int, std::set<int>>> indexes_;
  // key -> text -> ids
  std::map<std::string, std::map<std::string, std::set<int>>> text_indexes_;
  int next_id_ = 1;
};

}  // namespace test_support
