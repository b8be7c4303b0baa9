#include "content/Areas.h"

#include "content/AreaRows.h"
#include "content/ContentDatabase.h"
#include "engine/text/Format.h"

namespace {

AreaData* Area(int32_t id, const char* what) {
    if (id >= 0 && id < kAreaCapacity) return &AreaTable()[id];
    ReportContentProblem(FormatNarrow("%s of area %d: no such area", what, id));
    return nullptr;
}

}  // namespace

void BuildAreas() {
    auto& table = AreaTable();
    for (AreaData& a : table) a = AreaData{};
    for (const AreaRow& row : AreaRows()) {
        AreaData* a = Area(row.id, "row");
        if (!a) continue;
        a->background = row.background;
        a->name = WString(row.name);
        a->fieldMusic = WString(row.fieldMusic);
        a->battleMusic = WString(row.battleMusic);
        a->budgetBase = row.budgetBase;
        a->budgetStep = row.budgetStep;
    }
    for (const EncounterLine& line : EncounterLines()) {
        if (AreaData* a = Area(line.area, "encounter"))
            a->encounters.push_back({line.enemy, line.cost, line.minLevel, line.maxLevel, line.chance});
    }
    for (const FindLine& line : FindLines()) {
        AreaData* a = Area(line.area, "find");
        if (!a) continue;
        for (int32_t i = 0; i < line.count; ++i)
            a->finds.push_back({line.goods + i * line.step, line.baseQuality, line.qualitySpread,
                                line.minLevel, line.maxLevel, line.chance});
    }
}
