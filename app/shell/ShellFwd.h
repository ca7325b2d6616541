#pragma once
// The shell's windows that lower layers hold by pointer only. Including this
// instead of the windows' own headers keeps the services free of the UI.
class CMainFrameWnd;
class PhotoFeedBackWindow;
class AlarmWindow;
