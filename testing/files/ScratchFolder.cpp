#include "testing/files/ScratchFolder.h"

#include <fstream>
#include <sstream>

#include <boost/filesystem/operations.hpp>

namespace test_support {

ScratchFolder::ScratchFolder() {
  const auto folder = boost::filesystem::temp_directory_path() /
                      boost::filesystem::unique_path("patrol-test-%%%%-%%%%-%%%%");
  boost::filesystem::create_directories(folder);
  path_ = folder.string();
}

ScratchFolder::~ScratchFolder() {
  boost::system::error_code ignored;
  boost::filesystem::remove_all(path_, ignored);
}

std::string ScratchFolder::file(const std::string& name) const { return path_ + "/" + name; }

std::string ScratchFolder::read(const std::string& nativePath) {
  std::ifstream in(nativePath, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void ScratchFolder::write(const std::string& nativePath, const std::string& bytes) {
  std::ofstream out(nativePath, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace test_support
