#include "tools/autoplay/ExpeditionPlan.h"

#include <algorithm>

#include "content/ContentDatabase.h"

bool RatedQuest(int32_t quest) {
    const QuestData& row = QuestById(quest);
    return !row.title.Empty() && !row.enemies.empty() && row.recommendedLevel < 500;
}

std::vector<int32_t> RatedQuests(int32_t area) {
    std::vector<int32_t> quests;
    for (int32_t q = 0; q < kQuestCapacity; ++q)
        if (RatedQuest(q) && QuestById(q).area == area) quests.push_back(q);
    return quests;
}

bool AreaMastered(const ExpeditionState& expedition, const AreaMemories& memory, int32_t area) {
    if (memory[size_t(area)].deepest < kDeepestDepth) return false;
    for (int32_t q : RatedQuests(area))
        if (expedition.clearLevel[size_t(q)] == 0) return false;
    return true;
}

bool WantHunt(const PartyState& party, const ExpeditionState& expedition, int32_t quest,
              int32_t extra) {
    if (quest < 0 || quest >= kQuestCapacity || !RatedQuest(quest)) return false;
    if (party.notices[size_t(quest)] != Holding::kCarried) return false;
    if (expedition.clearLevel[size_t(quest)] != 0) return false;
    return party.level + kHuntMargin >= QuestById(quest).recommendedLevel + extra;
}

ExpeditionChoice ChooseExpedition(const PartyState& party, const ExpeditionState& expedition,
                                  const AreaMemories& memory, bool retreat) {
    std::vector<int32_t> carried;
    for (int32_t a = 0; a < kAreaCapacity; ++a)
        if (party.maps[size_t(a)] == Holding::kCarried && !AreaById(a).name.Empty()) carried.push_back(a);
    ExpeditionChoice choice;
    if (carried.empty()) return choice;
    // The first area with work left: depths not reached or a held notice
    // not cleared. Quests whose notices are not held do not hold the party
    // back; where no area has work, the first one whose finds (the area
    // choice panel) still hold notices or cards, else the newest area.
    auto work = [&](int32_t area) {
        if (memory[size_t(area)].deepest < kDeepestDepth) return true;
        for (int32_t q : RatedQuests(area))
            if (expedition.clearLevel[size_t(q)] == 0 && party.notices[size_t(q)] == Holding::kCarried)
                return true;
        return false;
    };
    auto findsLeft = [&](int32_t area) {
        const AreaCollection counts = CountAreaCollection(party, area);
        return counts.notices.owned < counts.notices.total || counts.cards.owned < counts.cards.total;
    };
    size_t index = carried.size();
    for (size_t i = 0; i < carried.size() && index == carried.size(); ++i)
        if (work(carried[i])) index = i;
    for (size_t i = 0; i < carried.size() && index == carried.size(); ++i)
        if (findsLeft(carried[i])) index = i;
    if (index == carried.size()) index = carried.size() - 1;
    if (retreat && index > 0) --index;
    choice.area = carried[index];
    const int32_t checkpointStart = expedition.checkpoints[size_t(choice.area)] * kStepsPerDepth;
    int32_t start = std::min(memory[size_t(choice.area)].safeStart, checkpointStart);
    // A hunted bounty whose window lies above the start: begin above it.
    for (int32_t q : RatedQuests(choice.area)) {
        if (!WantHunt(party, expedition, q) || expedition.hunt[size_t(q)] == 0) continue;
        start = std::min(start, QuestById(q).minLevel / kStepsPerDepth * kStepsPerDepth);
    }
    choice.startDepth = std::clamp(start, 0, checkpointStart);
    return choice;
}

void LearnFromExpedition(AreaMemory& memory, const ExpeditionState& expedition, int32_t area,
                         int32_t startDepth, int32_t deepestThisTime, bool defeated) {
    memory.deepest = std::max(memory.deepest, deepestThisTime);
    const int32_t checkpointStart = expedition.checkpoints[size_t(area)] * kStepsPerDepth;
    if (defeated && deepestThisTime < startDepth + 5) {
        memory.safeStart = std::max(0, std::min(memory.safeStart, startDepth) - kStepsPerDepth);
    } else if (!defeated && deepestThisTime >= startDepth + kStepsPerDepth) {
        memory.safeStart = std::max(memory.safeStart, startDepth + kStepsPerDepth);
    }
    memory.safeStart = std::min(memory.safeStart, checkpointStart);
}

bool HuntAhead(const PartyState& party, const ExpeditionState& expedition, int32_t area,
               int32_t depth) {
    for (int32_t q : RatedQuests(area)) {
        const QuestData& row = QuestById(q);
        if (expedition.hunt[size_t(q)] == 0 || expedition.clearLevel[size_t(q)] != 0) continue;
        if (party.notices[size_t(q)] != Holding::kCarried) continue;
        if (row.maxLevel >= depth) return true;
    }
    return false;
}
