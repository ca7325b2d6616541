// Where the preview looks for the skin named on its command line.
#include <gtest/gtest.h>

#include <string>

#include "tools/skin-preview/SkinLocation.h"

namespace {

using skinpreview::SkinLocation;

struct LocationCase {
  const char* what;
  std::wstring commandLine;
  std::wstring folder;
  std::wstring file;
};

TEST(SkinLocation, CutsTheCommandLineIntoFolderAndFile) {
  const std::wstring program = L"/opt/preview/";
  const LocationCase cases[] = {
      {"nothing given: the sample skin beside the program", L"", L"/opt/preview/skin\\", L"preview.xml"},
      {"only blanks count as nothing", L"  \t ", L"/opt/preview/skin\\", L"preview.xml"},
      {"a bare name is read from the current folder", L"main.xml", L"", L"main.xml"},
      {"a Linux path", L"/home/a/skins/main.xml", L"/home/a/skins/", L"main.xml"},
      {"a Windows path", L"skins\\main\\frame.xml", L"skins\\main\\", L"frame.xml"},
      {"quotes around a path with spaces", L"\"/home/a/my skins/主窗口.xml\"", L"/home/a/my skins/",
       L"主窗口.xml"},
      {"blanks around the path", L"  ./skins/a.xml  ", L"./skins/", L"a.xml"},
      {"a lone quote is part of the name", L"\"a.xml", L"", L"\"a.xml"},
  };
  for (const LocationCase& c : cases) {
    const SkinLocation location = SkinLocation::FromCommandLine(c.commandLine, program);
    EXPECT_EQ(location.folder, c.folder) << c.what;
    EXPECT_EQ(location.file, c.file) << c.what;
  }
}

}  // namespace
