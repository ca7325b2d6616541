#pragma once
// Code-page conversions with the Windows names and error policies. The ANSI code
// page (CP_ACP, CP_THREAD_ACP) is 936, GBK, whatever the process locale; CP_UTF8 is
// UTF-8. Nothing here touches the process locale.
#include <string>

#include "platform/base/WinTypes.h"

#define CP_ACP 0
#define CP_OEMCP 1
#define CP_THREAD_ACP 3
#define CP_UTF8 65001
#define MB_PRECOMPOSED 0x00000001
#define MB_ERR_INVALID_CHARS 0x00000008
#define WC_ERR_INVALID_CHARS 0x00000080
#define WC_NO_BEST_FIT_CHARS 0x00000400

UINT GetACP();

// Windows semantics: cbMultiByte / cchWideChar of -1 means NUL terminated (the NUL is
// converted and counted); a zero output size asks for the size needed; too small an
// output fails with ERROR_INSUFFICIENT_BUFFER. Unmappable wide characters become
// the default character ('?'); invalid narrow bytes become U+FFFD unless
// MB_ERR_INVALID_CHARS asks for failure with ERROR_NO_UNICODE_TRANSLATION.
int MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                        LPWSTR lpWideCharStr, int cchWideChar);
int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar,
                        LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                        LPBOOL lpUsedDefaultChar);

namespace platform {
namespace codepage {

// What a conversion does with input it cannot convert (an invalid byte sequence or a
// character the target has no code for).
enum class Policy {
  DefaultChar,  // put '?' in its place and go on
  Stop,         // stop there, keeping what was converted before it
  Skip,         // drop it and go on
  Fail,         // give up: the result is empty
};

// Each route reports through `complete` (when not null) whether the whole input
// converted cleanly; false means the policy had to act at least once.
std::wstring GbkToWide(const std::string& text, Policy policy = Policy::DefaultChar,
                       bool* complete = nullptr);
std::string WideToGbk(const std::wstring& text, Policy policy = Policy::DefaultChar,
                      bool* complete = nullptr);
std::wstring Utf8ToWide(const std::string& text, Policy policy = Policy::DefaultChar,
                        bool* complete = nullptr);
std::string WideToUtf8(const std::wstring& text, Policy policy = Policy::DefaultChar,
                       bool* complete = nullptr);
std::string GbkToUtf8(const std::string& text, Policy policy = Policy::DefaultChar,
                      bool* complete = nullptr);
std::string Utf8ToGbk(const std::string& text, Policy policy = Policy::DefaultChar,
                      bool* complete = nullptr);

}  // namespace codepage
}  // namespace platform
