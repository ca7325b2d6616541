#pragma once
// The Windows face names the skins use, mapped to installed fonts, with each Windows
// face's ascent, descent and external leading per em, so text metrics and therefore
// layouts come out as they do on Windows.
#include <string>

namespace platform::gdi {

struct FaceInfo {
  const char* family;  // fontconfig family of the installed font
  double ascent;       // per em
  double descent;      // per em
  double externalLeading;
};

class FaceTable {
 public:
  // The entry of a Windows face name (exact, or ignoring ASCII case), or null when the
  // name is not one of the substituted faces.
  static const FaceInfo* Find(const std::wstring& face);
  // The entry used when the face name is empty.
  static const FaceInfo& Default();
};

}  // namespace platform::gdi
