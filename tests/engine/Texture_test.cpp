#include "engine/graphics/Texture.h"

#include <gtest/gtest.h>

#include <fstream>

#include "GraphicsFixture.h"

namespace {

// Content tables are built in tests without a window: every texture
// operation must fail quietly and leave the record empty.
TEST(TextureWithoutDevice, EveryOperationFailsAndStaysEmpty) {
    ASSERT_FALSE(Graphics().IsCreated());
    Texture t;
    EXPECT_FALSE(t.Load(WString("image\\back\\0.bmp"), {2, 2}));
    EXPECT_FALSE(t.CreateBlank({16, 16}));
    EXPECT_FALSE(t.CreateSolid({1, 2, 3, 4}));
    EXPECT_FALSE(t.ApplyColorKey());
    EXPECT_FALSE(t.ShiftHSV(10, 0, 0));
    EXPECT_FALSE(t.ShiftHSV(0, 0, 0));
    Texture other;
    EXPECT_FALSE(other.CopyFrom(t));
    int32_t pitch = 0;
    EXPECT_EQ(t.Lock(&pitch), nullptr);
    EXPECT_TRUE(t.Empty());
    EXPECT_EQ(t.Columns(), 1);
    EXPECT_FALSE(Graphics().DrawCell({0, 0}, t, 0));
}

using TextureTest = GraphicsTest;

TEST_F(TextureTest, LoadsBmpAndPngIntoArgbAndRefusesASecondLoad) {
    const WString bmp = WritePicture(
        "a.bmp", 3, 2, {0xFF102030, 0xFF405060, 0xFF708090, 0xFFA0B0C0, 0xFFD0E0F0, 0xFF000000});
    const WString png = WritePicture("b.png", 2, 1, {0x80FF0000, 0x00000000});
    Texture t;
    ASSERT_TRUE(t.Load(bmp, {3, 1}));
    EXPECT_EQ(t.ImageSize(), (Size{3, 2}));
    EXPECT_EQ(t.Columns(), 3);
    EXPECT_EQ(t.Rows(), 1);
    int32_t pitch = 0;
    const uint32_t* p = t.Lock(&pitch);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p[0], 0xFF102030u);
    EXPECT_EQ(p[pitch + 1], 0xFFD0E0F0u);
    t.Unlock();

    // A full record keeps its picture until released.
    EXPECT_FALSE(t.Load(png));
    EXPECT_EQ(t.ImageSize(), (Size{3, 2}));
    t.Release();
    EXPECT_EQ(t.Columns(), 1);
    ASSERT_TRUE(t.Load(png));
    p = t.Lock(&pitch);
    EXPECT_EQ(p[0], 0x80FF0000u);
    EXPECT_EQ(p[1], 0u);
}

TEST_F(TextureTest, MissingOrBrokenFilesLeaveTheRecordEmpty) {
    Texture t;
    EXPECT_FALSE(t.Load(WString((folder_ / "none.bmp").string().c_str())));
    const auto broken = folder_ / "broken.bmp";
    std::ofstream(broken) << "BM this is not a picture";
    EXPECT_FALSE(t.Load(WString(broken.string().c_str())));
    EXPECT_TRUE(t.Empty());
}

TEST_F(TextureTest, SolidColourKeyAndCopy) {
    Texture solid;
    ASSERT_TRUE(solid.CreateSolid({10, 20, 30, 40}));
    EXPECT_EQ(solid.ImageSize(), (Size{32, 32}));
    int32_t pitch = 0;
    uint32_t* p = solid.Lock(&pitch);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(pitch, 32);
    EXPECT_EQ(p[32 * 32 - 1], 0x280A141Eu);
    // Opaque white at the top left keys every opaque white pixel.
    p[0] = p[5] = p[40] = 0xFFFFFFFF;
    p[6] = 0xFEFFFFFF;
    solid.Unlock();
    ASSERT_TRUE(solid.ApplyColorKey());
    p = solid.Lock(&pitch);
    EXPECT_EQ(p[0], 0u);
    EXPECT_EQ(p[5], 0u);
    EXPECT_EQ(p[40], 0u);
    EXPECT_EQ(p[6], 0xFEFFFFFFu);
    solid.Unlock();

    solid.SetGrid(4, 2);
    Texture copy;
    ASSERT_TRUE(copy.CopyFrom(solid));
    EXPECT_EQ(copy.Columns(), 4);
    EXPECT_EQ(copy.Rows(), 2);
    EXPECT_EQ(copy.ImageSize(), (Size{32, 32}));
    // The copy is its own picture.
    ASSERT_TRUE(copy.ShiftHSV(0, 0, -100));
    EXPECT_EQ(copy.Lock(&pitch)[1], 0x28000000u);
    EXPECT_EQ(solid.Lock(&pitch)[1], 0x280A141Eu);
    EXPECT_TRUE(copy.CopyFrom(copy));
}

TEST_F(TextureTest, ReleasingTheDeviceEmptiesEveryTexture) {
    // Moved records (a growing table) must still be found.
    std::vector<Texture> table;
    for (int i = 0; i < 20; ++i) {
        table.emplace_back();
        ASSERT_TRUE(table.back().CreateSolid({uint8_t(i), 0, 0, 255}));
    }
    Texture moved = std::move(table[3]);
    EXPECT_TRUE(table[3].Empty());
    EXPECT_FALSE(moved.Empty());
    Graphics().Release();
    EXPECT_TRUE(moved.Empty());
    for (const Texture& t : table) EXPECT_TRUE(t.Empty());
    // Destroying them afterwards touches nothing SDL has freed.
}

}  // namespace
