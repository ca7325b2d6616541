#pragma once
// The pictures the school's platform serves, drawn here so that the fixtures hold only
// their paths: an identity's icon (a PNG disc in a colour of its own) and a user's photo
// (a head and shoulders on a coloured ground, taller than wide, PNG or JPEG by the
// path's extension).
#include <string>

namespace campus_server {

class FixturePictures {
 public:
  static std::string IdentityIcon(const std::string& code);
  static std::string UserPhoto(const std::string& userID, bool jpeg);
  // The content type for a picture path: "image/jpeg" for ".jpg", else "image/png".
  static std::string ContentType(const std::string& path);
};

}  // namespace campus_server
