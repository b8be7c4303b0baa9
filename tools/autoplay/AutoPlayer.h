#pragma once
// The automatic player: plays the real game through UpdateGame with the
// logical buttons only. It reads the screens' state as a person reads the
// screen, decides with TownPlan, ExpeditionPlan, BattlePolicy and HomeRule,
// and carries each decision out by moving cursors and pressing decide.
#include <cstdint>
#include <iosfwd>
#include <string>

#include "tools/autoplay/ButtonDriver.h"
#include "tools/autoplay/ExpeditionPlan.h"
#include "tools/autoplay/HomeRule.h"
#include "tools/autoplay/PlayRecord.h"

struct AutoplayOptions {
    uint32_t seed = 1;
    int64_t maxFrames = 0;       // 0: no limit
    int32_t maxExpeditions = 0;  // 0: no limit
    int32_t saveEvery = 5;       // expeditions between saves (0: never)
    int32_t reloadEvery = 4;     // saves between a restart that loads the save (0: never)
    int32_t stuckLimit = 60;     // expeditions without progress before giving up
    HomeRule home;
    bool quiet = false;          // no line per expedition
};

class AutoPlayer {
public:
    AutoPlayer(const AutoplayOptions& options, std::ostream& log);

    // From the title screen: a new game, then town rounds and expeditions
    // until a limit, being stuck, or a screen fault. False on a fault.
    bool Run();

    // The pieces, for tests.
    bool StartNewGame();
    bool TownRound();
    // Out and back home (on foot or by defeat); false on a fault.
    bool Expedition();

    const PlayRecord& Record() const { return record_; }
    const ButtonDriver& Driver() const { return driver_; }
    // Why the run stopped on a fault: the screen and what was expected.
    const std::string& Fault() const { return fault_; }
    void PrintSummary(std::ostream& out) const;

private:
    bool Expect(bool condition, const std::string& what);
    bool MoveTo(int32_t widget, int32_t row, bool sideways);
    bool EnterFacility(int32_t entry);
    bool Leave();  // cancel back to the town menu

    bool SellJunk();
    bool HireCards();
    bool BuyGoods();
    bool Synthesise();
    bool SetHunts();
    bool SaveNow();
    bool RestartAndLoad(int32_t slot);

    bool EnterCamp();
    bool LeaveCamp();
    bool ArrangeParty();
    bool EquipBest();
    bool FillCarriedSlots();
    bool ChooseCampEntry(int32_t entry);

    // Fights until the battle ends; false on a fault.
    bool Fight();
    void NoteProgress();
    bool AllMastered() const;
    std::string DescribeStuck() const;

    AutoplayOptions options_;
    std::ostream& log_;
    ButtonDriver driver_;
    PlayRecord record_;
    AreaMemories memory_{};
    std::string fault_;
    bool retreat_ = false;
    int32_t lastSlot_ = 0;
    // What the last battle left: for the way home.
    double lastHpShare_ = 1.0;
    int32_t lastFalls_ = 0;
    bool lastLost_ = false;
    int64_t progressMark_ = -1;
    int32_t sinceProgress_ = 0;
};
