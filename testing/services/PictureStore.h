#pragma once
// The pictures of plan runs behind the fake patrol server's "Upload.ashx": per plan and
// run time, file names in upload order with their bytes. Safe to use from any thread.
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace test_support {

class PictureStore {
 public:
  // A second upload under the same name replaces the bytes and keeps the place.
  void store(int plan, const std::string& time, const std::string& name, std::string bytes);
  // False when there is no such picture.
  bool erase(int plan, const std::string& time, const std::string& name);
  std::vector<std::string> names(int plan, const std::string& time) const;
  // "" when there is no such picture.
  std::string bytes(int plan, const std::string& time, const std::string& name) const;

 private:
  using Pictures = std::vector<std::pair<std::string, std::string>>;
  mutable std::mutex mutex_;
  std::map<std::pair<int, std::string>, Pictures> runs_;
};

}  // namespace test_support
