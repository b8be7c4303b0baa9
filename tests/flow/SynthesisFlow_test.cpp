// Synthesis played through the town: recipe, slots, materials, "OK?".
#include "FlowDriver.h"
#include "content/ContentDatabase.h"
#include "rules/Belongings.h"

namespace {

class SynthesisFlow : public FlowDriverTest {
protected:
    // Opens synthesis on the first recipe of tab 0 that has ingredients and
    // gives the party two of each of its materials and the fee.
    int32_t OpenWithMaterials() {
        StartNewGame();
        EnterTownEntry(4);
        EXPECT_EQ(State().menuState, 10);
        EXPECT_EQ(State().subState, 0);
        for (int32_t i = 0; i < Widget(19).Count(); ++i) {
            const int32_t product = GoodsIndex(PackedGoodsId(Widget(19).SecondAt(i)));
            const RecipeData& recipe = RecipeTable()[size_t(product)];
            if (recipe.ingredients.empty()) continue;
            Widget(19).Select(i);
            for (const WeightedId& ingredient : recipe.ingredients) {
                AddItem(GameParty(), PackItem(ingredient.id, 100));
                AddItem(GameParty(), PackItem(ingredient.id, 40));
            }
            GameParty().gold = recipe.fee;
            return product;
        }
        ADD_FAILURE() << "no recipe with ingredients in tab 0";
        return -1;
    }

    // Fills every slot with the best material offered.
    void FillSlots(int32_t count) {
        for (int32_t slot = 0; slot < count; ++slot) {
            Widget(20).Select(slot);
            Press(kDecide);
            ASSERT_EQ(State().subState, 2);
            ASSERT_TRUE(Widget(21).HasEntries());
            Widget(21).Select(0);
            Press(kDecide);
        }
    }
};

TEST_F(SynthesisFlow, FromRecipeToConfirmedProduct) {
    const int32_t product = OpenWithMaterials();
    ASSERT_GE(product, 0);
    const RecipeData& recipe = RecipeTable()[size_t(product)];
    const size_t inventoryBefore = GameParty().inventory.size();
    Press(kDecide);
    ASSERT_EQ(State().subState, 1);
    EXPECT_EQ(Widget(19).State(), WidgetState::kHidden);
    EXPECT_EQ(Widget(20).Count(), static_cast<int32_t>(recipe.ingredients.size()));
    FillSlots(Widget(20).Count());
    ASSERT_EQ(State().subState, 3);
    EXPECT_EQ(Widget(20).State(), WidgetState::kNoHighlight);
    EXPECT_EQ(PackedGoodsId(State().selection2), product);
    EXPECT_EQ(GameParty().inventory.size(), inventoryBefore - recipe.ingredients.size());

    Press(kCancel);  // back to the slots, materials still placed
    EXPECT_EQ(State().subState, 1);
    EXPECT_EQ(GameParty().inventory.size(), inventoryBefore - recipe.ingredients.size());
    Widget(20).Select(0);
    Press(kDecide);
    Press(kCancel);  // no material taken: the slots again
    EXPECT_EQ(State().subState, 1);
    EXPECT_EQ(Widget(21).State(), WidgetState::kHidden);
    Widget(21).Select(0);
    FillSlots(1);  // replacing a placed material returns the old one
    ASSERT_EQ(State().subState, 3);
    Press(kDecide);
    EXPECT_EQ(State().subState, 0);
    EXPECT_EQ(Widget(19).State(), WidgetState::kActive);
    EXPECT_EQ(GameParty().gold, 0);
    bool gotProduct = false;
    for (PackedItem item : GameParty().inventory) gotProduct |= PackedGoodsId(item) == product;
    EXPECT_TRUE(gotProduct);
}

TEST_F(SynthesisFlow, CancelAtTheSlotsGivesTheMaterialsBack) {
    const int32_t product = OpenWithMaterials();
    ASSERT_GE(product, 0);
    const std::vector<PackedItem> before = GameParty().inventory;
    Press(kDecide);
    FillSlots(1);
    if (State().subState == 3) Press(kCancel);
    ASSERT_EQ(State().subState, 1);
    Press(kCancel);
    EXPECT_EQ(State().subState, 0);
    EXPECT_EQ(Widget(20).State(), WidgetState::kHidden);
    EXPECT_EQ(Widget(19).State(), WidgetState::kActive);
    EXPECT_EQ(GameParty().inventory, before);
    EXPECT_EQ(GameParty().gold, RecipeTable()[size_t(product)].fee);
}

TEST_F(SynthesisFlow, ARecipeThePurseCannotPayIsIgnored) {
    OpenWithMaterials();
    GameParty().gold = 0;
    Press(kDecide);
    EXPECT_EQ(State().subState, 0);
    EXPECT_EQ(Sound(), "");
}

TEST_F(SynthesisFlow, TabsWrapBothWays) {
    StartNewGame();
    EnterTownEntry(4);
    Press(kLeft);
    EXPECT_EQ(State().tab, 3);
    EXPECT_EQ(Sound(), "cur");
    Press(kRight);
    Press(kRight);
    EXPECT_EQ(State().tab, 1);
    // A new game's weapon recipe (561) is on the weapons tab.
    bool found = false;
    for (int32_t i = 0; i < Widget(19).Count(); ++i)
        found |= GoodsIndex(PackedGoodsId(Widget(19).SecondAt(i))) == 561;
    EXPECT_TRUE(found);
}

}  // namespace
