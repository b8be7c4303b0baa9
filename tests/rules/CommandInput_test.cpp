#include "rules/CommandInput.h"

#include "BattleFixture.h"

namespace {

constexpr int32_t kP = UnitSide::kParty;
constexpr int32_t kE = UnitSide::kEnemy;

class Commands : public BattleTest {
protected:
    void SetUp() override {
        BattleTest::SetUp();
        Skill(0, SkillType::kPhysical, 100).weaponKind = WeaponKind::kSword;
        Skill(1, SkillType::kPhysical, 100).weaponKind = WeaponKind::kBow;
        Skill(2, SkillType::kRecovery, 100);
        Skill(3, SkillType::kMagic, 100).targetKind = TargetKind::kAll;
        Skill(4, SkillType::kPhysical, 100).name = WString("");
        e0 = AddUnit(kE, {10});
        e1 = AddUnit(kE, {10});
        m0 = AddUnit(kP, {10});
        m1 = AddUnit(kP, {10});
        for (int32_t m : {m0, m1}) U(m).skills = {SkillId(0), SkillId(1), SkillId(2), SkillId(3), SkillId(4)};
        CarriedItemSkillTable()[0] = Skill(5, SkillType::kRecovery, 100);
        party.carried[0] = PackItem(1, 30);
        party.carried[3] = PackItem(2, 50);
        battle.ready = {m0, m1};
        battle.subState = BattleSubState::kReady;
    }
    PartyState party;
    int32_t e0 = 0, e1 = 0, m0 = 0, m1 = 0;
};

TEST_F(Commands, MenuListsTheWeaponsSkillsThenTheCarriedItems) {
    ASSERT_TRUE(OpenCommandMenu(battle, party));
    EXPECT_EQ(battle.subState, BattleSubState::kCommand);
    EXPECT_EQ(battle.commands,
              (std::vector<int32_t>{SkillId(0), SkillId(2), SkillId(3), 700, 703}));
    EXPECT_FALSE(ChooseCommand(battle, SkillId(1)));  // a bow skill: not offered
}

TEST_F(Commands, ActionsWithoutTargetChoicePassToTheNextMember) {
    OpenCommandMenu(battle, party);
    ASSERT_TRUE(ChooseCommand(battle, SkillId(3)));
    EXPECT_EQ(U(m0).pendingAction, SkillId(3));
    EXPECT_EQ(U(m0).chosenTarget, kAutoTarget);
    EXPECT_EQ(U(m0).gauge, 0);
    EXPECT_EQ(battle.subState, BattleSubState::kReady);
    EXPECT_EQ(CommandingUnit(battle), m1);
    OpenCommandMenu(battle, party);
    SkipCommand(battle);
    EXPECT_EQ(battle.subState, BattleSubState::kRunning);
    EXPECT_FALSE(U(m1).awaitingCommand);
}

TEST_F(Commands, TargetChoiceStartsOnTheAimedSideAndTheLastTarget) {
    U(e0).state = UnitState::kFallen;
    U(m1).state = UnitState::kFallen;
    OpenCommandMenu(battle, party);
    ChooseCommand(battle, SkillId(0));
    EXPECT_EQ(battle.subState, BattleSubState::kTarget);
    EXPECT_EQ(battle.candidates, std::vector<int32_t>{e1});  // standing enemies only
    SwitchTargetSide(battle);
    EXPECT_EQ(battle.candidates, (std::vector<int32_t>{m0, m1}));  // the fallen too
    MoveTargetCursor(battle, -1);
    EXPECT_EQ(battle.cursor, 1);
    CancelTarget(battle);
    EXPECT_EQ(battle.subState, BattleSubState::kReady);
    EXPECT_EQ(U(m0).pendingAction, kNoAction);

    OpenCommandMenu(battle, party);
    ChooseCommand(battle, 700);  // an item: aims at the party
    EXPECT_EQ(battle.targetSide, kP);
    MoveTargetCursor(battle, 1);
    ConfirmTarget(battle);
    EXPECT_EQ(U(m0).pendingAction, 700);
    EXPECT_EQ(U(m0).itemSlot, 0);
    EXPECT_EQ(U(m0).chosenTarget, m1);
    EXPECT_EQ(battle.lastTarget, m1);

    OpenCommandMenu(battle, party);
    ChooseCommand(battle, SkillId(2));
    EXPECT_EQ(battle.candidates[battle.cursor], m1);  // starts on the last target
}

}  // namespace
