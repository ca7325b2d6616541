#include "platform/base/UrlDownload.h"

#include <curl/curl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <mutex>
#include <string>

#include "platform/base/CodePage.h"
#include "platform/base/Path.h"

namespace {

const long kConnectSeconds = 10;
const long kSilentSeconds = 30;

void InitCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t WriteBody(char* data, size_t size, size_t count, void* file) {
  return fwrite(data, size, count, static_cast<FILE*>(file));
}

HRESULT ResultOf(CURLcode code) {
  switch (code) {
    case CURLE_OK: return S_OK;
    case CURLE_URL_MALFORMAT:
    case CURLE_UNSUPPORTED_PROTOCOL: return INET_E_INVALID_URL;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT: return INET_E_CANNOT_CONNECT;
    case CURLE_OPERATION_TIMEDOUT: return INET_E_CONNECTION_TIMEOUT;
    case CURLE_HTTP_RETURNED_ERROR: return INET_E_RESOURCE_NOT_FOUND;
    default: return INET_E_DOWNLOAD_FAILURE;
  }
}

// Runs the transfer into an open file.
HRESULT Fetch(const std::string& url, FILE* file) {
  CURL* curl = curl_easy_init();
  if (curl == nullptr) return E_OUTOFMEMORY;
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 10L);
  curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, kConnectSeconds);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, kSilentSeconds);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &WriteBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, file);
  const CURLcode code = curl_easy_perform(curl);
  long status = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  curl_easy_cleanup(curl);
  // curl lets some refusals through its own check (authentication answers among them).
  if (code == CURLE_OK && status >= 400) return INET_E_RESOURCE_NOT_FOUND;
  return ResultOf(code);
}

}  // namespace

HRESULT URLDownloadToFileW(LPVOID, LPCWSTR szURL, LPCWSTR szFileName, DWORD, LPVOID) {
  if (szURL == nullptr || szFileName == nullptr || *szURL == L'\0' || *szFileName == L'\0') return E_INVALIDARG;
  InitCurlOnce();
  const std::string target = platform::NativePath(std::wstring(szFileName));
  const size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  std::string temp = folder + ".download-XXXXXX";
  const int fd = mkstemp(&temp[0]);
  if (fd < 0) return INET_E_DOWNLOAD_FAILURE;
  fchmod(fd, 0644);  // as a file the program writes itself, not mkstemp's private one
  FILE* file = fdopen(fd, "wb");
  if (file == nullptr) {
    close(fd);
    unlink(temp.c_str());
    return INET_E_DOWNLOAD_FAILURE;
  }
  HRESULT result = Fetch(platform::codepage::WideToUtf8(szURL), file);
  if (fclose(file) != 0 && SUCCEEDED(result)) result = INET_E_DOWNLOAD_FAILURE;
  if (SUCCEEDED(result) && rename(temp.c_str(), target.c_str()) != 0) result = INET_E_DOWNLOAD_FAILURE;
  if (FAILED(result)) unlink(temp.c_str());
  return result;
}
