#include "ui/core/builder/CControlClassTable.h"

#include <cwchar>

namespace SkinUI {

namespace {

const wchar_t* const kRegisterableElements[] = {
    L"Label",          L"Text",           L"Button",          L"Option",
    L"CheckBox",       L"Edit",           L"RichEdit",        L"Combo",
    L"Progress",       L"Slider",         L"GifAnim",         L"DateTime",
    L"List",           L"ListHeader",     L"ListHeaderItem",  L"ListLabelElement",
    L"ListTextElement", L"ListContainerElement", L"TreeView", L"TreeNode",
    L"ActiveX",        L"WebBrowser",     L"Flash",           L"wkeWebkit"};

}  // namespace

std::mutex& CControlClassTable::Lock() {
  static std::mutex lock;
  return lock;
}

std::map<std::wstring, CONTROLCLASSPROC>& CControlClassTable::Classes() {
  static std::map<std::wstring, CONTROLCLASSPROC> classes;
  return classes;
}

bool CControlClassTable::IsRegisterable(LPCTSTR pstrElement) {
  if (pstrElement == nullptr) return false;
  for (const wchar_t* pstrName : kRegisterableElements) {
    if (wcscmp(pstrName, pstrElement) == 0) return true;
  }
  return false;
}

bool CControlClassTable::Register(LPCTSTR pstrElement, CONTROLCLASSPROC pfnCreate) {
  if (pfnCreate == nullptr || !IsRegisterable(pstrElement)) return false;
  std::lock_guard<std::mutex> guard(Lock());
  Classes()[pstrElement] = pfnCreate;
  return true;
}

void CControlClassTable::Unregister(LPCTSTR pstrElement) {
  if (pstrElement == nullptr) return;
  std::lock_guard<std::mutex> guard(Lock());
  Classes().erase(pstrElement);
}

CControlUI* CControlClassTable::Create(LPCTSTR pstrElement) {
  if (pstrElement == nullptr) return nullptr;
  CONTROLCLASSPROC pfnCreate = nullptr;
  {
    std::lock_guard<std::mutex> guard(Lock());
    auto it = Classes().find(pstrElement);
    if (it == Classes().end()) return nullptr;
    pfnCreate = it->second;
  }
  return pfnCreate();
}

}  // namespace SkinUI
