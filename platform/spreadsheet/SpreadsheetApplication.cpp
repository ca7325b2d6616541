#include "platform/spreadsheet/SpreadsheetApplication.h"

#include "platform/com/ClassRegistry.h"
#include "platform/spreadsheet/ApplicationObject.h"

namespace platform::spreadsheet {

const CLSID SpreadsheetApplication::kClassId = {0x00024500, 0x0000, 0x0000,
                                                {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const wchar_t SpreadsheetApplication::kProgId[] = L"Excel.Application";

bool SpreadsheetApplication::Register() {
  return com::ClassRegistry::Register(kClassId, kProgId, [](REFIID riid, void** object) {
    ApplicationObject* application = new ApplicationObject();
    const HRESULT hr = application->QueryInterface(riid, object);
    application->Release();
    return hr;
  });
}

bool SpreadsheetApplication::Unregister() { return com::ClassRegistry::Unregister(kClassId); }

}  // namespace platform::spreadsheet
