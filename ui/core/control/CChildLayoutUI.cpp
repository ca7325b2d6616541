#include "ui/core/control/CChildLayoutUI.h"

#include <cwchar>

#include "ui/core/builder/CDialogBuilder.h"

namespace SkinUI {

namespace {

// A child layout whose file holds a child layout of the same file would build
// forever: each initialisation builds the next one.
thread_local int t_nInitNesting = 0;

}  // namespace

CChildLayoutUI::CChildLayoutUI() = default;

CChildLayoutUI::~CChildLayoutUI() = default;

LPCTSTR CChildLayoutUI::GetClassName() const { return L"ChildLayoutUI"; }

LPVOID CChildLayoutUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"ChildLayout") == 0) return static_cast<CChildLayoutUI*>(this);
  return CControlUI::GetInterface(pstrName);
}

void CChildLayoutUI::Init() {
  if (m_pstrXMLFile.IsEmpty()) return;
  if (t_nInitNesting >= CDialogBuilder::MAX_NESTING) return;
  ++t_nInitNesting;
  CDialogBuilder builder;
  CControlUI* pChildWindow = builder.Create(m_pstrXMLFile, nullptr, nullptr, m_pManager, nullptr);
  if (pChildWindow != nullptr) {
    Add(pChildWindow);
  } else {
    RemoveAll();
  }
  --t_nInitNesting;
}

void CChildLayoutUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (wcscmp(pstrName, L"xmlfile") == 0) {
    SetChildLayoutXML(pstrValue);
  } else {
    CContainerUI::SetAttribute(pstrName, pstrValue);
  }
}

void CChildLayoutUI::SetChildLayoutXML(LPCTSTR pstrXML) { m_pstrXMLFile = pstrXML; }

CUIString CChildLayoutUI::GetChildLayoutXML() const { return m_pstrXMLFile; }

}  // namespace SkinUI
