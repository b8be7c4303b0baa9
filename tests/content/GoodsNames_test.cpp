#include "content/GoodsNames.h"

#include <gtest/gtest.h>

#include "content/ContentDatabase.h"

namespace {

// Puts names into the rows that goods refer to, and takes them back after.
class GoodsNames : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = {ItemName(0), ItemName(1), AreaById(2).name, CharacterById(3).name,
                  QuestById(4).title};
        ItemNameTable()[0] = WString(" -");
        ItemNameTable()[1] = WString("薬草");
        AreaTable()[2].name = WString("暗闇の洞窟");
        CharacterTable()[3].name = WString("ガイ");
        QuestTable()[4].title = WString("ゴブリン退治");
    }
    void TearDown() override {
        ItemNameTable()[0] = saved_[0];
        ItemNameTable()[1] = saved_[1];
        AreaTable()[2].name = saved_[2];
        CharacterTable()[3].name = saved_[3];
        QuestTable()[4].title = saved_[4];
    }
    std::array<WString, 5> saved_;
};

std::string Display(int32_t id, int32_t quality) {
    return GoodsDisplayName(PackItem(id, quality)).ToUtf8();
}
std::string Label(int32_t id, int32_t quality) {
    return GoodsListLabel(PackItem(id, quality)).ToUtf8();
}

}  // namespace

TEST_F(GoodsNames, ItemsShowNameAndQuality) {
    EXPECT_EQ(Display(1, 37), "薬草[37]");
    EXPECT_EQ(Label(1, 100), "薬草[100]");
    EXPECT_EQ(GoodsDisplayName(0).ToUtf8(), " -");
    EXPECT_EQ(GoodsListLabel(0).ToUtf8(), " -");
}

TEST_F(GoodsNames, OneOfAKindThingsShowWhatTheyReferTo) {
    EXPECT_EQ(Display(1251, 0), "薬草");
    EXPECT_EQ(Label(1251, 0), "レ:薬草");
    EXPECT_EQ(Label(1250, 0), "レ: -");  // the recipe for item 0
    EXPECT_EQ(Display(2502, 0), "暗闇の洞窟");
    EXPECT_EQ(Label(2502, 0), "地:暗闇の洞窟");
    EXPECT_EQ(Label(2553, 0), "名:ガイ");
    EXPECT_EQ(Label(2604, 0), "賞:ゴブリン退治");
}

TEST_F(GoodsNames, IdsOutsideEveryTableShowNothing) {
    EXPECT_EQ(Label(3000, 0), " -");
    EXPECT_EQ(Label(0xFFFFFF, 0), " -");
}
