#include <gtest/gtest.h>

#include <set>

#include "ContentFixture.h"

namespace {

class ItemNames : public ::testing::Test {
protected:
    void SetUp() override { EnsureContentBuilt(); }
    static std::string N(int32_t id) { return Utf8(ItemName(id)); }
};

}  // namespace

TEST_F(ItemNames, Has710NamedIdsInTheirSeriesRanges) {
    const std::pair<int32_t, int32_t> ranges[] = {{0, 163},   {200, 262}, {300, 399},
                                                  {400, 469}, {560, 593}, {650, 680},
                                                  {710, 732}, {750, 917}, {1000, 1221}};
    int32_t named = 0;
    std::set<std::string> seen;
    for (int32_t id = 0; id < kItemCapacity; ++id) {
        if (ItemName(id).Empty()) continue;
        ++named;
        bool inRange = false;
        for (auto [first, last] : ranges) inRange |= id >= first && id <= last;
        EXPECT_TRUE(inRange) << id;
        // Two items with one name could not be told apart in any list.
        EXPECT_TRUE(seen.insert(N(id)).second) << id << " " << N(id);
    }
    EXPECT_EQ(named, 710);
    EXPECT_EQ(N(0), " -");
    // Consumables and the three weapon lines have no gaps.
    for (auto [first, last] : {std::pair{1, 163}, {200, 262}, {560, 593}, {650, 680}, {710, 732}})
        for (int32_t id = first; id <= last; ++id) EXPECT_FALSE(ItemName(id).Empty()) << id;
    EXPECT_TRUE(ItemName(501).Empty());
    EXPECT_TRUE(ItemName(1249).Empty());
}

TEST_F(ItemNames, SuffixesFollowTheSeriesLayout) {
    EXPECT_EQ(N(1), "薬草");
    EXPECT_EQ(N(4), "薬草Ⅳ");
    EXPECT_EQ(N(5), "薬草袋");
    EXPECT_EQ(N(9), "薬草A");
    for (int32_t series : {1, 16, 31}) {
        for (int32_t i = 0; i < 4; ++i) {
            EXPECT_EQ(N(series + 4 + i), N(series) + "袋" + (i ? N(series + i).substr(N(series).size()) : ""));
            EXPECT_NE(N(series + 8 + i).find('A'), std::string::npos);
        }
    }
    EXPECT_EQ(N(81), "力の薬");
    // Books: nine variants per element in element order.
    const char* variants[] = {"", "Ⅱ", "Ⅲ", "A", "AⅡ", "AⅢ", "R", "RⅡ", "RⅢ"};
    for (int32_t e = 0; e < 7; ++e)
        for (int32_t v = 0; v < 9; ++v) EXPECT_EQ(N(200 + 9 * e + v), N(200 + 9 * e) + variants[v]);
    EXPECT_EQ(N(209), "火の書");
    // Tags and melts: blocks of six ids, four of them used.
    for (int32_t first : {300, 400}) {
        for (int32_t block = first; block < first + 96 && block < 460; block += 6) {
            for (int32_t i = 0; i < 6; ++i) EXPECT_EQ(ItemName(block + i).Empty(), i >= 4) << block + i;
        }
    }
    EXPECT_EQ(N(396), "消滅の呪札");
    EXPECT_EQ(N(561), "ブロンズソード");
    EXPECT_EQ(N(574), "光の剣");
    EXPECT_EQ(N(576), "灼熱の剣");
    EXPECT_EQ(N(750), "アイアンバンクル");
    EXPECT_EQ(N(757), "パワーリングⅣ");
    EXPECT_EQ(N(765), "スキルリングⅣ");
}
