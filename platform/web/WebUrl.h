#pragma once
// The URLs the program hands the engine: local paths written either way, file://
// URLs with two, three or four slashes, and other URLs as they are.
#include <string>

namespace platform::web {

// As the engine takes it (UTF-8). A local path is made absolute against the working
// folder; "\" becomes "/"; a query or fragment after the path is kept as written.
std::string EngineUrl(const std::wstring& url);

// True for file:// URLs (and local paths), the only pages the program shows.
bool IsFileUrl(const std::string& url);

}  // namespace platform::web
