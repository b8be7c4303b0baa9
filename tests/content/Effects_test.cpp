#include <gtest/gtest.h>

#include <map>
#include <set>

#include "ContentFixture.h"

namespace {

class Effects : public ::testing::Test {
protected:
    void SetUp() override { EnsureContentBuilt(); }
    static bool Filled(int32_t id) { return !EffectTable()[id].picture.Empty(); }
};

}  // namespace

TEST_F(Effects, Has73RowsInTheBlocksOfTheSkillFamilies) {
    const std::pair<int32_t, int32_t> blocks[] = {
        {0, 3},     {20, 22},   {40, 47},   {60, 66},   {80, 81},   {100, 103},
        {120, 122}, {140, 141}, {160, 163}, {180, 181}, {190, 196}, {200, 205},
        {210, 214}, {220, 223}, {230, 233}, {240, 243}, {250, 252}, {260, 260}};
    int32_t count = 0;
    for (int32_t id = 0; id < kEffectCapacity; ++id) {
        bool inBlock = false;
        for (auto [first, last] : blocks) inBlock |= id >= first && id <= last;
        EXPECT_EQ(Filled(id), inBlock) << id;
        const EffectData& e = EffectTable()[id];
        EXPECT_EQ(e.sound.Empty(), !Filled(id)) << id;
        if (!Filled(id)) continue;
        ++count;
        EXPECT_TRUE(Utf8(e.picture).ends_with(".bmp")) << id;
        EXPECT_TRUE(Utf8(e.sound).ends_with(".wav")) << id;
    }
    EXPECT_EQ(count, 73);
}

TEST_F(Effects, GridsAndHueShifts) {
    std::map<std::pair<int32_t, int32_t>, int32_t> grids;
    std::map<int32_t, int32_t> hues;
    std::map<std::string, std::pair<int32_t, int32_t>> gridOfPicture;
    for (int32_t id = 0; id < kEffectCapacity; ++id) {
        if (!Filled(id)) continue;
        const EffectData& e = EffectTable()[id];
        ++grids[{e.columns, e.rows}];
        if (e.hue != 0) hues[id] = e.hue;
        // A picture shared by several rows is cut the same way in each.
        auto [it, fresh] = gridOfPicture.try_emplace(Utf8(e.picture), e.columns, e.rows);
        if (!fresh) {
            EXPECT_EQ(it->second, std::make_pair(e.columns, e.rows)) << id;
        }
    }
    const std::map<std::pair<int32_t, int32_t>, int32_t> expected = {
        {{5, 1}, 28}, {{8, 1}, 15}, {{5, 2}, 6}, {{10, 1}, 5}, {{5, 3}, 5},
        {{9, 1}, 2},  {{5, 5}, 2},  {{1, 9}, 2}, {{7, 2}, 2},  {{8, 2}, 1},
        {{6, 2}, 1},  {{7, 1}, 1},  {{6, 1}, 1}, {{5, 4}, 1},  {{1, 8}, 1}};
    EXPECT_EQ(grids, expected);
    const std::map<int32_t, int32_t> expectedHues = {{47, 220}, {61, 300}, {62, 180},
                                                     {64, 30},  {66, 210}, {212, 330}};
    EXPECT_EQ(hues, expectedHues);
    // Hue-shifted rows reuse a picture of another row.
    EXPECT_EQ(EffectTable()[212].picture, EffectTable()[210].picture);
    EXPECT_EQ(EffectTable()[47].picture, EffectTable()[42].picture);
}

TEST_F(Effects, EverySkillNamesAFilledEffect) {
    for (int32_t id = 0; id < kSkillCapacity; ++id) {
        const SkillData& s = SkillTable()[id];
        if (id != 0 && s.name.Empty()) continue;
        EXPECT_TRUE(Filled(s.effect)) << "skill " << id << " effect " << s.effect;
    }
}

TEST_F(Effects, PicturesStayEmptyWithoutADevice) {
    // No graphics device in the tests: loading leaves every row usable.
    LoadContentPictures();
    for (const EffectData& e : EffectTable()) EXPECT_TRUE(e.sprite.Empty());
    EXPECT_FALSE(EffectTable()[40].sound.Empty());
    ReleaseContentPictures();
}
