// The table itself: what every entry answers without a stream, handles, and the hook
// that puts a scripted table in its place.
#include <gtest/gtest.h>

#include <string>

#include "platform/video/SmartPlayerSDK.h"
#include "testing/video/ScriptedPlayerTable.h"

namespace {

// The unsupported entries by number, read from the table's layout.
std::vector<std::pair<int, SmartUnsupportedEntry>> UnsupportedEntries(const SmartPlayerSDKAPI& api) {
  const auto* entries = reinterpret_cast<void* const*>(&api);
  const int used[] = {0, 2, 3, 5, 14, 17, 18, 21, 22, 40, 41, 42, 43, 44, 45, 46, 57, 63};
  std::vector<std::pair<int, SmartUnsupportedEntry>> out;
  for (int i = 0; i < 68; ++i) {
    if (std::find(std::begin(used), std::end(used), i) != std::end(used)) continue;
    out.emplace_back(i, reinterpret_cast<SmartUnsupportedEntry>(entries[i]));
  }
  return out;
}

class PlayerTable : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(GetSmartPlayerSDKAPI(&api), 0u);
    ASSERT_EQ(api.Init(0, nullptr), 0u);
    ASSERT_EQ(api.Open(&handle, nullptr, 0, nullptr), 0u);
    ASSERT_NE(handle, nullptr);
  }
  void TearDown() override {
    if (handle) api.Close(handle);
  }

  SmartPlayerSDKAPI api{};
  SmartPlayerHandle handle = nullptr;
};

TEST_F(PlayerTable, EveryEntryIsFilledAndTheOnesNotPlayedWithAnswerAnError) {
  EXPECT_NE(GetSmartPlayerSDKAPI(nullptr), 0u);
  const auto unsupported = UnsupportedEntries(api);
  ASSERT_EQ(unsupported.size(), 50u);
  for (const auto& [entry, call] : unsupported) {
    ASSERT_NE(call, nullptr) << "entry " << entry;
    EXPECT_NE(call(handle), 0u) << "entry " << entry;
  }
}

TEST_F(PlayerTable, ANewPlayerAnswersAsTheProgramReliesOn) {
  int supported = 0;
  EXPECT_EQ(api.CanRenderToWindow(handle, nullptr, &supported), 0u);
  EXPECT_EQ(supported, 1);
  int playing = -1;
  EXPECT_EQ(api.GetPlayState(handle, &playing), 0u);
  EXPECT_EQ(playing, 0);
  EXPECT_EQ(api.SetBuffer(handle, 200), 0u);
  EXPECT_EQ(api.SetTimeout(handle, 5), 0u);
  EXPECT_EQ(api.StopPlay(handle), 0u) << "stopping a player that never played is harmless";
}

TEST_F(PlayerTable, BadHandlesAndMissingArgumentsAreRefused) {
  const SmartPlayerHandle made_up = reinterpret_cast<SmartPlayerHandle>(uintptr_t(0x1234));
  int value = 0;
  struct Case {
    const char* what;
    UINT answer;
  };
  const Case cases[] = {
      {"URL, made-up handle", api.SetURL(made_up, "rtsp://127.0.0.1/x")},
      {"URL, empty", api.SetURL(handle, "")},
      {"URL, null", api.SetURL(handle, nullptr)},
      {"switch, empty URL", api.SwitchURL(handle, "", 0, 0, nullptr)},
      {"switch, made-up handle", api.SwitchURL(made_up, "rtsp://127.0.0.1/x", 0, 0, nullptr)},
      {"start without a URL", api.StartPlay(handle)},
      {"start, made-up handle", api.StartPlay(made_up)},
      {"stop, made-up handle", api.StopPlay(made_up)},
      {"state, made-up handle", api.GetPlayState(made_up, &value)},
      {"state, no int", api.GetPlayState(handle, nullptr)},
      {"render support, no int", api.CanRenderToWindow(handle, nullptr, nullptr)},
      {"setting, made-up handle", api.SetBuffer(made_up, 200)},
      {"callback, made-up handle", api.SetEventCallBack(made_up, nullptr, nullptr)},
      {"window, made-up handle", api.SetRenderWindow(made_up, nullptr)},
      {"open without a place for the handle", api.Open(nullptr, nullptr, 0, nullptr)},
      {"close, made-up handle", api.Close(made_up)},
  };
  for (const Case& c : cases) EXPECT_NE(c.answer, 0u) << c.what;
}

TEST_F(PlayerTable, AClosedHandleIsNeverGivenAgain) {
  SmartPlayerHandle second = nullptr;
  ASSERT_EQ(api.Open(&second, nullptr, 0, nullptr), 0u);
  EXPECT_NE(second, handle);
  EXPECT_EQ(api.Close(second), 0u);
  EXPECT_NE(api.Close(second), 0u) << "closing twice";
  EXPECT_NE(api.SetURL(second, "rtsp://127.0.0.1/x"), 0u);
  SmartPlayerHandle third = nullptr;
  ASSERT_EQ(api.Open(&third, nullptr, 0, nullptr), 0u);
  EXPECT_NE(third, second);
  EXPECT_EQ(api.Close(third), 0u);
}

TEST(PlayerTableHook, AScriptedTableStandsInWhileInstalledAndTheRealOneComesBack) {
  SmartPlayerSDKAPI api{};
  {
    test_support::ScriptedPlayerTable scripted;
    scripted.Answer(0, 7);
    ASSERT_EQ(GetSmartPlayerSDKAPI(&api), 0u);
    EXPECT_EQ(api.Init(0, nullptr), 7u);
    EXPECT_EQ(scripted.Entries(), std::vector<int>{0});
  }
  ASSERT_EQ(GetSmartPlayerSDKAPI(&api), 0u);
  EXPECT_EQ(api.Init(0, nullptr), 0u);
  SmartPlayerHandle handle = nullptr;
  ASSERT_EQ(api.Open(&handle, nullptr, 0, nullptr), 0u);
  EXPECT_NE(handle, test_support::ScriptedPlayerTable::Handle());
  EXPECT_EQ(api.Close(handle), 0u);
}

}  // namespace
