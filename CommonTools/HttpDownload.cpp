#include "CommonTools/HttpDownload.h"

#include <cstdio>
#include <memory>

#include <curl/curl.h>

#include "CommonTools/CurlGlobal.h"
#include "CommonTools/Log.h"
#include "platform/win32.h"

namespace {

const char kProgressData[] = "* ";

size_t WriteToFile(char* data, size_t size, size_t count, void* file) {
  return fwrite(data, size, count, static_cast<FILE*>(file)) * size;
}

int PrintProgress(void* data, curl_off_t total, curl_off_t received, curl_off_t, curl_off_t) {
  const double share = total > 0 ? static_cast<double>(received) * 100.0 / static_cast<double>(total) : 0.0;
  printf("%s %g / %g (%g %%)\n", static_cast<const char*>(data), static_cast<double>(received),
         static_cast<double>(total), share);
  return 0;
}

int Transfer(CURL* curl, const char* url, FILE* file) {
  curl_easy_setopt(curl, CURLOPT_URL, url);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, file);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, WriteToFile);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, PrintProgress);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, kProgressData);
  // An error page is not the file that was asked for.
  curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
  return curl_easy_perform(curl);
}

}  // namespace

int http_download(const char* szSourceFilePath, const char* szDstLocalFilePath) {
  if (!szSourceFilePath || !szDstLocalFilePath) {
    g_log.Write(3, "[http_download]szSourceFilePath or szDstLocalFilePath is NULL.\n");
    return -1;
  }
  CommonTools::ensure_curl_global_init();
  std::unique_ptr<CURL, void (*)(CURL*)> curl(curl_easy_init(), curl_easy_cleanup);
  int result = CURLE_FAILED_INIT;
  const std::string path = platform::NativePath(std::string(szDstLocalFilePath));
  if (curl) {
    FILE* file = fopen(path.c_str(), "wb");
    if (!file) {
      result = CURLE_WRITE_ERROR;
    } else {
      result = Transfer(curl.get(), szSourceFilePath, file);
      fclose(file);
      if (result != CURLE_OK) remove(path.c_str());
    }
  }
  if (result != CURLE_OK) {
    g_log.Write(3, "[http_download]curl_easy_perform() failed: %s\n",
                curl_easy_strerror(static_cast<CURLcode>(result)));
  }
  return result;
}
