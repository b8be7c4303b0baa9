// Weapons and accessories: their rows read once into per-id definitions.
#include <algorithm>
#include <array>
#include <vector>

#include "content/ContentDatabase.h"
#include "content/EquipmentRows.h"
#include "content/ItemFormula.h"
#include "content/ItemDefinitions.h"
#include "content/Items.h"
#include "content/RowText.h"
#include "engine/text/Format.h"

namespace {

constexpr int32_t kFirst = GoodsRange::kWeaponFirst;
constexpr int32_t kCount = GoodsRange::kMaterialFirst - GoodsRange::kWeaponFirst;

struct Definition {
    bool defined = false;
    int32_t kind = 0;
    std::vector<Bonus> bonuses;
    Linear price;
    std::vector<Grant> grants;
};

std::array<Definition, kCount>& Definitions() {
    static std::array<Definition, kCount> definitions;
    return definitions;
}

void Compile(const EquipmentRow& row) {
    Definition& d = Definitions()[row.id - kFirst];
    d.defined = true;
    d.kind = row.kind;
    d.price = Linear{static_cast<double>(row.priceSlope), static_cast<double>(row.priceBase)};
    std::string error;
    if (!ParseBonuses(row.bonuses, d.bonuses, &error))
        ReportContentProblem(FormatNarrow("item %d bonuses: %s", row.id, error.c_str()));
    if (!ParseGrants(row.skills, d.grants, &error))
        ReportContentProblem(FormatNarrow("item %d skills: %s", row.id, error.c_str()));
}

}  // namespace

void BuildEquipmentDefinitions() {
    for (Definition& d : Definitions()) d = Definition{};
    for (const EquipmentRow& row : WeaponRows()) Compile(row);
    for (const EquipmentRow& row : AccessoryRows()) Compile(row);
}

ItemData MakeItemData(int32_t itemId, int32_t quality) {
    ItemData item;
    if (itemId < kFirst) return item;
    if (itemId >= GoodsRange::kAccessoryFirst) item.kind = WeaponKind::kNone;
    if (itemId >= kFirst + kCount) return item;
    const Definition& d = Definitions()[itemId - kFirst];
    if (!d.defined) return item;

    const double q = QualityFactor(quality);
    item.kind = d.kind;
    for (const Bonus& b : d.bonuses) item.params.values[b.slot] += Eval(b.value, q);
    item.price = Eval(d.price, q);
    // Each threshold reached appends its skill; of a pair, the higher
    // threshold is tested first and the lower one only when it fails.
    const int32_t percent = std::clamp(quality, 0, 100);
    int32_t count = 0;
    for (const Grant& g : d.grants) {
        if (count == ItemData::kGrantedSkills) break;
        if (percent >= g.threshold) {
            item.grantedSkills[count++] = g.skill;
        } else if (g.otherSkill != 0 && percent >= g.otherThreshold) {
            item.grantedSkills[count++] = g.otherSkill;
        }
    }
    return item;
}
