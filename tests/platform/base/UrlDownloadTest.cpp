// Downloads into files: what is left on disk after each kind of answer.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/base/CodePage.h"
#include "platform/base/UrlDownload.h"
#include "testing/files/ScratchFolder.h"
#include "testing/http/FakeHttpServer.h"

namespace {

using test_support::HttpReply;
using test_support::ScratchFolder;

std::wstring Wide(const std::string& text) { return platform::codepage::Utf8ToWide(text); }

// Every file of the folder, so that a temporary file left behind shows.
std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

class UrlDownload : public ::testing::Test {
 protected:
  UrlDownload() {
    server.route("GET", "/photo.png", HttpReply(200, "PNGBYTES", "image/png"));
    server.route("GET", "/missing.png", HttpReply(404, "<html>not found</html>", "text/html"));
    server.route("GET", "/broken.png", HttpReply(500, "oops"));
    server.route("GET", "/locked.png", HttpReply(401, "who?").with_header("WWW-Authenticate", "Basic realm=\"pics\""));
    server.route("GET", "/moved.png", HttpReply(302, "").with_header("Location", "/photo.png"));
    server.route("GET", "/cut.png",
                 HttpReply(200, std::string(4096, 'x')).misbehave(HttpReply::Misbehaviour::CloseMidBody));
  }

  HRESULT Download(const std::string& path, const std::string& target) {
    return URLDownloadToFileW(nullptr, Wide(server.base_url() + path).c_str(), Wide(target).c_str(), 0, nullptr);
  }

  test_support::FakeHttpServer server;
  ScratchFolder folder;
};

TEST_F(UrlDownload, SavesTheBodyFollowingRedirects) {
  for (const char* path : {"photo.png", "moved.png"}) {
    SCOPED_TRACE(path);
    const std::string target = folder.file(u8"用户.png");
    EXPECT_EQ(Download(path, target), S_OK);
    EXPECT_EQ(ScratchFolder::read(target), "PNGBYTES");
    EXPECT_EQ(FilesIn(folder.path()), std::vector<std::string>{u8"用户.png"});
  }
}

TEST_F(UrlDownload, AFailureLeavesNoFileAndKeepsAGoodOne) {
  const struct {
    const char* path;
    HRESULT result;
  } cases[] = {
      {"missing.png", INET_E_RESOURCE_NOT_FOUND},
      {"broken.png", INET_E_RESOURCE_NOT_FOUND},
      {"locked.png", INET_E_RESOURCE_NOT_FOUND},
      {"cut.png", INET_E_DOWNLOAD_FAILURE},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const std::string fresh = folder.file("fresh.png");
    EXPECT_EQ(Download(c.path, fresh), c.result);
    EXPECT_FALSE(std::filesystem::exists(fresh));

    const std::string good = folder.file("good.png");
    ScratchFolder::write(good, "GOOD");
    EXPECT_TRUE(FAILED(Download(c.path, good)));
    EXPECT_EQ(ScratchFolder::read(good), "GOOD");
    EXPECT_EQ(FilesIn(folder.path()), std::vector<std::string>{"good.png"});
    std::filesystem::remove(good);
  }
}

TEST_F(UrlDownload, RefusedConnectionsMissingFoldersAndEmptyArgumentsFail) {
  std::string refused;
  {
    test_support::FakeHttpServer stopped;
    refused = stopped.base_url() + "photo.png";
  }
  EXPECT_EQ(URLDownloadToFileW(nullptr, Wide(refused).c_str(), Wide(folder.file("a.png")).c_str(), 0, nullptr),
            INET_E_CANNOT_CONNECT);
  EXPECT_TRUE(FAILED(Download("photo.png", folder.file("no-such-folder/a.png"))));
  EXPECT_EQ(URLDownloadToFileW(nullptr, L"", Wide(folder.file("a.png")).c_str(), 0, nullptr), E_INVALIDARG);
  EXPECT_EQ(URLDownloadToFileW(nullptr, Wide(server.base_url()).c_str(), nullptr, 0, nullptr), E_INVALIDARG);
  EXPECT_TRUE(FilesIn(folder.path()).empty());
}

TEST_F(UrlDownload, ATargetThatCannotBeWrittenFailsAndLeavesNothingBehind) {
  const std::string taken = folder.file("taken.png");
  std::filesystem::create_directory(taken);
  EXPECT_EQ(Download("photo.png", taken), INET_E_DOWNLOAD_FAILURE);
  EXPECT_TRUE(std::filesystem::is_directory(taken));
  EXPECT_TRUE(std::filesystem::is_empty(taken));
  EXPECT_EQ(FilesIn(folder.path()), std::vector<std::string>{"taken.png"});
}

TEST_F(UrlDownload, AcceptsBackslashPaths) {
  std::string target = folder.file("photo.png");
  std::replace(target.begin(), target.end(), '/', '\\');
  EXPECT_EQ(Download("photo.png", target), S_OK);
  EXPECT_EQ(ScratchFolder::read(folder.file("photo.png")), "PNGBYTES");
}

}  // namespace
