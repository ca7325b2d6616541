// One check over every skin the program loads, each built as the program builds it
// (the framework's builder, the windows' own CreateControl for what it does not know)
// on the headless backend, at the window's size. A fault names the skin, the control
// and what is wrong: a picture that is not in the skin folder, a name a window looks up
// that its skin lacks, a fixed text that its box cuts, an attribute no setter knows.
#include <gtest/gtest.h>

#include <tinyxml2.h>

#include <filesystem>
#include <fstream>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <map>
#include <mutex>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/frame/home/CHomePageWndEx.h"
#include "app/management/CCardTilesUI.h"
#include "app/management/CPatrolPlanUI.h"
#include "app/management/CPatrolRouteUI.h"
#include "app/records/CResultWndEx.h"
#include "platform/base/CodePage.h"
#include "testing/driver/TestDriver.h"
#include "testing/ui/ControlHarness.h"
#include "ui/controls/CLabelUI.h"
#include "ui/controls/CMenuWnd.h"
#include "ui/core/control/CContainerUI.h"
#include "ui/core/control/CControlUIAttributes.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"

namespace fs = std::filesystem;

namespace {

const fs::path kSkin = SKIN_SOURCE_DIR;
const fs::path kApp = APP_SOURCE_DIR;

std::string Read(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Narrow(const std::wstring& text) { return platform::codepage::WideToUtf8(text); }
std::wstring Wide(const std::string& text) { return platform::codepage::Utf8ToWide(text); }

std::vector<fs::path> Sources() {
  std::vector<fs::path> sources;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kApp)) {
    const fs::path extension = entry.path().extension();
    if (extension == ".cpp" || extension == ".h") sources.push_back(entry.path());
  }
  return sources;
}

std::vector<std::string> Matches(const std::string& text, const std::regex& pattern) {
  std::vector<std::string> found;
  for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it) found.push_back((*it)[1]);
  return found;
}

void Walk(const tinyxml2::XMLElement* element, const std::function<void(const tinyxml2::XMLElement&)>& visit) {
  for (; element != nullptr; element = element->NextSiblingElement()) {
    visit(*element);
    Walk(element->FirstChildElement(), visit);
  }
}

std::set<std::string> NamesIn(const std::string& skin) {
  std::set<std::string> names;
  tinyxml2::XMLDocument document;
  if (document.LoadFile((kSkin / skin).string().c_str()) != tinyxml2::XML_SUCCESS) return names;
  Walk(document.RootElement(), [&](const tinyxml2::XMLElement& element) {
    if (const char* name = element.Attribute("name")) names.insert(name);
  });
  return names;
}

// --- Pictures ---------------------------------------------------------------------------

// Every picture a source names: in an image description ("file='...'") or as a bare
// name with its folder; names put together at run time ("%s", a concatenation) are
// left out.
TEST(SkinCheck, EveryPictureTheCodeNamesIsInTheSkinFolder) {
  const std::regex described(R"(file='([^'%"]+)')");
  const std::regex bare(R"re(L"([^"%'/]+/[^"%']+\.(?:png|gif|jpg|bmp))")re");
  for (const fs::path& source : Sources()) {
    const std::string text = Read(source);
    std::vector<std::string> pictures = Matches(text, described);
    for (const std::string& picture : Matches(text, bare)) pictures.push_back(picture);
    for (const std::string& picture : pictures) {
      EXPECT_TRUE(fs::is_regular_file(kSkin / fs::u8path(picture)))
          << fs::relative(source, kApp) << ": the picture \"" << picture << "\" is not in skin/";
    }
  }
}

// --- Names the windows look up ----------------------------------------------------------

// Sources that look up controls of a skin they do not name themselves.
const std::map<std::string, std::vector<std::string>> kHelperSkins = {
    {"frame/UserBox.cpp", {"MainFrameWnd.xml"}},
    {"shell/MessageWindowBase.cpp", {"message.xml", "MessageMultiline.xml"}},
};

// Lookups that a window makes only to use the control when its skin has one.
const std::set<std::string> kOptionalLookups = {};

TEST(SkinCheck, EveryNameAWindowLooksUpIsInItsSkin) {
  const std::regex skinName(R"re(L"([A-Za-z_]+\.xml)")re");
  // FindControl(L"x"), m_pm.FindControl(_T("x")), Find<T>(m_pm, L"x", ...), FindList(m_pm, L"x").
  const std::regex lookup(
      R"re(\bFind[A-Za-z]*\s*(?:<[^<>()]*>)?\s*\(\s*(?:[A-Za-z_][\w.>\-]*\s*,\s*)?(?:L|_T\()"([^"]+)")re");
  const std::regex madeByCode(R"re(SetName\(\s*(?:L|_T\()"([^"]+)")re");
  for (const fs::path& source : Sources()) {
    const std::string text = Read(source);
    const std::string relative = fs::relative(source, kApp).generic_string();
    std::vector<std::string> skins = Matches(text, skinName);
    const auto helper = kHelperSkins.find(relative);
    if (helper != kHelperSkins.end()) skins = helper->second;
    const std::vector<std::string> lookups = Matches(text, lookup);
    if (lookups.empty()) continue;
    ASSERT_FALSE(skins.empty()) << relative << " looks up controls of no skin it names: add it to kHelperSkins";
    std::set<std::string> defined;
    for (const std::string& skin : skins) {
      const std::set<std::string> names = NamesIn(skin);
      defined.insert(names.begin(), names.end());
    }
    for (const std::string& name : Matches(text, madeByCode)) defined.insert(name);
    for (const std::string& name : lookups) {
      if (kOptionalLookups.count(name) != 0) continue;
      std::string all;
      for (const std::string& skin : skins) all += (all.empty() ? "" : ", ") + skin;
      EXPECT_EQ(defined.count(name), 1u) << relative << " looks up \"" << name << "\", which " << all
                                         << " does not define";
    }
  }
}

// The framework reads a width or height of 0 as "not fixed": a row meant to be empty
// stretches instead and leaves a gap.
TEST(SkinCheck, NoSkinFixesASizeOfZero) {
  for (const fs::directory_entry& entry : fs::directory_iterator(kSkin)) {
    if (entry.path().extension() != ".xml") continue;
    tinyxml2::XMLDocument document;
    ASSERT_EQ(document.LoadFile(entry.path().string().c_str()), tinyxml2::XML_SUCCESS) << entry.path();
    Walk(document.RootElement(), [&](const tinyxml2::XMLElement& element) {
      for (const char* size : {"width", "height"}) {
        const char* value = element.Attribute(size);
        const char* name = element.Attribute("name");
        EXPECT_FALSE(value != nullptr && std::string(value) == "0")
            << entry.path().filename() << ": " << element.Name() << " \"" << (name ? name : "") << "\" has " << size
            << "=\"0\"";
      }
    });
  }
}

// A scroll bar without the skin's thumbs is drawn as the framework's bare outline.
TEST(SkinCheck, EveryVerticalScrollBarHasTheSkinsThumbs) {
  for (const fs::directory_entry& entry : fs::directory_iterator(kSkin)) {
    if (entry.path().extension() != ".xml") continue;
    tinyxml2::XMLDocument document;
    ASSERT_EQ(document.LoadFile(entry.path().string().c_str()), tinyxml2::XML_SUCCESS) << entry.path();
    Walk(document.RootElement(), [&](const tinyxml2::XMLElement& element) {
      if (!element.BoolAttribute("vscrollbar")) return;
      const char* style = element.Attribute("vscrollbarstyle");
      const char* name = element.Attribute("name");
      EXPECT_TRUE(style != nullptr && std::string(style).find("thumbnormalimage") != std::string::npos)
          << entry.path().filename() << ": " << element.Name() << " \"" << (name ? name : "")
          << "\" shows a scroll bar without the skin's thumbs";
    });
  }
}

// Typing goes into a native edit over the control, which paints with the system's white
// unless the skin gives it the control's own face.
TEST(SkinCheck, EveryEditKeepsItsFaceWhileTypedInto) {
  for (const fs::directory_entry& entry : fs::directory_iterator(kSkin)) {
    if (entry.path().extension() != ".xml") continue;
    tinyxml2::XMLDocument document;
    ASSERT_EQ(document.LoadFile(entry.path().string().c_str()), tinyxml2::XML_SUCCESS) << entry.path();
    Walk(document.RootElement(), [&](const tinyxml2::XMLElement& element) {
      if (std::string(element.Name()) != "Edit") return;
      const char* name = element.Attribute("name");
      EXPECT_NE(element.Attribute("nativebkcolor"), nullptr)
          << entry.path().filename() << ": Edit \"" << (name ? name : "") << "\" has no nativebkcolor";
    });
  }
}

// A combo's text and its drop-down's rows keep a margin from the left edge, and the rows
// lie on the drop-down's own colour, not on one of no skin.
TEST(SkinCheck, EveryComboPadsItsTextAndRowsOnTheDropDownsColour) {
  auto leftOf = [](const char* padding) { return padding != nullptr ? std::atoi(padding) : 0; };
  for (const fs::directory_entry& entry : fs::directory_iterator(kSkin)) {
    if (entry.path().extension() != ".xml") continue;
    tinyxml2::XMLDocument document;
    ASSERT_EQ(document.LoadFile(entry.path().string().c_str()), tinyxml2::XML_SUCCESS) << entry.path();
    Walk(document.RootElement(), [&](const tinyxml2::XMLElement& element) {
      if (std::string(element.Name()) != "Combo") return;
      const char* name = element.Attribute("name");
      const std::string what = entry.path().filename().string() + ": Combo \"" + (name ? name : "") + "\"";
      EXPECT_GE(leftOf(element.Attribute("textpadding")), 6) << what << " draws its text against its left edge";
      EXPECT_GE(leftOf(element.Attribute("itemtextpadding")), 6) << what << " draws its rows against the left edge";
      const char* rows = element.Attribute("itembkcolor");
      if (rows != nullptr) {
        EXPECT_STREQ(rows, "#FF002964") << what << "'s rows are not on the drop-down's colour";
      }
    });
  }
}

// A list's header is a band across the whole list, as its rows are, whatever width its
// columns add up to.
TEST(SkinCheck, EveryListHeaderIsABandAcrossItsList) {
  for (const fs::directory_entry& entry : fs::directory_iterator(kSkin)) {
    if (entry.path().extension() != ".xml") continue;
    tinyxml2::XMLDocument document;
    ASSERT_EQ(document.LoadFile(entry.path().string().c_str()), tinyxml2::XML_SUCCESS) << entry.path();
    Walk(document.RootElement(), [&](const tinyxml2::XMLElement& element) {
      if (std::string(element.Name()) != "ListHeader") return;
      const tinyxml2::XMLElement* list = element.Parent()->ToElement();
      const char* name = list != nullptr ? list->Attribute("name") : nullptr;
      EXPECT_NE(element.Attribute("bkcolor"), nullptr)
          << entry.path().filename() << ": the header of \"" << (name ? name : "") << "\" has no band colour";
    });
  }
}

// --- Skins built as the program builds them -------------------------------------------

struct SkinCase {
  const char* skin;
  bool menu;  // opened as the program opens menus, at the pointer over a page
};

void PrintTo(const SkinCase& c, std::ostream* os) { *os << c.skin; }

// Skins built inside another window (ResultWndEx.xml builds the result pages) are
// checked there.
const SkinCase kBuiltSkins[] = {
    {"AddDevicePositionWnd.xml", false}, {"AddDeviceWnd.xml", false},     {"AddPeopleWnd.xml", false},
    {"AddPlanWnd.xml", false},           {"AddRouteWnd.xml", false},      {"AlarmWindow.xml", false},
    {"Authority.xml", false},            {"BkWindow.xml", false},         {"CAuthorityWnd.xml", false},
    {"CSmartPlayerWnd.xml", false},      {"CamPlay.xml", false},          {"DeviceManageWndEx.xml", false},
    {"DownWindow.xml", false},           {"EditPeopleWnd.xml", false},    {"ExceptionRecordWnd.xml", false},
    {"HomePageWndEx.xml", false},        {"InputQVBaseAddrWnd.xml", false}, {"LoadingGifWnd.xml", false},
    {"LoginWndUI.xml", false},           {"LookPlanWnd.xml", false},      {"MainFrameWnd.xml", false},
    {"Menu.xml", true},         {"MessageMultiline.xml", false}, {"PatrolPlanWndEx.xml", false},
    {"PeopleManageWndEx.xml", false},    {"PhotoFeedBackWindow.xml", false}, {"QR_CodeWndUI.xml", false},
    {"ResultWndEx.xml", false},          {"RouteManageWndEx.xml", false}, {"RouteMenu.xml", true},
    {"RouteUI.xml", false},              {"TimeWndUI.xml", false},        {"message.xml", false},
};

// The windows whose CreateControl builds what their skins hold beyond the framework.
SkinUI::CControlUI* CreateAsTheProgram(const std::string& skin, LPCTSTR pstrClass) {
  if (skin == "HomePageWndEx.xml") {
    static CHomePageWndEx home;
    return home.CreateControl(pstrClass);
  }
  if (skin == "ResultWndEx.xml") {
    static CResultWndEx results;
    return results.CreateControl(pstrClass);
  }
  return nullptr;
}

// What the framework's setters did not know while a skin was built.
std::mutex g_unknownMutex;
std::vector<std::string> g_unknown;

void RecordUnknown(SkinUI::CControlUI& control, LPCTSTR pstrName, LPCTSTR pstrValue) {
  std::lock_guard<std::mutex> lock(g_unknownMutex);
  g_unknown.push_back(Narrow(control.GetClassName()) + " \"" + Narrow(control.GetName().GetData()) + "\": " +
                      Narrow(pstrName) + "=\"" + Narrow(pstrValue) + "\"");
}

bool SameSkin(const SkinCase& c, const char* name) { return std::string(c.skin) == name; }

class SkinBuilt : public ::testing::TestWithParam<SkinCase> {
 protected:
  void SetUp() override {
    {
      std::lock_guard<std::mutex> lock(g_unknownMutex);
      g_unknown.clear();
    }
    const std::string skin = GetParam().skin;
    if (GetParam().menu) {
      OpenMenu();
      return;
    }
    SkinUI::CControlUIAttributes::SetUnknownNameHook(&RecordUnknown);
    harness_ = std::make_unique<controltest::ControlHarness>(
        driver_, Wide(skin), POINT{0, 0}, [skin](LPCTSTR pstrClass) { return CreateAsTheProgram(skin, pstrClass); });
    SkinUI::CControlUIAttributes::SetUnknownNameHook(nullptr);
    ASSERT_TRUE(harness_->Created()) << skin << " did not build";
    manager_ = &harness_->Manager();
    driver_.WaitIdle();
  }

  // A menu opens over the page that owns it, sized to its items.
  void OpenMenu() {
    harness_ = std::make_unique<controltest::ControlHarness>(driver_, Wide("BkWindow.xml"));
    ASSERT_TRUE(harness_->Created());
    harness_->OnGui([&] {
      SkinUI::CControlUIAttributes::SetUnknownNameHook(&RecordUnknown);
      SkinUI::CMenuWnd* menu = SkinUI::CMenuWnd::CreateMenu(nullptr, Wide(GetParam().skin).c_str(), POINT{200, 200},
                                                           &harness_->Manager());
      SkinUI::CControlUIAttributes::SetUnknownNameHook(nullptr);
      if (menu == nullptr) return;
      menu->ResizeMenu();
      manager_ = &menu->Manager();
    });
    ASSERT_NE(manager_, nullptr) << GetParam().skin << " did not open as a menu";
    driver_.WaitIdle();
  }

  void TearDown() override { harness_.reset(); }

  platform::headless::TestDriver driver_;
  std::unique_ptr<controltest::ControlHarness> harness_;
  SkinUI::CWindowManagerUI* manager_ = nullptr;  // the skin's window, on its thread
};

SkinUI::CControlUI* CALLBACK Collect(SkinUI::CControlUI* control, LPVOID data) {
  static_cast<std::vector<SkinUI::CControlUI*>*>(data)->push_back(control);
  return nullptr;
}

bool ShowsText(const SkinUI::CControlUI& control) {
  const std::wstring cls = control.GetClassName();
  return cls == L"LabelUI" || cls == L"ButtonUI" || cls == L"OptionUI" || cls == L"CheckBoxUI";
}

// The text's width in the control's font, one line.
int TextWidth(SkinUI::CWindowManagerUI& manager, SkinUI::CLabelUI& label) {
  RECT rc = {0, 0, 10000, 1000};
  const UINT style = DT_CALCRECT | DT_SINGLELINE | DT_LEFT;
  if (label.IsShowHtml()) {
    int links = 0;
    SkinUI::CSkinRenderer::DrawMarkupText(manager.GetPaintDC(), &manager, rc, label.GetText().GetData(), 0, nullptr,
                                          nullptr, links, style);
  } else {
    SkinUI::CSkinRenderer::DrawPlainText(manager.GetPaintDC(), &manager, rc, label.GetText().GetData(), 0,
                                         label.GetFont(), style);
  }
  return rc.right - rc.left;
}

// On the window's thread: every visible fixed-width label, button, option or check box
// whose one-line text its box cuts, unless it ends in an ellipsis or has a tooltip.
std::vector<std::string> TextsCut(SkinUI::CWindowManagerUI& manager) {
  std::vector<std::string> faults;
  std::vector<SkinUI::CControlUI*> controls;
  manager.GetRoot()->FindControl(&Collect, &controls, SkinUI::UIFIND_VISIBLE);
  for (SkinUI::CControlUI* control : controls) {
    if (!ShowsText(*control) || control->GetFixedWidth() <= 0 || control->GetText().IsEmpty()) continue;
    auto* label = dynamic_cast<SkinUI::CLabelUI*>(control);
    if (label == nullptr) continue;
    if ((label->GetTextStyle() & DT_END_ELLIPSIS) != 0 || !control->GetToolTip().IsEmpty()) continue;
    const RECT pos = control->GetPos();
    const RECT padding = label->GetTextPadding();
    const int room = (pos.right - pos.left) - padding.left - padding.right;
    const int width = TextWidth(manager, *label);
    if (width <= room) continue;
    faults.push_back(Narrow(control->GetClassName()) + " \"" + Narrow(control->GetName().GetData()) + "\": \"" +
                     Narrow(control->GetText().GetData()) + "\" is " + std::to_string(width) + " px in font " +
                     std::to_string(label->GetFont()) + ", its box has " + std::to_string(room));
  }
  return faults;
}

TEST_P(SkinBuilt, EveryFixedTextFitsItsBox) {
  std::vector<std::string> faults;
  harness_->OnGui([&] { faults = TextsCut(*manager_); });
  for (const std::string& fault : faults) ADD_FAILURE() << GetParam().skin << ": " << fault;
}

TEST_P(SkinBuilt, EveryAttributeIsKnownToItsControl) {
  std::lock_guard<std::mutex> lock(g_unknownMutex);
  for (const std::string& fault : g_unknown) ADD_FAILURE() << GetParam().skin << ": unknown attribute of " << fault;
}

INSTANTIATE_TEST_SUITE_P(EverySkin, SkinBuilt, ::testing::ValuesIn(kBuiltSkins),
                         [](const ::testing::TestParamInfo<SkinCase>& info) {
                           std::string name = info.param.skin;
                           name = name.substr(0, name.size() - 4);
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

// The plan and route cards are built by the code, in the fonts of the page they are on.
InspectPlanInfo SamplePlan() {
  InspectPlanInfo plan;
  plan.iID = 7;
  plan.strName = "教学楼夜间巡更";
  plan.strRouteName = "教学楼一号线";
  plan.strAnnouncerName = "管理员";
  plan.iType = 0;
  plan.iPlanState = 2;
  plan.strStartDate = "2026-01-01";
  plan.strEndDate = "2026-12-31";
  plan.strWeek = "1111100";
  plan.strTime = "08:00-18:00";
  return plan;
}

InspectRouteInfo SampleRoute() {
  InspectRouteInfo route;
  route.iID = 3;
  route.strName = "教学楼一号线";
  route.iType = 0;
  return route;
}

struct CardCase {
  const char* what;
  const char* skin;
  LPCTSTR grid;
  std::function<SkinUI::CControlUI*()> card;
};

void PrintTo(const CardCase& c, std::ostream* os) { *os << c.what; }

class CardBuilt : public ::testing::TestWithParam<CardCase> {};

TEST_P(CardBuilt, EveryFixedTextFitsItsBox) {
  platform::headless::TestDriver driver;
  // The pages build their card grid themselves, as the windows' CreateControl does.
  controltest::ControlHarness page(driver, Wide(GetParam().skin), POINT{100, 100},
                                   [](LPCTSTR name) -> SkinUI::CControlUI* {
                                     if (wcscmp(name, L"CardTiles") == 0) return new CCardTilesUI;
                                     return nullptr;
                                   });
  ASSERT_TRUE(page.Created());
  page.OnGui([&] {
    auto* grid = page.Find<SkinUI::CContainerUI>(GetParam().grid);
    ASSERT_NE(grid, nullptr) << GetParam().skin << " has no " << Narrow(GetParam().grid);
    grid->Add(GetParam().card());
  });
  driver.WaitIdle();
  std::vector<std::string> faults;
  page.OnGui([&] { faults = TextsCut(page.Manager()); });
  for (const std::string& fault : faults) ADD_FAILURE() << GetParam().what << " on " << GetParam().skin << ": " << fault;
}

INSTANTIATE_TEST_SUITE_P(CodeCards, CardBuilt,
                         ::testing::Values(CardCase{"PlanCard", "PatrolPlanWndEx.xml", L"TileLayout_plan",
                                                    [] { return new CPatrolPlanUI(SamplePlan()); }},
                                           CardCase{"RouteCard", "RouteManageWndEx.xml", L"TileLayout_route",
                                                    [] { return new CPatrolRouteUI(SampleRoute()); }}),
                         [](const ::testing::TestParamInfo<CardCase>& info) { return std::string(info.param.what); });

// Every skin in the folder is one the check builds, or one built inside another.
TEST(SkinCheck, EverySkinInTheFolderIsChecked) {
  const std::set<std::string> inside = {"InspectRecord.xml", "DeviceRecord.xml", "SystemLog.xml"};
  for (const fs::directory_entry& entry : fs::directory_iterator(kSkin)) {
    if (entry.path().extension() != ".xml") continue;
    const std::string skin = entry.path().filename().u8string();
    bool built = inside.count(skin) != 0;
    for (const SkinCase& c : kBuiltSkins) built = built || SameSkin(c, skin.c_str());
    EXPECT_TRUE(built) << skin << " is checked nowhere: add it to kBuiltSkins";
  }
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  SkinUI::CWindowManagerUI::SetInstance(::GetModuleHandleW(nullptr));
  SkinUI::CWindowManagerUI::SetResourcePath(SkinUI::CWindowManagerUI::GetInstancePath() + L"skin");
  return RUN_ALL_TESTS();
}
