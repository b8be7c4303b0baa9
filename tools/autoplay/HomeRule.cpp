#include "tools/autoplay/HomeRule.h"

HomeReason GoHomeReason(const ExpeditionView& view, const HomeRule& rule) {
    if (view.battles >= rule.maxBattles) return HomeReason::kBattles;
    if (view.battles > 0) {
        if (view.lastFalls * 2 >= view.partySize && view.lastFalls > 0) return HomeReason::kFalls;
        if (view.lastHpShare < rule.closeShare) return HomeReason::kClose;
        // Healing that ran out matters once a fight cost something.
        if (view.healingUsesFull > 0 && view.healingUsesLeft == 0 && view.lastHpShare < 0.5)
            return HomeReason::kHealing;
    }
    if (view.depth >= view.targetDepth && !view.questWindowAhead) return HomeReason::kTarget;
    return HomeReason::kStay;
}

const char* HomeReasonName(HomeReason reason) {
    switch (reason) {
        case HomeReason::kStay: return "stay";
        case HomeReason::kBattles: return "battles";
        case HomeReason::kClose: return "close";
        case HomeReason::kFalls: return "falls";
        case HomeReason::kHealing: return "healing";
        case HomeReason::kTarget: return "target";
    }
    return "?";
}
