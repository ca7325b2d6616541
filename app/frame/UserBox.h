#pragma once
// Who is logged in, in the main frame's title bar: the photo cut to an ellipse, the user
// name, and the identity's icon and, for the platform's preset identities, its name. The
// photo and the icon are downloaded into the picture folder ("res" beside the program):
// the photo on every start, the icon only while its file is missing. Both are fetched and
// decoded off the UI thread (UserPhotoLoader, IdentityIconLoader) and appear once ready.
#include <memory>
#include <string>

#include "platform/win32.h"

class IdentityIconLoader;
class UserPhotoLoader;

namespace SkinUI {
class CWindowManagerUI;
}

class UserBox {
 public:
  // The pictures on their way; each null when there is none to load.
  struct Loaders {
    std::unique_ptr<UserPhotoLoader> photo;
    std::unique_ptr<IdentityIconLoader> icon;
  };

  // Fills the identity's name into "btn_userIdentityCode" and "btn_userName" of the
  // frame's skin, and starts the photo's and the icon's loaders, which post `frame` when
  // their picture is ready for ShowPhoto and ShowIcon. Nothing is filled or loaded when
  // the picture folder cannot be made; a download that fails only leaves its picture out.
  static Loaders Show(SkinUI::CWindowManagerUI& pm, HWND frame);

  // The loader's icon file becomes "btn_userIdentityCode"'s picture.
  static void ShowIcon(SkinUI::CWindowManagerUI& pm, const IdentityIconLoader& loader);

  // The loader's circle file becomes "btn_userPhoto"'s picture.
  static void ShowPhoto(SkinUI::CWindowManagerUI& pm, const UserPhotoLoader& loader);

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
