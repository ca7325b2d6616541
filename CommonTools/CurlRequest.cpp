#include "CommonTools/CurlRequest.h"

#include <cctype>
#include <utility>

#include "CommonTools/Conversions.h"
#include "CommonTools/CurlGlobal.h"
#include "CommonTools/Log.h"
#include "platform/win32.h"

namespace {

const char kMultipartLine[] = "Content-Type:multipart/form-data;charset=UTF-8";

// Taking less than was delivered makes libcurl end the transfer with a write error.
size_t AppendToString(char* data, size_t size, size_t count, void* target) {
  auto* sink = static_cast<CurlRequest::ReplySink*>(target);
  if (!sink || !sink->text) return 0;
  const size_t bytes = size * count;
  if (sink->text->size() + bytes > sink->cap) return 0;
  sink->text->append(data, bytes);
  return bytes;
}

// GBK to UTF-8 through wide text; false when the text is not valid GBK.
bool UrlToUtf8(const char* url, std::string& utf8) {
  bool complete = false;
  const std::wstring wide =
      platform::codepage::GbkToWide(url, platform::codepage::Policy::Fail, &complete);
  if (!complete) return false;
  utf8 = platform::codepage::WideToUtf8(wide, platform::codepage::Policy::Fail, &complete);
  return complete;
}

// The file's own name, in the program's GBK, as the server is to store it.
std::string BaseName(const std::string& path) {
  const size_t separator = platform::LastPathSeparator(path);
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

// A line break in a header would end it there and let the rest of the text, a token or a
// name from outside, pass for headers of its own; a NUL would cut the value short.
bool HoldsLineBreak(const std::string& text) { return text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos; }

}  // namespace

CurlRequest::CurlRequest(std::string url) : m_url(std::move(url)) {}

CurlRequest::~CurlRequest() { Release(); }

CurlRequest& CurlRequest::SetMethod(const std::string& method) {
  m_method = method;
  for (char& c : m_method) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return *this;
}

CurlRequest& CurlRequest::AddHeader(const std::string& name, const std::string& value) {
  m_headers.emplace(name, value);
  return *this;
}

CurlRequest& CurlRequest::SetReplyCap(std::size_t bytes) {
  m_sink.cap = bytes;
  return *this;
}

CurlRequest& CurlRequest::SetFilePart(const std::string& fieldName, const std::string& localPath) {
  m_fileField = fieldName;
  m_filePath = localPath;
  return *this;
}

bool CurlRequest::HasForm() const {
  return !m_formFields.empty() || (!m_fileField.empty() && !m_filePath.empty());
}

int CurlRequest::Init(const char* url, std::string& reply) {
  CommonTools::ensure_curl_global_init();
  Release();
  m_curl.reset(curl_easy_init());
  if (!m_curl) return -1;
  CURL* curl = m_curl.get();
  if (HasForm()) {
    m_headerList.reset(curl_slist_append(nullptr, kMultipartLine));
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, m_headerList.get());
  }
  if (curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, m_errorBuffer) != CURLE_OK) return -2;
  std::string utf8Url;
  if (!UrlToUtf8(url, utf8Url)) return -3;
  if (curl_easy_setopt(curl, CURLOPT_URL, utf8Url.c_str()) != CURLE_OK) return -3;
  if (curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L) != CURLE_OK) return -4;
  if (curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, AppendToString) != CURLE_OK) return -5;
  m_sink.text = &reply;
  if (curl_easy_setopt(curl, CURLOPT_WRITEDATA, &m_sink) != CURLE_OK) return -6;
  return 0;
}

// One line per header, in the names' order; it takes the place of the multipart line.
bool CurlRequest::SetHeaderLines() {
  if (m_headers.empty()) return true;
  curl_slist* list = nullptr;
  for (const auto& header : m_headers) {
    curl_slist* grown = curl_slist_append(list, (header.first + ": " + header.second).c_str());
    if (!grown) {
      curl_slist_free_all(list);
      return false;
    }
    list = grown;
  }
  if (curl_easy_setopt(m_curl.get(), CURLOPT_HTTPHEADER, list) != CURLE_OK) {
    curl_slist_free_all(list);
    return false;
  }
  m_headerList.reset(list);
  return true;
}

// The form fields in the names' order, then the file part.
bool CurlRequest::SetForm() {
  m_form.reset(curl_mime_init(m_curl.get()));
  if (!m_form) return false;
  for (const auto& field : m_formFields) {
    curl_mimepart* part = curl_mime_addpart(m_form.get());
    if (!part || curl_mime_name(part, field.first) != CURLE_OK ||
        curl_mime_data(part, field.second, CURL_ZERO_TERMINATED) != CURLE_OK) {
      return false;
    }
  }
  if (!m_fileField.empty() && !m_filePath.empty()) {
    curl_mimepart* part = curl_mime_addpart(m_form.get());
    if (!part || curl_mime_name(part, m_fileField.c_str()) != CURLE_OK ||
        curl_mime_filedata(part, platform::NativePath(m_filePath).c_str()) != CURLE_OK ||
        curl_mime_filename(part, BaseName(m_filePath).c_str()) != CURLE_OK) {
      return false;
    }
  }
  return curl_easy_setopt(m_curl.get(), CURLOPT_MIMEPOST, m_form.get()) == CURLE_OK;
}

// The header's name is logged, never its value: that is where the token goes.
bool CurlRequest::HeadersAreSingleLines() const {
  for (const auto& header : m_headers) {
    if (!HoldsLineBreak(header.first) && !HoldsLineBreak(header.second)) continue;
    g_log.Write(3, "[CurlRequest]header %s holds a line break: the request was not sent\n", header.first.c_str());
    return false;
  }
  return true;
}

CurlResult CurlRequest::Perform(long timeoutMs) {
  std::string reply;
  CurlResult failed;
  if (!HeadersAreSingleLines()) return CurlResult{"curl header refused", false};
  if (Init(m_url.c_str(), reply) != 0) {
    Release();
    return failed;
  }
  CURL* curl = m_curl.get();
  const bool prepared = curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, m_method.c_str()) == CURLE_OK &&
                        SetHeaderLines();
  if (!prepared) {
    Release();
    return failed;
  }
  if (HasForm() && !SetForm()) {
    Release();
    return CurlResult{"curl setopt form failed", false};
  }
  if (curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, timeoutMs) != CURLE_OK ||
      curl_easy_perform(curl) != CURLE_OK) {
    Release();
    return failed;
  }
  Release();
  bool complete = false;
  const std::wstring wide =
      platform::codepage::Utf8ToWide(reply, platform::codepage::Policy::Fail, &complete);
  if (!complete) return failed;
  return CurlResult{CommonTools::wstring_to_string(wide), true};
}

// The handle goes first: it may still point at the lists and the form.
void CurlRequest::Release() {
  m_curl.reset();
  m_headerList.reset();
  m_form.reset();
}
