#include "tools/autoplay/HomeRule.h"

#include <gtest/gtest.h>

namespace {

ExpeditionView Fresh() {
    ExpeditionView view;
    view.depth = 3;
    view.targetDepth = 49;
    view.partySize = 4;
    view.healingUsesFull = 3;
    view.healingUsesLeft = 3;
    return view;
}

TEST(HomeRule, GoesOnWhileTheFightsAreComfortable) {
    ExpeditionView view = Fresh();
    const HomeRule rule;
    EXPECT_EQ(GoHomeReason(view, rule), HomeReason::kStay);
    view.battles = 5;
    view.lastHpShare = 0.8;
    view.lastFalls = 1;  // one of four fell: not yet a reason
    EXPECT_EQ(GoHomeReason(view, rule), HomeReason::kStay);
}

TEST(HomeRule, TurnsBackAfterACloseFightOrManyFights) {
    const HomeRule rule;
    ExpeditionView view = Fresh();
    view.battles = 2;
    view.lastHpShare = 0.2;
    EXPECT_EQ(GoHomeReason(view, rule), HomeReason::kClose);

    view = Fresh();
    view.battles = 2;
    view.lastFalls = 2;
    EXPECT_EQ(GoHomeReason(view, rule), HomeReason::kFalls);

    view = Fresh();
    view.battles = rule.maxBattles;
    EXPECT_EQ(GoHomeReason(view, rule), HomeReason::kBattles);

    // Healing spent matters only once a fight cost something.
    view = Fresh();
    view.battles = 3;
    view.healingUsesLeft = 0;
    EXPECT_EQ(GoHomeReason(view, rule), HomeReason::kStay);
    view.lastHpShare = 0.4;
    EXPECT_EQ(GoHomeReason(view, rule), HomeReason::kHealing);
}

TEST(HomeRule, StopsAtTheTargetUnlessAHuntLiesAhead) {
    const HomeRule rule;
    ExpeditionView view = Fresh();
    view.depth = 49;
    EXPECT_EQ(GoHomeReason(view, rule), HomeReason::kTarget);
    view.questWindowAhead = true;
    EXPECT_EQ(GoHomeReason(view, rule), HomeReason::kStay);
    // One of two fallen is half the party.
    view = Fresh();
    view.partySize = 2;
    view.battles = 1;
    view.lastFalls = 1;
    EXPECT_EQ(GoHomeReason(view, rule), HomeReason::kFalls);
}

}  // namespace
