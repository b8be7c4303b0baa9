// Busy battles drawn with the real font and the generated pictures:
// everything a player has to read stays on the screen. Set BATTLE_SCENE_PNG
// to a folder to keep the pictures for a look.
#include <cstdlib>
#include <string>

#include "BusyBattle.h"
#include "SceneDevice.h"
#include "flow/Palette.h"
#include "flow/battle/BattleScene.h"

namespace scenetest {
namespace {

bool Inside(const Rect& r) {
    return r.left >= 0 && r.top >= 0 && r.right <= 640 && r.bottom <= 480;
}

// Pictures, bars and icons lie on the screen; texts start on it (floating
// texts excepted: they may leave it while they fade).
::testing::AssertionResult AllOnScreen(const SceneList& items) {
    for (const SceneItem& item : items) {
        if (item.part == ScenePart::kFloatingText || item.part == ScenePart::kHitEffect) continue;
        const bool ok = item.kind == SceneItem::kText ? item.pen.x >= 0 && item.pen.x <= 640 &&
                                                            item.pen.y >= 0 && item.pen.y < 480
                                                      : Inside(item.rect);
        if (!ok)
            return ::testing::AssertionFailure()
                   << "unit " << item.unit << " part " << int(item.part) << " tag " << item.tag
                   << " rect " << item.rect.left << "," << item.rect.top << "," << item.rect.right
                   << "," << item.rect.bottom << " pen " << item.pen.x << "," << item.pen.y;
    }
    return ::testing::AssertionSuccess();
}

class BattleSceneOnScreen : public SceneDeviceTest {
protected:
    void SetUp() override {
        SceneDeviceTest::SetUp();
        if (!IsSkipped() && !hasAssets_)
            GTEST_SKIP() << "no game folder: build the game-assets target";
    }
    void Draw(const BattleState& battle, int32_t target, const char* name) {
        Graphics().DrawRect(kScreenRect, Pictures().backgrounds[4], 0);
        DrawBattle(battle, target);
        DrawTargetMark(battle, target, 0);
        const char* folder = std::getenv("BATTLE_SCENE_PNG");
        if (folder == nullptr) return;
        const std::string path = std::string(folder) + "/" + name;
        EXPECT_TRUE(Graphics().SaveFrame(WString(path.c_str()))) << path;
    }
    CharacterRowsGuard rows_;
};

TEST_F(BattleSceneOnScreen, BusyBattleWithEitherSideUnderTheCursor) {
    const BattleState battle = MakeBusyBattle();
    for (const int32_t target : {1, kEnemyCount + 2}) {
        EXPECT_TRUE(AllOnScreen(ComposeBattleScene(battle, target)));
        EXPECT_TRUE(AllOnScreen(ComposeTargetMark(battle, target, 0)));
        Draw(battle, target, target == 1 ? "battle_enemy_target.png" : "battle_party_target.png");
    }
}

TEST_F(BattleSceneOnScreen, TallestBossInTheBackRowKeepsItsHeadNameAndMark) {
    const BattleState battle = MakeBossBattle();
    ASSERT_EQ(battle.units[1].sourceIndex, kTallBoss);
    EXPECT_TRUE(AllOnScreen(ComposeBattleScene(battle, 1)));
    EXPECT_TRUE(AllOnScreen(ComposeTargetMark(battle, 1, 0)));
    Draw(battle, 1, "battle_boss.png");
}

}  // namespace
}  // namespace scenetest
