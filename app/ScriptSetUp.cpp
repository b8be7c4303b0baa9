#include "app/ScriptSetUp.h"

#include "content/ContentDatabase.h"
#include "rules/Belongings.h"
#include "rules/Expedition.h"
#include "rules/Levels.h"
#include "rules/ShopRenewal.h"

namespace {

struct SetUpCommand {
    const char* name;
    int32_t least, most;
    const char* usage;
};

constexpr SetUpCommand kCommands[] = {
    {"gold", 1, 1, "gold N"},
    {"give", 2, 3, "give ITEM QUALITY [COUNT]"},
    {"level", 1, 1, "level N"},
    {"card", 1, 1, "card CHARACTER"},
    {"hire", 1, 1, "hire CHARACTER"},
    {"notice", 1, 1, "notice QUEST"},
    {"map", 1, 1, "map AREA"},
    {"recipe", 1, 1, "recipe ITEM"},
    {"checkpoint", 2, 2, "checkpoint AREA N"},
    {"renew", 1, 1, "renew TIMES"},
    {"depth", 1, 1, "depth N"},
};

bool InRange(int32_t value, int32_t low, int32_t high, const char* what, std::string& error) {
    if (value >= low && value <= high) return true;
    error = std::string(what) + " out of range";
    return false;
}

}  // namespace

bool SetUpArity(const std::string& command, int32_t& least, int32_t& most) {
    for (const SetUpCommand& c : kCommands) {
        if (command == c.name) {
            least = c.least;
            most = c.most;
            return true;
        }
    }
    return false;
}

bool ApplySetUp(const std::string& command, const std::vector<int32_t>& args,
                std::string& error) {
    PartyState& party = GameParty();
    const int32_t a = args.empty() ? 0 : args[0];
    if (command == "gold") {
        party.gold = 0;
        AddGold(party, a);
    } else if (command == "give") {
        const int32_t count = args.size() > 2 ? args[2] : 1;
        if (!InRange(a, 1, GoodsRange::kEnd - 1, "item", error) ||
            !InRange(args[1], 0, 100, "quality", error) || !InRange(count, 1, 999, "count", error))
            return false;
        for (int32_t i = 0; i < count; ++i) AddItem(party, PackItem(a, args[1]));
    } else if (command == "level") {
        if (!InRange(a, 1, kMaxLevel, "level", error)) return false;
        SetPartyLevel(party, a);
        party.pendingLevel = party.level;
        party.expPool = 0;
    } else if (command == "card" || command == "hire") {
        if (!InRange(a, 0, kCharacterCapacity - 1, "character", error)) return false;
        if (command == "card") {
            party.cards[size_t(a)] = Holding::kCarried;
        } else {
            party.hired[size_t(a)] = 1;
        }
    } else if (command == "notice") {
        if (!InRange(a, 0, kQuestCapacity - 1, "quest", error)) return false;
        party.notices[size_t(a)] = Holding::kCarried;
    } else if (command == "map") {
        if (!InRange(a, 0, kAreaCapacity - 1, "area", error)) return false;
        party.maps[size_t(a)] = Holding::kCarried;
    } else if (command == "recipe") {
        if (!InRange(a, 0, kItemCapacity - 1, "item", error)) return false;
        party.recipes[size_t(a)] = Holding::kCarried;
    } else if (command == "checkpoint") {
        if (!InRange(a, 0, kAreaCapacity - 1, "area", error) ||
            !InRange(args[1], 0, kDeepestDepth / kStepsPerDepth, "checkpoint", error))
            return false;
        GameExpedition().checkpoints[size_t(a)] = args[1];
    } else if (command == "depth") {
        if (!InRange(a, 0, kDeepestDepth, "depth", error)) return false;
        GameExpedition().depth = a;
        GameExpedition().step = 0;
    } else if (command == "renew") {
        // As many shop renewals as that many depths explored.
        if (!InRange(a, 1, 10000, "times", error)) return false;
        for (int32_t i = 0; i < a; ++i) RenewShopStock(party, GameExpedition().questsDefeated);
    } else {
        error = "unknown set-up '" + command + "'";
        return false;
    }
    return true;
}
