#include "app/shell/MessageWindowBase.h"

#include "ui/controls/CButtonUI.h"
#include "ui/core/control/CContainerUI.h"

namespace {

const DWORD kWhite = 0xFFFFFFFF;

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH] = {0};
  const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring module(path, length);
  const size_t separator = platform::LastPathSeparator(module);
  return separator == std::wstring::npos ? std::wstring() : module.substr(0, separator + 1);
}

}  // namespace

const MessageWindowBase::ButtonLook MessageWindowBase::kOneTextButton = {
    88, 40, 1, L"file='MessageUI/确定取消原始_26.png'", L"file='MessageUI/确定取消经过.png'"};
const MessageWindowBase::ButtonLook MessageWindowBase::kTwoLineButton = {
    105, 39, 3, L"file='MessageUI/确定取消常态-red.png'", L"file='MessageUI/确定取消经过按下状态-red.png'"};
const MessageWindowBase::ButtonLook MessageWindowBase::kTwoLinePlainButton = {
    105, 39, 3, L"file='MessageUI/确定取消常态.png'", L"file='MessageUI/确定取消经过按下状态.png'"};

MessageWindowBase::MessageWindowBase(int kind) : m_kind(kind) {}

void MessageWindowBase::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.sType != L"click" || msg.pSender == nullptr) return;
  const SkinUI::CUIString name = msg.pSender->GetName();
  if (name == L"yes") {
    Close(1);
  } else if (name == L"cancle") {
    Close(2);
  } else if (name == L"close") {
    Close(3);
  } else if (name == L"ReadFailPicDetail") {
    OpenPictureInfo();
  }
}

SkinUI::CContainerUI* MessageWindowBase::ButtonRow() const {
  SkinUI::CControlUI* row = m_pm.FindControl(L"YesNo");
  if (row == nullptr) return nullptr;
  return static_cast<SkinUI::CContainerUI*>(row->GetInterface(L"Container"));
}

SkinUI::CButtonUI* MessageWindowBase::AddButton(SkinUI::CContainerUI& row, LPCTSTR name, LPCTSTR text,
                                                const ButtonLook& look) {
  auto* button = new SkinUI::CButtonUI;
  button->SetName(name);
  button->SetText(text);
  button->SetTextColor(kWhite);
  button->SetFixedWidth(look.width);
  button->SetFixedHeight(look.height);
  button->SetFont(look.font);
  button->SetAttribute(L"normalimage", look.normalImage);
  button->SetAttribute(L"hotimage", look.hotImage);
  row.Add(button);
  return button;
}

SkinUI::CControlUI* MessageWindowBase::AddSpacer(SkinUI::CContainerUI& row, LPCTSTR name, int width) {
  auto* spacer = new SkinUI::CControlUI;
  if (name != nullptr) spacer->SetName(name);
  if (width != 0) spacer->SetFixedWidth(width);
  row.Add(spacer);
  return spacer;
}

void MessageWindowBase::AddYesCancel(SkinUI::CContainerUI& row, int interceptWidth, const ButtonLook& look) {
  AddSpacer(row, nullptr, 0);
  AddButton(row, L"yes", L"确定", look);
  AddSpacer(row, L"Intercede", interceptWidth);
  AddButton(row, L"cancle", L"取消", look);
  AddSpacer(row, L"RightTaken", 0);
}

void MessageWindowBase::UseRedBackground() {
  SkinUI::CControlUI* background = m_pm.FindControl(L"mainContain");
  if (background == nullptr) return;
  background->SetBkImage(L"MessageUI/提示--弹窗背景-red.png");
}

void MessageWindowBase::OpenPictureInfo() {
  const std::wstring file = ProgramFolder() + L"PictInfo.txt";
  SHELLEXECUTEINFOW info = {};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_FLAG_NO_UI;
  info.hwnd = m_hWnd;
  info.lpVerb = nullptr;
  info.lpFile = file.c_str();
  info.lpParameters = nullptr;
  info.nShow = SW_SHOWNORMAL;
  // A missing file opens nothing and is not reported.
  ::ShellExecuteExW(&info);
}
