#include "rules/ExploreSimulation.h"

#include <array>

#include "engine/random/Random.h"
#include "rules/Belongings.h"
#include "rules/CharacterSnapshot.h"
#include "rules/ExploreStep.h"
#include "rules/Quests.h"
#include "rules/Victory.h"

ExpeditionOutcome RunExpedition(ExpeditionState& expedition, PartyState& party, BattleState& battle,
                                int32_t area, int32_t startDepth, int32_t targetDepth,
                                CommandPolicy policy) {
    ExpeditionOutcome outcome;
    const int32_t goldBefore = party.gold;
    Depart(expedition, party, battle, area, startDepth);
    while (expedition.depth < targetDepth && expedition.depth < kDeepestDepth) {
        const StepResult step = TakeStep(expedition, party);
        ++outcome.steps;
        outcome.finds += step.kind == StepKind::kFind;
        if (step.kind != StepKind::kQuest && step.kind != StepKind::kEncounter) continue;
        outcome.questsMet += step.kind == StepKind::kQuest;
        ++outcome.battles;
        const BattleOutcome fought = RunBattle(battle, party, step.encounter, kSimTickLimit, policy);
        if (fought.result == SimResult::kWon) {
            ++outcome.wins;
            // Before the levels are applied: the clear level is the one fought at.
            if (battle.quest >= 0) outcome.questsCleared += DefeatQuest(expedition, party, battle.quest);
            ConfirmVictory(battle, party);
            expedition.message = WString();
            continue;
        }
        if (fought.result == SimResult::kLost) {
            ConfirmDefeat(battle, party);
            outcome.end = ExpeditionEnd::kDefeated;
        } else {
            outcome.end = ExpeditionEnd::kTimedOut;
        }
        break;
    }
    outcome.goldGained = int64_t{party.gold} - goldBefore;
    outcome.levelReached = party.level;
    outcome.depthReached = expedition.depth;
    return outcome;
}

ExploreSimSummary SimulateExpeditions(const ExploreSimSetup& setup, int32_t count, uint32_t seed) {
    SeedRandom(seed);
    PartyState prepared = PrepareSimParty(setup.party);
    for (PackedItem goods : setup.holdings) AddItem(prepared, goods);
    ExpeditionState fresh;
    if (setup.hunt) {
        for (int32_t quest = 0; quest < kQuestCapacity; ++quest)
            fresh.hunt[quest] = prepared.notices[quest] == Holding::kCarried;
    }
    const auto snapshot = TakeCharacterSnapshot();

    ExploreSimSummary summary;
    BattleState battle;
    for (int32_t i = 0; i < count; ++i) {
        RestoreCharacters(snapshot);
        PartyState party = prepared;
        ExpeditionState expedition = fresh;
        const ExpeditionOutcome o =
            RunExpedition(expedition, party, battle, setup.area, setup.startDepth, setup.targetDepth,
                          setup.party.policy);
        ++summary.expeditions;
        summary.returned += o.end == ExpeditionEnd::kReturned;
        summary.defeated += o.end == ExpeditionEnd::kDefeated;
        summary.timedOut += o.end == ExpeditionEnd::kTimedOut;
        summary.steps += o.steps;
        summary.finds += o.finds;
        summary.battles += o.battles;
        summary.wins += o.wins;
        summary.questsMet += o.questsMet;
        summary.questsCleared += o.questsCleared;
        summary.goldGained += o.goldGained;
        summary.levelsReached += o.levelReached;
        summary.depthsReached += o.depthReached;
    }
    RestoreCharacters(snapshot);
    return summary;
}
