#include "testing/user/UserInput.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cstdint>
#include <cwchar>
#include <thread>

#include "platform/base/CodePage.h"
#include "platform/user/WindowHelpers.h"
#include "testing/base/CheckedSlowdown.h"
#include "ui/controls/CComboUI.h"
#include "ui/controls/CCheckBoxUI.h"
#include "ui/controls/COptionUI.h"
#include "ui/controls/CTreeNodeUI.h"
#include "ui/core/control/CContainerUI.h"
#include "ui/core/control/CScrollBarUI.h"
#include "ui/core/manager/CWindowManagerList.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace userinput {
namespace {

// Workers answer over loopback HTTP in real time while the GUI threads idle: a wait
// lets them run in short steps up to this bound.
const auto kWaitLimit = std::chrono::seconds(10 * testing_base::kCheckedSlowdown);
const auto kStep = std::chrono::milliseconds(5);
// The virtual time each step of a wait lets pass, so that the program's timers run.
const uint64_t kClockStepMs = 20;

// For the failure messages, which the terminal reads as UTF-8.
std::string Narrow(const std::wstring& text) { return platform::codepage::WideToUtf8(text); }

struct ClassSearch {
  std::wstring className;
  HWND found = nullptr;
};

BOOL CALLBACK MatchClass(HWND hwnd, LPARAM param);

BOOL CALLBACK MatchChild(HWND hwnd, LPARAM param) { return MatchClass(hwnd, param); }

BOOL CALLBACK MatchClass(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<ClassSearch*>(param);
  wchar_t name[128] = {0};
  ::GetClassNameW(hwnd, name, 128);
  if (search->className == name && ::IsWindowVisible(hwnd)) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK SearchTopLevel(HWND hwnd, LPARAM param) {
  if (!MatchClass(hwnd, param)) return FALSE;
  ::EnumChildWindows(hwnd, &MatchChild, param);
  return reinterpret_cast<ClassSearch*>(param)->found == nullptr;
}

HWND FindShown(const std::wstring& className) {
  ClassSearch search;
  search.className = className;
  ::EnumWindows(&SearchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void RunOn(HWND hwnd, const std::function<void()>& call) {
  platform::user::RunOnOwnerThread(hwnd, [&call]() -> LRESULT {
    call();
    return 0;
  }, true);
}

// On the window's thread: the manager painting `window` or one of its child windows
// that holds the name, and the control.
SkinUI::CControlUI* FindNamed(HWND window, const std::wstring& name, HWND* paintWindow) {
  const DWORD thread = ::GetCurrentThreadId();
  SkinUI::CControlUI* inChild = nullptr;
  for (const SkinUI::CWindowManagerList::Entry& entry : SkinUI::CWindowManagerList::Instance().Snapshot()) {
    if (entry.dwThreadId != thread || !SkinUI::CWindowManagerList::Instance().IsListed(entry)) continue;
    const HWND painted = entry.pManager->GetPaintWindow();
    if (painted == nullptr) continue;
    const bool own = painted == window;
    if (!own && !::IsChild(window, painted)) continue;
    SkinUI::CControlUI* control = entry.pManager->FindControl(name.c_str());
    if (control == nullptr) continue;
    if (own) {
      *paintWindow = painted;
      return control;
    }
    if (inChild == nullptr && ::IsWindowVisible(painted)) {
      inChild = control;
      *paintWindow = painted;
    }
  }
  return inChild;
}

bool IsWithin(SkinUI::CControlUI* inner, SkinUI::CControlUI* outer) {
  for (SkinUI::CControlUI* at = inner; at != nullptr; at = at->GetParent()) {
    if (at == outer) return true;
  }
  return false;
}

// The text a person reads on an item: its own, or its labelled children's.
void CollectTexts(SkinUI::CControlUI* control, std::wstring* out) {
  const std::wstring own = control->GetText().GetData();
  if (!own.empty() && control->IsVisible()) {
    if (!out->empty()) *out += L"|";
    *out += own;
  }
  auto* container = static_cast<SkinUI::CContainerUI*>(control->GetInterface(L"Container"));
  if (container == nullptr) return;
  for (int i = 0; i < container->GetCount(); ++i) CollectTexts(container->GetItemAt(i), out);
}

std::wstring ItemText(SkinUI::CControlUI* item) {
  const std::wstring own = item->GetText().GetData();
  if (!own.empty()) return own;
  std::wstring joined;
  CollectTexts(item, &joined);
  return joined;
}

SkinUI::CControlUI* FindInside(SkinUI::CControlUI* item, const std::wstring& name) {
  if (item->GetName() == name.c_str()) return item;
  auto* container = static_cast<SkinUI::CContainerUI*>(item->GetInterface(L"Container"));
  if (container == nullptr) return nullptr;
  for (int i = 0; i < container->GetCount(); ++i) {
    if (SkinUI::CControlUI* found = FindInside(container->GetItemAt(i), name)) return found;
  }
  return nullptr;
}

// The tick a person sees on a tree row: the node's own check box, or one its row holds.
SkinUI::CControlUI* ShownTickOf(SkinUI::CTreeNodeUI* node) {
  SkinUI::CControlUI* own = node->GetCheckBox();
  if (own != nullptr && own->IsVisible()) return own;
  std::vector<SkinUI::CControlUI*> pending = {node};
  while (!pending.empty()) {
    SkinUI::CControlUI* at = pending.back();
    pending.pop_back();
    const bool nodePart = at == node || at == own || at == node->GetFolderButton() || at == node->GetItemButton();
    if (!nodePart && at->IsVisible() && at->GetInterface(L"Option") != nullptr) {
      return at;
    }
    auto* container = static_cast<SkinUI::CContainerUI*>(at->GetInterface(L"Container"));
    if (container == nullptr) continue;
    for (int i = container->GetCount() - 1; i >= 0; --i) {
      SkinUI::CControlUI* child = container->GetItemAt(i);
      if (child->GetInterface(L"TreeNode") == nullptr) pending.push_back(child);
    }
  }
  return nullptr;
}

}  // namespace

bool UserInput::WaitFor(const std::string& what, const std::function<bool()>& done) {
  const auto limit = std::chrono::steady_clock::now() + kWaitLimit;
  for (;;) {
    driver_.WaitIdle();
    if (done()) return true;
    if (std::chrono::steady_clock::now() > limit) break;
    std::this_thread::sleep_for(kStep);
    driver_.Advance(kClockStepMs);
  }
  ADD_FAILURE() << "waited in vain for " << what;
  return false;
}

void UserInput::Settle() {
  driver_.WaitIdle();
  driver_.Advance(200);
}

HWND UserInput::Window(const std::wstring& className) {
  HWND found = nullptr;
  WaitFor("a window of class " + Narrow(className), [&] {
    found = FindShown(className);
    return found != nullptr;
  });
  return found;
}

bool UserInput::IsOpen(const std::wstring& className) {
  WNDCLASSEXW info = {};
  info.cbSize = sizeof(info);
  if (!::GetClassInfoExW(::GetModuleHandleW(nullptr), className.c_str(), &info)) {
    ADD_FAILURE() << "no window class " << Narrow(className) << " was ever registered";
    return false;
  }
  driver_.WaitIdle();
  return FindShown(className) != nullptr;
}

bool UserInput::WaitClosed(const std::wstring& className) {
  return WaitFor("the window of class " + Narrow(className) + " to close",
                 [&] { return FindShown(className) == nullptr; });
}

void UserInput::OnControl(HWND window, const std::wstring& name,
                          const std::function<void(SkinUI::CControlUI*, HWND)>& call) {
  if (window == nullptr) {
    ADD_FAILURE() << "no window to find " << Narrow(name) << " in";
    return;
  }
  bool found = false;
  RunOn(window, [&] {
    HWND painted = nullptr;
    SkinUI::CControlUI* control = FindNamed(window, name, &painted);
    if (control == nullptr) return;
    found = true;
    call(control, painted);
  });
  if (!found) ADD_FAILURE() << "the window holds no control named " << Narrow(name);
}

bool UserInput::WaitShown(HWND window, const std::wstring& name) {
  return WaitFor(Narrow(name) + " to show", [&] {
    bool shown = false;
    RunOn(window, [&] {
      HWND painted = nullptr;
      SkinUI::CControlUI* control = FindNamed(window, name, &painted);
      shown = control != nullptr && control->IsVisible() && ::IsWindowVisible(painted);
    });
    return shown;
  });
}

void UserInput::Read(HWND window, const std::wstring& name, const std::function<void(SkinUI::CControlUI*)>& read) {
  OnControl(window, name, [&](SkinUI::CControlUI* control, HWND) { read(control); });
}

bool UserInput::Has(HWND window, const std::wstring& name) {
  bool has = false;
  OnControl(window, name, [&](SkinUI::CControlUI*, HWND) { has = true; });
  return has;
}

std::wstring UserInput::Text(HWND window, const std::wstring& name) {
  std::wstring text = L"<missing " + name + L">";
  OnControl(window, name, [&](SkinUI::CControlUI* control, HWND) { text = control->GetText().GetData(); });
  return text;
}

bool UserInput::Visible(HWND window, const std::wstring& name) {
  bool visible = false;
  OnControl(window, name, [&](SkinUI::CControlUI* control, HWND) { visible = control->IsVisible(); });
  return visible;
}

bool UserInput::Enabled(HWND window, const std::wstring& name) {
  bool enabled = false;
  OnControl(window, name, [&](SkinUI::CControlUI* control, HWND) { enabled = control->IsEnabled(); });
  return enabled;
}

bool UserInput::Selected(HWND window, const std::wstring& name) {
  bool selected = false;
  OnControl(window, name, [&](SkinUI::CControlUI* control, HWND) {
    auto* option = static_cast<SkinUI::COptionUI*>(control->GetInterface(L"Option"));
    if (option == nullptr) {
      ADD_FAILURE() << Narrow(name) << " has no tick to read";
      return;
    }
    selected = option->IsSelected();
  });
  return selected;
}

std::vector<std::wstring> UserInput::Items(HWND window, const std::wstring& container) {
  std::vector<std::wstring> items;
  OnControl(window, container, [&](SkinUI::CControlUI* control, HWND) {
    auto* holder = static_cast<SkinUI::CContainerUI*>(control->GetInterface(L"Container"));
    if (holder == nullptr) {
      ADD_FAILURE() << Narrow(container) << " holds no items";
      return;
    }
    for (int i = 0; i < holder->GetCount(); ++i) items.push_back(ItemText(holder->GetItemAt(i)));
  });
  return items;
}

std::vector<std::wstring> UserInput::ItemTexts(HWND window, const std::wstring& container, const std::wstring& name) {
  std::vector<std::wstring> texts;
  OnControl(window, container, [&](SkinUI::CControlUI* control, HWND) {
    auto* holder = static_cast<SkinUI::CContainerUI*>(control->GetInterface(L"Container"));
    if (holder == nullptr) {
      ADD_FAILURE() << Narrow(container) << " holds no items";
      return;
    }
    for (int i = 0; i < holder->GetCount(); ++i) {
      SkinUI::CControlUI* inside = FindInside(holder->GetItemAt(i), name);
      if (inside == nullptr) {
        ADD_FAILURE() << "item " << i << " of " << Narrow(container) << " holds no " << Narrow(name);
        continue;
      }
      texts.push_back(inside->GetText().GetData());
    }
  });
  return texts;
}

bool UserInput::CentreOf(SkinUI::CControlUI* control, HWND paintWindow, POINT* screen, const std::wstring& what) {
  if (!control->IsVisible()) {
    ADD_FAILURE() << Narrow(what) << " is not shown, so nobody can click it";
    return false;
  }
  RECT shown = control->GetPos();
  // What a scrolled or clipped parent leaves of it.
  for (SkinUI::CControlUI* parent = control->GetParent(); parent != nullptr; parent = parent->GetParent()) {
    RECT clip = parent->GetPos();
    if (!::IntersectRect(&shown, &shown, &clip)) {
      ADD_FAILURE() << Narrow(what) << " lies outside what its parent shows";
      return false;
    }
  }
  POINT centre = {(shown.left + shown.right) / 2, (shown.top + shown.bottom) / 2};
  SkinUI::CWindowManagerUI* manager = control->GetManager();
  SkinUI::CControlUI* hit = manager == nullptr ? nullptr : manager->FindControlAt(centre);
  if (hit != nullptr && !IsWithin(hit, control) && !IsWithin(control, hit)) {
    ADD_FAILURE() << Narrow(what) << " is covered by " << Narrow(hit->GetName().GetData());
    return false;
  }
  ::ClientToScreen(paintWindow, &centre);
  *screen = centre;
  target_ = paintWindow;
  return true;
}

void UserInput::ClickPoint(POINT screen) {
  // Another window over the point (a toast fading out) takes the click: a person waits
  // until the control shows.
  const HWND target = target_;
  WaitFor("the control to be uncovered on the screen", [&] {
    const HWND under = ::WindowFromPoint(screen);
    return under == target || ::IsChild(target, under);
  });
  driver_.Click(screen.x, screen.y);
  driver_.WaitIdle();
}

void UserInput::Click(HWND window, const std::wstring& name) {
  POINT at = {-1, -1};
  bool placed = false;
  OnControl(window, name, [&](SkinUI::CControlUI* control, HWND painted) {
    placed = CentreOf(control, painted, &at, name);
  });
  if (placed) ClickPoint(at);
}

void UserInput::DoubleClick(HWND window, const std::wstring& name) {
  POINT at = {-1, -1};
  bool placed = false;
  OnControl(window, name, [&](SkinUI::CControlUI* control, HWND painted) {
    placed = CentreOf(control, painted, &at, name);
  });
  if (!placed) return;
  driver_.Click(at.x, at.y);
  driver_.Click(at.x, at.y);
  driver_.WaitIdle();
}

void UserInput::ScrollTo(HWND window, const std::wstring& container, int index) {
  // A bar that does not bring the row (a track click the window ignores, or pages that
  // overshoot) leaves the wheel.
  bool barMoves = true;
  LONG lastTop = INT_MIN;
  for (int turn = 0; turn < 200; ++turn) {
    bool whole = false;
    POINT at = {-1, -1};
    bool wheel = false;
    OnControl(window, container, [&](SkinUI::CControlUI* control, HWND painted) {
      auto* holder = static_cast<SkinUI::CContainerUI*>(control->GetInterface(L"Container"));
      if (holder == nullptr || index >= holder->GetCount()) return;
      const RECT item = holder->GetItemAt(index)->GetPos();
      const RECT box = control->GetPos();
      whole = item.top >= box.top && item.bottom <= box.bottom;
      if (whole) return;
      if (item.top == lastTop || turn >= 20) barMoves = false;
      lastTop = item.top;
      const bool below = item.bottom > box.bottom;
      // A person clicks the scroll bar's track beyond the thumb; without a bar, turns
      // the wheel over the container.
      SkinUI::CScrollBarUI* bar = holder->GetVerticalScrollBar();
      if (barMoves && bar != nullptr && bar->IsVisible()) {
        const RECT track = bar->GetPos();
        const RECT thumb = bar->GetThumbRect();
        at = POINT{(track.left + track.right) / 2, below ? (thumb.bottom + track.bottom) / 2 : (track.top + thumb.top) / 2};
      } else {
        at = POINT{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
        wheel = true;
      }
      ::ClientToScreen(painted, &at);
      target_ = painted;
      if (wheel) at.y = below ? -at.y - 1 : at.y;  // the direction rides on the sign
    });
    if (whole || at.x < 0) return;
    if (!wheel) {
      ClickPoint(at);
      continue;
    }
    const bool down = at.y < 0;
    driver_.MoveMouse(at.x, down ? -at.y - 1 : at.y);
    driver_.Wheel(down ? -WHEEL_DELTA : WHEEL_DELTA);
    driver_.WaitIdle();
  }
  ADD_FAILURE() << "item " << index << " of " << Narrow(container) << " never came into view";
}

void UserInput::ClickInItem(HWND window, const std::wstring& container, int index, const std::wstring& name) {
  ScrollTo(window, container, index);
  POINT at = {-1, -1};
  bool placed = false;
  OnControl(window, container, [&](SkinUI::CControlUI* control, HWND painted) {
    auto* holder = static_cast<SkinUI::CContainerUI*>(control->GetInterface(L"Container"));
    if (holder == nullptr || index < 0 || index >= holder->GetCount()) {
      ADD_FAILURE() << Narrow(container) << " has no item " << index;
      return;
    }
    SkinUI::CControlUI* inside = FindInside(holder->GetItemAt(index), name);
    if (inside == nullptr) {
      ADD_FAILURE() << "item " << index << " of " << Narrow(container) << " holds no " << Narrow(name);
      return;
    }
    placed = CentreOf(inside, painted, &at, name);
  });
  if (placed) ClickPoint(at);
}

void UserInput::ClickItem(HWND window, const std::wstring& container, int index) {
  ScrollTo(window, container, index);
  POINT at = {-1, -1};
  bool placed = false;
  OnControl(window, container, [&](SkinUI::CControlUI* control, HWND painted) {
    auto* holder = static_cast<SkinUI::CContainerUI*>(control->GetInterface(L"Container"));
    if (holder == nullptr || index < 0 || index >= holder->GetCount()) {
      ADD_FAILURE() << Narrow(container) << " has no item " << index;
      return;
    }
    placed = CentreOf(holder->GetItemAt(index), painted, &at, container + L" item");
  });
  if (placed) ClickPoint(at);
}

int UserInput::IndexOfText(HWND window, const std::wstring& container, const std::wstring& text) {
  const std::vector<std::wstring> items = Items(window, container);
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].find(text) != std::wstring::npos) return static_cast<int>(i);
  }
  ADD_FAILURE() << Narrow(container) << " shows no item with " << Narrow(text);
  return -1;
}

void UserInput::ClickItemWithText(HWND window, const std::wstring& container, const std::wstring& text) {
  const int index = IndexOfText(window, container, text);
  if (index >= 0) ClickItem(window, container, index);
}

void UserInput::Key(UINT vk) {
  driver_.Tap(vk);
  driver_.WaitIdle();
}

void UserInput::KeyWith(UINT modifier, UINT vk) {
  driver_.KeyDown(modifier);
  driver_.Tap(vk);
  driver_.KeyUp(modifier);
  driver_.WaitIdle();
}

void UserInput::TypeHere(const std::wstring& text) {
  if (!text.empty()) driver_.Commit(text);
  driver_.WaitIdle();
}

void UserInput::Type(HWND window, const std::wstring& field, const std::wstring& text) {
  Click(window, field);
  Key(VK_HOME);
  KeyWith(VK_SHIFT, VK_END);
  Key(VK_DELETE);
  TypeHere(text);
}

void UserInput::PickCombo(HWND window, const std::wstring& combo, const std::wstring& row) {
  Click(window, combo);
  if (!WaitFor("the drop-down of " + Narrow(combo), [&] { return FindShown(L"ComboWnd") != nullptr; })) return;
  // A row below or above the drop-down's view is brought into it with the arrow keys, as
  // a person reaches it, a row at a time.
  bool placed = false;
  bool inView = false;
  bool found = true;
  POINT at = {-1, -1};
  for (int steps = 0; steps <= 100 && found && !inView; ++steps) {
    found = false;
    int away = 0;  // -1 above the view, +1 below it
    OnControl(window, combo, [&](SkinUI::CControlUI* control, HWND) {
      auto* box = static_cast<SkinUI::CComboUI*>(control->GetInterface(L"Combo"));
      if (box == nullptr) {
        ADD_FAILURE() << Narrow(combo) << " is no combo";
        return;
      }
      for (int i = 0; i < box->GetCount(); ++i) {
        SkinUI::CControlUI* item = box->GetItemAt(i);
        if (!item->IsVisible() || ItemText(item) != row) continue;
        // The rows are lent to the drop-down while it is open.
        SkinUI::CWindowManagerUI* lent = item->GetManager();
        if (lent == nullptr) return;
        found = true;
        RECT view = {};
        ::GetClientRect(lent->GetPaintWindow(), &view);
        const RECT rc = item->GetPos();
        away = rc.top < view.top ? -1 : rc.bottom > view.bottom ? 1 : 0;
        if (away == 0) placed = CentreOf(item, lent->GetPaintWindow(), &at, combo + L" row " + row);
        return;
      }
    });
    if (!found) {
      ADD_FAILURE() << Narrow(combo) << " has no row " << Narrow(row);
      continue;
    }
    inView = away == 0;
    if (!inView) Key(away < 0 ? VK_UP : VK_DOWN);
  }
  if (found && !inView) ADD_FAILURE() << "the keys brought no row " << Narrow(row) << " of " << Narrow(combo) << " into view";
  if (placed) {
    ClickPoint(at);
  } else {
    Key(VK_ESCAPE);
  }
  WaitClosed(L"ComboWnd");
}

void UserInput::PickDate(HWND window, const std::wstring& field, int year, int month, int day, HWND awayWindow,
                         const std::wstring& away) {
  Click(window, field);
  if (!WaitFor("the date picker of " + Narrow(field), [&] { return FindShown(L"DateTimeWnd") != nullptr; })) return;
  // The picker opens on the year; each field typed complete moves on to the next by
  // itself, so an arrow key between them would skip the month.
  wchar_t digits[16] = {0};
  std::swprintf(digits, 16, L"%04d%02d%02d", year, month, day);
  TypeHere(digits);
  Click(awayWindow, away);
  WaitClosed(L"DateTimeWnd");
}

void UserInput::OpenAndLeaveDate(HWND window, const std::wstring& field, HWND awayWindow, const std::wstring& away) {
  Click(window, field);
  if (!WaitFor("the date picker of " + Narrow(field), [&] { return FindShown(L"DateTimeWnd") != nullptr; })) return;
  Click(awayWindow, away);
  WaitClosed(L"DateTimeWnd");
}

void UserInput::PickTime(HWND window, const std::wstring& button, int hour, int minute) {
  Click(window, button);
  const HWND picker = Window(L"CTimeWnd");
  if (picker == nullptr) return;
  wchar_t text[8] = {0};
  std::swprintf(text, 8, L"%02d", hour);
  ClickItemWithText(picker, L"listHour", text);
  std::swprintf(text, 8, L"%02d", minute);
  ClickItemWithText(picker, L"listMinute", text);
  Click(picker, L"btnOk");
  WaitClosed(L"CTimeWnd");
}

void UserInput::TickTreeRow(HWND window, const std::wstring& tree, const std::wstring& row) {
  // A row under a closed parent is opened first, as a person opens the building.
  for (int step = 0; step < 4; ++step) {
    int index = -1;
    bool shown = false;
    POINT at = {-1, -1};
    bool placed = false;
    OnControl(window, tree, [&](SkinUI::CControlUI* control, HWND painted) {
      auto* holder = static_cast<SkinUI::CContainerUI*>(control->GetInterface(L"Container"));
      if (holder == nullptr) return;
      for (int i = 0; i < holder->GetCount(); ++i) {
        auto* node = static_cast<SkinUI::CTreeNodeUI*>(holder->GetItemAt(i)->GetInterface(L"TreeNode"));
        if (node == nullptr || node->GetItemText() != row.c_str()) continue;
        index = i;
        shown = node->IsVisible();
        if (shown) return;
        SkinUI::CTreeNodeUI* parent = node->GetParentNode();
        while (parent != nullptr && parent->GetParentNode() != nullptr && !parent->IsVisible()) {
          parent = parent->GetParentNode();
        }
        if (parent != nullptr && parent->GetFolderButton() != nullptr) {
          placed = CentreOf(parent->GetFolderButton(), painted, &at, tree + L" folder of " + row);
        }
        return;
      }
    });
    if (index < 0) {
      ADD_FAILURE() << Narrow(tree) << " shows no row " << Narrow(row) << " to tick";
      return;
    }
    if (!shown) {
      if (!placed) return;
      ClickPoint(at);
      continue;
    }
    ScrollTo(window, tree, index);
    OnControl(window, tree, [&](SkinUI::CControlUI* control, HWND painted) {
      auto* holder = static_cast<SkinUI::CContainerUI*>(control->GetInterface(L"Container"));
      auto* node = static_cast<SkinUI::CTreeNodeUI*>(holder->GetItemAt(index)->GetInterface(L"TreeNode"));
      SkinUI::CControlUI* tick = ShownTickOf(node);
      if (tick == nullptr) {
        ADD_FAILURE() << "row " << Narrow(row) << " of " << Narrow(tree) << " shows no tick";
        return;
      }
      placed = CentreOf(tick, painted, &at, tree + L" row " + row);
    });
    if (placed) ClickPoint(at);
    return;
  }
  ADD_FAILURE() << "row " << Narrow(row) << " of " << Narrow(tree) << " never opened";
}

std::wstring UserInput::Message() {
  Settle();
  for (const wchar_t* cls : {L"MessagWnd", L"MessagMultiLineWnd"}) {
    const HWND box = FindShown(cls);
    if (box == nullptr) continue;
    std::wstring text;
    RunOn(box, [&] {
      HWND painted = nullptr;
      SkinUI::CControlUI* context = FindNamed(box, L"VContext", &painted);
      if (context != nullptr) CollectTexts(context, &text);
    });
    return text;
  }
  return L"";
}

std::wstring UserInput::Answer(const std::wstring& button) {
  // A worker may be the one showing it: wait for it to come.
  HWND box = nullptr;
  WaitFor("a message box to answer with " + Narrow(button), [&] {
    box = FindShown(L"MessagWnd");
    if (box == nullptr) box = FindShown(L"MessagMultiLineWnd");
    return box != nullptr;
  });
  if (box == nullptr) return L"";
  const std::wstring text = Message();
  std::wstring press = button;
  if (press.empty()) {
    // The box's one way to agree: "确定" where it has one, else its close button.
    bool hasYes = false;
    RunOn(box, [&] {
      HWND painted = nullptr;
      SkinUI::CControlUI* yes = FindNamed(box, L"yes", &painted);
      hasYes = yes != nullptr && yes->IsVisible();
    });
    press = hasYes ? L"yes" : L"close";
  }
  Click(box, press);
  Settle();
  return text;
}

}  // namespace userinput
