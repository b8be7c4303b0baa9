#pragma once
// docs/balance.md from one automatic play-through and the simulators: when
// each area is entered, survived and mastered, the walls and stretches,
// quests at their recommended levels, the "???" quests at the top, early
// items against bosses, and what was never obtained, used or met.
#include <cstdint>
#include <iosfwd>
#include <string>

#include "tools/balance-report/BalanceChecks.h"

struct BalanceContext {
    std::string when;    // date and time of the measurement
    std::string commit;  // the code measured
    std::string machine;
    int32_t framePeriodMs = 16;
    // One section alone (autoplay, stretches, walls, quests, top, early,
    // unseen), for tuning; empty: all of them.
    std::string only;
};

// Writes the report; true when every target is met. `suggestions`, when
// given, receives "quest level" lines: the level for 65% of each rated quest.
// The first record is the play-through the report tells of; all of them
// stand for a party of a given level.
bool WriteBalanceReport(std::ostream& out, const PlayRecords& records, const BalanceContext& context,
                        const SimBudget& budget, std::ostream& progress, std::ostream* suggestions = nullptr);
