#pragma once
// What the tests of the window side stand on: a framework window (a CWindowWnd
// that hands its messages to its manager), controls that log the events reaching
// them in words ("A:enter", "A:down@20,20"), paint a colour and remember what they
// were asked to paint, and readers of the pictures the headless backend was given.
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/win32.h"
#include "tests/ui/core/support/UiTestSupport.h"
#include "ui/core/control/CControlUI.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/window/CWindowWnd.h"
#include "ui/core/window/WindowImplBase.h"
#include "ui/core/manager/IRichEditUI.h"
#include "testing/base/RectValues.h"

namespace wintest {

using uitest::Lines;

// "enter", "down", "keyup", ... for an event kind.
std::string EventName(int type);

// A control that logs its events and, when it has a colour, fills its rectangle.
class ProbeControl : public uitest::LogControl {
 public:
  ProbeControl(Lines* log, LPCTSTR name, RECT pos = RECT{0, 0, 0, 0}, UINT flags = 0);
  ~ProbeControl() override;

  LPCTSTR GetClassName() const override { return className.c_str(); }
  bool Activate() override;
  void HandleEvent(SkinUI::UIEventRecord& event) override;
  void Paint(HDC hDC, const RECT& rcPaint) override;

  std::wstring className = L"ProbeUI";
  // AARRGGBB filled over the control's rectangle; 0 paints nothing.
  DWORD fill = 0;
  // Events that add their point to the line ("move@x,y").
  bool logPoints = false;
  bool logDestruction = false;
  // Runs after the event was logged, with the event's kind.
  std::function<void(int)> hook;
  RECT lastPaint = RECT{0, 0, 0, 0};
  int paintCount = 0;
};

// A probe built from a skin: it reads "name", "pos", "float" and "visible" itself,
// and when clickable sends "click" at a button release over it, as a button does.
class SkinProbe : public ProbeControl {
 public:
  SkinProbe(Lines* log, LPCTSTR className, bool clickable);
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  void HandleEvent(SkinUI::UIEventRecord& event) override;

 private:
  bool clickable_;
};

// A container of probe controls that logs, fills and paints its children.
class ProbeContainer : public uitest::LogContainer {
 public:
  ProbeContainer(Lines* log, LPCTSTR name, RECT pos = RECT{0, 0, 0, 0});

  void HandleEvent(SkinUI::UIEventRecord& event) override;
  void Paint(HDC hDC, const RECT& rcPaint) override;
  void AddChild(SkinUI::CControlUI* child);
  // Deletes the child at once and paints it no more.
  void Remove(SkinUI::CControlUI* child);

  DWORD fill = 0;
  RECT lastPaint = RECT{0, 0, 0, 0};

 private:
  std::vector<SkinUI::CControlUI*> painted_;
};

// A rich edit as the manager sees one: class name "RichEditUI", a text colour and
// whether it takes Tab itself.
class ProbeRichEdit : public ProbeControl, public SkinUI::IRichEditUI {
 public:
  ProbeRichEdit(Lines* log, LPCTSTR name, RECT pos, bool wantTab, DWORD textColor);
  bool IsWantTab() override { return wantTab_; }
  DWORD GetTextColor() override { return textColor_; }

 private:
  bool wantTab_;
  DWORD textColor_;
};

// A window whose messages go to its manager first and then to the default
// procedure; it takes double clicks. Create and destroy it on its thread.
class ManagedWindow : public SkinUI::CWindowWnd {
 public:
  ManagedWindow() = default;
  SkinUI::CWindowManagerUI& Manager() { return manager_; }
  // Messages the manager left unhandled, by number.
  std::vector<UINT> unhandled;

 protected:
  LPCTSTR GetWindowClassName() const override { return L"SkinUITestManagedWindow"; }
  UINT GetClassStyle() const override { return CS_DBLCLKS; }
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

 private:
  SkinUI::CWindowManagerUI manager_;
};

// A listener that runs a call for every notification.
class CallbackListener : public SkinUI::INotifyUI {
 public:
  explicit CallbackListener(std::function<void(SkinUI::UINotifyRecord&)> call) : call_(std::move(call)) {}
  void Notify(SkinUI::UINotifyRecord& msg) override { call_(msg); }

 private:
  std::function<void(SkinUI::UINotifyRecord&)> call_;
};

// A framework window built from a skin given as markup. Skin elements "Button",
// "Option", "Text", "Slider" and "Label" become probes with those class names.
class SkinWindow : public SkinUI::WindowImplBase {
 public:
  SkinWindow(std::wstring skin, Lines* log) : skin_(std::move(skin)), log_(log) {}
  SkinUI::CWindowManagerUI& Manager() { return m_pm; }
  SkinUI::CControlUI* CreateControl(LPCTSTR pstrClass) override;
  int skinBuilt = 0;

 protected:
  LPCTSTR GetWindowClassName() const override { return L"SkinUITestSkinWindow"; }
  SkinUI::CUIString GetSkinXmlName() const override { return SkinUI::CUIString(skin_.c_str()); }
  void OnSkinBuilt() override { ++skinBuilt; }
  LRESULT OnDefaultKey(WPARAM wParam) override;

 private:
  std::wstring skin_;
  Lines* log_;
};

// A window that logs the reflected messages it receives and answers them.
class ReflectTarget {
 public:
  static HWND Create(HWND parent, Lines* log);
};

// The last picture the backend was given for a window, read as AARRGGBB.
class PresentedImage {
 public:
  explicit PresentedImage(HWND hwnd);
  bool Valid() const { return width_ > 0; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  uint32_t Pixel(int x, int y) const;

 private:
  std::vector<uint32_t> pixels_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace wintest
