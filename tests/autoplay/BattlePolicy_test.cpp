#include "tools/autoplay/BattlePolicy.h"

#include <gtest/gtest.h>

#include <utility>

#include "content/ContentDatabase.h"
#include "engine/input/Input.h"

namespace {

void EnsureContent() {
    static const bool built = [] {
        BuildContentTables();
        BuildLateContentTables();
        return true;
    }();
    (void)built;
}

// Test skills written into unused rows of the skill table, put back after.
class BattlePolicyTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureContent();
        for (int32_t id = 1; id < kSkillCapacity && free_.size() < 6; ++id)
            if (SkillTable()[size_t(id)].name.Empty()) free_.push_back(id);
        ASSERT_EQ(free_.size(), 6u);
    }
    void TearDown() override {
        for (int32_t id : free_) SkillTable()[size_t(id)] = SkillData{};
    }

    int32_t MakeSkill(int32_t n, int32_t type, int32_t element, int32_t target, int32_t power) {
        SkillData& skill = SkillTable()[size_t(free_[size_t(n)])];
        skill = SkillData{};
        skill.name = WString("test");
        skill.type = type;
        skill.element = element;
        skill.targetKind = target;
        skill.power = power;
        skill.hits = 1;
        return free_[size_t(n)];
    }

    static BattleUnit Unit(int32_t side, int32_t hp, int32_t maxHp) {
        BattleUnit unit;
        unit.side = side;
        unit.hp = hp;
        unit.maxHp = maxHp;
        unit.params.Base(BaseParam::kAtk) = 100;
        unit.params.Base(BaseParam::kMag) = 100;
        return unit;
    }

    std::vector<int32_t> free_;
};

TEST_F(BattlePolicyTest, PicksTheElementTheEnemyDoesNotWithstand) {
    const int32_t fire = MakeSkill(0, SkillType::kPhysical, Element::kFire, TargetKind::kOne, 100);
    const int32_t ice = MakeSkill(1, SkillType::kPhysical, Element::kIce, TargetKind::kOne, 100);
    BattleState battle;
    battle.units = {Unit(UnitSide::kEnemy, 500, 500), Unit(UnitSide::kParty, 100, 100)};
    battle.units[0].params.Ability(AbilityParam::kElementResist + Element::kFire) = 50;
    EXPECT_EQ(ChooseBattleCommand(battle, {fire, ice}, 1, false).command, ice);
    // An element the enemy drinks is worse than one it halves.
    battle.units[0].params.Ability(AbilityParam::kElementAbsorb + Element::kIce) = 100;
    const BattleChoice choice = ChooseBattleCommand(battle, {fire, ice}, 1, false);
    EXPECT_EQ(choice.command, fire);
    EXPECT_EQ(choice.target, 0);
    EXPECT_LT(ExpectedHit(battle.units[1], SkillById(ice), battle.units[0]), 0);
}

TEST_F(BattlePolicyTest, AimsWhereAnEnemyFalls) {
    const int32_t strike = MakeSkill(0, SkillType::kPhysical, Element::kNeutral, TargetKind::kOne, 100);
    BattleState battle;
    battle.units = {Unit(UnitSide::kEnemy, 400, 400), Unit(UnitSide::kEnemy, 80, 400),
                    Unit(UnitSide::kEnemy, 90, 400), Unit(UnitSide::kParty, 100, 100)};
    battle.units[2].state = UnitState::kFallen;  // fallen enemies are no targets
    EXPECT_EQ(ChooseBattleCommand(battle, {strike}, 3, false).target, 1);
    // Several enemies: a blow on all outweighs one on one.
    const int32_t sweep = MakeSkill(1, SkillType::kMagic, Element::kNeutral, TargetKind::kAll, 80);
    battle.units[2].state = UnitState::kStanding;
    battle.units[1].hp = 400;
    battle.units[2].hp = 400;
    const BattleChoice choice = ChooseBattleCommand(battle, {strike, sweep}, 3, false);
    EXPECT_EQ(choice.command, sweep);
    EXPECT_EQ(choice.target, kAutoTarget);
}

TEST_F(BattlePolicyTest, RevivesThenHealsThenAttacks) {
    const int32_t strike = MakeSkill(0, SkillType::kPhysical, Element::kNeutral, TargetKind::kOne, 100);
    const int32_t heal = MakeSkill(1, SkillType::kRecovery, Element::kNeutral, TargetKind::kOne, 100);
    const int32_t revive = MakeSkill(2, SkillType::kRevive, Element::kNeutral, TargetKind::kOne, 50);
    const std::vector<int32_t> commands{strike, heal, revive};
    BattleState battle;
    battle.units = {Unit(UnitSide::kEnemy, 400, 400), Unit(UnitSide::kParty, 100, 100),
                    Unit(UnitSide::kParty, 30, 100), Unit(UnitSide::kParty, 0, 100)};
    battle.units[3].state = UnitState::kFallen;
    BattleChoice choice = ChooseBattleCommand(battle, commands, 1, false);
    EXPECT_EQ(choice.command, revive);
    EXPECT_EQ(choice.target, 3);

    battle.units[3].state = UnitState::kStanding;
    battle.units[3].hp = 100;
    choice = ChooseBattleCommand(battle, commands, 1, false);
    EXPECT_EQ(choice.command, heal);
    EXPECT_EQ(choice.target, 2);

    battle.units[2].hp = 60;  // above the healing line
    EXPECT_EQ(ChooseBattleCommand(battle, commands, 1, false).command, strike);
}

TEST_F(BattlePolicyTest, NeverPicksWhatItCannotPay) {
    const int32_t basic = MakeSkill(0, SkillType::kPhysical, Element::kNeutral, TargetKind::kOne, 100);
    const int32_t big = MakeSkill(1, SkillType::kMagic, Element::kNeutral, TargetKind::kOne, 500);
    SkillTable()[size_t(big)].mpCost = 20;
    BattleState battle;
    battle.units = {Unit(UnitSide::kEnemy, 4000, 4000), Unit(UnitSide::kParty, 100, 100)};
    battle.units[1].mp = 10;
    EXPECT_EQ(ChooseBattleCommand(battle, {basic, big}, 1, false).command, basic);
    battle.units[1].mp = 20;
    EXPECT_EQ(ChooseBattleCommand(battle, {basic, big}, 1, false).command, big);
}

TEST(TargetButton, SwitchesSideThenTakesTheShorterWayRound) {
    BattleState battle;
    for (int32_t i = 0; i < 5; ++i) battle.units.push_back(BattleUnit{});
    for (int32_t i = 0; i < 5; ++i) battle.units[size_t(i)].side = UnitSide::kEnemy;
    BattleUnit member;
    member.side = UnitSide::kParty;
    battle.units.push_back(member);
    battle.targetSide = UnitSide::kEnemy;
    battle.candidates = {0, 1, 2, 3};  // unit 4 has fallen
    battle.cursor = 0;
    EXPECT_EQ(TargetButton(battle, 1), kRight);
    EXPECT_EQ(TargetButton(battle, 3), kLeft);
    EXPECT_EQ(TargetButton(battle, 0), kDecide);
    EXPECT_EQ(TargetButton(battle, 5), kUp);
    // A unit that cannot be chosen any more ends the choice on the cursor.
    EXPECT_EQ(TargetButton(battle, 4), kDecide);
    EXPECT_EQ(TargetButton(battle, kAutoTarget), kDecide);
}

}  // namespace

namespace {

TEST_F(BattlePolicyTest, RaisesThePartyOnceInABountysFight) {
    const int32_t strike = MakeSkill(0, SkillType::kPhysical, Element::kNeutral, TargetKind::kOne, 100);
    const int32_t rally = MakeSkill(1, SkillType::kSupport, Element::kNeutral, TargetKind::kAllies, 0);
    SkillTable()[size_t(rally)].statusChance[StatusKind::kAtk] = 100;
    const int32_t cure = MakeSkill(2, SkillType::kCure, Element::kNeutral, TargetKind::kOne, 0);
    BattleState battle;
    battle.units = {Unit(UnitSide::kEnemy, 4000, 4000), Unit(UnitSide::kParty, 100, 100),
                    Unit(UnitSide::kParty, 100, 100)};
    const std::vector<int32_t> commands{strike, rally, cure};
    EXPECT_EQ(ChooseBattleCommand(battle, commands, 1, false).command, strike);
    EXPECT_EQ(ChooseBattleCommand(battle, commands, 1, true).command, rally);
    for (size_t i = 1; i < 3; ++i) battle.units[i].statusMark[StatusKind::kAtk] = StatusMark::kRaised;
    EXPECT_EQ(ChooseBattleCommand(battle, commands, 1, true).command, strike);
    // A sleeping member is woken before anything but healing.
    battle.units[2].statusMark[StatusKind::kSleep] = StatusMark::kAfflicted;
    const BattleChoice choice = ChooseBattleCommand(battle, commands, 1, true);
    EXPECT_EQ(choice.command, cure);
    EXPECT_EQ(choice.target, 2);
}

}  // namespace
