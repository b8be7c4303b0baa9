#include <gtest/gtest.h>

#include <set>

#include "ContentFixture.h"
#include "content/Abilities.h"
#include "content/Items.h"
#include "content/Progression.h"

namespace {

struct Row {
    const char* title;
    int32_t face, fee;
    std::vector<int32_t> kinds;
    int32_t weapon, quality;
    std::array<int32_t, 8> params, growth;
    int32_t promotedAt;
    const char* promoted;
};

// The character table and the promoted titles as the game defines them.
const Row kTable[] = {
    {"村の少年", 91, 0, {2, 7}, 560, 10, {230, 45, 43, 5, 5, 5, 6, 56}, {4200, 230, 120, 10, 10, 10, 10, 40}, 250, "ロード"},
    {"弓使い", 4, 0, {5}, 650, 10, {167, 34, 27, 15, 18, 6, 7, 61}, {3200, 190, 60, 10, 10, 10, 10, 50}, 60, "ボウナイト"},
    {"賢者", 25, 300, {7}, 711, 15, {180, 30, 50, 3, 3, 2, 3, 55}, {3600, 180, 140, 10, 10, 10, 10, 40}, 60, "賢者"},
    {"格闘家", 8, 2500, {0}, 0, 0, {320, 55, 36, 12, 10, 7, 0, 63}, {5000, 510, 100, 10, 10, 10, 10, 50}, 70, "バトルマスター"},
    {"シスター", 9, 3000, {7}, 711, 15, {150, 20, 45, 0, 0, 12, 13, 65}, {2900, 70, 140, 10, 10, 10, 10, 50}, 70, "歌うシスター"},
    {"剣士", 75, 5000, {2}, 562, 30, {175, 39, 24, 13, 10, 13, 7, 73}, {3400, 210, 55, 10, 10, 10, 10, 60}, 75, "蒼い彗星"},
    {"プリンセス", 2, 5000, {2}, 583, 30, {160, 36, 29, 5, 4, 12, 11, 58}, {3600, 200, 80, 10, 10, 10, 10, 45}, 70, "ヴィーナス"},
    {"コマンドナイト", 5, 50, {2}, 562, 30, {280, 49, 16, 7, 7, 4, 0, 60}, {4900, 260, 30, 10, 10, 10, 10, 45}, 75, "付き人"},
    {"サンダーマージ", 85, 7000, {7}, 720, 25, {155, 20, 60, 7, 15, 5, 3, 68}, {2900, 70, 160, 10, 10, 10, 10, 55}, 75, "雷神"},
    {"忍者", 94, 8000, {2}, 584, 30, {195, 42, 45, 12, 16, 14, 2, 77}, {3900, 240, 130, 13, 10, 10, 10, 60}, 75, "影"},
    {"炎の戦士", 84, 15000, {2}, 564, 30, {250, 50, 55, 2, 5, 1, 2, 49}, {4700, 270, 150, 10, 10, 10, 10, 40}, 75, "炎の皇帝"},
    {"シスター", 79, 50000, {7}, 721, 10, {180, 10, 55, 0, 0, 4, 8, 54}, {3800, 50, 155, 10, 10, 10, 10, 40}, 75, "すごいシスター"},
    {"メシア", 90, 50000, {7}, 724, 30, {185, 70, 55, 8, 3, 5, 7, 54}, {3300, 105, 150, 10, 10, 10, 10, 50}, 140, "聖者"},
    {"メテオの使い手", 82, 50000, {7}, 719, 50, {160, 30, 48, 4, 2, 1, 5, 46}, {3100, 150, 140, 10, 10, 10, 10, 40}, 120, "メテオの達人"},
    {"妖精", 101, 50000, {5, 7}, 654, 60, {130, 20, 40, 0, 0, 15, 15, 70}, {2200, 65, 130, 10, 10, 10, 10, 50}, 120, "すごい妖精"},
    {"鉄壁", 22, 50000, {2, 5}, 565, 40, {310, 53, 16, 3, 5, 2, 1, 50}, {5300, 290, 20, 10, 10, 10, 10, 40}, 120, "独眼竜"},
    {"アーチャー", 14, 60000, {5}, 658, 40, {200, 44, 13, 10, 13, 7, 8, 55}, {3800, 240, 20, 10, 10, 10, 10, 50}, 160, "スナイパー"},
    {"ホワイトナイト", 29, 70000, {2}, 586, 30, {200, 42, 49, 4, 4, 4, 8, 60}, {3900, 210, 150, 10, 10, 10, 10, 45}, 160, "ホーリーナイト"},
    {"カリスマ娘", 86, 80000, {2, 7}, 723, 40, {180, 37, 63, 7, 4, 8, 13, 57}, {3100, 170, 190, 10, 10, 10, 10, 50}, 180, "カリスマナイト"},
    {"ダークマージ", 89, 100000, {7}, 727, 40, {165, 30, 75, 6, 5, 3, 4, 56}, {3100, 95, 220, 10, 10, 10, 10, 50}, 200, "暗黒魔道士"},
    {"ドラゴンナイト", 76, 150000, {2}, 587, 30, {210, 47, 23, 7, 5, 5, 4, 63}, {3900, 240, 60, 10, 10, 10, 10, 50}, 200, "ドラゴンマスター"},
    {"光の魔道士", 33, 200000, {7}, 726, 30, {155, 20, 65, 11, 10, 6, 7, 64}, {2900, 75, 180, 10, 10, 10, 10, 55}, 160, "セイントロード"},
    {"怖い人", 98, 1000000, {2, 7}, 589, 45, {240, 55, 57, 12, 12, 9, 9, 60}, {4500, 290, 170, 10, 10, 10, 10, 55}, 300, "危ない人"},
};

// The progression rules change live rows: each test starts from a freshly
// built table and puts it back afterwards.
class Characters : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureContentBuilt();
        BuildContentTables();
        BuildLateContentTables();
    }
    void TearDown() override {
        BuildContentTables();
        BuildLateContentTables();
    }
    static CharacterData& C(int32_t id) { return CharacterTable()[id]; }
    static int32_t Ability(int32_t id, const char* name) {
        return C(id).params.Ability(FindAbility(WString(name).View()));
    }
};

}  // namespace

TEST_F(Characters, TableMatchesTheDesign) {
    for (int32_t id = 0; id < kCharacterCapacity; ++id) {
        SCOPED_TRACE(id);
        const CharacterData& c = C(id);
        if (id >= 23) {
            EXPECT_TRUE(c.name.Empty());
            EXPECT_TRUE(c.weaponKinds.empty());
            EXPECT_EQ(c.equipment[0], 0);
            continue;
        }
        const Row& r = kTable[id];
        EXPECT_FALSE(c.name.Empty());
        EXPECT_EQ(Utf8(c.title), r.title);
        EXPECT_EQ(c.faceNumber, r.face);
        EXPECT_EQ(c.hireFee, r.fee);
        EXPECT_EQ(c.weaponKinds, r.kinds);
        EXPECT_EQ(c.equipment[0], r.weapon ? PackItem(r.weapon, r.quality) : 0);
        for (int32_t s = 1; s < CharacterData::kEquipmentSlots; ++s) EXPECT_EQ(c.equipment[s], 0);
        for (int32_t p = 0; p < BaseParam::kCount; ++p) EXPECT_EQ(c.params.Base(p), r.params[p]) << p;
        EXPECT_EQ(c.growth, r.growth);
        EXPECT_EQ(c.growthRemainder, (std::array<int32_t, 8>{}));
    }
    std::set<std::string> names;
    for (int32_t id = 0; id < 23; ++id) names.insert(Utf8(C(id).name));
    EXPECT_EQ(names.size(), 23u);
}

TEST_F(Characters, BasicAttackAndRowFollowTheStartingWeapon) {
    for (int32_t id = 0; id < kCharacterCapacity; ++id) {
        SCOPED_TRACE(id);
        const int32_t kind = id < 23 && kTable[id].weapon ? MakeItemData(kTable[id].weapon, 0).kind : 0;
        EXPECT_EQ(C(id).skills[0], kind + 1);
        EXPECT_EQ(C(id).ranged, kind == 5 || kind == 6 || kind == 7 ? 1 : 0);
    }
    EXPECT_EQ(C(3).skills[0], 1);  // unarmed
    EXPECT_EQ(C(3).ranged, 0);
    EXPECT_EQ(C(1).ranged, 1);     // bow
    EXPECT_EQ(C(2).skills[0], 8);  // staff
    EXPECT_EQ(C(2).ranged, 1);
    EXPECT_EQ(C(0).skills[0], 3);  // sword
    EXPECT_EQ(C(0).ranged, 0);
}

TEST_F(Characters, FirstCharacterRulesAreExact) {
    struct Expected {
        int32_t level;
        RuleKind kind;
        const char* ability;
        int32_t index, value;
        const char* title;
    };
    const Expected rules[] = {
        {0, RuleKind::kAbility, "物理耐性", 0, 20, ""},   {2, RuleKind::kSkillSlot, "", 1, 340, ""},
        {3, RuleKind::kSkillSlot, "", 2, 81, ""},         {7, RuleKind::kSkillSlot, "", 3, 260, ""},
        {10, RuleKind::kSkillSlot, "", 4, 464, ""},       {20, RuleKind::kAbility, "魔法耐性", 0, 20, ""},
        {25, RuleKind::kSkillSlot, "", 5, 280, ""},       {35, RuleKind::kSkillSlot, "", 6, 91, ""},
        {90, RuleKind::kSkillSlot, "", 6, 106, ""},       {150, RuleKind::kSkillSlot, "", 6, 107, ""},
        {45, RuleKind::kAbility, "即死耐性", 0, 30, ""},  {50, RuleKind::kSkillSlot, "", 7, 465, ""},
        {60, RuleKind::kSkillSlot, "", 8, 290, ""},       {75, RuleKind::kAbility, "見切り", 0, 20, ""},
        {95, RuleKind::kAbility, "ブレス耐性", 0, 20, ""},  {130, RuleKind::kAbility, "即死耐性", 0, 10, ""},
        {140, RuleKind::kAbility, "闘志", 0, 5, ""},      {150, RuleKind::kAbility, "見切り", 0, 20, ""},
        {160, RuleKind::kSkillSlot, "", 9, 343, ""},      {170, RuleKind::kAbility, "魔力充填", 0, 5, ""},
        {180, RuleKind::kSkillSlot, "", 10, 268, ""},     {200, RuleKind::kAbility, "即死耐性", 0, 10, ""},
        {250, RuleKind::kSkillSlot, "", 11, 125, ""},     {250, RuleKind::kTitle, "", 0, 0, "ロード"},
    };
    const auto& list = CharacterRules(0);
    ASSERT_EQ(list.size(), std::size(rules));
    for (size_t i = 0; i < list.size(); ++i) {
        SCOPED_TRACE(i);
        const Expected& e = rules[i];
        EXPECT_EQ(list[i].level, e.level);
        ASSERT_EQ(list[i].kind, e.kind);
        if (e.kind == RuleKind::kAbility) {
            EXPECT_EQ(list[i].index, FindAbility(WString(e.ability).View()));
        } else if (e.kind == RuleKind::kSkillSlot) {
            EXPECT_EQ(list[i].index, e.index);
        }
        if (e.kind != RuleKind::kTitle) {
            EXPECT_EQ(list[i].value, e.value);
        } else {
            EXPECT_EQ(Utf8(list[i].title), e.title);
        }
    }
}

TEST_F(Characters, ProgressionOfTheFirstCharacterByLevel) {
    // A new game's row already holds what level 1 gives.
    EXPECT_EQ(CountAbilities(C(0).params), 1);
    EXPECT_EQ(Ability(0, "物理耐性"), 20);

    ApplyCharacterProgression(0, 1);
    EXPECT_EQ(CountAbilities(C(0).params), 1);
    EXPECT_EQ(Ability(0, "物理耐性"), 20);
    for (int32_t s = 1; s < CharacterData::kSkillSlots; ++s) EXPECT_EQ(C(0).skills[s], 0) << s;

    ApplyCharacterProgression(0, 10);
    EXPECT_EQ(C(0).skills[1], 340);
    EXPECT_EQ(C(0).skills[2], 81);
    EXPECT_EQ(C(0).skills[3], 260);
    EXPECT_EQ(C(0).skills[4], 464);
    EXPECT_EQ(C(0).skills[5], 0);
    EXPECT_EQ(Utf8(C(0).title), "村の少年");

    // Slot 6 is upgraded twice; abilities are summed and rebuilt each time.
    ApplyCharacterProgression(0, 150);
    EXPECT_EQ(C(0).skills[6], 107);
    EXPECT_EQ(Ability(0, "見切り"), 40);
    EXPECT_EQ(Ability(0, "即死耐性"), 40);
    ApplyCharacterProgression(0, 999);
    EXPECT_EQ(Ability(0, "即死耐性"), 50);
    EXPECT_EQ(C(0).skills[11], 125);
    EXPECT_EQ(Utf8(C(0).title), "ロード");

    // Going back down resets the abilities only.
    ApplyCharacterProgression(0, 5);
    EXPECT_EQ(CountAbilities(C(0).params), 1);
    EXPECT_EQ(C(0).skills[11], 125);
    EXPECT_EQ(C(0).skills[6], 107);
    EXPECT_EQ(Utf8(C(0).title), "ロード");

    // Ids without rules only lose their abilities; bad ids are ignored.
    C(30).params.Ability(5) = 7;
    ApplyCharacterProgression(30, 50);
    EXPECT_EQ(CountAbilities(C(30).params), 0);
    ApplyCharacterProgression(-1, 10);
    ApplyCharacterProgression(kCharacterCapacity, 10);
}

TEST_F(Characters, TitlesArePromotedAtTheirLevel) {
    for (int32_t id = 0; id < 23; ++id) {
        SCOPED_TRACE(id);
        ApplyCharacterProgression(id, kTable[id].promotedAt - 1);
        EXPECT_EQ(Utf8(C(id).title), kTable[id].title);
        ApplyCharacterProgression(id, kTable[id].promotedAt);
        EXPECT_EQ(Utf8(C(id).title), kTable[id].promoted);
    }
}

TEST_F(Characters, LastCharacterHoldsEverythingFromTheStart) {
    for (int32_t s = 1; s <= 8; ++s) EXPECT_NE(C(22).skills[s], 0) << s;
    EXPECT_EQ(C(22).skills[9], 0);
    EXPECT_GE(CountAbilities(C(22).params), 5);
    int32_t thresholds = 0;
    for (const ProgressionRule& r : CharacterRules(22)) thresholds += r.level > 0;
    EXPECT_EQ(thresholds, 1);
}

// A learned skill the command menu would never list (another weapon's
// technique) or that does not exist is a dead rule.
TEST_F(Characters, RulesTeachUsableSkillsInSlotsUpTo14) {
    int32_t thresholds = 0, highestSlot = 0;
    for (int32_t id = 0; id < kCharacterCapacity; ++id) {
        SCOPED_TRACE(id);
        const auto& rules = CharacterRules(id);
        EXPECT_EQ(rules.empty(), id >= 23);
        bool promotes = false;
        for (const ProgressionRule& r : rules) {
            thresholds += r.level > 0;
            promotes |= r.kind == RuleKind::kTitle;
            if (r.kind == RuleKind::kAbility) {
                EXPECT_GT(r.value, 0);
                continue;
            }
            if (r.kind != RuleKind::kSkillSlot) continue;
            highestSlot = std::max(highestSlot, r.index);
            const SkillData& s = SkillTable()[r.value];
            EXPECT_FALSE(s.name.Empty()) << r.value;
            const auto& kinds = C(id).weaponKinds;
            EXPECT_TRUE(s.weaponKind == WeaponKind::kNone ||
                        std::find(kinds.begin(), kinds.end(), s.weaponKind) != kinds.end())
                << r.value;
        }
        if (id < 23) {
            EXPECT_TRUE(promotes);
        }
    }
    EXPECT_NEAR(thresholds, 270, 15);
    EXPECT_EQ(highestSlot, 14);
}
