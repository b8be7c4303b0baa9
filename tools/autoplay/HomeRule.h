#pragma once
// When the automatic player turns back to town. Every battle starts with
// full hp, so what wears down is the carried items' uses and the margin of
// the last fight: a close one says the depth is already too hard.
#include <cstdint>

struct ExpeditionView {
    int32_t battles = 0;          // fought on this expedition
    int32_t depth = 0;
    int32_t targetDepth = 0;      // the deepest this expedition means to go
    bool questWindowAhead = false;  // a hunted quest may still be met here or deeper
    double lastHpShare = 1.0;     // party hp / max hp when the last battle ended
    int32_t lastFalls = 0;        // members fallen when it ended
    int32_t partySize = 1;
    int32_t healingUsesLeft = 0;  // uses of carried healing items left
    int32_t healingUsesFull = 0;  // what they were at departure
};

struct HomeRule {
    int32_t maxBattles = 16;
    double closeShare = 0.30;  // a win with less hp than this was close
};

enum class HomeReason { kStay, kBattles, kClose, kFalls, kHealing, kTarget };

HomeReason GoHomeReason(const ExpeditionView& view, const HomeRule& rule);
inline bool ShouldGoHome(const ExpeditionView& view, const HomeRule& rule) {
    return GoHomeReason(view, rule) != HomeReason::kStay;
}
const char* HomeReasonName(HomeReason reason);
