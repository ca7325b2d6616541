// The skin folder as the program finds it: every file a skin or the code names is there
// with exactly that name, every control the code looks up is in its skin, every skin
// declares the one font list, and the generator draws exactly the committed pictures.
// Later windows add their rows to the tables.
#include <gtest/gtest.h>

#include <tinyxml2.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kSkin = SKIN_SOURCE_DIR;

// The skins the code loads, and the controls it looks up in each by name.
const struct {
  const char* skin;
  std::vector<std::string> controls;
} kSkins[] = {
    {"message.xml", {"VContext", "YesNo", "mainContain", "close"}},
    {"MessageMultiline.xml", {"VContext", "YesNo", "mainContain", "close"}},
    {"PhotoFeedBackWindow.xml", {"title"}},
    {"BkWindow.xml", {}},
    {"LoadingGifWnd.xml", {"LoadingGifAnim", "lab_context"}},
    {"QR_CodeWndUI.xml", {"btn_close"}},
    {"TimeWndUI.xml", {"listHour", "listMinute", "btnClose", "btnCancel", "btnOk"}},
    {"MainFrameWnd.xml",
     {"label_Time", "label_SchoolName", "btn_close", "btn_min", "btn_logout", "btn_help", "btn_qr_code",
      "btn_userPhoto", "btn_userName", "btn_userIdentityCode", "tabMain", "tabPlan", "tabRouteManagement",
      "tabEquipmentManagement", "tabPeopleManagement", "tabResultManagement", "tabAuthorityManagement", "lab1",
      "lab2", "lab3", "lab4", "lab5", "lab6", "lab7"}},
    {"AlarmWindow.xml", {"lab_AlarmPeople", "lab_AlarmTime", "lab_Alarmpos", "btn_Cam1", "btn_Cam2", "btn_close"}},
    {"CamPlayDlg.xml", {"lab_Camera", "btn_close"}},
    {"PagePlaceholder.xml", {"find_bar", "lab_PageTitle"}},
};

// The pictures the code names itself (UTF-8, as the file system has them; narrow
// literals are GBK).
const char* const kCodeFiles[] = {
    u8"MessageUI/图标（中）---提示.png",       u8"MessageUI/图标（中）---询问.png",
    u8"MessageUI/图标（中）---操作成功.png",   u8"MessageUI/图标（中）---操作失败.png",
    u8"MessageUI/提示--弹窗背景-red.png",      u8"MessageUI/确定取消原始_26.png",
    u8"MessageUI/确定取消经过.png",            u8"MessageUI/确定取消常态-red.png",
    u8"MessageUI/确定取消经过按下状态-red.png", u8"MessageUI/确定取消常态.png",
    u8"MessageUI/确定取消经过按下状态.png",    u8"ExaminationManagement/浏览原始.png",
};

std::vector<fs::path> SkinFiles() {
  std::vector<fs::path> skins;
  for (const fs::directory_entry& entry : fs::directory_iterator(kSkin)) {
    if (entry.path().extension() == ".xml") skins.push_back(entry.path());
  }
  return skins;
}

void Walk(const tinyxml2::XMLElement* element, const std::function<void(const tinyxml2::XMLElement&)>& visit) {
  for (; element != nullptr; element = element->NextSiblingElement()) {
    visit(*element);
    Walk(element->FirstChildElement(), visit);
  }
}

// Every "file='...'" of a value: image descriptions, and the attribute lists of
// styles that hold them.
std::vector<std::string> NamedFiles(const std::string& value) {
  const std::string key = "file='";
  std::vector<std::string> files;
  for (size_t start = value.find(key); start != std::string::npos; start = value.find(key, start + 1)) {
    const size_t end = value.find('\'', start + key.size());
    files.push_back(value.substr(start + key.size(), end - start - key.size()));
  }
  return files;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string Bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class SkinFolder : public ::testing::Test {
 protected:
  tinyxml2::XMLDocument& Load(const fs::path& skin) {
    documents_.emplace_back(new tinyxml2::XMLDocument);
    EXPECT_EQ(documents_.back()->LoadFile(skin.string().c_str()), tinyxml2::XML_SUCCESS) << skin;
    return *documents_.back();
  }

 private:
  std::vector<std::unique_ptr<tinyxml2::XMLDocument>> documents_;
};

TEST_F(SkinFolder, EveryFileASkinOrTheCodeNamesIsThereWithThatExactName) {
  std::set<std::string> named(std::begin(kCodeFiles), std::end(kCodeFiles));
  for (const auto& row : kSkins) named.insert(row.skin);
  for (const fs::path& skin : SkinFiles()) {
    Walk(Load(skin).RootElement(), [&](const tinyxml2::XMLElement& element) {
      for (const tinyxml2::XMLAttribute* a = element.FirstAttribute(); a != nullptr; a = a->Next()) {
        const std::vector<std::string> files = NamedFiles(a->Value());
        named.insert(files.begin(), files.end());
        // A picture's bare name.
        if (files.empty() && EndsWith(a->Name(), "image") && *a->Value() != '\0') named.insert(a->Value());
      }
    });
  }
  for (const std::string& file : named) {
    EXPECT_TRUE(fs::is_regular_file(kSkin / fs::u8path(file))) << file;
  }
}

TEST_F(SkinFolder, EveryControlTheCodeLooksUpIsInItsSkin) {
  for (const auto& row : kSkins) {
    std::set<std::string> names;
    Walk(Load(kSkin / row.skin).RootElement(), [&](const tinyxml2::XMLElement& element) {
      if (const char* name = element.Attribute("name")) names.insert(name);
    });
    for (const std::string& control : row.controls) EXPECT_EQ(names.count(control), 1u) << row.skin << ": " << control;
  }
}

TEST_F(SkinFolder, EverySkinDeclaresTheOneFontList) {
  std::vector<std::string> reference;
  for (const fs::path& skin : SkinFiles()) {
    std::vector<std::string> fonts;
    const tinyxml2::XMLElement* root = Load(skin).RootElement();
    for (const tinyxml2::XMLElement* font = root->FirstChildElement("Font"); font != nullptr;
         font = font->NextSiblingElement("Font")) {
      std::string declaration;
      for (const tinyxml2::XMLAttribute* a = font->FirstAttribute(); a != nullptr; a = a->Next()) {
        declaration += std::string(a->Name()) + "=" + a->Value() + " ";
      }
      fonts.push_back(declaration);
    }
    EXPECT_EQ(fonts.size(), 13u) << skin.filename() << ": fonts 0 to 12";
    if (reference.empty()) reference = fonts;
    EXPECT_EQ(fonts, reference) << skin.filename();
  }
}

TEST_F(SkinFolder, TheGeneratorDrawsExactlyTheCommittedPictures) {
  const fs::path drawn = fs::temp_directory_path() / ("skin-pictures-" + std::to_string(::getpid()));
  fs::remove_all(drawn);
  const std::string command = "python3 '" + (kSkin / "make-images.py").string() + "' '" + drawn.string() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;

  std::set<fs::path> produced;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(drawn)) {
    if (!entry.is_regular_file()) continue;
    const fs::path relative = fs::relative(entry.path(), drawn);
    produced.insert(relative);
    EXPECT_EQ(Bytes(entry.path()), Bytes(kSkin / relative)) << relative << " differs from the committed picture";
  }
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kSkin)) {
    const fs::path extension = entry.path().extension();
    if (extension != ".png" && extension != ".gif") continue;
    EXPECT_EQ(produced.count(fs::relative(entry.path(), kSkin)), 1u) << entry.path() << " is drawn by nothing";
  }
  fs::remove_all(drawn);
}

}  // namespace
