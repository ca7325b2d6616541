#include "ui/core/types/CUIStringMap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using SkinUI::CUIStringMap;

namespace {

LPVOID P(intptr_t n) { return reinterpret_cast<LPVOID>(n); }

std::vector<std::wstring> Keys(const CUIStringMap& map) {
  std::vector<std::wstring> keys;
  for (int i = 0; i < map.GetSize(); ++i) keys.emplace_back(map.GetKeyAt(i));
  return keys;
}

TEST(CUIStringMapHash, RunsFromTheLastCharacterToTheFirst) {
  struct Case {
    const wchar_t* key;
    UINT hash;
  } cases[] = {{L"", 0}, {L"a", 97}, {L"ab", 98 * 33 + 97}, {L"ba", 97 * 33 + 98}, {L"中", 0x4E2D}};
  for (const Case& c : cases) EXPECT_EQ(c.hash, SkinUI::HashKey(c.key)) << c.key;
}

// With 16 buckets "a" (97) and "q" (113) share bucket 1 and "b" (98) has bucket 2.
TEST(CUIStringMapOrder, MoveToFrontReordersTheChainAndTheKeys) {
  CUIStringMap map(16);
  ASSERT_TRUE(map.Insert(L"a", P(1)));
  ASSERT_TRUE(map.Insert(L"q", P(2)));
  ASSERT_TRUE(map.Insert(L"b", P(3)));
  const std::vector<std::wstring> inserted{L"b", L"q", L"a"};  // last bucket first, newest at the head
  EXPECT_EQ(inserted, Keys(map));

  EXPECT_EQ(P(1), map.Find(L"a", false));
  EXPECT_EQ(inserted, Keys(map));

  EXPECT_EQ(P(1), map.Find(L"a", true));
  const std::vector<std::wstring> moved{L"b", L"a", L"q"};
  EXPECT_EQ(moved, Keys(map));
  EXPECT_EQ(P(2), map.Find(L"q"));  // the default moves too
  EXPECT_EQ(inserted, Keys(map));
  EXPECT_EQ(nullptr, map.GetKeyAt(3));
  EXPECT_EQ(nullptr, map.GetKeyAt(-1));
}

TEST(CUIStringMapItems, InsertSetAndFind) {
  CUIStringMap map;
  EXPECT_EQ(nullptr, map.Find(L"none"));
  EXPECT_TRUE(map.Insert(L"btn_ok", P(1)));
  EXPECT_FALSE(map.Insert(L"btn_ok", P(2)));
  EXPECT_EQ(P(1), map.Find(L"btn_ok"));
  EXPECT_EQ(nullptr, map.Find(L"BTN_OK"));  // keys are case-sensitive

  EXPECT_EQ(P(1), map.Set(L"btn_ok", P(5)));
  EXPECT_EQ(1, map.GetSize());
  EXPECT_EQ(P(5), map.Find(L"btn_ok"));
  EXPECT_EQ(nullptr, map.Set(L"btn_cancel", P(6)));
  EXPECT_EQ(2, map.GetSize());

  wchar_t key[] = L"temp";
  map.Insert(key, P(7));
  key[0] = L'X';  // the map keeps its own copy of the key
  EXPECT_EQ(P(7), map.Find(L"temp"));
}

// "a" (97), "q" (113) and "Q" (81) share bucket 1 of 16, chained Q, q, a; "c" is alone.
TEST(CUIStringMapItems, RemovingAnyLinkOfAChainKeepsTheOthers) {
  const std::vector<std::wstring> all{L"a", L"q", L"Q", L"c"};
  for (const std::wstring& victim : all) {
    CUIStringMap map(16);
    for (size_t i = 0; i < all.size(); ++i) map.Insert(all[i].c_str(), P(static_cast<intptr_t>(i) + 1));
    EXPECT_TRUE(map.Remove(victim.c_str())) << victim;
    EXPECT_FALSE(map.Remove(victim.c_str()));
    EXPECT_EQ(3, map.GetSize());
    EXPECT_EQ(3u, Keys(map).size());
    for (size_t i = 0; i < all.size(); ++i) {
      const LPVOID expected = all[i] == victim ? nullptr : P(static_cast<intptr_t>(i) + 1);
      EXPECT_EQ(expected, map.Find(all[i].c_str())) << all[i] << " after removing " << victim;
    }
  }
}

TEST(CUIStringMapBuckets, ResizeRemoveAllAndAMapWithoutBuckets) {
  CUIStringMap map(3);  // raised to the minimum of 16
  for (int i = 0; i < 40; ++i) map.Insert(std::to_wstring(i).c_str(), P(i + 1));
  EXPECT_EQ(40, map.GetSize());
  EXPECT_EQ(P(40), map.Find(L"39"));

  map.RemoveAll();
  EXPECT_EQ(0, map.GetSize());
  EXPECT_TRUE(map.Insert(L"x", P(1)));  // buckets are kept

  map.Resize(0);
  EXPECT_EQ(0, map.GetSize());
  EXPECT_FALSE(map.Insert(L"x", P(1)));
  EXPECT_EQ(P(9), map.Set(L"x", P(9)));  // nothing stored; the value comes back
  EXPECT_EQ(nullptr, map.Find(L"x"));
  EXPECT_EQ(nullptr, map.GetKeyAt(0));

  map.Resize(-4);
  EXPECT_FALSE(map.Insert(L"x", P(1)));
  map.Resize(1);
  EXPECT_TRUE(map.Insert(L"x", P(1)));
  EXPECT_TRUE(map.Insert(L"y", P(2)));
  const std::vector<std::wstring> one{L"y", L"x"};
  EXPECT_EQ(one, Keys(map));
}

}  // namespace
