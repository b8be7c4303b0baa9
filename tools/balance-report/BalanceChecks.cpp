#include "tools/balance-report/BalanceChecks.h"

#include <algorithm>
#include <cmath>

#include "content/ContentDatabase.h"
#include "rules/CharacterSnapshot.h"
#include "rules/ExploreSimulation.h"
#include "tools/autoplay/BattlePolicy.h"

namespace {

PackedItem AtQuality(PackedItem item, int32_t quality) {
    return item == 0 ? item : PackItem(PackedGoodsId(item), quality);
}

BattleSimSetup SetUp(const SimParty& party, int32_t level) {
    BattleSimSetup setup;
    setup.members = party.members;
    setup.carried = party.carried;
    setup.level = level;
    setup.policy = AutoplayCommandPolicy;
    return setup;
}

// The simulators grow the character rows to the level asked for; each
// measure starts from a new game's rows and puts the rows back after.
template <typename Measure>
auto OnCleanRows(const SimBudget& budget, Measure measure) {
    const CharacterSnapshots rows = TakeCharacterSnapshot();
    if (budget.freshRows != nullptr) RestoreCharacters(*budget.freshRows);
    auto result = measure();
    RestoreCharacters(rows);
    return result;
}

// The lowest level in [low, high] at which `wins` holds, the win rates
// rising with the level: `found` when it holds at `low` already, `high`
// when it does not hold even there.
template <typename Wins>
int32_t LowestWinningLevel(int32_t low, int32_t high, int32_t found, Wins wins) {
    if (wins(low)) return found;
    if (!wins(high)) return high;
    while (high - low > 1) {
        const int32_t middle = low + (high - low) / 2;
        (wins(middle) ? high : low) = middle;
    }
    return high;
}

}  // namespace

std::map<int32_t, int32_t> EarlyConsumables(int32_t areas, int32_t shopProgress) {
    std::map<int32_t, int32_t> best;  // every goods id, not only usable items
    auto offer = [&](int32_t goods, int32_t quality) {
        if (goods <= 0 || goods >= GoodsRange::kEnd) return;
        quality = std::clamp(quality, 0, 100);
        auto [at, added] = best.emplace(goods, quality);
        if (!added) at->second = std::max(at->second, quality);
    };
    auto drops = [&](int32_t enemy) {
        for (const DropEntry& d : EnemyById(enemy).drops) offer(d.itemId, d.baseQuality + d.qualitySpread);
    };
    for (int32_t a = 0; a < areas; ++a) {
        for (const FindRow& f : AreaById(a).finds) offer(f.goodsId, f.baseQuality + f.qualitySpread);
        for (const EncounterRow& e : AreaById(a).encounters) drops(e.enemyId);
    }
    for (int32_t q = 0; q < kQuestCapacity; ++q) {
        const QuestData& row = QuestById(q);
        if (row.title.Empty() || row.area >= areas) continue;
        for (int32_t enemy : row.enemies) drops(enemy);
        for (PackedItem reward : row.rewards) offer(PackedGoodsId(reward), PackedQuality(reward));
    }
    for (const ShopRow& r : ShopStockTable())
        if (r.minProgress <= shopProgress) offer(r.goodsId, r.baseQuality + r.qualitySpread);
    // Recipes held make their products when every ingredient can be had, at
    // the quality synthesis gives: the ingredients' qualities by their shares.
    for (bool more = true; more;) {
        more = false;
        for (int32_t product = 0; product < kItemCapacity; ++product) {
            const RecipeData& recipe = RecipeTable()[size_t(product)];
            if (recipe.ingredients.empty() || best.count(GoodsRange::kRecipeFirst + product) == 0) continue;
            int64_t quality = 0;
            bool all = true;
            for (const WeightedId& i : recipe.ingredients) {
                const auto found = best.find(i.id);
                if (found == best.end()) {
                    all = false;
                    break;
                }
                quality += int64_t{found->second} * i.weight / 100;
            }
            const int32_t made = static_cast<int32_t>(std::min<int64_t>(quality, 100));
            const auto held = best.find(product);
            if (!all || (held != best.end() && held->second >= made)) continue;
            offer(product, made);
            more = true;
        }
    }
    std::map<int32_t, int32_t> items;
    for (const auto& [goods, quality] : best)
        if (ClassifyGoods(goods) == GoodsKind::kConsumable) items.emplace(goods, quality);
    return items;
}

SimParty PartyOf(const Departure& departure) {
    SimParty party;
    party.members = departure.members;
    party.carried = departure.carried;
    return party;
}

SimParty AtBestQuality(SimParty party) {
    for (MemberSetup& member : party.members)
        for (PackedItem& item : member.equipment) item = AtQuality(item, 100);
    for (PackedItem& item : party.carried) item = AtQuality(item, 100);
    return party;
}

SimParty CarryingOnly(SimParty party, int32_t item, int32_t quality) {
    party.carried.fill(PackItem(item, quality));
    return party;
}

const Departure* DepartureAfter(const PlayRecord& record, int32_t expedition) {
    for (const Departure& d : record.departures)
        if (d.expedition > expedition) return &d;
    return record.departures.empty() ? nullptr : &record.departures.back();
}

const Departure* DepartureOf(const PlayRecord& record, int32_t expedition) {
    const Departure* found = record.departures.empty() ? nullptr : &record.departures.front();
    for (const Departure& d : record.departures)
        if (d.expedition <= expedition) found = &d;
    return found;
}

const Departure* DepartureAtLevel(const PlayRecord& record, int32_t level) {
    const Departure* found = record.departures.empty() ? nullptr : &record.departures.front();
    for (const Departure& d : record.departures)
        if (d.level <= level) found = &d;
    return found;
}

double QuestWinRate(const SimParty& party, int32_t quest, int32_t level, const SimBudget& budget) {
    return OnCleanRows(budget, [&] {
        BattleSimSetup setup = SetUp(party, level);
        setup.quest = quest;
        setup.area = QuestById(quest).area;
        const BattleSimSummary s = SimulateBattles(setup, budget.battles, budget.seed);
        return s.battles > 0 ? static_cast<double>(s.wins) / s.battles : 0.0;
    });
}

int32_t LevelForShare(const SimParty& party, int32_t quest, double share, int32_t low, int32_t high,
                      const SimBudget& budget) {
    low = std::clamp(low, 1, 999);
    high = std::clamp(high, low, 999);
    return LowestWinningLevel(low, high, 0, [&](int32_t level) {
        return QuestWinRate(party, quest, level, budget) >= share;
    });
}

double ReturnShare(const SimParty& party, int32_t level, int32_t area, int32_t depth, const SimBudget& budget) {
    return OnCleanRows(budget, [&] {
        ExploreSimSetup setup;
        setup.party = SetUp(party, level);
        setup.area = area;
        setup.startDepth = 0;
        setup.targetDepth = depth;
        setup.hunt = false;
        const ExploreSimSummary s = SimulateExpeditions(setup, budget.runs, budget.seed);
        return s.expeditions > 0 ? static_cast<double>(s.returned) / s.expeditions : 0.0;
    });
}

double StageWinRate(const PlayRecords& records, int32_t quest, int32_t level, const SimBudget& budget) {
    double sum = 0;
    int32_t parties = 0;
    for (const PlayRecord& record : records) {
        const Departure* d = DepartureAtLevel(record, level);
        if (d == nullptr) continue;
        sum += QuestWinRate(PartyOf(*d), quest, level, budget);
        ++parties;
    }
    return parties > 0 ? sum / parties : 0.0;
}

int32_t StageLevelForShare(const PlayRecords& records, int32_t quest, double share, const SimBudget& budget) {
    return LowestWinningLevel(1, 999, 1, [&](int32_t level) {
        return StageWinRate(records, quest, level, budget) >= share;
    });
}

int32_t NearestStageLevel(const PlayRecords& records, int32_t quest, double share, int32_t level, int32_t radius,
                          const SimBudget& budget) {
    int32_t best = level;
    double bestGap = 2;
    for (int32_t l = std::max(1, level - radius); l <= std::min(999, level + radius); ++l) {
        const double gap = std::abs(StageWinRate(records, quest, l, budget) - share);
        if (gap < bestGap) {
            bestGap = gap;
            best = l;
        }
    }
    return best;
}
