#pragma once
// Real starts of other programs, with a folder of scripts standing in for programs and
// xdg-open: the folder is the whole PATH while a test runs.
#include <gtest/gtest.h>

#include <string>

namespace test {

class ProgramFolderTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A script that writes its folder and arguments, one a line, to the output file.
  void Script(const std::string& path, const std::string& output) const;
  // What the started program wrote; the start is detached, so this waits for it.
  std::string Output(const std::string& path) const;
  std::wstring W(const std::string& relative) const;

  std::string root_;
  std::string savedPath_;
};

}  // namespace test
