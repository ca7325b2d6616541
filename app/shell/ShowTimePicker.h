#pragma once
// The hour-and-minute picker opened under a time button: the button's text is the
// starting time and, when the picker is confirmed, becomes the chosen one.
#include "ui/core/manager/UINotifyRecord.h"
#include "ui/core/window/CWindowWnd.h"

void ShowTimePicker(SkinUI::CWindowWnd* window, SkinUI::UINotifyRecord& msg);
