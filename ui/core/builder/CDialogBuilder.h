#pragma once
// Turns a skin (a window layout in the framework's markup) into a tree of controls
// for one window manager: registers the skin's images, fonts and default attribute
// lists with the manager, applies the window settings of a "Window" root, creates
// one control per element, nests them as the markup nests and applies each
// element's attributes. A builder serves one build and owns none of the controls.
#include "platform/win32.h"
#include "ui/core/markup/CMarkupParser.h"

namespace SkinUI {

class CControlUI;
class CWindowManagerUI;
class IContainerUI;
class IDialogBuilderCallback;

// A control plug-in (an entry of CWindowManagerUI::GetControlPlugins): a new control
// for an element name, or null.
typedef CControlUI* (*LPCREATECONTROL)(LPCTSTR pstrType);

class CDialogBuilder {
 public:
  // Builds nested deeper than this (a skin that includes itself) stop there.
  enum { MAX_NESTING = 16 };
  // "Include" values longer than this are cut.
  enum { MAX_INCLUDE_VALUE = 499 };

  CDialogBuilder();
  CDialogBuilder(const CDialogBuilder&) = delete;
  CDialogBuilder& operator=(const CDialogBuilder&) = delete;
  ~CDialogBuilder();

  // The skin is a resource number (MAKEINTRESOURCE, read with the given type), the
  // markup itself (text beginning with '<') or a file name in the skin folder.
  // Returns the first control created at the top level, or null.
  CControlUI* Create(LPCTSTR pstrSkin, LPCTSTR pstrType = nullptr, IDialogBuilderCallback* pCallback = nullptr,
                     CWindowManagerUI* pManager = nullptr, CControlUI* pParent = nullptr);
  // Builds from what the parser holds.
  CControlUI* CreateFromMarkup(IDialogBuilderCallback* pCallback = nullptr, CWindowManagerUI* pManager = nullptr,
                               CControlUI* pParent = nullptr);
  CMarkupParser* GetMarkup();

 private:
  bool LoadSkin(LPCTSTR pstrSkin, LPCTSTR pstrType);
  // Registers the "Image", "Font" and "Default" elements directly under the root.
  static void RegisterResources(CMarkupElement& root, CWindowManagerUI* pManager);
  static void ApplyWindowAttributes(CMarkupElement& root, CWindowManagerUI* pManager);
  CControlUI* ParseChildren(CMarkupElement& element, CControlUI* pParent, CWindowManagerUI* pManager);
  void ParseInclude(CMarkupElement& element, CControlUI* pParent, CWindowManagerUI* pManager);
  // False when the whole level has to stop (the parent takes no tree node).
  bool ParseTreeNode(CMarkupElement& element, CControlUI* pParent, CWindowManagerUI* pManager);
  // The fixed table, then the registered classes, the plug-ins and the callback.
  CControlUI* CreateControl(LPCTSTR pstrClass) const;
  // The default attribute list of the element's class, then its own attributes.
  static void ApplyAttributes(CMarkupElement& element, CControlUI* pControl, CWindowManagerUI* pManager);

  CMarkupParser m_xml;
  IDialogBuilderCallback* m_pCallback;
  LPCTSTR m_pstrType;  // set while the skin came from a module resource
};

}  // namespace SkinUI
