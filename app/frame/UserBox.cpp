#include "app/frame/UserBox.h"

#include <cwctype>
#include <memory>

#include "CommonTools/Config.h"
#include "CommonTools/Conversions.h"
#include "CommonTools/FileNameCheck.h"
#include "CommonTools/global_singleton.h"
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

bool Download(const std::string& url, const std::wstring& file) {
  if (url.empty()) return false;
  return SUCCEEDED(::URLDownloadToFileW(nullptr, CommonTools::string_to_wstring(url).c_str(), file.c_str(), 0, nullptr));
}

void SetTextAndTip(SkinUI::CControlUI* control, const std::string& gbkText) {
  const std::wstring text = CommonTools::string_to_wstring(gbkText);
  control->SetText(text.c_str());
  control->SetToolTip(text.c_str());
}

// The icon file, downloaded once; empty when the platform gives no icon.
std::wstring IdentityIcon(const std::wstring& folder) {
  const std::string& url = global_singleton::get_const_instance().m_strIdentityIcon;
  if (url.empty()) return std::wstring();
  const std::wstring name = CommonTools::last_url_segment(CommonTools::string_to_wstring(url));
  if (!CommonTools::accept_file_name(CommonTools::wstring_to_string(name), "身份图标")) return std::wstring();
  const std::wstring file = folder + L"\\" + name;
  if (!FileExists(file)) Download(url, file);
  return file;
}

void ShowIcon(SkinUI::CWindowManagerUI& pm, const std::wstring& iconFile) {
  SkinUI::CControlUI* control = pm.FindControl(L"btn_userIdentityCode");
  if (control == nullptr || iconFile.empty() || !FileExists(iconFile)) return;
  control->SetBkImage(iconFile.c_str());
}

void ShowPhoto(SkinUI::CWindowManagerUI& pm, const std::wstring& folder) {
  const global_singleton& session = global_singleton::get_const_instance();
  if (!CommonTools::accept_file_name(session.m_userInfo.strUserID, "用户ID")) return;
  const std::wstring userID = CommonTools::string_to_wstring(session.m_userInfo.strUserID);
  const std::wstring photo = folder + L"\\" + userID + L".png";
  if (!Download(session.m_userInfo.strPhotoUrl, photo)) return;
  SkinUI::CControlUI* control = pm.FindControl(L"btn_userPhoto");
  if (control == nullptr) return;
  const std::wstring circle = folder + L"\\" + userID + L"_Circle.png";
  if (UserBox::MakeCirclePhoto(photo, circle)) control->SetBkImage(circle.c_str());
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

void UserBox::Show(SkinUI::CWindowManagerUI& pm) {
  const std::wstring folder = PictureFolder();
  if (!EnsureFolder(folder)) return;
  const std::wstring iconFile = IdentityIcon(folder);
  ShowIcon(pm, iconFile);
  ShowPhoto(pm, folder);
  ShowIdentityName(pm, iconFile);
  SkinUI::CControlUI* name = pm.FindControl(L"btn_userName");
  if (name != nullptr) SetTextAndTip(name, global_singleton::get_const_instance().m_userInfo.strUserName);
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
