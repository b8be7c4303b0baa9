// Battles with what a damaged but accepted save can field: a member whose
// character row holds nothing (no hp, no speed, no skills) and no members at
// all. Nothing may divide by those zero maxima, and the battle must still end.
#include "BattleFixture.h"
#include "rules/BattleTick.h"
#include "rules/PartyState.h"
#include "rules/ResolveOnTarget.h"

namespace {

constexpr int32_t kContentEnemy = 1;  // a real enemy row with its own actions

Encounter OneEnemy() {
    Encounter encounter;
    encounter.enemies = {kContentEnemy};
    encounter.rows = {0};
    return encounter;
}

// Runs the battle until it stops running; false when it never does.
bool RunsToAnEnd(BattleState& battle, PartyState& party) {
    for (int32_t frame = 0; frame < 100000; ++frame) {
        UpdateBattle(battle, party);
        if (battle.subState != BattleSubState::kRunning) return true;
    }
    return false;
}

TEST_F(BattleTest, AMemberWithAnEmptyRowIsHitAndTheBattleEnds) {
    PartyState party;
    party.members = {kTestCharacter};  // the fixture leaves this row empty
    StartBattle(battle, party, OneEnemy());
    ASSERT_EQ(battle.units.size(), 2u);
    const int32_t member = 1;
    EXPECT_EQ(U(member).maxHp, 0);

    // Standing at 1 hp over a maximum of 0, as a revival leaves it: the share
    // of hp lost must not come out of 0 / 0, which turns every hit chance
    // into 0 and lets the member stand through every blow.
    U(member).hp = 1;
    U(0).params.Base(BaseParam::kAtk) = 10;
    Skill(0, SkillType::kPhysical, 100);
    ResolveOnTarget(battle, member, 0, SkillById(SkillId(0)), 0);
    EXPECT_EQ(U(member).state, UnitState::kFallen);

    // The member never gets a turn (speed 0); the enemy's own actions end it.
    StartBattle(battle, party, OneEnemy());
    ASSERT_TRUE(RunsToAnEnd(battle, party));
    EXPECT_EQ(battle.subState, BattleSubState::kLost);
}

TEST_F(BattleTest, APartyWithoutMembersLosesAtOnce) {
    PartyState party;
    party.members.clear();
    StartBattle(battle, party, OneEnemy());
    BattleTick(battle, party);
    EXPECT_EQ(battle.subState, BattleSubState::kLost);
}

}  // namespace
