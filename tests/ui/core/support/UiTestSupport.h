#pragma once
// What the framework's tests stand on: a window with a manager, run on a GUI thread
// of the headless backend; controls that write what reaches them into a shared log;
// a small container; a listener. Log lines read "who:what".
#include <memory>
#include <string>
#include <vector>

#include "platform/win32.h"
#include "ui/core/control/CControlUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace uitest {

typedef std::vector<std::string> Lines;

// The log without the "windowinit" of the host's first paint, which comes whenever the
// window thread gets to it; tests of other notifications compare what is left.
Lines WithoutWindowInit(const Lines& log);

// ASCII text of a wide string, for log lines and messages.
std::string Narrow(LPCTSTR text);

// A top-level window whose procedure hands every message to its manager first.
// Create and destroy it on the thread that runs it.
class Host {
 public:
  explicit Host(RECT rc = RECT{0, 0, 400, 300}, DWORD style = WS_POPUP | WS_VISIBLE, HWND parent = nullptr);
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  HWND Window() const { return hwnd_; }
  SkinUI::CWindowManagerUI& Manager() { return *manager_; }
  // Destroys the manager ahead of the window (what a window does at its end).
  void DropManager();
  // Win32 ids of the WM_TIMER messages the window received, in order.
  std::vector<UINT> timerIds;
  // Messages the window received that the manager left unhandled, by number.
  std::vector<UINT> messages;

  // The window's update rectangle, validated afterwards; empty when there is none.
  RECT TakeUpdateRect();

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  std::unique_ptr<SkinUI::CWindowManagerUI> manager_;
  HWND hwnd_ = nullptr;
};

// A control that logs the events it handles and the notifications sent for it.
class LogControl : public SkinUI::CControlUI {
 public:
  LogControl(Lines* log, LPCTSTR name, RECT pos = RECT{0, 0, 0, 0});

  LPCTSTR GetClassName() const override { return L"LogControlUI"; }
  UINT GetBehaviorFlags() const override { return behaviorFlags; }
  void HandleEvent(SkinUI::UIEventRecord& event) override;
  void OnInit() override;

  // Places the control without a manager: no invalidation, no size delegates.
  void Place(RECT pos) { m_rcItem = pos; }
  const SIZE& FixedXY() const { return m_cXY; }

  UINT behaviorFlags = 0;
  // When set, events stop here instead of going on to the base handler.
  bool swallowEvents = false;

 protected:
  Lines* log_;
};

// Owns its children, hands its manager down, and searches them as a container does.
class LogContainer : public LogControl {
 public:
  LogContainer(Lines* log, LPCTSTR name, RECT pos = RECT{0, 0, 0, 0});
  ~LogContainer() override;

  LPCTSTR GetClassName() const override { return L"LogContainerUI"; }
  // Takes ownership; a child of an attached container joins the manager's name map.
  template <class T>
  T* Add(T* child) {
    children_.push_back(child);
    if (m_pManager != nullptr) {
      m_pManager->InitControls(child, this);
    } else {
      child->SetManager(nullptr, this, false);
    }
    return child;
  }
  // Deletes a child at once, as a container with auto-destroy does.
  void Remove(SkinUI::CControlUI* child);

  void SetManager(SkinUI::CWindowManagerUI* pManager, SkinUI::CControlUI* pParent, bool bInit = true) override;
  void SetVisible(bool bVisible = true) override;
  void SetParentVisible(bool bVisible = true) override;
  SkinUI::CControlUI* FindControl(SkinUI::FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags) override;

 private:
  std::vector<SkinUI::CControlUI*> children_;
};

// Logs every notification as "type:sender" ("-" for no sender).
class LogListener : public SkinUI::INotifyUI {
 public:
  explicit LogListener(Lines* log, std::string name = "listener") : log_(log), name_(std::move(name)) {}
  void Notify(SkinUI::UINotifyRecord& msg) override;
  std::vector<SkinUI::UINotifyRecord> records;

 private:
  Lines* log_;
  std::string name_;
};

// Registers the framework's instance once for the process (it also registers the
// shadow's window class).
void EnsureInstance();

}  // namespace uitest
