// The user box: what is downloaded into the picture folder and what the frame shows, for
// each kind of photo, icon and identity; and the photo cut to an ellipse.
#include <gtest/gtest.h>

#include <stb/stb_image.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <string>
#include <vector>

#include "app/frame/IdentityIconLoader.h"
#include "app/frame/UserBox.h"
#include "app/frame/UserPhotoLoader.h"
#include "testing/http/FakeHttpServer.h"
#include "testing/http/LargePicture.h"
#include "testing/files/ScratchFolder.h"
#include "tests/app/frame/support/FrameTest.h"

namespace {

using frametest::FrameTest;

const std::wstring kDefaultPhoto = L"MainFrame/默认头像.png";
const std::wstring kDefaultIcon = L"file='MainFrame/默认身份.png' dest='0,1,20,21'";

std::string Native(const std::wstring& path) { return platform::NativePath(path); }

std::string InFolderPath(const std::wstring& name) { return Native(UserBox::PictureFolder() + L"\\" + name); }

bool InFolder(const std::wstring& name) { return std::filesystem::exists(InFolderPath(name)); }

void Forget(const std::vector<std::wstring>& names) {
  for (const std::wstring& name : names) std::filesystem::remove(InFolderPath(name));
}

class UserBoxFrame : public FrameTest {
 protected:
  UserBoxFrame() {
    world.platform.add_picture("/Photos/u1.png", frametest::PngPicture(64, 64), "image/png");
    world.platform.add_picture("/Photos/u2.png", frametest::PngPicture(64, 64), "image/png");
    world.platform.add_picture("/Photos/u1.jpg.png", frametest::JpegPicture(80, 50), "image/jpeg");
    for (const char* icon : {"/Icons/IC0005.png", "/Icons/IC0999.png", "/Icons/IC0021.png", "/Icons/IC0017.png"}) {
      world.platform.add_picture(icon, frametest::PngPicture(20, 20), "image/png");
    }
  }

  struct Shown {
    std::wstring photo;
    std::wstring icon;
    std::wstring identity;
    std::wstring identityTip;
    std::wstring name;
  };

  Shown Look() {
    Shown shown;
    OnFrameThread([&] {
      SkinUI::CControlUI* photo = shelltest::FindControl(hwnd, L"btn_userPhoto");
      SkinUI::CControlUI* icon = shelltest::FindControl(hwnd, L"btn_userIdentityCode");
      shown.photo = shelltest::ImagesOf::Background(photo);
      shown.icon = shelltest::ImagesOf::Background(icon);
      shown.identity = icon->GetText().GetData();
      shown.identityTip = icon->GetToolTip().GetData();
      shown.name = shelltest::FindControl(hwnd, L"btn_userName")->GetText().GetData();
    });
    return shown;
  }

  std::string Url(const std::string& path) {
    std::string base = world.patrol.base_url();
    return base.substr(0, base.size() - 1) + path;
  }
};

TEST_F(UserBoxFrame, ShowsWhatWasDownloadedAndNamesPresetAndSchoolIdentities) {
  const struct {
    const char* label;
    const char* photo;  // path on the platform, "" for none
    bool photoServed;
  } photos[] = {{"no photo", "", false},
                {"PNG photo", "/Photos/u1.png", true},
                {"JPEG photo under a .png name", "/Photos/u1.jpg.png", true},
                {"missing photo", "/Photos/gone.png", false}};
  const struct {
    const char* label;
    const char* code;
    int userType;
    const char* icon;  // the icon's file name, "" for none
    bool named;        // the identity's name shown, when the icon URL is there
  } identities[] = {{"preset", "IC0005", 2, "IC0005.png", true},
                    {"not preset", "IC0999", 3, "IC0999.png", false},
                    {"school identity of a teacher", "IC0021", 11, "IC0021.png", true}};
  const struct {
    const char* label;
    int kind;  // 0 none, 1 served, 2 missing
  } icons[] = {{"no icon", 0}, {"icon", 1}, {"missing icon", 2}};

  const std::vector<std::wstring> files = {L"u1.png", L"u1_Circle.png", L"IC0005.png", L"IC0999.png", L"IC0021.png"};
  Forget(files);
  for (const auto& photo : photos) {
    for (const auto& identity : identities) {
      for (const auto& icon : icons) {
        SCOPED_TRACE(std::string(photo.label) + ", " + identity.label + ", " + icon.label);
        global_singleton& session = world.session();
        session.m_userInfo.strUserName = "王建国";
        session.m_userInfo.nUserType = identity.userType;
        session.m_userInfo.strPhotoUrl = *photo.photo ? Url(photo.photo) : "";
        session.m_strIdentityCode = identity.code;
        session.m_strIdentityName = "保卫处";
        const std::string iconPath = std::string(icon.kind == 2 ? "/Missing/" : "/Icons/") + identity.icon;
        session.m_strIdentityIcon = icon.kind == 0 ? "" : Url(iconPath);

        OpenFrame();
        const Shown shown = Look();

        const std::wstring folder = UserBox::PictureFolder() + L"\\";
        EXPECT_EQ(shown.photo, photo.photoServed ? folder + L"u1_Circle.png" : kDefaultPhoto);
        EXPECT_EQ(InFolder(L"u1.png"), photo.photoServed);
        EXPECT_EQ(InFolder(L"u1_Circle.png"), photo.photoServed);
        const std::wstring iconFile = platform::codepage::Utf8ToWide(identity.icon);
        EXPECT_EQ(shown.icon, icon.kind == 1 ? folder + iconFile : kDefaultIcon);
        EXPECT_EQ(InFolder(iconFile), icon.kind == 1) << "a failed download leaves no file";
        // A preset code names itself; a school identity is known by its icon's number.
        const bool named = identity.userType == 11 ? icon.kind != 0 && identity.named : identity.named;
        EXPECT_EQ(shown.identity, named ? L"保卫处" : L"");
        EXPECT_EQ(shown.identityTip, named ? L"保卫处" : L"");
        EXPECT_EQ(shown.name, L"王建国");

        CloseFrame();
        Forget(files);
      }
    }
  }
}

TEST_F(UserBoxFrame, ASecondFrameDownloadsThePhotoAgainButNotTheIcon) {
  world.session().m_userInfo.strUserID = "u2";
  world.session().m_userInfo.strPhotoUrl = Url("/Photos/u2.png");
  world.session().m_strIdentityIcon = Url("/Icons/IC0017.png");
  Forget({L"u2.png", L"u2_Circle.png", L"IC0017.png"});
  OpenFrame();
  CloseFrame();
  OpenFrame();
  EXPECT_EQ(world.platform.picture_requests("/Photos/u2.png"), 2);
  EXPECT_EQ(world.platform.picture_requests("/Icons/IC0017.png"), 1);
  Forget({L"u2.png", L"u2_Circle.png", L"IC0017.png"});
}

// The user id and the icon's address come from the platform and become file names: one
// that would lead out of the picture folder is refused, and nothing is written beside it.
TEST_F(UserBoxFrame, AUserIdOrIconAddressLeadingOutOfThePictureFolderWritesNothingThere) {
  const std::string outside = Native(UserBox::PictureFolder() + L"\\..");
  const struct {
    const char* what;
    const char* userID;
    const char* icon;            // path and query on the platform
    bool photoShown;
    const wchar_t* iconInFolder;  // the icon file written, "" for none
  } cases[] = {
      {"a user id climbing with \\", "..\\escaped_photo", "/Icons/IC0005.png", false, L"IC0005.png"},
      {"a user id climbing with /", "../escaped_photo", "/Icons/IC0005.png", false, L"IC0005.png"},
      {"a user id naming a drive", "C:escaped_photo", "/Icons/IC0005.png", false, L"IC0005.png"},
      {"an icon address whose query climbs", "u1", "/Icons/IC0005.png?x=/..\\escaped_icon.png", true, L"IC0005.png"},
      {"an icon address ending in ..", "u1", "/Icons/..", true, L""},
  };
  const std::vector<std::wstring> files = {L"u1.png", L"u1_Circle.png", L"IC0005.png"};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Forget(files);
    global_singleton& session = world.session();
    session.m_userInfo.strUserID = c.userID;
    session.m_userInfo.strUserName = "王建国";
    session.m_userInfo.strPhotoUrl = Url("/Photos/u1.png");
    session.m_strIdentityIcon = Url(c.icon);

    OpenFrame();
    const Shown shown = Look();
    CloseFrame();

    for (const char* escaped : {"escaped_photo.png", "escaped_photo_Circle.png", "escaped_icon.png"}) {
      EXPECT_FALSE(std::filesystem::exists(outside + "/" + escaped)) << escaped;
      std::filesystem::remove(outside + "/" + escaped);
    }
    EXPECT_EQ(shown.photo, c.photoShown ? UserBox::PictureFolder() + L"\\u1_Circle.png" : kDefaultPhoto);
    EXPECT_EQ(shown.name, L"王建国") << "the rest of the box is filled";
    if (*c.iconInFolder != L'\0') {
      EXPECT_TRUE(InFolder(c.iconInFolder));
    }
    EXPECT_EQ(shown.icon, *c.iconInFolder != L'\0' ? UserBox::PictureFolder() + L"\\" + c.iconInFolder : kDefaultIcon);
  }
  Forget(files);
}

// A picture server that answers only when the test lets it, as a slow one does.
class GatedPicture {
 public:
  GatedPicture() : released_(gate_.get_future().share()) {
    const std::string png = frametest::PngPicture(64, 64);
    const std::shared_future<void> released = released_;
    server_.route("GET", "/slow.png", [png, released](const test_support::RecordedRequest&) {
      released.wait_for(std::chrono::seconds(30));
      return test_support::HttpReply(200, png, "image/png");
    });
  }
  ~GatedPicture() { Release(); }
  void Release() {
    if (!done_) gate_.set_value();
    done_ = true;
  }
  std::string Url() const { return server_.base_url() + "slow.png"; }

 private:
  std::promise<void> gate_;
  std::shared_future<void> released_;
  bool done_ = false;
  test_support::FakeHttpServer server_;
};

// The photo is fetched and decoded off the UI thread: the frame is up and answering with
// the default picture while the server is still silent, and shows the photo once it came.
TEST_F(UserBoxFrame, TheFrameOpensWhileThePhotoIsOnItsWayAndShowsItWhenItCame) {
  GatedPicture photo;
  world.session().m_userInfo.strUserID = "u4";
  world.session().m_userInfo.strUserName = "王建国";
  world.session().m_userInfo.strPhotoUrl = photo.Url();
  Forget({L"u4.png", L"u4_Circle.png"});
  waitForUserPhoto = false;
  OpenFrame();
  EXPECT_EQ(Look().photo, kDefaultPhoto);
  EXPECT_EQ(Look().name, L"王建国") << "the rest of the box is filled at once";
  photo.Release();
  ASSERT_TRUE(frame->GetUserPhotoLoader()->WaitFinished(std::chrono::seconds(30))) << "the photo never finished";
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(Look().photo, UserBox::PictureFolder() + L"\\u4_Circle.png");
  CloseFrame();
  Forget({L"u4.png", L"u4_Circle.png"});
}

// Closing the frame before the photo arrives: the loader finishes on its own and the
// frame goes without anything of it touched from the loader's thread.
TEST_F(UserBoxFrame, AFrameClosedBeforeThePhotoCameGoesSafely) {
  GatedPicture photo;
  world.session().m_userInfo.strUserID = "u5";
  world.session().m_userInfo.strPhotoUrl = photo.Url();
  Forget({L"u5.png", L"u5_Circle.png"});
  waitForUserPhoto = false;
  OpenFrame();
  CloseFrame();
  ASSERT_TRUE(FrameClosed());
  photo.Release();
  frame.reset();
  EXPECT_TRUE(driver.WaitIdle());
  Forget({L"u5.png", L"u5_Circle.png"});
}

// The icon, like the photo, is fetched and decoded off the UI thread: the frame answers
// with the default icon while the server is silent, and shows the icon once it came.
TEST_F(UserBoxFrame, TheFrameOpensWhileTheIconIsOnItsWayAndShowsItWhenItCame) {
  GatedPicture icon;
  world.session().m_userInfo.strUserName = "王建国";
  world.session().m_strIdentityIcon = icon.Url();
  Forget({L"slow.png"});
  waitForUserPhoto = false;
  OpenFrame();
  EXPECT_EQ(Look().icon, kDefaultIcon);
  EXPECT_EQ(Look().name, L"王建国") << "the rest of the box is filled at once";
  icon.Release();
  ASSERT_NE(frame->GetIdentityIconLoader(), nullptr);
  ASSERT_TRUE(frame->GetIdentityIconLoader()->WaitFinished(std::chrono::seconds(30))) << "the icon never finished";
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(Look().icon, UserBox::PictureFolder() + L"\\slow.png");
  CloseFrame();
  Forget({L"slow.png"});
}

// An icon over the pixel budget, or one that is no picture, is left out, and its file
// goes with it, so the next start asks for it again instead of keeping it for good.
TEST_F(UserBoxFrame, AnIconThatDoesNotDecodeWithinTheBudgetIsLeftOutAndForgotten) {
  world.platform.add_picture("/Icons/IC0007.png", test_support::grey_png(8000, 8000), "image/png");
  world.platform.add_picture("/Icons/IC0008.png", "<html>not a picture</html>", "image/png");
  for (const char* name : {"IC0007.png", "IC0008.png"}) {
    SCOPED_TRACE(name);
    const std::wstring file = platform::codepage::Utf8ToWide(name);
    Forget({file});
    world.session().m_strIdentityIcon = Url(std::string("/Icons/") + name);
    OpenFrame();
    EXPECT_EQ(Look().icon, kDefaultIcon);
    EXPECT_FALSE(InFolder(file));
    CloseFrame();
    OpenFrame();
    EXPECT_EQ(world.platform.picture_requests(std::string("/Icons/") + name), 2) << "asked for again";
    CloseFrame();
    Forget({file});
  }
}

// A small file that announces more pixels than the budget allows stays out of the box,
// instead of taking gigabytes and the start-up with it.
TEST_F(UserBoxFrame, APhotoOverThePixelBudgetIsLeftOut) {
  world.platform.add_picture("/Photos/huge.png", test_support::grey_png(8000, 8000), "image/png");
  world.session().m_userInfo.strUserID = "u6";
  world.session().m_userInfo.strPhotoUrl = Url("/Photos/huge.png");
  Forget({L"u6.png", L"u6_Circle.png"});
  OpenFrame();
  EXPECT_EQ(Look().photo, kDefaultPhoto);
  EXPECT_FALSE(InFolder(L"u6_Circle.png"));
  CloseFrame();
  Forget({L"u6.png", L"u6_Circle.png"});
}

TEST(UserBox, IdentityNumbersReadTheDigitsOfCharactersThreeToSix) {
  const struct {
    const wchar_t* name;
    int number;
  } cases[] = {{L"IC0021.png", 21}, {L"IC0005.png", 5}, {L"IC12x4.png", 12}, {L"ICab.png", 0},
               {L"IC9", 9},         {L"IC", 0},          {L"", 0},           {L"IC00219.png", 21}};
  for (const auto& c : cases) EXPECT_EQ(UserBox::IdentityNumber(c.name), c.number) << c.name;
}

TEST(UserBox, PresetCodesAreTheTwentyThree) {
  int preset = 0;
  for (int i = 0; i <= 200; ++i) {
    char code[16];
    snprintf(code, sizeof(code), "IC%04d", i);
    if (UserBox::IsPresetIdentityCode(code)) ++preset;
  }
  EXPECT_EQ(preset, 23);
  EXPECT_TRUE(UserBox::IsPresetIdentityCode("IC0017"));
  EXPECT_TRUE(UserBox::IsPresetIdentityCode("IC0106"));
  EXPECT_FALSE(UserBox::IsPresetIdentityCode("IC0018"));
  EXPECT_FALSE(UserBox::IsPresetIdentityCode("ic0001"));
  EXPECT_FALSE(UserBox::IsPresetIdentityCode(""));
}

TEST(MakeCirclePhoto, CutsNonSquarePicturesToTheEllipseTouchingTheirSides) {
  test_support::ScratchFolder folder;
  const struct {
    const char* label;
    std::string bytes;
    int width, height;
  } cases[] = {{"PNG", frametest::PngPicture(90, 60), 90, 60}, {"JPEG", frametest::JpegPicture(50, 80), 50, 80}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const std::string source = folder.file("photo.png");
    const std::string target = folder.file("circle.png");
    test_support::ScratchFolder::write(source, c.bytes);

    ASSERT_TRUE(UserBox::MakeCirclePhoto(platform::codepage::Utf8ToWide(source),
                                         platform::codepage::Utf8ToWide(target)));

    const std::string written = test_support::ScratchFolder::read(target);
    ASSERT_EQ(written.compare(0, 8, "\x89PNG\r\n\x1a\n"), 0) << "not a PNG";
    int width = 0, height = 0, channels = 0;
    unsigned char* pixels = stbi_load_from_memory(reinterpret_cast<const unsigned char*>(written.data()),
                                                  static_cast<int>(written.size()), &width, &height, &channels, 4);
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(width, c.width);
    EXPECT_EQ(height, c.height);
    auto alpha = [&](int x, int y) { return pixels[(y * width + x) * 4 + 3]; };
    for (const auto& corner : {std::make_pair(0, 0), std::make_pair(width - 1, 0), std::make_pair(0, height - 1),
                               std::make_pair(width - 1, height - 1)}) {
      EXPECT_EQ(alpha(corner.first, corner.second), 0) << corner.first << "," << corner.second;
    }
    EXPECT_EQ(alpha(width / 2, height / 2), 255);
    EXPECT_GT(alpha(0, height / 2), 0) << "left side";
    EXPECT_GT(alpha(width - 1, height / 2), 0) << "right side";
    EXPECT_GT(alpha(width / 2, 0), 0) << "top";
    EXPECT_GT(alpha(width / 2, height - 1), 0) << "bottom";
    stbi_image_free(pixels);
  }
  EXPECT_FALSE(UserBox::MakeCirclePhoto(platform::codepage::Utf8ToWide(folder.file("none.png")),
                                        platform::codepage::Utf8ToWide(folder.file("out.png"))));
}

}  // namespace
