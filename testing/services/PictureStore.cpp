#include "testing/services/PictureStore.h"

#include <algorithm>

namespace test_support {

void PictureStore::store(int plan, const std::string& time, const std::string& name, std::string bytes) {
  std::lock_guard<std::mutex> lock(mutex_);
  Pictures& pictures = runs_[{plan, time}];
  for (auto& picture : pictures) {
    if (picture.first == name) {
      picture.second = std::move(bytes);
      return;
    }
  }
  pictures.emplace_back(name, std::move(bytes));
}

bool PictureStore::erase(int plan, const std::string& time, const std::string& name) {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto run = runs_.find({plan, time});
  if (run == runs_.end()) return false;
  Pictures& pictures = run->second;
  const auto found = std::find_if(pictures.begin(), pictures.end(),
                                  [&](const auto& picture) { return picture.first == name; });
  if (found == pictures.end()) return false;
  pictures.erase(found);
  return true;
}

std::vector<std::string> PictureStore::names(int plan, const std::string& time) const {
  std::vector<std::string> names;
  std::lock_guard<std::mutex> lock(mutex_);
  const auto run = runs_.find({plan, time});
  if (run == runs_.end()) return names;
  for (const auto& picture : run->second) names.push_back(picture.first);
  return names;
}

std::string PictureStore::bytes(int plan, const std::string& time, const std::string& name) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto run = runs_.find({plan, time});
  if (run == runs_.end()) return std::string();
  for (const auto& picture : run->second) {
    if (picture.first == name) return picture.second;
  }
  return std::string();
}

}  // namespace test_support
