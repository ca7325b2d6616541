#pragma once
// The window around a control test's markup: a size, one pinned default font (so
// that measured text is the same on every machine) and a white background.
#include <string>

namespace controltest {

inline std::wstring TestSkin(const std::wstring& body, int width = 400, int height = 300,
                             const std::wstring& windowAttributes = L"") {
  return L"<Window size=\"" + std::to_wstring(width) + L"," + std::to_wstring(height) + L"\" " + windowAttributes +
         L"><Font name=\"微软雅黑\" size=\"14\" default=\"true\"/>"
         L"<Font name=\"微软雅黑\" size=\"24\" bold=\"true\"/>"
         L"<VerticalLayout bkcolor=\"#FFFFFFFF\">" +
         body + L"</VerticalLayout></Window>";
}

// Opaque white, the background TestSkin paints.
const unsigned int kWhite = 0xFFFFFFFF;

}  // namespace controltest
