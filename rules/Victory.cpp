#include "rules/Victory.h"

#include "content/ContentDatabase.h"
#include "content/GoodsNames.h"
#include "engine/random/Random.h"
#include "rules/BattleMath.h"
#include "rules/Belongings.h"
#include "rules/Levels.h"

namespace {

constexpr int32_t kEndFadeFrames = 32;

// Drops of unnamed goods are never given.
bool HasName(int32_t goodsId) {
    const GoodsKind kind = ClassifyGoods(goodsId);
    if (kind == GoodsKind::kNone || kind == GoodsKind::kInvalid) return false;
    if (IsItem(goodsId)) return !ItemName(goodsId).Empty();
    return GoodsDisplayName(PackItem(goodsId, 0)).Length() > 0;
}

}  // namespace

void BeginVictory(BattleState& battle, PartyState& party) {
    battle.subState = BattleSubState::kWon;
    battle.fadeFrames = kEndFadeFrames;
    battle.musicRequest = AreaById(battle.area).fieldMusic;
    battle.obtained.clear();

    int64_t gold = 0, experience = 0;
    for (const BattleUnit& unit : battle.units) {
        if (unit.side != UnitSide::kEnemy || unit.state != UnitState::kFallen) continue;
        const EnemyData& enemy = EnemyById(unit.sourceIndex);
        gold += enemy.gold;
        experience += enemy.exp;
        for (const DropEntry& drop : enemy.drops) {
            if (!Roll(Trunc(drop.chance * kDropRate), 10000)) continue;
            if (!HasName(drop.itemId)) continue;
            const PackedItem item =
                PackItem(drop.itemId, drop.baseQuality + RandomInt(0, drop.qualitySpread));
            // A one-of-a-kind thing already held is not listed as obtained.
            if (AddItem(party, item)) battle.obtained.push_back(item);
        }
    }
    battle.rewardGold = Trunc(static_cast<double>(gold) * kGoldRate);
    battle.rewardExp = Trunc(static_cast<double>(experience) * kExpRate);
    AddGold(party, battle.rewardGold);
    battle.levelBefore = party.level;
    GainExperience(party, battle.rewardExp);
    battle.levelAfter = party.pendingLevel;
}

void BeginDefeat(BattleState& battle) {
    battle.subState = BattleSubState::kLost;
    battle.fadeFrames = kEndFadeFrames;
    battle.musicRequest = WString(kDefeatJingle);
}

bool ResultReady(const BattleState& battle) { return battle.fadeFrames <= 0; }

int32_t ConfirmVictory(BattleState& battle, PartyState& party) {
    ++party.records.battles;
    ++party.records.wins;
    SetPartyLevel(party, party.pendingLevel);
    battle.subState = BattleSubState::kRunning;
    return battle.quest;
}

void ConfirmDefeat(BattleState& battle, PartyState& party) {
    ++party.records.battles;
    ++party.records.losses;
    battle.subState = BattleSubState::kRunning;
}
