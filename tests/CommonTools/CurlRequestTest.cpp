#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/filesystem/operations.hpp>

#include "CommonTools/CurlRequest.h"
#include "CommonTools/HttpDownload.h"
#include "CommonTools/Log.h"
#include "testing/files/ScratchFolder.h"
#include "testing/http/FakeHttpServer.h"
#include "testing/http/FakeTlsServer.h"
#include "platform/win32.h"
#include "tests/CommonTools/ProcessTextLog.h"

namespace {

using namespace std::chrono_literals;
using test_support::FakeHttpServer;
using test_support::HttpReply;
using test_support::RecordedRequest;
using test_support::ScratchFolder;
using commontest::LoggedErrors;
using commontest::WaitForLogged;

const std::string kGbkPhoto = "\xD5\xD5\xC6\xAC.jpg";                // 照片.jpg
const std::string kUtf8Photo = "\xE7\x85\xA7\xE7\x89\x87.jpg";       // 照片.jpg

unsigned short closed_port() {
  boost::asio::io_context io;
  boost::asio::ip::tcp::acceptor acceptor(io, {boost::asio::ip::make_address("127.0.0.1"), 0});
  return acceptor.local_endpoint().port();
}

class CurlRequestTest : public ::testing::Test {
 protected:
  std::string url(const std::string& rest) const { return server.base_url() + rest; }
  RecordedRequest only_request() const {
    EXPECT_EQ(server.request_count(), 1u);
    const auto all = server.requests();
    return all.empty() ? RecordedRequest() : all.front();
  }

  FakeHttpServer server;
  ScratchFolder folder;
};

TEST_F(CurlRequestTest, SendsTheMethodUpperCased) {
  server.set_fallback(HttpReply(200, "ok"));
  for (const char* method : {"post", "Get", "DELETE", "put"}) {
    server.clear_requests();
    CurlRequest request(url("api/x"));
    request.SetMethod(method);
    const CurlResult result = request.Perform(4000);
    EXPECT_TRUE(result.ok) << method;
    std::string upper = method;
    for (char& ch : upper) ch = static_cast<char>(toupper(ch));
    EXPECT_EQ(only_request().method, upper);
  }
}

TEST_F(CurlRequestTest, SendsTheFirstValueOfEachHeaderInNameOrder) {
  server.set_fallback(HttpReply(200, "ok"));
  CurlRequest request(url("UserMgr/PowerMgr/GetIdentityTypeByUserID?UserID=u1"));
  request.SetMethod("GET")
      .AddHeader("userId", "u1")
      .AddHeader("Authorization", "X-Token=first")
      .AddHeader("Authorization", "X-Token=second")
      .AddHeader("Content-Type", "application/x-www-form-urlencoded");
  ASSERT_TRUE(request.Perform(4000).ok);
  const RecordedRequest sent = only_request();
  std::vector<std::pair<std::string, std::string>> ours;
  for (const auto& header : sent.headers) {
    if (header.first == "Authorization" || header.first == "Content-Type" || header.first == "userId") {
      ours.push_back(header);
    }
  }
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"Authorization", "X-Token=first"},
      {"Content-Type", "application/x-www-form-urlencoded"},
      {"userId", "u1"}};
  EXPECT_EQ(ours, expected);
  EXPECT_EQ(sent.target, "/UserMgr/PowerMgr/GetIdentityTypeByUserID?UserID=u1");
}

// A header value from outside (the token, a user id) that holds a line break would end
// its header there and pass the rest off as headers of its own: nothing is sent, the
// result is failed, and the log names the header but never its value.
TEST_F(CurlRequestTest, AHeaderHoldingALineBreakSendsNothing) {
  LoggedErrors();  // the log starts before the lines are written
  server.set_fallback(HttpReply(200, "ok"));
  const struct {
    const char* what;
    std::string name;
    std::string value;
  } cases[] = {
      {"CR LF in a token", "Authorization", "X-Token=abc\r\nX-Evil: 1"},
      {"LF alone", "userId", "u1\nX-Evil: 1"},
      {"CR alone", "userName", "u1\rX-Evil: 1"},
      {"NUL cutting the value short", "userId", std::string("u1\0X-Evil", 9)},
      {"a line break in the name", "X-A\r\nX-Evil", "1"},
  };
  for (const auto& c : cases) {
    CurlRequest request(url("buildingInfo/getAllBuilding"));
    request.SetMethod("GET").AddHeader("sysId", "E61").AddHeader(c.name, c.value);
    const CurlResult result = request.Perform(4000);
    EXPECT_FALSE(result.ok) << c.what;
    EXPECT_EQ(result.text, "curl header refused") << c.what;
  }
  EXPECT_EQ(server.request_count(), 0u);
  EXPECT_TRUE(WaitForLogged("[CurlRequest]header Authorization holds a line break: the request was not sent\n"));
  EXPECT_TRUE(WaitForLogged("[CurlRequest]header userId holds a line break: the request was not sent\n"));
  EXPECT_EQ(LoggedErrors().find("X-Token=abc"), std::string::npos) << "the value stays out of the log";
}

// The upload of a picture: fields in their names' order, then the file part under the
// file's GBK name; the header lines, when there are any, replace the multipart line.
TEST_F(CurlRequestTest, SendsFormFieldsBeforeTheFilePart) {
  server.route("POST", "/Upload.ashx", HttpReply(200, "1"));
  const std::string picture = std::string("\xFF\xD8\xFF\xE0", 4) + std::string(1000, '\0') + "\xFF\xD9";
  ScratchFolder::write(folder.path() + "/" + kUtf8Photo, picture);
  struct Case {
    const char* what;
    bool withHeader;
    const char* contentType;
  } cases[] = {
      {"multipart line", false, "multipart/form-data;charset=UTF-8; boundary="},
      {"header lines instead", true, "multipart/form-data; boundary="},
  };
  for (const Case& c : cases) {
    server.clear_requests();
    CurlRequest request(url("Upload.ashx"));
    const char* empty = "";
    request.m_formFields["name"] = empty;
    request.m_formFields["chunks"] = "1";
    request.m_formFields["chunk"] = "0";
    request.SetMethod("POST").SetFilePart("file", folder.path() + "\\" + kGbkPhoto);
    if (c.withHeader) request.AddHeader("sysId", "E61");
    const CurlResult result = request.Perform(4000);
    EXPECT_TRUE(result.ok) << c.what;
    EXPECT_EQ(result.text, "1") << c.what;
    const RecordedRequest sent = only_request();
    const std::string type = sent.header("Content-Type");
    EXPECT_EQ(type.substr(0, std::string(c.contentType).size()), c.contentType) << c.what;
    EXPECT_EQ(sent.has_header("sysId"), c.withHeader) << c.what;
    ASSERT_EQ(sent.parts.size(), 4u) << c.what;
    const char* names[] = {"chunk", "chunks", "name", "file"};
    const char* values[] = {"0", "1", ""};
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(sent.parts[i].name, names[i]) << c.what;
      EXPECT_EQ(sent.parts[i].body, values[i]) << c.what;
      EXPECT_FALSE(sent.parts[i].has_filename) << c.what;
    }
    EXPECT_EQ(sent.parts[3].name, "file") << c.what;
    EXPECT_EQ(sent.parts[3].filename, kGbkPhoto) << c.what;
    EXPECT_EQ(sent.parts[3].body, picture) << c.what;
  }
}

TEST_F(CurlRequestTest, UploadsALargeFileThroughExpectContinue) {
  server.route("POST", "/Upload.ashx", HttpReply(200, "1"));
  std::string large(3u << 20, 'p');
  ScratchFolder::write(folder.file("large.jpg"), large);
  CurlRequest request(url("Upload.ashx"));
  request.SetMethod("POST").SetFilePart("file", folder.file("large.jpg"));
  const CurlResult result = request.Perform(20000);
  EXPECT_TRUE(result.ok);
  const RecordedRequest sent = only_request();
  EXPECT_EQ(sent.header("Expect"), "100-continue");
  ASSERT_EQ(sent.parts.size(), 1u);
  EXPECT_EQ(sent.parts[0].body.size(), large.size());
}

TEST_F(CurlRequestTest, ReportsEachOutcome) {
  server.route("GET", "/gbk", HttpReply(200, "{\"Msg\":\"\xE4\xB8\xAD\xE6\x96\x87\"}"));
  server.route("GET", "/missing", HttpReply(404, "no such page"));
  server.route("GET", "/bad-utf8", HttpReply(200, "a\xFF\xFE" "b"));
  server.route("GET", "/slow", HttpReply(200, "late").after(3s));
  struct Case {
    const char* what;
    std::string url;
    std::string filePart;
    bool ok;
    std::string text;
  } cases[] = {
      {"UTF-8 reply", url("gbk"), "", true, "{\"Msg\":\"\xD6\xD0\xCE\xC4\"}"},
      {"404 with a body", url("missing"), "", true, "no such page"},
      {"reply not UTF-8", url("bad-utf8"), "", false, ""},
      {"refused", "http://127.0.0.1:" + std::to_string(closed_port()) + "/x", "", false, ""},
      {"time-out", url("slow"), "", false, ""},
      {"URL not GBK", url("\x81"), "", false, ""},
      {"file part missing", url("gbk"), folder.file("absent.jpg"), false, "curl setopt form failed"},
  };
  for (const Case& c : cases) {
    CurlRequest request(c.url);
    if (!c.filePart.empty()) request.SetFilePart("file", c.filePart);
    const CurlResult result = request.Perform(300);
    EXPECT_EQ(result.ok, c.ok) << c.what;
    EXPECT_EQ(result.text, c.text) << c.what;
  }
}

TEST_F(CurlRequestTest, DownloadRefusesANullArgument) {
  LoggedErrors();
  EXPECT_EQ(http_download(nullptr, folder.file("x.jpg").c_str()), -1);
  EXPECT_EQ(http_download(url("x.jpg").c_str(), nullptr), -1);
  EXPECT_TRUE(WaitForLogged("[http_download]szSourceFilePath or szDstLocalFilePath is NULL.\n"));
  EXPECT_FALSE(boost::filesystem::exists(folder.file("x.jpg")));
  EXPECT_EQ(server.request_count(), 0u);
}

TEST_F(CurlRequestTest, DownloadSavesTheFileOrLeavesNone) {
  const std::string picture = std::string("\x89PNG\r\n\x1A\n\0\0", 10) + std::string(300000, 'q');
  server.route("GET", "/ResPic/7/1/a.png", HttpReply(200, picture, "image/png"));
  server.route("GET", "/ResPic/7/1/cut.png",
               HttpReply(200, picture, "image/png").misbehave(HttpReply::Misbehaviour::CloseMidBody));
  struct Case {
    const char* what;
    std::string source;
    std::string destination;
    bool exists_before;
    int result;
    bool saved;
  } cases[] = {
      {"success", url("ResPic/7/1/a.png"), folder.file("a.png"), false, 0, true},
      {"replaces an older file", url("ResPic/7/1/a.png"), folder.file("b.png"), true, 0, true},
      {"404", url("ResPic/7/1/none.png"), folder.file("c.png"), false, 22, false},
      {"404 over an older file", url("ResPic/7/1/none.png"), folder.file("d.png"), true, 22, false},
      {"cut short", url("ResPic/7/1/cut.png"), folder.file("e.png"), false, 18, false},
      {"folder missing", url("ResPic/7/1/a.png"), folder.file("no/such/f.png"), false, 23, false},
  };
  for (const Case& c : cases) {
    if (c.exists_before) ScratchFolder::write(c.destination, "older content");
    EXPECT_EQ(http_download(c.source.c_str(), c.destination.c_str()), c.result) << c.what;
    EXPECT_EQ(boost::filesystem::exists(c.destination), c.saved) << c.what;
    if (c.saved) {
      EXPECT_EQ(ScratchFolder::read(c.destination), picture) << c.what;
    }
  }
}

TEST_F(CurlRequestTest, DownloadTakesABackslashPathWithAGbkName) {
  server.route("GET", "/p.jpg", HttpReply(200, "jpeg bytes", "image/jpeg"));
  const std::string destination = folder.path() + "\\" + kGbkPhoto;
  EXPECT_EQ(http_download(url("p.jpg").c_str(), destination.c_str()), 0);
  EXPECT_EQ(ScratchFolder::read(folder.path() + "/" + kUtf8Photo), "jpeg bytes");
}

}  // namespace

namespace {

// A reply past the request's cap ends the transfer as a failure; one at the cap is whole.
TEST(CurlReplyCap, AReplyOverTheCapFails) {
  FakeHttpServer server;
  server.route("GET", "/at-cap", HttpReply(200, std::string(1 << 20, 'a')));
  server.route("GET", "/over-cap", HttpReply(200, std::string((1 << 20) + 1, 'a')));
  const struct {
    const char* path;
    bool ok;
  } cases[] = {{"at-cap", true}, {"over-cap", false}};
  for (const auto& c : cases) {
    const CurlResult result = CurlRequest(server.base_url() + c.path).SetReplyCap(1 << 20).Perform(4000);
    EXPECT_EQ(result.ok, c.ok) << c.path;
    EXPECT_EQ(result.text.size(), c.ok ? static_cast<std::size_t>(1 << 20) : 0u) << c.path;
  }
}

std::string TlsFile(const std::string& name) { return std::string(TLS_TEST_FILES) + "/" + name; }

// libcurl's clients keep its certificate checks on: a server the system's authorities did
// not sign gets no request, whether asked through a request, a download or the platform's
// URL download.
TEST(CurlTls, ServersWithoutAVerifiedCertificateGetNoRequest) {
  test_support::FakeTlsServer tls(TlsFile("selfsigned.pem"), TlsFile("selfsigned.key"), "secret");
  const std::string url = "https://127.0.0.1:" + std::to_string(tls.port()) + "/a.png";
  ScratchFolder folder;
  EXPECT_FALSE(CurlRequest(url).Perform(4000).ok);
  EXPECT_NE(http_download(url.c_str(), folder.file("a.png").c_str()), 0);
  const std::wstring wideUrl(url.begin(), url.end());
  const std::string target = folder.file("b.png");
  EXPECT_TRUE(FAILED(URLDownloadToFileW(nullptr, wideUrl.c_str(), std::wstring(target.begin(), target.end()).c_str(),
                                        0, nullptr)));
  EXPECT_EQ(tls.request_count(), 0u);
}

}  // namespace
