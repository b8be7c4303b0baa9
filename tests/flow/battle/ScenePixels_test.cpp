// The scene drawn on the headless device: bars and names land on the
// pixels the layout gives them, in their colours.
#include <gtest/gtest.h>

#include "SceneDevice.h"
#include "SceneHelpers.h"
#include "flow/battle/BattleScene.h"
#include "rules/BattleEffects.h"
#include "rules/Layout.h"

namespace scenetest {
namespace {

constexpr Color kGround{100, 100, 100, 255};
// The bar background, black at alpha 150, over the ground.
constexpr Color kBarOverGround{41, 41, 41, 255};

bool Yellow(Color c) { return c.r > 200 && c.g > 200 && c.b < 90; }
bool White(Color c) { return c.r > 200 && c.g > 200 && c.b > 200; }
bool Red(Color c) { return c.r > 200 && c.g < 90 && c.b < 90; }

class ScenePixels : public SceneDeviceTest {};

TEST_F(ScenePixels, BarsAndNamesLandWhereTheLayoutPutsTheUnits) {
    BattleState battle;
    battle.units.push_back(EnemyUnit({}, {}));
    battle.units.push_back(PartyUnit({}, 1));
    battle.units.push_back(PartyUnit({}, 0));
    LayoutUnits(battle);
    // The blank enemy has no picture to size it by.
    battle.units[0].position = Point{300, 150};
    battle.units[0].size = Size{100, 100};
    battle.units[0].gauge = kFullGauge;
    battle.units[2].hp = 500;
    FallUnit(battle, battle.units[1]);
    const Point back = battle.units[1].position;
    const Point front = battle.units[2].position;
    ASSERT_EQ(back.y, 320);
    ASSERT_EQ(front.y, 320);

    Graphics().Clear(kGround);
    DrawBattle(battle, 2);
    Capture();

    // Front row: 10 higher. Hp row 4 + 23 below; its bar 30 right, 8 down;
    // half the hp fills 45 of 90 pixels.
    const int32_t barX = front.x + 15 + 30, barY = front.y - 10 + 4 + 23 + 8;
    EXPECT_TRUE(Near(At(barX, barY), {0, 0, 255, 255}, 0));
    EXPECT_TRUE(Near(At(barX + 44, barY + 9), {0, 0, 255, 255}, 0));
    EXPECT_TRUE(Near(At(barX + 45, barY + 5), kBarOverGround, 1));
    EXPECT_TRUE(Near(At(barX - 1, barY + 5), kGround, 0));
    EXPECT_TRUE(Near(At(barX + 10, barY - 1), kGround, 0));
    EXPECT_TRUE(Near(At(barX + 10, barY + 10), kGround, 0));
    // The enemy's full gauge: 70 wide, centred, from 6 above its feet.
    EXPECT_TRUE(Near(At(315, 244), {0, 0, 255, 255}, 0));
    EXPECT_TRUE(Near(At(384, 253), {0, 0, 255, 255}, 0));
    EXPECT_TRUE(Near(At(314, 248), kGround, 0));
    EXPECT_TRUE(Near(At(385, 248), kGround, 0));

    if (!hasFont_) GTEST_SKIP() << "no Japanese font: names not checked";
    // Names at (15, 4): the highlighted one yellow, the fallen one red.
    const Rect frontName{front.x + 15, front.y - 10 + 4, front.x + 75, front.y - 10 + 24};
    const Rect backName{back.x + 15, back.y + 4, back.x + 75, back.y + 24};
    EXPECT_GT(CountIn(frontName, Yellow), 30);
    EXPECT_GT(CountIn(backName, Red), 30);
    EXPECT_EQ(CountIn(backName, Yellow) + CountIn(backName, White), 0);
    // Nothing of the name above its pen.
    EXPECT_EQ(CountIn(Rect{frontName.left, frontName.top - 12, frontName.right, frontName.top - 2},
                      Yellow),
              0);
    // The fallen member's hp "0" in red, ending where its bar ends.
    const int32_t backBarRight = back.x + 15 + 30 + 90, backHpY = back.y + 4 + 23;
    EXPECT_GT(CountIn(Rect{backBarRight - 12, backHpY, backBarRight, backHpY + 20}, Red), 10);
    EXPECT_EQ(CountIn(Rect{backBarRight + 3, backHpY, backBarRight + 20, backHpY + 20}, Red), 0);
}

}  // namespace
}  // namespace scenetest
