#pragma once
// The shell's toast, which the broker consumer reaches through the shell's record alerts
// (ShellRecordAlerts). Until the shell's own windows exist, the toast is a stand-in that
// hands the text to a replaceable handler, so that the services and their tests can run
// without a window.
#include <functional>
#include <string>

#include "app/shell/ShellFwd.h"

// The toast window; null until the main frame has built its skin. Callers test it
// before calling ShowToast.
extern PhotoFeedBackWindow* g_pFeedBackWnd;

// Shows text on the toast window for the given number of seconds. Safe to call from
// any thread (the broker consumer calls it from its own).
void ShowToast(const std::wstring& text, int seconds);

using ToastHandler = std::function<void(const std::wstring& text, int seconds)>;

// Replaces what ShowToast does and returns the handler it replaced; an empty
// handler makes ShowToast drop the text.
ToastHandler SetToastHandler(ToastHandler handler);
