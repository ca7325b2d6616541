#pragma once
// The skin builder's element names for the control classes that live outside the
// framework core ("Button", "List", "TreeNode", ...). Each such class registers the
// function that makes it under its element name; until it does, the builder skips
// elements of that name. Only the names of the builder's fixed table can be
// registered: this is not a way to add new element names (the control plug-ins and
// the builder callback are).
#include <map>
#include <mutex>
#include <string>

#include "platform/win32.h"

namespace SkinUI {

class CControlUI;

typedef CControlUI* (*CONTROLCLASSPROC)();

class CControlClassTable {
 public:
  // False for a name outside the table or a null function; a later registration
  // of the same name replaces the earlier one.
  static bool Register(LPCTSTR pstrElement, CONTROLCLASSPROC pfnCreate);
  static void Unregister(LPCTSTR pstrElement);
  static bool IsRegisterable(LPCTSTR pstrElement);
  // A new control of the class registered for the name, or null.
  static CControlUI* Create(LPCTSTR pstrElement);

 private:
  // Registration happens at start-up, but windows are built on two threads.
  static std::mutex& Lock();
  static std::map<std::wstring, CONTROLCLASSPROC>& Classes();
};

}  // namespace SkinUI
