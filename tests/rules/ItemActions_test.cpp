#include "rules/ItemActions.h"

#include "BattleFixture.h"
#include "rules/PerformAction.h"

namespace {

TEST_F(BattleTest, CarriedItemsAreUsedUpPerExpeditionButStayCarried) {
    PartyState party;
    party.carried[0] = PackItem(5, 50);  // a bag of herbs: three uses
    BuildItemActions(party, battle);
    const SkillData& bag = SkillById(700);
    ASSERT_EQ(bag.itemUses, 3);
    EXPECT_EQ(battle.itemUses[0], 3);
    EXPECT_EQ(CarriedItemSkillTable()[1].itemUses, 0);  // an empty slot
    EXPECT_EQ(battle.itemUses[1], 0);

    const int32_t member = AddUnit(UnitSide::kParty, {100000, 0, 100});
    AddUnit(UnitSide::kEnemy, {10});
    U(member).hp = 1;
    U(member).itemSlot = 0;
    int32_t hp = U(member).hp;
    for (int32_t use = 0; use < 4; ++use) {
        PerformAction(battle, member, member, 700);
        EXPECT_EQ(U(member).hp > hp, use < 3) << "use " << use;
        hp = U(member).hp;
    }
    EXPECT_EQ(battle.itemUses[0], 0);
    EXPECT_EQ(party.carried[0], PackItem(5, 50));
    BuildItemActions(party, battle);  // the next departure
    EXPECT_EQ(battle.itemUses[0], 3);
}

}  // namespace
