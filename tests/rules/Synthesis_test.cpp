#include "rules/Synthesis.h"

#include "BattleFixture.h"
#include "rules/Belongings.h"

namespace {

constexpr int32_t kHerb = 1;       // a usable item
constexpr int32_t kSword = 561;    // a weapon
constexpr int32_t kBangle = 750;   // an accessory
constexpr int32_t kMetal = 1040;   // a material
constexpr int32_t kLeaf = 1100;
constexpr int32_t kRoot = 1120;

class SynthesisTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureContentBuilt();
        for (int32_t product : kProducts) saved_.push_back(RecipeTable()[product]);
        RecipeTable()[kHerb] = {kHerb, 50, {{kLeaf, 50}, {kRoot, 50}}};
        RecipeTable()[kSword] = {kSword, 1000, {{kMetal, 100}}};
        RecipeTable()[kBangle] = {kBangle, 0, {}};
        RecipeTable()[kMetal] = {kMetal, 10, {{kLeaf, 60}, {kLeaf, 60}}};
        for (int32_t product : kProducts) party.recipes[product] = Holding::kCarried;
        party.gold = 1000;
    }
    void TearDown() override {
        for (size_t i = 0; i < saved_.size(); ++i) RecipeTable()[kProducts[i]] = saved_[i];
    }
    // The inventory position of an item, -1 when it is not there.
    int32_t At(PackedItem item) const {
        const auto found = std::find(party.inventory.begin(), party.inventory.end(), item);
        return found == party.inventory.end() ? -1 : static_cast<int32_t>(found - party.inventory.begin());
    }

    static constexpr int32_t kProducts[] = {kHerb, kSword, kBangle, kMetal};
    PartyState party;
    SynthesisSelection selection;

private:
    std::vector<RecipeData> saved_;
};

TEST_F(SynthesisTest, TabsListCarriedRecipesByProductKind) {
    EXPECT_EQ(SynthesisTabRecipes(party, 0), std::vector<int32_t>{kHerb});
    EXPECT_EQ(SynthesisTabRecipes(party, 1), std::vector<int32_t>{kSword});
    EXPECT_EQ(SynthesisTabRecipes(party, 2), std::vector<int32_t>{kBangle});
    EXPECT_EQ(SynthesisTabRecipes(party, 3), std::vector<int32_t>{kMetal});
    EXPECT_TRUE(SynthesisTabRecipes(party, 4).empty());
    party.recipes[kSword] = Holding::kStored;
    EXPECT_TRUE(SynthesisTabRecipes(party, 1).empty());
    EXPECT_FALSE(BeginSynthesis(selection, party, kSword));
}

TEST_F(SynthesisTest, WeightsFiftyFiftyOfNinetyNineAndAHundredGiveNinetyNine) {
    for (PackedItem item : {PackItem(kLeaf, 99), PackItem(kRoot, 100), PackItem(kRoot, 20)}) AddItem(party, item);
    ASSERT_TRUE(BeginSynthesis(selection, party, kHerb));
    EXPECT_EQ(selection.slots.size(), 2u);
    EXPECT_EQ(SlotMaterial(selection, 1), kRoot);
    // Best quality first.
    EXPECT_EQ(MaterialChoices(selection, party, 1),
              (std::vector<int32_t>{At(PackItem(kRoot, 100)), At(PackItem(kRoot, 20))}));
    EXPECT_FALSE(PlaceMaterial(selection, party, 1, At(PackItem(kLeaf, 99))));  // wrong material
    ASSERT_TRUE(PlaceMaterial(selection, party, 0, At(PackItem(kLeaf, 99))));
    EXPECT_FALSE(AllSlotsFilled(selection));
    ASSERT_TRUE(PlaceMaterial(selection, party, 1, At(PackItem(kRoot, 100))));
    ASSERT_TRUE(AllSlotsFilled(selection));
    EXPECT_EQ(SynthesisProduct(selection), PackItem(kHerb, 99));  // 49 + 50
    EXPECT_EQ(party.gold, 1000);  // the fee waits for the confirmation

    ASSERT_TRUE(ConfirmSynthesis(selection, party));
    EXPECT_EQ(party.gold, 950);
    EXPECT_EQ(party.inventory, (std::vector<PackedItem>{PackItem(kHerb, 99), PackItem(kRoot, 20)}));
    EXPECT_EQ(selection.product, -1);
    EXPECT_TRUE(selection.slots.empty());
}

TEST_F(SynthesisTest, MaterialsComeFromTheInventoryAndGoBackWhenReplacedOrCancelled) {
    AddItem(party, PackItem(kMetal, 80));
    AddItem(party, PackItem(kMetal, 30));
    AddToStorage(party, PackItem(kMetal, 100));
    ASSERT_TRUE(BeginSynthesis(selection, party, kSword));
    EXPECT_EQ(MaterialChoices(selection, party, 0).size(), 2u);  // not the stored one

    ASSERT_TRUE(PlaceMaterial(selection, party, 0, At(PackItem(kMetal, 30))));
    EXPECT_EQ(party.inventory, std::vector<PackedItem>{PackItem(kMetal, 80)});
    ASSERT_TRUE(PlaceMaterial(selection, party, 0, At(PackItem(kMetal, 80))));
    EXPECT_EQ(party.inventory, std::vector<PackedItem>{PackItem(kMetal, 30)});
    EXPECT_EQ(SynthesisProduct(selection), PackItem(kSword, 80));

    CancelSynthesis(selection, party);
    EXPECT_EQ(party.inventory, (std::vector<PackedItem>{PackItem(kMetal, 80), PackItem(kMetal, 30)}));
    EXPECT_EQ(party.storage, std::vector<PackedItem>{PackItem(kMetal, 100)});
    EXPECT_EQ(party.gold, 1000);
    EXPECT_FALSE(ConfirmSynthesis(selection, party));
}

TEST_F(SynthesisTest, FeesAndUnusualRecipes) {
    party.gold = 999;
    EXPECT_FALSE(BeginSynthesis(selection, party, kSword));  // fee 1000
    EXPECT_EQ(selection.product, -1);

    // No ingredients: ready at once, quality 0.
    ASSERT_TRUE(BeginSynthesis(selection, party, kBangle));
    EXPECT_TRUE(AllSlotsFilled(selection));
    EXPECT_EQ(SynthesisProduct(selection), PackItem(kBangle, 0));
    ASSERT_TRUE(ConfirmSynthesis(selection, party));
    EXPECT_EQ(party.inventory, std::vector<PackedItem>{PackItem(kBangle, 0)});

    // Shares above 100 in total cannot lift the quality past 100.
    AddItem(party, PackItem(kLeaf, 100));
    AddItem(party, PackItem(kLeaf, 100));
    ASSERT_TRUE(BeginSynthesis(selection, party, kMetal));
    PlaceMaterial(selection, party, 0, At(PackItem(kLeaf, 100)));
    PlaceMaterial(selection, party, 1, At(PackItem(kLeaf, 100)));
    EXPECT_EQ(SynthesisProduct(selection), PackItem(kMetal, 100));

    // The purse emptied after the recipe was chosen: nothing is paid or used.
    party.gold = 9;
    EXPECT_FALSE(ConfirmSynthesis(selection, party));
    EXPECT_TRUE(AllSlotsFilled(selection));
}

}  // namespace
