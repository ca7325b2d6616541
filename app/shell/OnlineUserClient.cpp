#include "app/shell/OnlineUserClient.h"

#include "CommonTools/Conversions.h"
#include "CommonTools/Log.h"
#include "CommonTools/global_singleton.h"
#include "platform/com/Com.h"
#include "platform/com/OleApartment.h"

std::string g_strUserToken;

namespace {

const wchar_t kProgId[] = L"ZaZeDivadAduvo.OnlineUser";
const wchar_t kSystemId[] = L"E61";

// A BSTR the component handed out, freed when it goes.
class OwnedBstr {
 public:
  OwnedBstr() = default;
  ~OwnedBstr() { SysFreeString(m_text); }
  OwnedBstr(const OwnedBstr&) = delete;
  OwnedBstr& operator=(const OwnedBstr&) = delete;
  BSTR* Put() { return &m_text; }
  std::wstring Wide() const { return m_text != nullptr ? std::wstring(m_text, SysStringLen(m_text)) : std::wstring(); }

 private:
  BSTR m_text = nullptr;
};

class InBstr {
 public:
  explicit InBstr(const std::wstring& text) : m_text(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
  ~InBstr() { SysFreeString(m_text); }
  InBstr(const InBstr&) = delete;
  InBstr& operator=(const InBstr&) = delete;
  BSTR Get() const { return m_text; }

 private:
  BSTR m_text;
};

}  // namespace

OnlineUserClient& OnlineUserClient::Instance() {
  static OnlineUserClient* client = new OnlineUserClient;  // never destroyed: the exit runs no destructors
  return *client;
}

bool OnlineUserClient::Succeeded(HRESULT hr, const char* call) const {
  if (SUCCEEDED(hr)) return true;
  g_log.Write(3, "[OnlineUserClient] %s failed, HRESULT 0x%08X\n", call, static_cast<unsigned>(hr));
  return false;
}

int OnlineUserClient::Init() {
  OleInitialize(nullptr);
  CLSID clsid;
  if (FAILED(CLSIDFromProgID(kProgId, &clsid))) return 1;
  platform::com::ComPtr<IOnlineUser> user;
  const HRESULT created = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOnlineUser, user.PutVoid());
  if (FAILED(created) || !user) return 2;
  m_user = user;
  const InBstr base(CommonTools::string_to_wstring(global_singleton::get_mutable_instance().m_strBaseAddr));
  const InBstr system(kSystemId);
  VARIANT_BOOL ok = VARIANT_FALSE;
  if (!Succeeded(m_user->Init(base.Get(), system.Get(), &ok), "Init") || ok == VARIANT_FALSE) {
    m_user.Reset();
    return 3;
  }
  return 0;
}

std::string OnlineUserClient::Login(const std::wstring& user, const std::wstring& password) {
  if (!m_user) return std::string();
  const InBstr name(user);
  const InBstr secret(password);
  OwnedBstr reply;
  if (!Succeeded(m_user->Login(name.Get(), secret.Get(), reply.Put()), "Login")) return std::string();
  return CommonTools::wstring_to_string(reply.Wide());
}

bool OnlineUserClient::LoginByToken(OnlineUserInfo& out, const std::string& token) {
  if (token.empty() || !m_user) return false;
  const InBstr text(CommonTools::string_to_wstring(token));
  VARIANT_BOOL ok = VARIANT_FALSE;
  if (!Succeeded(m_user->LoginByToken(text.Get(), &ok), "LoginByToken") || ok == VARIANT_FALSE) return false;
  FillUser(out);
  return true;
}

bool OnlineUserClient::ReadOnlineUser(OnlineUserInfo& out) {
  if (!m_user) return false;
  FillUser(out);
  return true;
}

bool OnlineUserClient::IsUserOnline() {
  if (!m_user) return false;
  VARIANT_BOOL online = VARIANT_FALSE;
  return Succeeded(m_user->IsUserOnline(&online), "IsUserOnline") && online != VARIANT_FALSE;
}

void OnlineUserClient::Logout() {
  if (!m_user) return;
  VARIANT_BOOL ok = VARIANT_FALSE;
  Succeeded(m_user->Logout(&ok), "Logout");
}

void OnlineUserClient::Release() { m_user.Reset(); }

std::string OnlineUserClient::Text(HRESULT (STDMETHODCALLTYPE IOnlineUser::*getter)(BSTR*), const char* name) {
  OwnedBstr value;
  if (!Succeeded((m_user.Get()->*getter)(value.Put()), name)) return std::string();
  return CommonTools::wstring_to_string(value.Wide());
}

void OnlineUserClient::FillUser(OnlineUserInfo& out) {
  g_strUserID = Text(&IOnlineUser::GetUserId, "GetUserId");
  g_strUserToken = Text(&IOnlineUser::GetToken, "GetToken");
  out.strUserID = Text(&IOnlineUser::GetUserId, "GetUserId");
  out.strUserName = Text(&IOnlineUser::GetUserName, "GetUserName");
  int type = 0;
  out.nUserType = Succeeded(m_user->GetUserType(&type), "GetUserType") ? type : 0;
  out.strPhotoUrl = Text(&IOnlineUser::GetPhotoUrl, "GetPhotoUrl");
  out.strSchoolID = Text(&IOnlineUser::GetSchoolId, "GetSchoolId");
  out.strSchoolName = Text(&IOnlineUser::GetSchoolName, "GetSchoolName");
  out.strExtra1 = Text(&IOnlineUser::GetExtra1, "GetExtra1");
  out.strExtra2 = Text(&IOnlineUser::GetExtra2, "GetExtra2");
  out.strExtra3 = Text(&IOnlineUser::GetExtra3, "GetExtra3");
  out.strExtra4 = Text(&IOnlineUser::GetExtra4, "GetExtra4");
  out.strToken = Text(&IOnlineUser::GetToken, "GetToken");
  g_log.Write(6, "用户登录名:%s,用户登录ID:%s\n", out.strUserName.c_str(), out.strUserID.c_str());
}
