#include "platform/login/OnlineUserObject.h"

#include "platform/login/OnlineUserSession.h"

// {6E1F3A52-8C4D-4B7A-9E25-3D0B7C61A9F4}
const IID IID_IOnlineUser = {0x6E1F3A52, 0x8C4D, 0x4B7A, {0x9E, 0x25, 0x3D, 0x0B, 0x7C, 0x61, 0xA9, 0xF4}};
// {2B9D6C18-4E70-4F3A-A1C8-57E2D09B3F6D}
const CLSID CLSID_OnlineUser = {0x2B9D6C18, 0x4E70, 0x4F3A, {0xA1, 0xC8, 0x57, 0xE2, 0xD0, 0x9B, 0x3F, 0x6D}};

namespace platform::login {

namespace {

std::wstring TextOf(BSTR text) { return text != nullptr ? std::wstring(text, SysStringLen(text)) : std::wstring(); }

VARIANT_BOOL Answer(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

}  // namespace

const wchar_t OnlineUserObject::kProgId[] = L"ZaZeDivadAduvo.OnlineUser";

bool OnlineUserObject::Register() {
  return com::ClassRegistry::Register(CLSID_OnlineUser, kProgId, [](REFIID riid, void** object) {
    OnlineUserObject* component = new OnlineUserObject();
    const HRESULT hr = component->QueryInterface(riid, object);
    component->Release();
    return hr;
  });
}

bool OnlineUserObject::Unregister() { return com::ClassRegistry::Unregister(CLSID_OnlineUser); }

HRESULT OnlineUserObject::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  *ppvObject = nullptr;
  if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDispatch) && !IsEqualIID(riid, IID_IOnlineUser)) {
    return E_NOINTERFACE;
  }
  *ppvObject = static_cast<IOnlineUser*>(this);
  AddRef();
  return S_OK;
}

ULONG OnlineUserObject::AddRef() { return ++references_; }

ULONG OnlineUserObject::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT OnlineUserObject::GetTypeInfoCount(UINT* pctinfo) {
  if (pctinfo == nullptr) return E_POINTER;
  *pctinfo = 0;
  return S_OK;
}

HRESULT OnlineUserObject::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

HRESULT OnlineUserObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return DISP_E_UNKNOWNNAME; }

HRESULT OnlineUserObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT OnlineUserObject::Init(BSTR baseAddress, BSTR systemId, VARIANT_BOOL* ok) {
  if (ok == nullptr) return E_POINTER;
  const std::wstring base = TextOf(baseAddress);
  const bool usable = base.compare(0, 7, L"http://") == 0 && base.size() > 7;
  if (usable) service_ = std::make_unique<OnlineUserService>(base, TextOf(systemId));
  *ok = Answer(usable);
  return S_OK;
}

HRESULT OnlineUserObject::ReadUser(const std::wstring& token, bool* known) {
  const std::optional<OnlineUserRecord> user = service_->UserByToken(token);
  if (!user) return E_FAIL;
  *known = !user->userID.empty();
  if (*known) user_ = *user;
  return S_OK;
}

HRESULT OnlineUserObject::IsUserOnline(VARIANT_BOOL* online) {
  if (online == nullptr) return E_POINTER;
  if (!service_) return E_UNEXPECTED;
  *online = VARIANT_FALSE;
  const std::wstring token = OnlineUserSession::Token();
  if (token.empty()) return S_OK;
  const std::optional<bool> valid = service_->CheckToken(token);
  if (!valid) return E_FAIL;
  if (!*valid) return S_OK;
  bool known = false;
  const HRESULT hr = ReadUser(token, &known);
  *online = Answer(SUCCEEDED(hr) && known);
  return hr;
}

HRESULT OnlineUserObject::LoginByToken(BSTR token, VARIANT_BOOL* ok) {
  if (ok == nullptr) return E_POINTER;
  if (!service_) return E_UNEXPECTED;
  *ok = VARIANT_FALSE;
  const std::wstring text = TextOf(token);
  if (text.empty()) return S_OK;
  bool known = false;
  const HRESULT hr = ReadUser(text, &known);
  if (FAILED(hr)) return hr;
  if (known) OnlineUserSession::Store(text);
  *ok = Answer(known);
  return S_OK;
}

HRESULT OnlineUserObject::Login(BSTR user, BSTR password, BSTR* reply) {
  if (reply == nullptr) return E_POINTER;
  *reply = nullptr;
  if (!service_) return E_UNEXPECTED;
  const std::optional<std::wstring> answer = service_->Login(TextOf(user), TextOf(password));
  if (!answer) return E_FAIL;
  return Give(*answer, reply);
}

HRESULT OnlineUserObject::Logout(VARIANT_BOOL* ok) {
  if (ok == nullptr) return E_POINTER;
  if (!service_) return E_UNEXPECTED;
  const std::wstring token = user_.token.empty() ? OnlineUserSession::Token() : user_.token;
  const bool told = token.empty() || service_->Logout(token);
  OnlineUserSession::Clear();
  user_ = OnlineUserRecord();
  *ok = Answer(told);
  return told ? S_OK : E_FAIL;
}

HRESULT OnlineUserObject::Give(const std::wstring& text, BSTR* value) {
  if (value == nullptr) return E_POINTER;
  *value = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *value != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT OnlineUserObject::GetUserId(BSTR* value) { return Give(user_.userID, value); }
HRESULT OnlineUserObject::GetUserName(BSTR* value) { return Give(user_.userName, value); }
HRESULT OnlineUserObject::GetExtra1(BSTR* value) { return Give(user_.extra1, value); }
HRESULT OnlineUserObject::GetExtra2(BSTR* value) { return Give(user_.extra2, value); }
HRESULT OnlineUserObject::GetExtra3(BSTR* value) { return Give(user_.extra3, value); }
HRESULT OnlineUserObject::GetExtra4(BSTR* value) { return Give(user_.extra4, value); }
HRESULT OnlineUserObject::GetPhotoUrl(BSTR* value) { return Give(user_.photoUrl, value); }
HRESULT OnlineUserObject::GetSchoolId(BSTR* value) { return Give(user_.schoolID, value); }
HRESULT OnlineUserObject::GetSchoolName(BSTR* value) { return Give(user_.schoolName, value); }
HRESULT OnlineUserObject::GetToken(BSTR* value) { return Give(user_.token, value); }

HRESULT OnlineUserObject::GetUserType(int* value) {
  if (value == nullptr) return E_POINTER;
  *value = user_.userType;
  return S_OK;
}

}  // namespace platform::login
