#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <type_traits>

#include "ContentFixture.h"
#include "content/ContentAudit.h"

namespace {

class ContentAudit : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureContentBuilt();
        if (AreaById(0).name.Empty()) GTEST_SKIP() << "areas, enemies and quests not built yet";
    }
};

// Faults planted in the live tables are put back by building them again.
struct Rebuild {
    ~Rebuild() {
        BuildContentTables();
        BuildLateContentTables();
    }
};

template <class T>
std::string First(const std::vector<T>& found) {
    if (found.empty()) return "";
    if constexpr (std::is_same_v<T, int32_t>) return std::to_string(found.front());
    else if constexpr (std::is_same_v<T, std::string>) return found.front();
    else if constexpr (std::is_same_v<T, DeadAction>)
        return std::to_string(found.front().enemyId) + " " + std::to_string(found.front().skillId) + " " +
               found.front().why;
    else return found.front().table + " " + found.front().firstName + " " + found.front().secondName;
}

bool Has(const std::vector<int32_t>& ids, int32_t id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

}  // namespace

TEST_F(ContentAudit, TheWholeTablesHaveNothingDeadOrConfusing) {
    const auto unused = UnusedSkills();
    EXPECT_TRUE(unused.empty()) << unused.size() << " unused skills, first " << First(unused);
    const auto noSource = MaterialsWithoutSource();
    EXPECT_TRUE(noSource.empty()) << noSource.size() << " materials without source, first " << First(noSource);
    const auto noUse = MaterialsWithoutUse();
    EXPECT_TRUE(noUse.empty()) << noUse.size() << " materials without use, first " << First(noUse);
    const auto dead = DeadEnemyActions();
    EXPECT_TRUE(dead.empty()) << dead.size() << " dead enemy actions, first " << First(dead);
    const auto clashes = NameClashes();
    EXPECT_TRUE(clashes.empty()) << clashes.size() << " name clashes, first " << First(clashes);
    const auto spellings = OffSpellings();
    EXPECT_TRUE(spellings.empty()) << spellings.size() << " off spellings, first " << First(spellings);
}

TEST_F(ContentAudit, ActionsThatCannotActAreNamed) {
    // スライム has no Mag, ゴブリンメイジ has 100.
    ASSERT_EQ(EnemyById(0).params.Base(BaseParam::kMag), 0);
    EXPECT_EQ(WhyActionIsDead(0, 340), "magic by Mag 0");     // 火球
    EXPECT_EQ(WhyActionIsDead(0, 280), "revives by Mag 0");   // 蘇生
    EXPECT_EQ(WhyActionIsDead(0, 9), "no such skill");
    EXPECT_EQ(WhyActionIsDead(0, 1), "");
    EXPECT_EQ(WhyActionIsDead(3, 340), "");
    EXPECT_EQ(WhyActionIsDead(3, 280), "");
    EXPECT_EQ(WhyActionIsDead(3, 300), "");  // a guard with its status
}

TEST_F(ContentAudit, NamesAreComparedAsTheyRead) {
    EXPECT_EQ(NameKey(u"百足"), NameKey(u"ムカデ"));
    EXPECT_EQ(NameKey(u"大蝙蝠"), NameKey(u"コウモリ"));
    EXPECT_EQ(NameKey(u"神竜"), NameKey(u"竜神"));
    EXPECT_EQ(NameKey(u"炎の魔導師"), NameKey(u"火の魔道士"));
    EXPECT_NE(NameKey(u"火竜"), NameKey(u"氷竜"));
    EXPECT_NE(NameKey(u"ゴブリン"), NameKey(u"ゴブリンキング"));
}

TEST_F(ContentAudit, PlantedFaultsAreFound) {
    Rebuild rebuild;
    // A fire spell for the slime, and 古代兵器 without its flame thrower.
    EnemyTable()[0].actions.push_back({340, 5});
    auto& ancient = EnemyTable()[114].actions;
    ASSERT_TRUE(std::any_of(ancient.begin(), ancient.end(), [](const WeightedId& a) { return a.id == 55; }));
    std::erase_if(ancient, [](const WeightedId& a) { return a.id == 55; });
    // A second goblin by another spelling, and a misspelt caster.
    EnemyTable()[2].name = WString("百足");
    EnemyTable()[1].name = WString("ムカデ");
    EnemyTable()[5].name = WString("魔導士");

    const auto dead = DeadEnemyActions();
    ASSERT_EQ(dead.size(), 1u);
    EXPECT_EQ(dead[0].enemyId, 0);
    EXPECT_EQ(dead[0].skillId, 340);
    EXPECT_TRUE(Has(UnusedSkills(), 55));
    const auto clashes = NameClashes();
    ASSERT_EQ(clashes.size(), 1u);
    EXPECT_EQ(clashes[0].table, "enemies");
    EXPECT_EQ(clashes[0].first, 1);
    EXPECT_EQ(clashes[0].second, 2);
    const auto spellings = OffSpellings();
    EXPECT_NE(std::find(spellings.begin(), spellings.end(), "魔導士"), spellings.end());
    EXPECT_NE(std::find(spellings.begin(), spellings.end(), "百足"), spellings.end());
}
