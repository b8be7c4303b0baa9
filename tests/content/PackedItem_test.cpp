#include "content/PackedItem.h"

#include <gtest/gtest.h>

TEST(PackedItem, PacksIdAndQualityIntoOneValue) {
    EXPECT_EQ(PackItem(560, 10), 560 * 256 + 90);
    EXPECT_EQ(PackedGoodsId(PackItem(560, 10)), 560);
    EXPECT_EQ(PackedQuality(PackItem(560, 10)), 10);
    EXPECT_EQ(PackItem(1, 100), 256);
    EXPECT_EQ(PackItem(1, 0), 356);
    // Higher quality of the same id sorts first, lower ids before higher ones.
    EXPECT_LT(PackItem(5, 100), PackItem(5, 40));
    EXPECT_LT(PackItem(5, 0), PackItem(6, 100));
}

TEST(PackedItem, ClampsQualityOnBothSides) {
    EXPECT_EQ(PackItem(560, 150), PackItem(560, 100));
    // A negative quality must not spill into the id bits.
    EXPECT_EQ(PackItem(560, -300), PackItem(560, 0));
    EXPECT_EQ(PackedGoodsId(PackItem(560, -300)), 560);
    // A damaged low byte reads as quality 0, never below.
    EXPECT_EQ(PackedQuality(560 * 256 + 200), 0);
}

TEST(PackedItem, ZeroIsTheEmptySlot) {
    EXPECT_EQ(PackedGoodsId(0), 0);
    EXPECT_EQ(PackedQuality(0), 100);
    EXPECT_EQ(PackItem(0, 100), 0);
    EXPECT_EQ(ClassifyGoods(0), GoodsKind::kNone);
}

TEST(PackedItem, GoodsRangesReferToTheirTables) {
    struct Case {
        int32_t id;
        GoodsKind kind;
        int32_t index;
    };
    const Case cases[] = {
        {1, GoodsKind::kConsumable, 1},     {499, GoodsKind::kConsumable, 499},
        {500, GoodsKind::kWeapon, 500},     {749, GoodsKind::kWeapon, 749},
        {750, GoodsKind::kAccessory, 750},  {999, GoodsKind::kAccessory, 999},
        {1000, GoodsKind::kMaterial, 1000}, {1249, GoodsKind::kMaterial, 1249},
        {1250, GoodsKind::kRecipe, 0},      {2499, GoodsKind::kRecipe, 1249},
        {2500, GoodsKind::kMap, 0},         {2550, GoodsKind::kCard, 0},
        {2600, GoodsKind::kCertificate, 0}, {2999, GoodsKind::kCertificate, 399},
        {3000, GoodsKind::kInvalid, -1},    {-5, GoodsKind::kInvalid, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClassifyGoods(c.id), c.kind) << c.id;
        EXPECT_EQ(GoodsIndex(c.id), c.index) << c.id;
        // A one-of-a-kind thing round-trips with quality 0.
        EXPECT_EQ(PackedGoodsId(PackItem(c.id < 0 ? 0 : c.id, 0)), c.id < 0 ? 0 : c.id);
    }
}
