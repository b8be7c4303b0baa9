#include "content/Enemies.h"

#include <string>

#include "content/ContentDatabase.h"
#include "content/EnemyRows.h"
#include "content/ListText.h"
#include "engine/text/Format.h"

namespace {

void Report(int32_t id, const char* what, const std::string& error) {
    ReportContentProblem(FormatNarrow("enemy %d %s: %s", id, what, error.c_str()));
}

template <size_t N>
void SetGroup(ParamBlock& params, int32_t first, const std::array<int32_t, N>& values) {
    for (size_t i = 0; i < N; ++i) params.Ability(first + static_cast<int32_t>(i)) = values[i];
}

}  // namespace

void BuildEnemies() {
    auto& table = EnemyTable();
    for (EnemyData& e : table) e = EnemyData{};  // rows own a texture: no copies
    for (const EnemyRow& row : EnemyRows()) {
        if (row.id < 0 || row.id >= kEnemyCapacity) {
            Report(row.id, "id", "outside the table");
            continue;
        }
        EnemyData& e = table[row.id];
        e.name = WString(row.name);
        e.picture = WString(row.picture);
        e.hue = row.hue;
        e.scale = row.scale;
        const int32_t base[BaseParam::kCount] = {row.hp,  row.atk, row.mag,  row.hit,
                                                 row.cri, row.avo, row.luck, row.sp};
        for (int32_t p = 0; p < BaseParam::kCount; ++p) e.params.Base(p) = base[p];
        e.exp = row.exp;
        e.gold = row.gold;
        e.frontChance = row.frontChance;

        SetGroup(e.params, AbilityParam::kPhysicalResist, GuardValues(row.guards));
        SetGroup(e.params, AbilityParam::kElementResist, ElementValues(row.elements));
        SetGroup(e.params, AbilityParam::kPoisonResist, AilmentValues(row.ailments));
        std::string error;
        if (!ParseAbilities(row.abilities, e.params, &error)) Report(row.id, "abilities", error);
        if (!ParseWeightedIds(row.actions, e.actions, &error)) Report(row.id, "actions", error);
        if (!ParseDrops(row.drops, e.drops, &error)) Report(row.id, "drops", error);
        if (!ParseWeightedIds(row.counters, e.counters, &error)) Report(row.id, "counters", error);
    }
}
