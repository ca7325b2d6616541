// Parents, owners and ancestors as each call reports them, owners changed later, and
// child enumeration.
#include <gtest/gtest.h>

#include <map>

#include "tests/platform/user/TraceWindow.h"
#include "tests/platform/user/TracedTest.h"

namespace {

using test::Trace;
using test::TraceWindow;
using test::WindowSpec;

// A frame with a page and a button on it, a dialog opened from the page, an owned
// window that is not a pop-up, a tip owned by the dialog, and a former child of the
// frame whose WS_CHILD was taken away.
class Family {
 public:
  explicit Family(Trace& trace) {
    names_[GetDesktopWindow()] = "desktop";
    const HWND frame = Add(trace, WindowSpec{"frame", WS_OVERLAPPEDWINDOW, 0, {0, 0, 400, 300}});
    const HWND page = Add(trace, WindowSpec{"page", WS_CHILD, 0, {0, 0, 200, 100}, frame});
    Add(trace, WindowSpec{"button", WS_CHILD, 0, {0, 0, 20, 10}, page});
    const HWND dialog = Add(trace, WindowSpec{"dialog", WS_POPUP, 0, {0, 0, 50, 50}, page});
    Add(trace, WindowSpec{"owned", WS_OVERLAPPED, 0, {0, 0, 150, 50}, frame});
    Add(trace, WindowSpec{"tip", WS_POPUP, 0, {0, 0, 50, 20}, dialog});
    const HWND loose = Add(trace, WindowSpec{"loose", WS_CHILD, 0, {0, 0, 20, 10}, frame});
    SetWindowLongW(loose, GWL_STYLE, WS_POPUP);
    Add(trace, WindowSpec{"orphan", WS_CHILD, 0, {0, 0, 20, 10}, GetDesktopWindow()});
  }

  HWND operator[](const std::string& name) const {
    for (const auto& [hwnd, known] : names_) {
      if (known == name) return hwnd;
    }
    return nullptr;
  }
  std::string Name(HWND hwnd) const {
    if (!hwnd) return "none";
    auto it = names_.find(hwnd);
    return it == names_.end() ? "unknown" : it->second;
  }

 private:
  HWND Add(Trace& trace, const WindowSpec& spec) {
    const HWND hwnd = TraceWindow::Create(trace, spec);
    names_[hwnd] = spec.name;
    return hwnd;
  }

  std::map<HWND, std::string> names_;
};

struct RelationCase {
  std::string window;
  std::string parent;      // GA_PARENT
  std::string root;        // GA_ROOT
  std::string rootOwner;   // GA_ROOTOWNER
  std::string getParent;   // GetParent
  std::string longParent;  // GetWindowLongPtrW(GWLP_HWNDPARENT)
  std::string owner;       // GetWindow(GW_OWNER)
};

void PrintTo(const RelationCase& c, std::ostream* out) { *out << c.window; }

class Relations : public test::TracedCaseTest<RelationCase> {};

TEST_P(Relations, AsEachCallReportsThem) {
  const RelationCase& c = GetParam();
  gui.Call([&] {
    Family family(trace);
    const HWND w = family[c.window];
    EXPECT_EQ(family.Name(GetAncestor(w, GA_PARENT)), c.parent);
    EXPECT_EQ(family.Name(GetAncestor(w, GA_ROOT)), c.root);
    EXPECT_EQ(family.Name(GetAncestor(w, GA_ROOTOWNER)), c.rootOwner);
    EXPECT_EQ(family.Name(GetParent(w)), c.getParent);
    EXPECT_EQ(family.Name(HWND(GetWindowLongPtrW(w, GWLP_HWNDPARENT))), c.longParent);
    EXPECT_EQ(family.Name(GetWindow(w, GW_OWNER)), c.owner);
  });
}

INSTANTIATE_TEST_SUITE_P(
    Table, Relations,
    ::testing::Values(
        // window      GA_PARENT   GA_ROOT   GA_ROOTOWNER GetParent  GWLP_HWNDPARENT GW_OWNER
        RelationCase{"desktop", "none", "none", "none", "none", "none", "none"},
        RelationCase{"frame", "desktop", "frame", "frame", "none", "none", "none"},
        RelationCase{"page", "frame", "frame", "frame", "frame", "frame", "none"},
        RelationCase{"button", "page", "frame", "frame", "page", "page", "none"},
        RelationCase{"dialog", "desktop", "dialog", "frame", "frame", "frame", "frame"},
        RelationCase{"owned", "desktop", "owned", "owned", "none", "frame", "frame"},
        RelationCase{"tip", "desktop", "tip", "frame", "dialog", "dialog", "dialog"},
        RelationCase{"loose", "frame", "loose", "loose", "none", "none", "none"},
        RelationCase{"orphan", "desktop", "orphan", "orphan", "desktop", "none", "none"}),
    [](const ::testing::TestParamInfo<RelationCase>& info) { return info.param.window; });

using Owners = test::TracedTest;

// The parent link and the owner stay as they were made; what each call reads from them
// follows the style the window has at the time of the call.
struct StyleCase {
  std::string window;
  DWORD style;
  const char* styleName;
  RelationCase expected;  // its window field unused
};

void PrintTo(const StyleCase& c, std::ostream* out) { *out << c.window << " as " << c.styleName; }

class StyleSteps : public test::TracedCaseTest<StyleCase> {};

TEST_P(StyleSteps, ReadTheTreeThroughTheStyleOfTheMoment) {
  const StyleCase& c = GetParam();
  gui.Call([&] {
    Family family(trace);
    const HWND w = family[c.window];
    // Through every other style first, so the answers cannot come from the first one.
    for (DWORD step : {DWORD(WS_CHILD), DWORD(WS_POPUP), DWORD(WS_CHILD | WS_POPUP), DWORD(0), c.style}) {
      SetWindowLongW(w, GWL_STYLE, LONG(step));
    }
    const RelationCase& e = c.expected;
    EXPECT_EQ(family.Name(GetAncestor(w, GA_PARENT)), e.parent);
    EXPECT_EQ(family.Name(GetAncestor(w, GA_ROOT)), e.root);
    EXPECT_EQ(family.Name(GetAncestor(w, GA_ROOTOWNER)), e.rootOwner);
    EXPECT_EQ(family.Name(GetParent(w)), e.getParent);
    EXPECT_EQ(family.Name(HWND(GetWindowLongPtrW(w, GWLP_HWNDPARENT))), e.longParent);
    EXPECT_EQ(family.Name(GetWindow(w, GW_OWNER)), e.owner);
  });
}

constexpr DWORD kBoth = WS_CHILD | WS_POPUP;

INSTANTIATE_TEST_SUITE_P(
    Table, StyleSteps,
    ::testing::Values(
        //                                             GA_PARENT  GA_ROOT  GA_ROOTOWNER GetParent  GWLP     GW_OWNER
        StyleCase{"page", WS_CHILD, "child", {"", "frame", "frame", "frame", "frame", "frame", "none"}},
        StyleCase{"page", WS_POPUP, "popup", {"", "frame", "page", "page", "none", "none", "none"}},
        StyleCase{"page", kBoth, "both", {"", "frame", "frame", "frame", "frame", "frame", "none"}},
        StyleCase{"page", 0, "neither", {"", "frame", "page", "page", "none", "none", "none"}},
        StyleCase{"button", WS_CHILD, "child", {"", "page", "frame", "frame", "page", "page", "none"}},
        StyleCase{"button", WS_POPUP, "popup", {"", "page", "button", "button", "none", "none", "none"}},
        StyleCase{"button", kBoth, "both", {"", "page", "frame", "frame", "page", "page", "none"}},
        StyleCase{"button", 0, "neither", {"", "page", "button", "button", "none", "none", "none"}},
        StyleCase{"orphan", WS_CHILD, "child", {"", "desktop", "orphan", "orphan", "desktop", "none", "none"}},
        StyleCase{"orphan", WS_POPUP, "popup", {"", "desktop", "orphan", "orphan", "none", "none", "none"}},
        StyleCase{"orphan", 0, "neither", {"", "desktop", "orphan", "orphan", "none", "none", "none"}},
        StyleCase{"tip", WS_POPUP, "popup", {"", "desktop", "tip", "frame", "dialog", "dialog", "dialog"}},
        StyleCase{"tip", WS_CHILD, "child", {"", "desktop", "tip", "tip", "desktop", "dialog", "dialog"}},
        StyleCase{"tip", kBoth, "both", {"", "desktop", "tip", "tip", "desktop", "dialog", "dialog"}},
        StyleCase{"tip", 0, "neither", {"", "desktop", "tip", "tip", "none", "dialog", "dialog"}}),
    [](const ::testing::TestParamInfo<StyleCase>& info) {
      return info.param.window + "_" + info.param.styleName;
    });

TEST_F(Owners, TheDesktopKeepsItsStyleAndReadsAsNothing) {
  gui.Call([&] {
    const HWND desktop = GetDesktopWindow();
    const LONG before = GetWindowLongW(desktop, GWL_STYLE);
    SetLastError(0);
    EXPECT_EQ(SetWindowLongW(desktop, GWL_STYLE, LONG(WS_CHILD)), 0);
    EXPECT_NE(GetLastError(), 0u);
    EXPECT_EQ(GetWindowLongW(desktop, GWL_STYLE), before);
    EXPECT_EQ(GetParent(desktop), nullptr);
    EXPECT_EQ(GetAncestor(desktop, GA_PARENT), nullptr);
    EXPECT_EQ(GetAncestor(desktop, GA_ROOT), nullptr);
    EXPECT_EQ(GetAncestor(desktop, GA_ROOTOWNER), nullptr);
    EXPECT_EQ(HWND(GetWindowLongPtrW(desktop, GWLP_HWNDPARENT)), nullptr);
    EXPECT_EQ(GetWindow(desktop, GW_OWNER), nullptr);
  });
}

TEST_F(Owners, AChildNeedsAParent) {
  gui.Call([&] {
    SetLastError(0);
    EXPECT_EQ(TraceWindow::Create(trace, WindowSpec{"nowhere", WS_CHILD}), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_TLW_WITH_WSCHILD));
  });
}

struct ReownCase {
  const char* scenario;
  std::string window;
  std::string newOwner;  // "none" for null
  std::string answer;    // what SetWindowLongPtrW returns: the previous owner
  std::string owner;     // GW_OWNER afterwards
};

void PrintTo(const ReownCase& c, std::ostream* out) { *out << c.scenario; }

class Reown : public test::TracedCaseTest<ReownCase> {};

TEST_P(Reown, ChangesTheOwnerOfATopLevelWindow) {
  const ReownCase& c = GetParam();
  gui.Call([&] {
    Family family(trace);
    const HWND w = family[c.window];
    EXPECT_EQ(family.Name(HWND(SetWindowLongPtrW(w, GWLP_HWNDPARENT, LONG_PTR(family[c.newOwner])))), c.answer);
    EXPECT_EQ(family.Name(GetWindow(w, GW_OWNER)), c.owner);
  });
}

INSTANTIATE_TEST_SUITE_P(
    Table, Reown,
    ::testing::Values(ReownCase{"to another window", "tip", "frame", "dialog", "frame"},
                      ReownCase{"to a child: its top-level window", "tip", "button", "dialog", "frame"},
                      ReownCase{"to none", "dialog", "none", "frame", "none"},
                      ReownCase{"an owned window that is not a pop-up", "owned", "dialog", "frame", "dialog"},
                      ReownCase{"never in a circle", "frame", "tip", "none", "none"},
                      ReownCase{"never itself", "dialog", "dialog", "none", "frame"},
                      ReownCase{"a child's owner does not change", "page", "owned", "none", "none"}),
    [](const ::testing::TestParamInfo<ReownCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(Owners, DestroyingAnOwnerTakesAlongWhatItOwnsNow) {
  gui.Call([&] {
    Family family(trace);
    const HWND other = TraceWindow::Create(trace, WindowSpec{"other", WS_POPUP});
    SetWindowLongPtrW(family["dialog"], GWLP_HWNDPARENT, LONG_PTR(other));
    SetWindowLongPtrW(family["owned"], GWLP_HWNDPARENT, LONG_PTR(family["dialog"]));
    DestroyWindow(family["frame"]);
    for (const char* kept : {"dialog", "tip", "owned"}) EXPECT_TRUE(IsWindow(family[kept])) << kept;
    DestroyWindow(other);
    for (const char* gone : {"dialog", "tip", "owned"}) EXPECT_FALSE(IsWindow(family[gone])) << gone;
  });
}

TEST_F(Owners, EnumeratingChildrenSaysWhetherItWentThroughThemAll) {
  gui.Call([&] {
    Family family(trace);
    auto all = [](HWND, LPARAM) -> BOOL { return TRUE; };
    auto stop = [](HWND, LPARAM) -> BOOL { return FALSE; };
    EXPECT_FALSE(EnumChildWindows(family["button"], all, 0)) << "no child";
    EXPECT_TRUE(EnumChildWindows(family["frame"], all, 0));
    EXPECT_FALSE(EnumChildWindows(family["frame"], stop, 0));
  });
}

}  // namespace
