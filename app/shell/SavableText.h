#pragma once
// Texts a user typed reach the server through the program's narrow code page, GBK, which
// has no code for some characters (many emoji and rarer ideographs among them). Such a
// character would be stored as "?" or dropped while the save reports success, so the
// save paths refuse the text before sending anything.
#include <initializer_list>
#include <string>

#include "platform/win32.h"

namespace SkinUI {
class CControlUI;
}

// True when GBK can hold every character of the text.
bool IsSavableText(const std::wstring& text);

// False, after telling the user "包含无法保存的字符!" (kind 1) over the window, when the
// text of one of the fields holds a character GBK cannot hold. Missing fields pass.
bool CheckSavableTexts(HWND hwndParent, std::initializer_list<const SkinUI::CControlUI*> fields);
