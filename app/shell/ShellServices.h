#pragma once
// The shell's toast, which the pages and the broker consumer (through the shell's record
// alerts, ShellRecordAlerts) reach by ShowToast. A replaceable handler takes the text
// instead of the toast window while it is set, so that the services and their tests can
// run without a window.
#include <functional>
#include <string>

#include "app/shell/ShellFwd.h"

// The toast window; null until the main frame has built its skin. Callers test it
// before calling ShowToast.
extern PhotoFeedBackWindow* g_pFeedBackWnd;

// Shows text on the toast window for the given number of seconds. Safe to call from
// any thread (the broker consumer calls it from its own): the toast window's own thread
// shows it. Dropped while there is no toast window.
void ShowToast(const std::wstring& text, int seconds);

using ToastHandler = std::function<void(const std::wstring& text, int seconds)>;

// While set, ShowToast hands its text to this handler instead of the toast window.
// Returns the handler it replaced; an empty handler gives the text back to the window.
ToastHandler SetToastHandler(ToastHandler handler);
