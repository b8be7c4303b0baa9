// The composed scene, without a device: what is drawn, where and in which
// colour, for the states a battle goes through.
#include "flow/battle/BattleScene.h"

#include <gtest/gtest.h>

#include "SceneDevice.h"
#include "SceneHelpers.h"
#include "content/ContentDatabase.h"
#include "flow/battle/BarMath.h"
#include "rules/BattleEffects.h"
#include "rules/Layout.h"

namespace scenetest {
namespace {

class BattleSceneCompose : public ::testing::Test {
protected:
    void SetUp() override { EnsureTablesBuilt(); }
    int32_t Add(const BattleUnit& unit) {
        battle.units.push_back(unit);
        return static_cast<int32_t>(battle.units.size()) - 1;
    }
    BattleState battle;
};

TEST_F(BattleSceneCompose, PartyPanelFollowsThePortraitAndItsRow) {
    const int32_t back = Add(PartyUnit({100, 320}, 1));
    const int32_t front = Add(PartyUnit({300, 320}, 0));
    const SceneList items = ComposeBattleScene(battle, -1);

    EXPECT_EQ(Find(items, back, ScenePart::kPortrait)[0]->rect, (Rect{100, 320, 250, 470}));
    EXPECT_EQ(Find(items, front, ScenePart::kPortrait)[0]->rect, (Rect{300, 310, 450, 460}));
    // Name at (15, 4); rows 23, 23, 24, 23 further down; bars 30 right, 8 down.
    EXPECT_EQ(Find(items, front, ScenePart::kName)[0]->pen, (Point{315, 314}));
    const int32_t rowY[] = {337, 360, 384, 407};
    for (int32_t row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(Find(items, front, ScenePart::kBarBack, row)[0]->rect,
                  (Rect{345, rowY[row] + 8, 435, rowY[row] + 18}));
        EXPECT_EQ(Find(items, front, ScenePart::kLabel, row)[0]->pen,
                  (Point{row == BarRow::kAct ? 305 : 315, rowY[row]}));
    }
    const SceneItem* hp = Find(items, front, ScenePart::kValue, BarRow::kHp)[0];
    EXPECT_EQ(hp->pen, (Point{435, 337}));
    EXPECT_EQ(hp->horizontal, kAlignEnd);
}

TEST_F(BattleSceneCompose, HpValueIsWhiteAtHalfAndYellowOnePointBelow) {
    BattleUnit unit = PartyUnit({0, 320});
    unit.hp = 500;
    const int32_t half = Add(unit);
    unit.hp = 499;
    const int32_t below = Add(unit);
    const SceneList items = ComposeBattleScene(battle, -1);
    EXPECT_EQ(Find(items, half, ScenePart::kValue, BarRow::kHp)[0]->color, scene_color::kWhite);
    EXPECT_EQ(Find(items, below, ScenePart::kValue, BarRow::kHp)[0]->color, scene_color::kYellow);
    EXPECT_EQ(Find(items, below, ScenePart::kBarFill, BarRow::kHp)[0]->rect.Width(), 45);
    // ep and mp values stay white whatever they hold.
    EXPECT_EQ(Find(items, below, ScenePart::kValue, BarRow::kEp)[0]->color, scene_color::kWhite);
}

TEST_F(BattleSceneCompose, FallenPartyMemberStaysWithNameAndHpInRed) {
    BattleUnit unit = PartyUnit({0, 320});
    unit.statusMark[StatusKind::kPoison] = StatusMark::kAfflicted;
    const int32_t fallen = Add(unit);
    FallUnit(battle, battle.units[0]);
    ClearBattleStatus(battle.units[0]);
    // Long after the fall fade would have ended.
    for (int32_t frame = 0; frame < 100; ++frame) StepBattleAnimations(battle);
    const SceneList items = ComposeBattleScene(battle, -1);
    ASSERT_EQ(Find(items, fallen, ScenePart::kPortrait).size(), 1u);
    EXPECT_EQ(Find(items, fallen, ScenePart::kName)[0]->color, scene_color::kRed);
    const SceneItem* hp = Find(items, fallen, ScenePart::kValue, BarRow::kHp)[0];
    EXPECT_EQ(hp->color, scene_color::kRed);
    EXPECT_EQ(hp->text, WString("0"));
    EXPECT_TRUE(Find(items, fallen, ScenePart::kBarFill, BarRow::kHp).empty());
    EXPECT_TRUE(Find(items, fallen, ScenePart::kStatusIcon).empty());
}

TEST_F(BattleSceneCompose, FallenEnemyFadesAndIsGoneAfterThirtyTwoFrames) {
    BattleUnit unit = EnemyUnit({200, 185}, {100, 100});
    const int32_t enemy = Add(unit);
    Add(EnemyUnit({400, 185}, {100, 100}));
    FallUnit(battle, battle.units[size_t(enemy)]);
    AddFloatingNumber(battle.units[size_t(enemy)], TextColor::kRed, 777);
    for (int32_t frame = 0; frame < 31; ++frame) StepBattleAnimations(battle);
    SceneList items = ComposeBattleScene(battle, -1);
    ASSERT_EQ(Find(items, enemy, ScenePart::kSprite).size(), 1u);
    EXPECT_EQ(Find(items, enemy, ScenePart::kSprite)[0]->color.a, 255 - 8 * 31);
    EXPECT_TRUE(Find(items, enemy, ScenePart::kBarBack).empty());

    StepBattleAnimations(battle);
    items = ComposeBattleScene(battle, enemy);
    EXPECT_TRUE(Find(items, enemy, ScenePart::kSprite).empty());
    EXPECT_TRUE(Find(items, enemy, ScenePart::kName).empty());
    EXPECT_TRUE(ComposeTargetMark(battle, enemy, 0).empty());
    // Its last number still floats out; the other enemy is untouched.
    EXPECT_EQ(Find(items, enemy, ScenePart::kFloatingText).size(), 1u);
    EXPECT_EQ(Find(items, 1, ScenePart::kSprite).size(), 1u);
    // A fled enemy leaves at once.
    battle.units[1].state = UnitState::kFled;
    EXPECT_TRUE(Find(ComposeBattleScene(battle, -1), 1, ScenePart::kSprite).empty());
}

TEST_F(BattleSceneCompose, TenStatusesOnAPartyMemberPackTwelvePixelsApart) {
    BattleUnit unit = PartyUnit({0, 320});
    const int32_t kinds[] = {0, 3, 6, 9, 12, 16, 17, 22, 24, 29};
    for (int32_t kind : kinds)
        unit.statusMark[size_t(kind)] =
            kind % 2 == 0 ? StatusMark::kRaised : StatusMark::kAfflicted;
    const int32_t member = Add(unit);
    const SceneList items = ComposeBattleScene(battle, -1);
    const std::vector<const SceneItem*> icons = Find(items, member, ScenePart::kStatusIcon);
    ASSERT_EQ(icons.size(), 10u);
    const Point start = PartyPens(battle.units[0]).status;
    EXPECT_EQ(start, (Point{15, 320 + 4 + 23 + 23 + 24 + 23 + 23}));
    for (size_t i = 0; i < icons.size(); ++i) {
        EXPECT_EQ(icons[i]->tag, kinds[i]);
        const int32_t x = start.x + 12 * int32_t(i);
        EXPECT_EQ(icons[i]->rect, (Rect{x, start.y, x + 24, start.y + 24}));
    }
    // Arrows only on the parameter and element kinds, on their icon,
    // pointing up for raised and down for lowered.
    const std::vector<const SceneItem*> arrows = Find(items, member, ScenePart::kStatusArrow);
    ASSERT_EQ(arrows.size(), 6u);
    for (const SceneItem* arrow : arrows) {
        EXPECT_LE(arrow->tag, 16);
        EXPECT_EQ(arrow->rect, Find(items, member, ScenePart::kStatusIcon, arrow->tag)[0]->rect);
        EXPECT_EQ(arrow->picture, arrow->tag % 2 == 0 ? &Pictures().up : &Pictures().down);
    }
}

TEST_F(BattleSceneCompose, EnemyGaugeIconsAndNameAroundItsPicture) {
    BattleUnit unit = EnemyUnit({200, 135}, {120, 150}, 1);
    for (int32_t kind : {1, 18, 20, 28}) unit.statusMark[size_t(kind)] = StatusMark::kAfflicted;
    const int32_t enemy = Add(unit);
    SceneList items = ComposeBattleScene(battle, -1);
    EXPECT_EQ(Find(items, enemy, ScenePart::kSprite)[0]->rect, (Rect{200, 120, 320, 270}));
    EXPECT_TRUE(Find(items, enemy, ScenePart::kName).empty());
    const Rect bar{225, 264, 295, 274};
    EXPECT_EQ(Find(items, enemy, ScenePart::kBarBack, BarRow::kAct)[0]->rect, bar);
    const std::vector<const SceneItem*> icons = Find(items, enemy, ScenePart::kStatusIcon);
    ASSERT_EQ(icons.size(), 4u);
    for (size_t i = 0; i < icons.size(); ++i) {
        const int32_t x = bar.left - 8 + 17 * int32_t(i);  // 70 / 4
        EXPECT_EQ(icons[i]->rect, (Rect{x, bar.bottom + 1, x + 20, bar.bottom + 21}));
    }

    items = ComposeBattleScene(battle, enemy);
    const SceneItem* name = Find(items, enemy, ScenePart::kName)[0];
    EXPECT_EQ(name->pen, (Point{260, 120}));
    EXPECT_EQ(name->color, scene_color::kYellow);
    EXPECT_EQ(name->size, 16);
}

TEST_F(BattleSceneCompose, TallEnemyInTheBackRowKeepsItsTopAndNameOnScreen) {
    const int32_t enemy = Add(EnemyUnit({10, 8}, {100, 277}, 1));
    EXPECT_EQ(UnitOrigin(battle.units[0]), (Point{10, 0}));
    const SceneList items = ComposeBattleScene(battle, enemy);
    const SceneItem* name = Find(items, enemy, ScenePart::kName)[0];
    // Five 16-pixel glyphs centred on x 60 would start at 20; on y 0 half cut.
    EXPECT_GE(name->pen.x, 5 * 16 / 2);
    EXPECT_GE(name->pen.y, 8);
    const SceneList mark = ComposeTargetMark(battle, enemy, 0);
    ASSERT_EQ(mark.size(), 1u);
    EXPECT_GE(mark[0].pen.y, 8);  // the arrow's middle: its upper half shows
}

TEST_F(BattleSceneCompose, GaugeShowsTheChargeOfAPendingAction) {
    BattleUnit unit = PartyUnit({0, 320});
    unit.gauge = 5000;
    const int32_t waiting = Add(unit);
    unit.pendingAction = 1;
    const int32_t charging = Add(unit);
    unit.pendingAction = kNoAction;
    unit.gauge = kFullGauge;
    unit.awaitingCommand = true;
    const int32_t choosing = Add(unit);
    const SceneList items = ComposeBattleScene(battle, -1);
    const auto fills = [&](int32_t u) { return Find(items, u, ScenePart::kBarFill, BarRow::kAct); };

    ASSERT_EQ(fills(waiting).size(), 1u);
    EXPECT_EQ(fills(waiting)[0]->color, scene_color::kBlue);
    EXPECT_EQ(fills(waiting)[0]->rect.Width(), 45);
    EXPECT_TRUE(Find(items, waiting, ScenePart::kActionName).empty());

    ASSERT_EQ(fills(charging).size(), 2u);
    EXPECT_EQ(fills(charging)[0]->color, scene_color::kBlue);
    EXPECT_EQ(fills(charging)[0]->rect.Width(), kPartyBarWidth);
    EXPECT_EQ(fills(charging)[1]->color, scene_color::kCyan);
    EXPECT_EQ(fills(charging)[1]->rect.Width(), 45);
    const SceneItem* name = Find(items, charging, ScenePart::kActionName)[0];
    EXPECT_EQ(name->text, SkillById(1).name);
    EXPECT_EQ(name->size, 14);
    EXPECT_EQ(name->color, scene_color::kWhite);

    ASSERT_EQ(fills(choosing).size(), 1u);
    EXPECT_EQ(fills(choosing)[0]->rect.Width(), kPartyBarWidth);
}

TEST_F(BattleSceneCompose, ActionJustTakenRisesAndFades) {
    BattleUnit unit = EnemyUnit({200, 185}, {100, 100});
    unit.lastPendingAction = 1;
    unit.actFrame = 0;
    const int32_t enemy = Add(unit);
    const Point start = Find(ComposeBattleScene(battle, -1), enemy, ScenePart::kActionName)[0]->pen;
    for (int32_t frame = 0; frame < 10; ++frame) StepBattleAnimations(battle);
    SceneList items = ComposeBattleScene(battle, -1);
    const SceneItem* name = Find(items, enemy, ScenePart::kActionName)[0];
    EXPECT_EQ(name->pen, (Point{start.x, start.y - 10}));
    EXPECT_EQ(name->color.a, 255 - 80);
    for (int32_t frame = 10; frame < 32; ++frame) StepBattleAnimations(battle);
    EXPECT_TRUE(Find(ComposeBattleScene(battle, -1), enemy, ScenePart::kActionName).empty());
}

TEST_F(BattleSceneCompose, FloatingTextsArcAndHitEffectsPlayOverTheUnit) {
    BattleUnit unit = EnemyUnit({200, 185}, {100, 100});
    FloatingText text;
    text.color = TextColor::kCyan;
    text.text = WString("35");
    text.position = Point{50, 40};
    text.angle = 60;
    text.age = 20;
    text.running = true;
    unit.texts.push_back(text);
    text.running = false;
    unit.texts.push_back(text);
    HitEffect effect;
    effect.effect = 40;
    effect.offset = Point{-7, 5};
    effect.frame = 9;
    effect.length = 40;
    effect.running = true;
    unit.effects.push_back(effect);
    const int32_t enemy = Add(unit);
    const SceneList items = ComposeBattleScene(battle, -1);

    // cos 60 x 20 = 10; -0.006 x (400 x sin 60 x 20 - 4.9 x 400) = -29.8;
    // at the end of its life a steep text is on its way down again.
    EXPECT_EQ(FloatingTextOffset(60, 20), (Point{10, -30}));
    EXPECT_EQ(FloatingTextOffset(120, 20), (Point{-10, -30}));
    EXPECT_EQ(FloatingTextOffset(90, 63), (Point{0, -35}));
    EXPECT_EQ(FloatingTextOffset(90, 0), (Point{0, 0}));
    ASSERT_EQ(Find(items, enemy, ScenePart::kFloatingText).size(), 1u);
    const SceneItem* shown = Find(items, enemy, ScenePart::kFloatingText)[0];
    EXPECT_EQ(shown->pen, (Point{200 + 50 + 10, 185 + 40 - 30}));
    EXPECT_EQ(shown->color, (Color{0, 255, 255, 255 - 80}));
    EXPECT_EQ(shown->horizontal, kAlignCentre);

    const SceneItem* hit = Find(items, enemy, ScenePart::kHitEffect)[0];
    const Point corner{200 + 50 - 48 - 7, 185 + 100 - 106 + 5};
    EXPECT_EQ(hit->rect, (Rect{corner.x, corner.y, corner.x + 96, corner.y + 96}));
    EXPECT_EQ(hit->cell, 2);
    EXPECT_EQ(hit->blend, kBlendPremultiplied);
    EXPECT_EQ(hit->color.a, 200);
    EXPECT_EQ(hit->picture, &EffectById(40).sprite);
    // Texts and effects come after every unit, so no later unit covers them.
    EXPECT_EQ(&items.back(), hit);
}

TEST_F(BattleSceneCompose, TargetMarkBlinksAroundTheHighlightedUnit) {
    battle.units.push_back(EnemyUnit({200, 185}, {100, 100}));
    battle.units.push_back(PartyUnit({100, 320}, 1));
    battle.subState = BattleSubState::kTarget;
    battle.candidates = {1, 0};
    battle.cursor = 1;
    EXPECT_EQ(HighlightedUnit(battle), 0);
    battle.cursor = 0;
    EXPECT_EQ(HighlightedUnit(battle), 1);

    const SceneList member = ComposeTargetMark(battle, 1, 0);
    ASSERT_FALSE(member.empty());
    for (const SceneItem& corner : member) {
        // Outside the portrait, touching its edges.
        const Rect& r = corner.rect;
        const bool outside = r.right <= 100 || r.left >= 250 || r.bottom <= 320 || r.top >= 470;
        EXPECT_TRUE(outside) << r.left << "," << r.top;
        EXPECT_TRUE(r.left >= 97 && r.right <= 253 && r.top >= 317 && r.bottom <= 473);
        EXPECT_EQ(corner.color, scene_color::kYellow);
    }
    const SceneList enemy = ComposeTargetMark(battle, 0, 0);
    ASSERT_EQ(enemy.size(), 1u);
    EXPECT_LT(enemy[0].pen.y, EnemyNamePen(battle.units[0]).y - 8);
    EXPECT_EQ(enemy[0].pen.x, EnemyNamePen(battle.units[0]).x);
    // Dim half of the time.
    EXPECT_LT(ComposeTargetMark(battle, 0, 8)[0].color.a, 255);
    EXPECT_EQ(ComposeTargetMark(battle, 0, 16)[0].color.a, 255);
    EXPECT_TRUE(ComposeTargetMark(battle, 2, 0).empty());
    EXPECT_TRUE(ComposeTargetMark(battle, -1, 0).empty());
}

}  // namespace
}  // namespace scenetest
