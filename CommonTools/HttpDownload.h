#pragma once
// Saving a URL into a local file.

// 0 after a successful transfer, -1 when an argument is null, otherwise libcurl's result
// code (an HTTP status of 400 or more is a failure). The URL is used as given. A failed
// transfer leaves no file behind.
int http_download(const char* szSourceFilePath, const char* szDstLocalFilePath);
