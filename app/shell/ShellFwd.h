#pragma once
// The shell's windows that its services hold by pointer only. Including this instead
// of the windows' own headers keeps those services free of the UI.
class CMainFrameWnd;
class PhotoFeedBackWindow;
class AlarmWindow;
