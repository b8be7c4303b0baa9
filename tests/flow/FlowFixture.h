#pragma once
// Tests of the flow layer run against the process-wide game state: the
// content is built once, and every test starts from a blank party,
// expedition, battle and flow record and puts the old ones back after.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "content/ContentDatabase.h"
#include "flow/GameFlow.h"
#include "rules/BattleState.h"
#include "rules/Expedition.h"
#include "rules/PartyState.h"

namespace flowtest {

inline void EnsureContentBuilt() {
    static const bool built = [] {
        BuildContentTables();
        BuildLateContentTables();
        return true;
    }();
    (void)built;
}

// Ids whose character rows tests may overwrite (the content leaves them empty).
inline constexpr int32_t kTestCharacter = 40;

// Swaps in a blank party, expedition, battle and flow record (and two
// empty test character rows) for its lifetime; the carried-item actions
// come back as they were.
class FlowStateGuard {
public:
    FlowStateGuard() {
        EnsureContentBuilt();
        party_ = std::exchange(GameParty(), PartyState{});
        expedition_ = std::exchange(GameExpedition(), ExpeditionState{});
        battle_ = std::exchange(GameBattle(), BattleState{});
        flow_ = std::exchange(Flow(), GameFlow{});
        for (int32_t i = 0; i < 2; ++i)
            std::swap(characters_[i], CharacterTable()[kTestCharacter + i]);
        carriedActions_ = CarriedItemSkillTable();
    }
    ~FlowStateGuard() {
        CarriedItemSkillTable() = carriedActions_;
        GameParty() = std::move(party_);
        GameExpedition() = std::move(expedition_);
        GameBattle() = std::move(battle_);
        Flow() = std::move(flow_);
        for (int32_t i = 0; i < 2; ++i)
            std::swap(characters_[i], CharacterTable()[kTestCharacter + i]);
    }
    FlowStateGuard(const FlowStateGuard&) = delete;
    FlowStateGuard& operator=(const FlowStateGuard&) = delete;

private:
    PartyState party_;
    ExpeditionState expedition_;
    BattleState battle_;
    GameFlow flow_;
    CharacterData characters_[2];
    std::array<SkillData, kCarriedSkillCapacity> carriedActions_;
};

// The (entry, second) pairs of a widget.
inline std::vector<std::pair<int32_t, int32_t>> Pairs(int32_t widget) {
    std::vector<std::pair<int32_t, int32_t>> pairs;
    const ListWidget& list = Widget(widget);
    for (int32_t i = 0; i < list.Count(); ++i)
        pairs.emplace_back(list.EntryAt(i), list.SecondAt(i));
    return pairs;
}

class FlowStateTest : public ::testing::Test {
protected:
    void SetUp() override { guard_.emplace(); }
    void TearDown() override { guard_.reset(); }

private:
    std::optional<FlowStateGuard> guard_;
};

}  // namespace flowtest
