#pragma once
// Who is logged in, in the main frame's title bar: the photo cut to an ellipse, the user
// name, and the identity's icon and, for the platform's preset identities, its name. The
// photo and the icon are downloaded into the picture folder ("res" beside the program):
// the photo on every start, the icon only while its file is missing.
#include <string>

namespace SkinUI {
class CWindowManagerUI;
}

class UserBox {
 public:
  // Downloads what is needed and fills "btn_userIdentityCode", "btn_userPhoto" and
  // "btn_userName" of the frame's skin. Nothing is filled when the picture folder cannot
  // be made; a download that fails only leaves its picture out.
  static void Show(SkinUI::CWindowManagerUI& pm);

  // The picture cut to the ellipse that touches its four sides (the corners transparent),
  // saved as PNG. Pictures are recognised by their content, whatever the name says.
  static bool MakeCirclePhoto(const std::wstring& source, const std::wstring& target);

  // "IC0001" to "IC0017" and "IC0101" to "IC0106".
  static bool IsPresetIdentityCode(const std::string& code);

  // The number that characters 3 to 6 of an icon file name begin with ("IC0021.png" gives
  // 21); 0 when they begin with no digit or the name is shorter.
  static int IdentityNumber(const std::wstring& iconFileName);

  // The program folder + "res".
  static std::wstring PictureFolder();
};
