#pragma once
// Expeditions through an area, quests and a shop written for one test into
// rows the content leaves empty, and put back after it.
#include <array>

#include "BattleFixture.h"
#include "rules/ExploreStep.h"
#include "rules/Expedition.h"

inline constexpr int32_t kTestArea = 49;    // the content fills 0-6
inline constexpr int32_t kTestQuest = 390;  // 390-399

class ExploreTest : public BattleTest {
protected:
    void SetUp() override {
        BattleTest::SetUp();
        std::swap(savedArea_, AreaTable()[kTestArea]);
        for (int32_t i = 0; i < 10; ++i) std::swap(savedQuests_[i], QuestTable()[kTestQuest + i]);
        std::swap(savedShop_, ShopStockTable());

        AreaData& area = AreaTable()[kTestArea];
        area.name = WString("試験野");
        area.budgetBase = 5;
        area.budgetStep = 3;
        EnemyData& enemy = EnemyTable()[kTestEnemy];
        enemy.name = WString("的");
        enemy.params.Base(BaseParam::kHp) = 10;
        enemy.frontChance = 50;
        CharacterData& hero = CharacterTable()[kTestCharacter];
        hero.name = WString("試験者");
        hero.params.Base(BaseParam::kHp) = 100;
        party.hired[kTestCharacter] = 1;
        party.members = {kTestCharacter};
        party.level = 7;
        expedition.area = kTestArea;
    }
    void TearDown() override {
        std::swap(savedArea_, AreaTable()[kTestArea]);
        for (int32_t i = 0; i < 10; ++i) std::swap(savedQuests_[i], QuestTable()[kTestQuest + i]);
        std::swap(savedShop_, ShopStockTable());
        BattleTest::TearDown();
    }

    static AreaData& Area() { return AreaTable()[kTestArea]; }

    // A quest of one test enemy in the test area, met on every step of
    // depths 0-49 once its notice is held and hunted.
    static QuestData& Quest(int32_t n) {
        QuestData& quest = QuestTable()[kTestQuest + n];
        quest = QuestData{};
        quest.title = WString("試験討伐");
        quest.enemies = {kTestEnemy};
        quest.rows = {0};
        quest.area = kTestArea;
        quest.minLevel = 0;
        quest.maxLevel = 49;
        quest.chance = 10000;
        quest.recommendedLevel = 12;
        quest.rewardGold = 300;
        return quest;
    }
    void HoldNotice(int32_t n, bool hunt = true) {
        party.notices[kTestQuest + n] = Holding::kCarried;
        expedition.hunt[kTestQuest + n] = hunt ? 1 : 0;
    }

    // A step that is never the tenth.
    StepResult Step() {
        expedition.step = 0;
        return TakeStep(expedition, party);
    }

    PartyState party;
    ExpeditionState expedition;

private:
    AreaData savedArea_;
    std::array<QuestData, 10> savedQuests_;
    std::vector<ShopRow> savedShop_;
};
