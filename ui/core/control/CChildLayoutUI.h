#pragma once
// A container whose content is built from a second skin file ("xmlfile") each time
// its manager initialises it, so that one skin can include another.
#include "ui/core/control/CContainerUI.h"

namespace SkinUI {

class CChildLayoutUI : public CContainerUI {
 public:
  CChildLayoutUI();
  ~CChildLayoutUI() override;

  LPCTSTR GetClassName() const override;
  // "ChildLayout", or what the base control answers: the skin builder cannot add
  // child elements to it.
  LPVOID GetInterface(LPCTSTR pstrName) override;
  void Init() override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;

  void SetChildLayoutXML(LPCTSTR pstrXML);
  CUIString GetChildLayoutXML() const;

 private:
  CUIString m_pstrXMLFile;
};

}  // namespace SkinUI
