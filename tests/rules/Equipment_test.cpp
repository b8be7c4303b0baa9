#include "rules/Equipment.h"

#include <algorithm>

#include "BattleFixture.h"
#include "content/Items.h"
#include "rules/Belongings.h"

namespace {

using EquipmentTest = BattleTest;

TEST(Equipment, AbilityBonusesCloseTheGapToOneHundred) {
    EXPECT_EQ(CombineAbility(60, 50), 80);
    EXPECT_EQ(CombineAbility(CombineAbility(0, 50), 50), 75);
    EXPECT_EQ(CombineAbility(20, 0), 20);
}

// An accessory whose bonuses include an ability and a granted skill.
int32_t FindAccessory(int32_t* ability) {
    for (int32_t id = GoodsRange::kAccessoryFirst; id < GoodsRange::kMaterialFirst; ++id) {
        const ItemData data = MakeItemData(id, 100);
        if (data.grantedSkills[0] == 0) continue;
        for (int32_t k = 0; k < AbilityParam::kCount; ++k)
            if (data.params.Ability(k) != 0) {
                *ability = k;
                return id;
            }
    }
    return -1;
}

TEST_F(EquipmentTest, TwoOfTheSameAccessoryStackAbilitiesAndListSkillsOnce) {
    int32_t k = 0;
    const int32_t id = FindAccessory(&k);
    if (id < 0) GTEST_SKIP() << "no accessory grants both an ability and a skill";
    const ItemData data = MakeItemData(id, 100);
    CharacterData& c = CharacterTable()[kTestCharacter];
    c.params.Ability(k) = 10;
    c.params.Base(BaseParam::kHp) = 100;
    c.skills[0] = 1;
    c.equipment[1] = c.equipment[2] = PackItem(id, 100);

    const BattleParams both = ComputeBattleParams(kTestCharacter);
    const int32_t e = data.params.Ability(k);
    EXPECT_EQ(both.params.Ability(k), CombineAbility(CombineAbility(10, e), e));
    EXPECT_EQ(both.params.Base(BaseParam::kHp), 100 + 2 * data.params.Base(BaseParam::kHp));
    EXPECT_TRUE(std::is_sorted(both.skills.begin(), both.skills.end()));
    EXPECT_EQ(std::adjacent_find(both.skills.begin(), both.skills.end()), both.skills.end());
    EXPECT_EQ(std::count(both.skills.begin(), both.skills.end(), data.grantedSkills[0]), 1);

    const BattleParams preview = ComputeBattleParams(kTestCharacter, 2, 0);
    EXPECT_EQ(preview.params.Ability(k), CombineAbility(10, e));
    EXPECT_EQ(c.equipment[2], PackItem(id, 100));  // a preview changes nothing
}

TEST_F(EquipmentTest, WeaponSlotTakesOnlyUsableWeaponsAndSetsTheBasicAttack) {
    CharacterData& c = CharacterTable()[kTestCharacter];
    c.weaponKinds = {WeaponKind::kSword};
    c.skills[0] = 1;
    PartyState party;
    const PackedItem sword = PackItem(561, 0), bow = PackItem(650, 0), ring = PackItem(750, 10);
    for (PackedItem item : {sword, bow, ring}) AddItem(party, item);
    EXPECT_TRUE(CanEquip(kTestCharacter, ring));
    EXPECT_FALSE(CanEquip(kTestCharacter, bow));
    EXPECT_FALSE(Equip(party, kTestCharacter, 0, 1));  // the bow
    EXPECT_FALSE(Equip(party, kTestCharacter, 0, 2));  // a ring is no weapon
    ASSERT_TRUE(Equip(party, kTestCharacter, 0, 0));
    EXPECT_EQ(c.equipment[0], sword);
    EXPECT_EQ(c.skills[0], WeaponKind::kSword + 1);
    EXPECT_EQ(party.inventory, (std::vector<PackedItem>{bow, ring}));
    ASSERT_TRUE(Equip(party, kTestCharacter, 0, -1));
    EXPECT_EQ(c.skills[0], 1);
    EXPECT_EQ(party.inventory, (std::vector<PackedItem>{sword, bow, ring}));
}

}  // namespace
