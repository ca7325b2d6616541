#pragma once
// The web engine's calls, as the program makes them: off-screen views rendered into
// the caller's pixel buffer, pages loaded by URL, scripts run in them, and native
// functions their scripts can call. Every call is made on the thread that created the
// view, and every callback and native function runs there, through its message queue.
// A null view is accepted everywhere and does nothing: views are null when the engine
// cannot run (no display), so a program without one shows nothing and goes on.
#include <cstdint>

typedef struct wkeWebViewTag* wkeWebView;
// A text an engine callback hands out; wkeGetStringW reads it during the callback.
typedef struct wkeStringTag* wkeString;
typedef struct jsExecStateTag* jsExecState;
typedef int64_t jsValue;
typedef jsValue (*jsNativeFunction)(jsExecState es);

enum wkeLoadingResult { WKE_LOADING_SUCCEEDED = 0, WKE_LOADING_FAILED = 1, WKE_LOADING_CANCELED = 2 };

enum wkeNavigationType {
  WKE_NAVIGATION_TYPE_LINKCLICK = 0,
  WKE_NAVIGATION_TYPE_FORMSUBMITTE = 1,
  WKE_NAVIGATION_TYPE_BACKFORWARD = 2,
  WKE_NAVIGATION_TYPE_RELOAD = 3,
  WKE_NAVIGATION_TYPE_FORMRESUBMITT = 4,
  WKE_NAVIGATION_TYPE_OTHER = 5
};

struct wkeWindowFeatures {
  int x;
  int y;
  int width;
  int height;
  bool menuBarVisible;
  bool statusBarVisible;
  bool toolBarVisible;
  bool locationBarVisible;
  bool scrollbarsVisible;
  bool resizable;
  bool fullscreen;
};

typedef void (*wkeTitleChangedCallback)(wkeWebView webView, void* param, const wkeString title);
typedef void (*wkeURLChangedCallback)(wkeWebView webView, void* param, const wkeString url);
// False stops the navigation.
typedef bool (*wkeNavigationCallback)(wkeWebView webView, void* param, wkeNavigationType navigationType,
                                      wkeString url);
// Null refuses the new window; a view given loads the URL.
typedef wkeWebView (*wkeCreateViewCallback)(wkeWebView webView, void* param, wkeNavigationType navigationType,
                                            const wkeString url, const wkeWindowFeatures* windowFeatures);
typedef void (*wkeDocumentReadyCallback)(wkeWebView webView, void* param);
typedef void (*wkeLoadingFinishCallback)(wkeWebView webView, void* param, const wkeString url,
                                         wkeLoadingResult result, const wkeString failedReason);

// Starts the engine once, before any view; later calls do nothing. Without a display
// the engine is unavailable: one line goes to the debug output and views are null.
void wkeInitialize();

wkeWebView wkeCreateWebView();
// No callback of the view runs after this.
void wkeDestroyWebView(wkeWebView webView);
void wkeSetUserAgent(wkeWebView webView, const char* userAgent);
void wkeSetName(wkeWebView webView, const char* name);
const char* wkeGetName(wkeWebView webView);

void wkeOnTitleChanged(wkeWebView webView, wkeTitleChangedCallback callback, void* param);
void wkeOnURLChanged(wkeWebView webView, wkeURLChangedCallback callback, void* param);
void wkeOnNavigation(wkeWebView webView, wkeNavigationCallback callback, void* param);
void wkeOnCreateView(wkeWebView webView, wkeCreateViewCallback callback, void* param);
void wkeOnDocumentReady(wkeWebView webView, wkeDocumentReadyCallback callback, void* param);
void wkeOnLoadingFinish(wkeWebView webView, wkeLoadingFinishCallback callback, void* param);
const wchar_t* wkeGetStringW(const wkeString string);

// Starts loading and returns at once. `url` is a local path (with "\" or "/"), or a
// file:// URL; "file:///" followed by an absolute path names the same file.
void wkeLoadW(wkeWebView webView, const wchar_t* url);
void wkeResize(wkeWebView webView, int w, int h);
int wkeGetWidth(wkeWebView webView);
int wkeGetHeight(wkeWebView webView);
// Copies the latest finished rendering into a top-down 32-bit buffer of the view's
// size; `pitch` 0 means width * 4. Never waits for the engine: white until the first
// rendering arrives.
void wkePaint2(wkeWebView webView, void* bits, int pitch);

bool wkeFireMouseEvent(wkeWebView webView, unsigned int message, int x, int y, unsigned int flags);
bool wkeFireContextMenuEvent(wkeWebView webView, int x, int y, unsigned int flags);
bool wkeFireMouseWheelEvent(wkeWebView webView, int x, int y, int delta, unsigned int flags);
bool wkeFireKeyUpEvent(wkeWebView webView, unsigned int virtualKeyCode, unsigned int flags, bool systemKey);
bool wkeFireKeyDownEvent(wkeWebView webView, unsigned int virtualKeyCode, unsigned int flags, bool systemKey);
bool wkeFireKeyPressEvent(wkeWebView webView, unsigned int charCode, unsigned int flags, bool systemKey);
void wkeSetFocus(wkeWebView webView);
void wkeKillFocus(wkeWebView webView);

// Runs UTF-8 script in the page's global scope, after the load under way if any, in
// the order of the calls. Returns undefined: the program reads nothing back.
jsValue wkeRunJS(wkeWebView webView, const char* script);

// Makes fn callable from every page's script as name(arg1, ..., argN), in views made
// before and after; the name is looked up when the page calls it, so binding it again
// replaces the function.
void jsBindFunction(const char* name, jsNativeFunction fn, unsigned int argCount);

// During a native function: the calling view, its arguments, and values to return.
wkeWebView jsGetWebView(jsExecState es);
int jsArgCount(jsExecState es);
jsValue jsArg(jsExecState es, int argIdx);
bool jsIsString(jsValue v);
bool jsIsNumber(jsValue v);
// The argument's text (a number's as the page would print it); valid until the native
// function returns.
const wchar_t* jsToTempStringW(jsExecState es, jsValue v);
jsValue jsUndefined();
