// The automatic player outside town: the area and depth, the steps, the
// way home, and the battles.
#include <algorithm>
#include <ostream>

#include "content/ContentDatabase.h"
#include "engine/input/Input.h"
#include "flow/GameFlow.h"
#include "flow/screens/BattleMenu.h"
#include "flow/screens/Town.h"
#include "rules/CommandInput.h"
#include "tools/autoplay/AutoPlayer.h"
#include "tools/autoplay/BattlePolicy.h"
#include "tools/autoplay/CursorPath.h"

namespace {

constexpr int32_t kAreaList = 10;
constexpr int32_t kCommandList = 11;
constexpr int32_t kDepthList = 22;
// Bounds: steps in one expedition, frames in one battle.
constexpr int32_t kMaxSteps = 3000;
constexpr int64_t kMaxBattleFrames = 200'000;

bool HealingAction(const SkillData& skill) {
    return skill.type == SkillType::kRecovery || skill.type == SkillType::kRevive;
}

int32_t HealingUses(const BattleState& battle) {
    int32_t uses = 0;
    for (int32_t slot = 0; slot < kCarriedSlots; ++slot)
        if (HealingAction(SkillById(kItemCommandBase + slot))) uses += battle.itemUses[size_t(slot)];
    return uses;
}

}  // namespace

bool AutoPlayer::Fight() {
    BattleState& battle = GameBattle();
    GameFlow& flow = Flow();
    const int32_t quest = battle.quest;
    const int32_t area = GameExpedition().area;
    if (quest >= 0) record_.quests[size_t(quest)].met = true;
    int32_t wanted = kAutoTarget;
    const int64_t start = driver_.Frames();
    while (CurrentMode() == GameMode::kBattle) {
        if (!Expect(driver_.Frames() - start < kMaxBattleFrames, "a battle that never ends")) return false;
        switch (flow.menuState) {
            case BattleMenu::kCommand: {
                const int32_t unit = CommandingUnit(battle);
                const BattleChoice choice = ChooseBattleCommand(battle, battle.commands, unit, quest >= 0);
                for (int32_t command : battle.commands)
                    if (command > 0 && command < kSkillCapacity) ++record_.offered[size_t(command)];
                const int32_t row = RowWithSecond(Widget(kCommandList), choice.command);
                if (!Expect(row >= 0, "the command on the list") || !MoveTo(kCommandList, row, true))
                    return false;
                if (choice.command > 0 && choice.command < kSkillCapacity) ++record_.chosen[size_t(choice.command)];
                if (choice.command >= kItemCommandBase) {
                    const int32_t id = PackedGoodsId(GameParty().carried[size_t(choice.command - kItemCommandBase)]);
                    if (id > 0 && id < kItemCapacity) record_.itemsUsed[size_t(id)] = 1;
                }
                wanted = choice.target;
                driver_.Press(kDecide);
                break;
            }
            case BattleMenu::kTarget: {
                // One press at a time, reading the mark again after each.
                int32_t presses = 0;
                while (flow.menuState == BattleMenu::kTarget && presses++ < 24)
                    driver_.Press(TargetButton(battle, wanted));
                if (!Expect(flow.menuState != BattleMenu::kTarget, "a target chosen")) return false;
                break;
            }
            case BattleMenu::kDefeat:
            case BattleMenu::kVictory: {
                const bool won = flow.menuState == BattleMenu::kVictory;
                std::vector<int32_t> enemies;
                double hp = 0, maxHp = 0;
                int32_t falls = 0;
                for (const BattleUnit& u : battle.units) {
                    if (u.side == UnitSide::kEnemy) {
                        enemies.push_back(u.sourceIndex);
                    } else {
                        hp += std::max(u.hp, 0);
                        maxHp += u.maxHp;
                        falls += !u.Standing();
                    }
                }
                NoteEnemies(record_, enemies);
                lastHpShare_ = maxHp > 0 ? hp / maxHp : 0;
                lastFalls_ = falls;
                lastLost_ = !won;
                for (int32_t k = 0; k < 100 && flow.screenCounter.IsRunning(); ++k) driver_.Frame();
                driver_.Press(kDecide);
                ++record_.battles;
                AreaRecord& areaRecord = record_.areas[size_t(area)];
                ++areaRecord.battles;
                if (won) {
                    ++record_.wins;
                    ++areaRecord.wins;
                    if (quest >= 0 && record_.quests[size_t(quest)].clearLevel == 0 &&
                        GameExpedition().clearLevel[size_t(quest)] != 0) {
                        QuestRecord& q = record_.quests[size_t(quest)];
                        q.clearLevel = GameExpedition().clearLevel[size_t(quest)];
                        q.clearFrames = driver_.Frames();
                        q.clearExpedition = record_.expeditions;
                    }
                    if (!Expect(CurrentMode() == GameMode::kExploration, "exploring after a victory")) return false;
                } else {
                    ++record_.losses;
                    ++areaRecord.losses;
                    if (quest >= 0) ++record_.quests[size_t(quest)].losses;
                    if (!Expect(CurrentMode() == GameMode::kTown, "the town after a defeat")) return false;
                }
                NoteHoldings(record_, GameParty());
                record_.frames = driver_.Frames();
                return true;
            }
            default:
                driver_.Frame();
                break;
        }
    }
    return true;
}

bool AutoPlayer::Expedition() {
    PartyState& party = GameParty();
    ExpeditionState& expedition = GameExpedition();
    const ExpeditionChoice choice = ChooseExpedition(party, expedition, memory_, retreat_);
    if (!EnterFacility(0) || !Expect(CurrentMode() == GameMode::kAreaChoice, "the area choice")) return false;
    const int32_t areaRow = RowWithSecond(Widget(kAreaList), choice.area);
    if (!Expect(areaRow >= 0, "the area on the list") || !MoveTo(kAreaList, areaRow, false)) return false;
    driver_.Press(kDecide);
    const int32_t depthRow = RowWithSecond(Widget(kDepthList), choice.startDepth);
    if (!Expect(Flow().menuState == 1 && depthRow >= 0, "the start depth on the list") ||
        !MoveTo(kDepthList, depthRow, false))
        return false;
    driver_.Press(kDecide);
    if (!Expect(CurrentMode() == GameMode::kExploration, "exploring")) return false;

    ++record_.expeditions;
    record_.departures.push_back(TakeDeparture(party, record_, choice.area));
    AreaRecord& areaRecord = record_.areas[size_t(choice.area)];
    ++areaRecord.expeditions;
    if (!areaRecord.entered.reached) {
        areaRecord.entered = TakeMilestone(party, record_);
        areaRecord.qualityAtEntry = record_.bestQuality;
    }
    const int32_t levelBefore = party.level, goldBefore = party.gold;
    const int64_t battlesBefore = record_.battles, winsBefore = record_.wins;
    int32_t clearedBefore = expedition.questsDefeated;
    const int32_t healingFull = HealingUses(GameBattle());
    int32_t deepest = expedition.depth;
    int32_t battles = 0;
    lastHpShare_ = 1.0;
    lastFalls_ = 0;
    lastLost_ = false;
    HomeReason reason = HomeReason::kStay;
    for (int32_t step = 0; step < kMaxSteps && !driver_.OutOfFrames(); ++step) {
        ExpeditionView view;
        view.battles = battles;
        view.depth = expedition.depth;
        view.targetDepth = choice.targetDepth;
        view.questWindowAhead = HuntAhead(party, expedition, choice.area, expedition.depth);
        view.lastHpShare = lastHpShare_;
        view.lastFalls = lastFalls_;
        view.partySize = static_cast<int32_t>(party.members.size());
        view.healingUsesLeft = HealingUses(GameBattle());
        view.healingUsesFull = healingFull;
        reason = GoHomeReason(view, options_.home);
        if (reason != HomeReason::kStay) break;
        driver_.Press(kUp);
        deepest = std::max(deepest, expedition.depth);
        if (CurrentMode() == GameMode::kBattle) {
            ++battles;
            if (!Fight()) return false;
            if (lastLost_) break;
        }
    }
    if (CurrentMode() == GameMode::kExploration) {
        driver_.Press(kDown);
        if (!Expect(CurrentMode() == GameMode::kTown && Flow().menuState == TownState::kMenu, "home in town"))
            return false;
    }
    record_.frames = driver_.Frames();
    areaRecord.deepest = std::max(areaRecord.deepest, deepest);
    if (!lastLost_ && deepest >= 10 && !areaRecord.survived.reached)
        areaRecord.survived = TakeMilestone(party, record_);
    LearnFromExpedition(memory_[size_t(choice.area)], expedition, choice.area, choice.startDepth, deepest,
                        lastLost_);
    for (int32_t a = 0; a < kAreaCapacity; ++a) {
        AreaRecord& r = record_.areas[size_t(a)];
        if (!r.mastered.reached && r.entered.reached && AreaMastered(expedition, memory_, a))
            r.mastered = TakeMilestone(party, record_);
    }
    // A quick defeat sends the next expedition to the easier area before.
    retreat_ = lastLost_ && deepest < choice.startDepth + 5 && !retreat_;
    if (!options_.quiet) {
        char line[512];
        std::snprintf(line, sizeof line,
                      "#%d %s start %d deepest %d battles %lld (%lld won) quests +%d level %d->%d "
                      "gold %d->%d frames %lld %s\n",
                      record_.expeditions, AreaById(choice.area).name.ToUtf8().c_str(), choice.startDepth,
                      deepest, static_cast<long long>(record_.battles - battlesBefore),
                      static_cast<long long>(record_.wins - winsBefore),
                      expedition.questsDefeated - clearedBefore, levelBefore, party.level, goldBefore,
                      party.gold, static_cast<long long>(driver_.Frames()),
                      lastLost_ ? "defeated" : (std::string("home:") + HomeReasonName(reason)).c_str());
        log_ << line << std::flush;
    }
    return true;
}
