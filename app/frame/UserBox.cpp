#include "app/frame/UserBox.h"

#include <cwctype>
#include <memory>

#include "CommonTools/Config.h"
#include "CommonTools/Conversions.h"
#include "CommonTools/FileNameCheck.h"
#include "CommonTools/global_singleton.h"
#include "app/frame/IdentityIconLoader.h"
#include "app/frame/UserPhotoLoader.h"
#include "platform/gdiplus/GdiPlus.h"
#include "platform/win32.h"
#include "ui/core/control/CControlUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace {

// Identities above this number are the school's own ones that teachers (user type 11)
// are shown by name.
const int kLastPlatformIdentity = 20;
const int kTeacherUserType = 11;

bool FileExists(const std::wstring& path) { return ::PathFileExistsW(path.c_str()) != FALSE; }

bool EnsureFolder(const std::wstring& folder) {
  return FileExists(folder) || ::CreateDirectoryW(folder.c_str(), nullptr) != FALSE;
}

void SetTextAndTip(SkinUI::CControlUI* control, const std::string& gbkText) {
  const std::wstring text = CommonTools::string_to_wstring(gbkText);
  control->SetText(text.c_str());
  control->SetToolTip(text.c_str());
}

// The icon's place in the folder; empty when the platform gives no icon or its address
// ends in no plain file name.
std::wstring IdentityIcon(const std::wstring& folder) {
  const std::string& url = global_singleton::get_const_instance().m_strIdentityIcon;
  if (url.empty()) return std::wstring();
  const std::wstring name = CommonTools::last_url_segment(CommonTools::string_to_wstring(url));
  if (!CommonTools::accept_file_name(CommonTools::wstring_to_string(name), "身份图标")) return std::wstring();
  return folder + L"\\" + name;
}

std::unique_ptr<IdentityIconLoader> LoadIcon(HWND frame, const std::wstring& iconFile) {
  if (iconFile.empty()) return nullptr;
  return std::make_unique<IdentityIconLoader>(frame, global_singleton::get_const_instance().m_strIdentityIcon,
                                              iconFile);
}

std::unique_ptr<UserPhotoLoader> LoadPhoto(HWND frame, const std::wstring& folder) {
  const global_singleton& session = global_singleton::get_const_instance();
  if (!CommonTools::accept_file_name(session.m_userInfo.strUserID, "用户ID")) return nullptr;
  if (session.m_userInfo.strPhotoUrl.empty()) return nullptr;
  const std::wstring userID = CommonTools::string_to_wstring(session.m_userInfo.strUserID);
  return std::make_unique<UserPhotoLoader>(frame, session.m_userInfo.strPhotoUrl, folder + L"\\" + userID + L".png",
                                           folder + L"\\" + userID + L"_Circle.png", &UserBox::MakeCirclePhoto);
}

void ShowIdentityName(SkinUI::CWindowManagerUI& pm, const std::wstring& iconFile) {
  const global_singleton& session = global_singleton::get_const_instance();
  const size_t cut = platform::LastPathSeparator(iconFile);
  const int number = UserBox::IdentityNumber(cut == std::wstring::npos ? iconFile : iconFile.substr(cut + 1));
  const bool schoolIdentity = session.m_userInfo.nUserType == kTeacherUserType && number > kLastPlatformIdentity;
  if (!schoolIdentity && !UserBox::IsPresetIdentityCode(session.m_strIdentityCode)) return;
  SkinUI::CControlUI* control = pm.FindControl(L"btn_userIdentityCode");
  if (control != nullptr) SetTextAndTip(control, session.m_strIdentityName);
}

bool PngEncoder(CLSID* clsid) {
  UINT count = 0;
  UINT size = 0;
  if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || count == 0 || size == 0) return false;
  std::unique_ptr<BYTE[]> buffer(new BYTE[size]);
  auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.get());
  if (Gdiplus::GetImageEncoders(count, size, encoders) != Gdiplus::Ok) return false;
  for (UINT i = 0; i < count; ++i) {
    if (encoders[i].MimeType != nullptr && wcscmp(encoders[i].MimeType, L"image/png") == 0) {
      *clsid = encoders[i].Clsid;
      return true;
    }
  }
  return false;
}

}  // namespace

UserBox::Loaders UserBox::Show(SkinUI::CWindowManagerUI& pm, HWND frame) {
  Loaders loaders;
  const std::wstring folder = PictureFolder();
  if (!EnsureFolder(folder)) return loaders;
  const std::wstring iconFile = IdentityIcon(folder);
  loaders.icon = LoadIcon(frame, iconFile);
  loaders.photo = LoadPhoto(frame, folder);
  ShowIdentityName(pm, iconFile);
  SkinUI::CControlUI* name = pm.FindControl(L"btn_userName");
  if (name != nullptr) SetTextAndTip(name, global_singleton::get_const_instance().m_userInfo.strUserName);
  return loaders;
}

void UserBox::ShowIcon(SkinUI::CWindowManagerUI& pm, const IdentityIconLoader& loader) {
  SkinUI::CControlUI* control = pm.FindControl(L"btn_userIdentityCode");
  if (control != nullptr) control->SetBkImage(loader.IconFile().c_str());
}

void UserBox::ShowPhoto(SkinUI::CWindowManagerUI& pm, const UserPhotoLoader& loader) {
  SkinUI::CControlUI* control = pm.FindControl(L"btn_userPhoto");
  if (control != nullptr) control->SetBkImage(loader.CircleFile().c_str());
}

bool UserBox::MakeCirclePhoto(const std::wstring& source, const std::wstring& target) {
  Gdiplus::Bitmap picture(source.c_str());
  if (picture.GetLastStatus() != Gdiplus::Ok) return false;
  const INT width = static_cast<INT>(picture.GetWidth());
  const INT height = static_cast<INT>(picture.GetHeight());
  if (width <= 0 || height <= 0) return false;
  CLSID png = {};
  if (!PngEncoder(&png)) return false;
  Gdiplus::Bitmap circle(width, height, Gdiplus::PixelFormat32bppARGB);
  {
    Gdiplus::Graphics graphics(&circle);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
    Gdiplus::TextureBrush brush(&picture);
    graphics.FillEllipse(&brush, 0, 0, width, height);
  }
  return circle.Save(target.c_str(), &png, nullptr) == Gdiplus::Ok;
}

bool UserBox::IsPresetIdentityCode(const std::string& code) {
  static const char* const kPreset[] = {
      "IC0001", "IC0002", "IC0003", "IC0004", "IC0005", "IC0006", "IC0007", "IC0008",
      "IC0009", "IC0010", "IC0011", "IC0012", "IC0013", "IC0014", "IC0015", "IC0016",
      "IC0017", "IC0101", "IC0102", "IC0103", "IC0104", "IC0105", "IC0106",
  };
  for (const char* preset : kPreset) {
    if (code == preset) return true;
  }
  return false;
}

int UserBox::IdentityNumber(const std::wstring& iconFileName) {
  const std::wstring digits = iconFileName.size() > 2 ? iconFileName.substr(2, 4) : std::wstring();
  int number = 0;
  for (const wchar_t c : digits) {
    if (c < L'0' || c > L'9') break;
    number = number * 10 + (c - L'0');
  }
  return number;
}

std::wstring UserBox::PictureFolder() { return CommonTools::get_exe_dir() + L"\\res"; }
