#pragma once
// One form or multipart request over libcurl, run synchronously on the caller's thread:
// its own header lines, form fields and a file part. The URL goes out in UTF-8 and the
// reply comes back in GBK; header lines, field names and values go out as given, each
// header on one line.
#include <cstring>
#include <cstddef>
#include <map>
#include <memory>
#include <string>

#include <curl/curl.h>

#include "CommonTools/CurlResult.h"

class CurlRequest {
 public:
  // Fields are ordered by their names' text, whatever their pointers.
  struct NameLess {
    bool operator()(const char* a, const char* b) const { return std::strcmp(a, b) < 0; }
  };
  using FormFields = std::map<const char*, const char*, NameLess>;

  explicit CurlRequest(std::string url);
  ~CurlRequest();
  CurlRequest(const CurlRequest&) = delete;
  CurlRequest& operator=(const CurlRequest&) = delete;

  // Stored upper-cased and sent as the request's method.
  CurlRequest& SetMethod(const std::string& method);
  // The first value added under a name is the one sent.
  CurlRequest& AddHeader(const std::string& name, const std::string& value);
  CurlRequest& SetFilePart(const std::string& fieldName, const std::string& localPath);

  // The largest reply taken; a larger one ends the transfer as a failed result, so a
  // broken or hostile service cannot fill the memory within the time-out.
  static constexpr std::size_t kDefaultReplyCap = 64u << 20;
  CurlRequest& SetReplyCap(std::size_t bytes);

  // Where the write callback appends, and how much it takes.
  struct ReplySink {
    std::string* text = nullptr;
    std::size_t cap = kDefaultReplyCap;
  };

  // Never throws: a URL or reply that does not convert is a failed result. A header whose
  // name or value holds a line break (CR, LF) or a NUL sends nothing: the result is failed
  // with the text "curl header refused", and the header's name is logged.
  CurlResult Perform(long timeoutMs);

  // Prepares the handle: 0, or -1 no handle, -2 error buffer, -3 URL, -4 redirects,
  // -5 write callback, -6 write target.
  int Init(const char* url, std::string& reply);

  // Filled by callers; names and values must stay valid until Perform returns.
  FormFields m_formFields;

 private:
  struct CurlDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
  };
  struct SlistDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
  };
  struct MimeDeleter {
    void operator()(curl_mime* mime) const { curl_mime_free(mime); }
  };

  bool HasForm() const;
  bool HeadersAreSingleLines() const;
  bool SetHeaderLines();
  bool SetForm();
  void Release();

  ReplySink m_sink;
  std::string m_fileField;
  std::string m_filePath;
  std::unique_ptr<CURL, CurlDeleter> m_curl;
  char m_errorBuffer[CURL_ERROR_SIZE] = {};
  std::string m_url;
  std::string m_method = "GET";
  std::map<std::string, std::string> m_headers;
  // libcurl reads these while it performs, so they live as long as the handle.
  std::unique_ptr<curl_slist, SlistDeleter> m_headerList;
  std::unique_ptr<curl_mime, MimeDeleter> m_form;
};
