#include "platform/textservices/TextServicesExports.h"

#include "platform/textservices/TextServ.h"
#include "platform/textservices/TextServices.h"
#include "platform/user/ModuleExports.h"

// The linker keeps this file through this symbol, which the library's link options ask for.
extern "C" {
int platform_textservices_registered = 0;
}

STDAPI CreateTextServices(IUnknown* punkOuter, ITextHost* pITextHost, IUnknown** ppUnk) {
  return platform::textservices::TextServices::Create(punkOuter, pITextHost, ppUnk);
}

namespace platform::textservices {
namespace {

struct Registration {
  Registration() { TextServicesExports::Register(); }
};

const Registration g_registration;

}  // namespace

void TextServicesExports::Register() {
  void* address = reinterpret_cast<void*>(&::CreateTextServices);
  user::ModuleExports::Register(L"riched20.dll", "CreateTextServices", address);
  user::ModuleExports::Register(L"msftedit.dll", "CreateTextServices", address);
  platform_textservices_registered = 1;
}

}  // namespace platform::textservices
