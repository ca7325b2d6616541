#include "ui/core/builder/CDialogBuilder.h"

#include <cwchar>
#include <memory>

#include "ui/core/builder/CControlClassTable.h"
#include "ui/core/builder/IDialogBuilderCallback.h"
#include "ui/core/control/CChildLayoutUI.h"
#include "ui/core/control/CContainerUI.h"
#include "ui/core/control/CControlUI.h"
#include "ui/core/control/CHorizontalLayoutUI.h"
#include "ui/core/control/CScrollBarUI.h"
#include "ui/core/control/CTabLayoutUI.h"
#include "ui/core/control/CTileLayoutUI.h"
#include "ui/core/control/CVerticalLayoutUI.h"
#include "ui/core/control/ITreeNodeUI.h"
#include "ui/core/control/ITreeViewUI.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"
#include "ui/core/types/CUIString.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

namespace {

SIZE ReadSize(LPCTSTR pstrValue) {
  int values[2];
  CUIValueParser::ReadIntegers(pstrValue, values, 2);
  return SIZE{values[0], values[1]};
}

POINT ReadPoint(LPCTSTR pstrValue) {
  int values[2];
  CUIValueParser::ReadIntegers(pstrValue, values, 2);
  return POINT{values[0], values[1]};
}

// How deep builds are nested on this thread; "Include" runs a build inside a build.
thread_local int t_nNesting = 0;

class NestingScope {
 public:
  NestingScope() { ++t_nNesting; }
  ~NestingScope() { --t_nNesting; }
  NestingScope(const NestingScope&) = delete;
  NestingScope& operator=(const NestingScope&) = delete;
};

// The element levels open on this thread, counted across the builds nested in each
// other, so the skins an "Include" chains together stay within the depth one skin
// may have: the children are parsed recursively.
thread_local UINT t_nLevels = 0;

class LevelScope {
 public:
  LevelScope() { ++t_nLevels; }
  ~LevelScope() { --t_nLevels; }
  LevelScope(const LevelScope&) = delete;
  LevelScope& operator=(const LevelScope&) = delete;
};

bool NameIs(LPCTSTR pstrName, LPCTSTR pstrExpected) { return wcscmp(pstrName, pstrExpected) == 0; }

ITreeNodeUI* AsTreeNode(CControlUI* pControl) {
  if (pControl == nullptr || pControl->GetInterface(L"TreeNode") == nullptr) return nullptr;
  return dynamic_cast<ITreeNodeUI*>(pControl);
}

ITreeViewUI* AsTreeView(CControlUI* pControl) {
  if (pControl == nullptr || pControl->GetInterface(L"TreeView") == nullptr) return nullptr;
  return dynamic_cast<ITreeViewUI*>(pControl);
}

IContainerUI* AsContainer(CControlUI* pControl) {
  if (pControl == nullptr) return nullptr;
  return static_cast<IContainerUI*>(pControl->GetInterface(L"IContainer"));
}

void AddImageResource(CMarkupElement& node, CWindowManagerUI* pManager) {
  LPCTSTR pImageName = nullptr;
  LPCTSTR pImageResType = nullptr;
  DWORD mask = 0;
  for (int i = 0; i < node.GetAttributeCount(); ++i) {
    LPCTSTR pstrName = node.GetAttributeName(i);
    LPCTSTR pstrValue = node.GetAttributeValue(i);
    if (NameIs(pstrName, L"name")) {
      pImageName = pstrValue;
    } else if (NameIs(pstrName, L"restype")) {
      pImageResType = pstrValue;
    } else if (NameIs(pstrName, L"mask")) {
      mask = CUIValueParser::ReadColor(pstrValue);
    }
  }
  if (pImageName != nullptr) pManager->AddImage(pImageName, pImageResType, mask);
}

void AddFontResource(CMarkupElement& node, CWindowManagerUI* pManager) {
  LPCTSTR pFontName = nullptr;
  int size = 12;
  bool bold = false;
  bool underline = false;
  bool italic = false;
  bool defaultfont = false;
  for (int i = 0; i < node.GetAttributeCount(); ++i) {
    LPCTSTR pstrName = node.GetAttributeName(i);
    LPCTSTR pstrValue = node.GetAttributeValue(i);
    if (NameIs(pstrName, L"name")) {
      pFontName = pstrValue;
    } else if (NameIs(pstrName, L"size")) {
      size = CUIValueParser::ReadFontSize(pstrValue, nullptr);
    } else if (NameIs(pstrName, L"bold")) {
      bold = CUIValueParser::IsTrue(pstrValue);
    } else if (NameIs(pstrName, L"underline")) {
      underline = CUIValueParser::IsTrue(pstrValue);
    } else if (NameIs(pstrName, L"italic")) {
      italic = CUIValueParser::IsTrue(pstrValue);
    } else if (NameIs(pstrName, L"default")) {
      defaultfont = CUIValueParser::IsTrue(pstrValue);
    }
  }
  if (pFontName == nullptr) return;
  pManager->AddFont(pFontName, size, bold, underline, italic);
  if (defaultfont) pManager->SetDefaultFont(pFontName, size, bold, underline, italic);
}

void AddDefaultResource(CMarkupElement& node, CWindowManagerUI* pManager) {
  LPCTSTR pControlName = nullptr;
  LPCTSTR pControlValue = L"";
  for (int i = 0; i < node.GetAttributeCount(); ++i) {
    LPCTSTR pstrName = node.GetAttributeName(i);
    LPCTSTR pstrValue = node.GetAttributeValue(i);
    if (NameIs(pstrName, L"name")) {
      pControlName = pstrValue;
    } else if (NameIs(pstrName, L"value")) {
      pControlValue = pstrValue;
    }
  }
  if (pControlName != nullptr) pManager->AddDefaultAttributeList(pControlName, pControlValue);
}

void ApplyShadowAttribute(CShadowUI* pShadow, LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (NameIs(pstrName, L"shadowsize")) {
    pShadow->SetSize(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else if (NameIs(pstrName, L"shadowsharpness")) {
    pShadow->SetSharpness(static_cast<unsigned int>(CUIValueParser::ReadDecimal(pstrValue, nullptr)));
  } else if (NameIs(pstrName, L"shadowdarkness")) {
    pShadow->SetDarkness(static_cast<unsigned int>(CUIValueParser::ReadDecimal(pstrValue, nullptr)));
  } else if (NameIs(pstrName, L"shadowposition")) {
    const POINT pt = ReadPoint(pstrValue);
    pShadow->SetPosition(pt.x, pt.y);
  } else if (NameIs(pstrName, L"shadowcolor")) {
    pShadow->SetColor(CUIValueParser::ReadColor(pstrValue));
  } else if (NameIs(pstrName, L"shadowcorner")) {
    pShadow->SetShadowCorner(CUIValueParser::ReadRect(pstrValue));
  } else if (NameIs(pstrName, L"shadowimage")) {
    pShadow->SetImage(pstrValue);
  } else if (NameIs(pstrName, L"showshadow")) {
    pShadow->ShowShadow(CUIValueParser::IsTrue(pstrValue));
  }
}

void ApplyWindowAttribute(CWindowManagerUI* pManager, LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (NameIs(pstrName, L"size")) {
    const SIZE sz = ReadSize(pstrValue);
    pManager->SetInitSize(sz.cx, sz.cy);
  } else if (NameIs(pstrName, L"sizebox")) {
    pManager->SetSizeBox(CUIValueParser::ReadRect(pstrValue));
  } else if (NameIs(pstrName, L"caption")) {
    pManager->SetCaptionRect(CUIValueParser::ReadRect(pstrValue));
  } else if (NameIs(pstrName, L"roundcorner")) {
    const SIZE sz = ReadSize(pstrValue);
    pManager->SetRoundCorner(sz.cx, sz.cy);
  } else if (NameIs(pstrName, L"mininfo")) {
    const SIZE sz = ReadSize(pstrValue);
    pManager->SetMinInfo(sz.cx, sz.cy);
  } else if (NameIs(pstrName, L"maxinfo")) {
    const SIZE sz = ReadSize(pstrValue);
    pManager->SetMaxInfo(sz.cx, sz.cy);
  } else if (NameIs(pstrName, L"alpha")) {
    pManager->SetOpacity(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else if (NameIs(pstrName, L"bktrans")) {
    pManager->SetLayered(CUIValueParser::IsTrue(pstrValue));
  } else if (NameIs(pstrName, L"gdiplustext")) {
    pManager->SetUseGdiplusText(CUIValueParser::IsTrue(pstrValue));
  } else if (NameIs(pstrName, L"richeditcorner")) {
    pManager->SetOpaqueInset(CUIValueParser::ReadRect(pstrValue));
  } else if (NameIs(pstrName, L"disabledfontcolor")) {
    pManager->SetDefaultDisabledColor(CUIValueParser::ReadColor(pstrValue));
  } else if (NameIs(pstrName, L"defaultfontcolor")) {
    pManager->SetDefaultFontColor(CUIValueParser::ReadColor(pstrValue));
  } else if (NameIs(pstrName, L"linkfontcolor")) {
    pManager->SetDefaultLinkFontColor(CUIValueParser::ReadColor(pstrValue));
  } else if (NameIs(pstrName, L"linkhoverfontcolor")) {
    pManager->SetDefaultLinkHoverFontColor(CUIValueParser::ReadColor(pstrValue));
  } else if (NameIs(pstrName, L"selectedcolor")) {
    pManager->SetDefaultSelectedBkColor(CUIValueParser::ReadColor(pstrValue));
  } else {
    ApplyShadowAttribute(pManager->GetShadow(), pstrName, pstrValue);
  }
}

}  // namespace

CDialogBuilder::CDialogBuilder() : m_pCallback(nullptr), m_pstrType(nullptr) {}

CDialogBuilder::~CDialogBuilder() = default;

CMarkupParser* CDialogBuilder::GetMarkup() { return &m_xml; }

bool CDialogBuilder::LoadSkin(LPCTSTR pstrSkin, LPCTSTR pstrType) {
  if (!IS_INTRESOURCE(pstrSkin) && *pstrSkin == L'<') return m_xml.LoadText(pstrSkin);
  DWORD dwSize = 0;
  std::unique_ptr<BYTE[]> pData;
  if (IS_INTRESOURCE(pstrSkin)) {
    pData = CSkinRenderer::LoadResourceData(pstrSkin, pstrType, dwSize);
  } else if (CWindowManagerUI::GetResourceZip().IsEmpty()) {
    pData = CSkinRenderer::LoadSkinFileData(pstrSkin, dwSize);
  } else {
    pData = CSkinRenderer::LoadZipItemData(pstrSkin, dwSize);
  }
  if (pData == nullptr || dwSize == 0) return false;
  return m_xml.LoadFromMemory(pData.get(), dwSize, CMarkupParser::XML_ENCODING_UTF8);
}

CControlUI* CDialogBuilder::Create(LPCTSTR pstrSkin, LPCTSTR pstrType, IDialogBuilderCallback* pCallback,
                                   CWindowManagerUI* pManager, CControlUI* pParent) {
  if (t_nNesting >= MAX_NESTING) return nullptr;
  NestingScope scope;
  if (IS_INTRESOURCE(pstrSkin)) {
    m_pCallback = pCallback;
    m_pstrType = pstrType;
  }
  if (!LoadSkin(pstrSkin, pstrType)) return nullptr;
  return CreateFromMarkup(pCallback, pManager, pParent);
}

CControlUI* CDialogBuilder::CreateFromMarkup(IDialogBuilderCallback* pCallback, CWindowManagerUI* pManager,
                                             CControlUI* pParent) {
  m_pCallback = pCallback;
  CMarkupElement root = m_xml.GetRoot();
  if (!root.IsValid()) return nullptr;
  if (!m_xml.FitsUnder(t_nLevels)) return nullptr;
  if (pManager != nullptr) {
    RegisterResources(root, pManager);
    if (NameIs(root.GetName(), L"Window") && pManager->GetPaintWindow() != nullptr) {
      ApplyWindowAttributes(root, pManager);
    }
  }
  return ParseChildren(root, pParent, pManager);
}

void CDialogBuilder::RegisterResources(CMarkupElement& root, CWindowManagerUI* pManager) {
  for (CMarkupElement node = root.GetChild(); node.IsValid(); node = node.GetSibling()) {
    LPCTSTR pstrClass = node.GetName();
    if (NameIs(pstrClass, L"Image")) {
      AddImageResource(node, pManager);
    } else if (NameIs(pstrClass, L"Font")) {
      AddFontResource(node, pManager);
    } else if (NameIs(pstrClass, L"Default")) {
      AddDefaultResource(node, pManager);
    }
  }
}

void CDialogBuilder::ApplyWindowAttributes(CMarkupElement& root, CWindowManagerUI* pManager) {
  for (int i = 0; i < root.GetAttributeCount(); ++i) {
    ApplyWindowAttribute(pManager, root.GetAttributeName(i), root.GetAttributeValue(i));
  }
}

CControlUI* CDialogBuilder::CreateControl(LPCTSTR pstrClass) const {
  if (NameIs(pstrClass, L"Control")) return new CControlUI;
  if (NameIs(pstrClass, L"Container")) return new CContainerUI;
  if (NameIs(pstrClass, L"VerticalLayout")) return new CVerticalLayoutUI;
  if (NameIs(pstrClass, L"HorizontalLayout")) return new CHorizontalLayoutUI;
  if (NameIs(pstrClass, L"TileLayout")) return new CTileLayoutUI;
  if (NameIs(pstrClass, L"TabLayout")) return new CTabLayoutUI;
  if (NameIs(pstrClass, L"ChildLayout")) return new CChildLayoutUI;
  if (NameIs(pstrClass, L"ScrollBar")) return new CScrollBarUI;
  // "TreeNode" has a procedure of its own.
  if (!NameIs(pstrClass, L"TreeNode")) {
    CControlUI* pControl = CControlClassTable::Create(pstrClass);
    if (pControl != nullptr) return pControl;
  }
  const CUIPtrArray* pPlugins = CWindowManagerUI::GetControlPlugins();
  for (int i = 0; i < pPlugins->GetSize(); ++i) {
    LPCREATECONTROL pfnCreate = reinterpret_cast<LPCREATECONTROL>(pPlugins->GetAt(i));
    if (pfnCreate == nullptr) continue;
    CControlUI* pControl = pfnCreate(pstrClass);
    if (pControl != nullptr) return pControl;
  }
  if (m_pCallback != nullptr) return m_pCallback->CreateControl(pstrClass);
  return nullptr;
}

void CDialogBuilder::ApplyAttributes(CMarkupElement& element, CControlUI* pControl, CWindowManagerUI* pManager) {
  if (pManager != nullptr) {
    pControl->SetManager(pManager, nullptr, false);
    LPCTSTR pDefaultAttributes = pManager->GetDefaultAttributeList(element.GetName());
    if (pDefaultAttributes != nullptr) pControl->SetAttributeList(pDefaultAttributes);
  }
  for (int i = 0; i < element.GetAttributeCount(); ++i) {
    pControl->SetAttribute(element.GetAttributeName(i), element.GetAttributeValue(i));
  }
}

void CDialogBuilder::ParseInclude(CMarkupElement& element, CControlUI* pParent, CWindowManagerUI* pManager) {
  if (!element.HasAttributes()) return;
  WCHAR szValue[MAX_INCLUDE_VALUE + 1] = {0};
  int count = 1;
  if (element.GetAttributeValueByName(L"count", szValue, MAX_INCLUDE_VALUE + 1)) {
    count = CUIValueParser::ReadDecimal(szValue, nullptr);
  }
  WCHAR szSource[MAX_INCLUDE_VALUE + 1] = {0};
  if (!element.GetAttributeValueByName(L"source", szSource, MAX_INCLUDE_VALUE + 1)) return;
  for (int i = 0; i < count; ++i) {
    CDialogBuilder builder;
    CControlUI* pIncluded = nullptr;
    if (m_pstrType != nullptr) {
      const WORD wId = static_cast<WORD>(CUIValueParser::ReadDecimal(szSource, nullptr));
      pIncluded = builder.Create(MAKEINTRESOURCEW(wId), m_pstrType, m_pCallback, pManager, pParent);
    } else {
      pIncluded = builder.Create(szSource, nullptr, m_pCallback, pManager, pParent);
    }
    // Included controls never become this level's first one: without a parent to
    // own it, the included root would be lost.
    const std::unique_ptr<CControlUI> pUnowned(pParent == nullptr ? pIncluded : nullptr);
  }
}

bool CDialogBuilder::ParseTreeNode(CMarkupElement& element, CControlUI* pParent, CWindowManagerUI* pManager) {
  CControlUI* pParentNode = pParent->GetInterface(L"TreeNode") != nullptr ? pParent : nullptr;
  // Owned here until a parent node or the tree view takes it.
  std::unique_ptr<CControlUI> pOwned(CControlClassTable::Create(L"TreeNode"));
  CControlUI* const pNode = pOwned.get();
  if (pNode == nullptr) return true;
  if (pParentNode != nullptr) {
    IContainerUI* pNodes = AsContainer(pParentNode);
    if (pNodes == nullptr || !pNodes->Add(pNode)) return true;
    pOwned.release();
  }
  // The node keeps its manager: a tree node lays out its row from it.
  ApplyAttributes(element, pNode, pManager);
  if (element.HasChildren()) ParseChildren(element, pNode, pManager);
  if (pParentNode != nullptr) return true;

  ITreeViewUI* pTreeView = AsTreeView(pParent);
  if (pTreeView == nullptr) return false;
  if (pTreeView->AddNode(pNode)) pOwned.release();
  return true;
}

CControlUI* CDialogBuilder::ParseChildren(CMarkupElement& element, CControlUI* pParent, CWindowManagerUI* pManager) {
  LevelScope level;
  IContainerUI* pContainer = nullptr;
  bool bContainerAsked = false;
  CControlUI* pReturn = nullptr;
  for (CMarkupElement node = element.GetChild(); node.IsValid(); node = node.GetSibling()) {
    LPCTSTR pstrClass = node.GetName();
    if (NameIs(pstrClass, L"Image") || NameIs(pstrClass, L"Font") || NameIs(pstrClass, L"Default")) continue;
    if (NameIs(pstrClass, L"Include")) {
      ParseInclude(node, pParent, pManager);
      continue;
    }
    if (NameIs(pstrClass, L"TreeNode")) {
      if (pParent == nullptr) continue;
      if (!ParseTreeNode(node, pParent, pManager)) return nullptr;
      continue;
    }

    // Owned here until a parent takes it or it becomes the control returned; a
    // control nobody takes goes with the end of its turn.
    std::unique_ptr<CControlUI> pOwned(CreateControl(pstrClass));
    CControlUI* const pControl = pOwned.get();
    if (pControl == nullptr) continue;
    if (node.HasChildren()) ParseChildren(node, pControl, pManager);

    if (pParent != nullptr) {
      ITreeNodeUI* pTreeNode = AsTreeNode(pParent);
      if (pTreeNode != nullptr) {
        IContainerUI* pRow = pTreeNode->GetRowLayout();
        if (pRow == nullptr || !pRow->Add(pControl)) continue;
      } else {
        if (!bContainerAsked) {
          pContainer = AsContainer(pParent);
          bContainerAsked = true;
        }
        if (pContainer == nullptr) return nullptr;
        if (!pContainer->Add(pControl)) continue;
      }
      pOwned.release();
    }

    ApplyAttributes(node, pControl, pManager);
    if (pManager != nullptr) pControl->SetManager(nullptr, nullptr, false);

    // Only the first top-level control reaches the caller.
    if (pReturn == nullptr) {
      pReturn = pControl;
      pOwned.release();
    }
  }
  return pReturn;
}

}  // namespace SkinUI
