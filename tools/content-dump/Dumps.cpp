#include "Dumps.h"

#include "Tsv.h"
#include "WorldDumps.h"
#include "content/ContentAudit.h"
#include "content/ContentDatabase.h"
#include "content/GoodsNames.h"
#include "content/Items.h"
#include "content/Labels.h"
#include "content/Obtainable.h"
#include "engine/text/Format.h"

std::string StatusText(const StatusChances& chances) {
    std::string text;
    for (int32_t k = 0; k < StatusKind::kCount; ++k) {
        if (chances[k] == 0) continue;
        if (!text.empty()) text += ' ';
        text += StatusLabels()[k].ToUtf8() + std::to_string(chances[k]);
    }
    return text;
}

std::string ParamText(const ParamBlock& params) {
    std::string text;
    for (int32_t slot = 0; slot < ParamBlock::kSize; ++slot) {
        if (params.values[slot] == 0) continue;
        const WString& name = slot < BaseParam::kCount
                                  ? BaseParamLabels()[slot]
                                  : AbilityCatalogue()[slot - BaseParam::kCount].name;
        if (!text.empty()) text += ' ';
        text += name.ToUtf8() + std::to_string(params.values[slot]);
    }
    return text;
}

namespace {

const char* GoodsKindName(int32_t id) {
    switch (ClassifyGoods(id)) {
        case GoodsKind::kConsumable: return "consumable";
        case GoodsKind::kWeapon: return "weapon";
        case GoodsKind::kAccessory: return "accessory";
        case GoodsKind::kMaterial: return "material";
        case GoodsKind::kRecipe: return "recipe";
        case GoodsKind::kMap: return "map";
        case GoodsKind::kCard: return "card";
        case GoodsKind::kCertificate: return "certificate";
        default: return "-";
    }
}

// Items by name alone (the rows carry their quality), other goods as listed.
std::string GoodsName(int32_t goods) {
    if (IsItem(goods)) return ItemName(goods).ToUtf8();
    return GoodsListLabel(PackItem(goods, 0)).ToUtf8();
}

void Abilities(Tsv& out) {
    out.Header({"index", "name", "description"});
    for (int32_t k = 0; k < AbilityParam::kCount; ++k) {
        const AbilityInfo& a = AbilityCatalogue()[k];
        if (a.name.Empty()) continue;
        out << k << a.name << a.description;
        out.End();
    }
}

void Labels(Tsv& out) {
    out.Header({"vocabulary", "index", "label"});
    auto list = [&](const char* vocabulary, const auto& labels) {
        for (size_t i = 0; i < labels.size(); ++i) {
            out << vocabulary << static_cast<int32_t>(i) << labels[i];
            out.End();
        }
    };
    list("base", BaseParamLabels());
    list("weapon", WeaponKindLabels());
    list("element", ElementLabels());
    list("range", RangeLabels());
    list("status", StatusLabels());
    list("target", TargetKindLabels());
}

void Skills(Tsv& out) {
    out.Header({"id", "name", "ep", "mp", "type", "subtype", "target", "hits", "element", "power",
                "hit", "crit", "speed", "statuses", "effect", "weapon", "ranged", "reflectable"});
    for (int32_t id = 0; id < kSkillCapacity; ++id) {
        const SkillData& s = SkillTable()[id];
        if (id != 0 && s.name.Empty()) continue;
        out << id << s.name << s.epCost << s.mpCost << s.type << s.subtype << s.targetKind << s.hits
            << s.element << s.power << s.hitBonus << s.critBonus << s.speed
            << StatusText(s.statusChance) << s.effect << s.weaponKind << s.ranged << s.reflectable;
        out.End();
    }
}

void Effects(Tsv& out) {
    out.Header({"id", "picture", "columns", "rows", "hue", "sound"});
    for (int32_t id = 0; id < kEffectCapacity; ++id) {
        const EffectData& e = EffectTable()[id];
        if (e.picture.Empty()) continue;
        out << id << e.picture << e.columns << e.rows << e.hue << e.sound;
        out.End();
    }
}

void Items(Tsv& out) {
    out.Header({"id", "name", "kind", "price0", "price100"});
    for (int32_t id = 0; id < kItemCapacity; ++id) {
        if (ItemName(id).Empty()) continue;
        std::string kind = GoodsKindName(id);
        if (ClassifyGoods(id) == GoodsKind::kWeapon)
            kind = WeaponKindLabels()[MakeItemData(id, 100).kind].ToUtf8();
        out << id << ItemName(id) << kind << GoodsPrice(PackItem(id, 0))
            << GoodsPrice(PackItem(id, 100));
        out.End();
    }
}

void Consumables(Tsv& out) {
    out.Header({"id", "name", "type", "subtype", "target", "hits", "element", "power0", "power100",
                "speed0", "speed100", "uses0", "uses100", "statuses", "effect", "price0",
                "price100"});
    for (int32_t id = 1; id < GoodsRange::kWeaponFirst; ++id) {
        if (ItemName(id).Empty()) continue;
        const SkillData low = MakeConsumable(id, 0), high = MakeConsumable(id, 100);
        out << id << ItemName(id) << high.type << high.subtype << high.targetKind << high.hits
            << high.element << low.power << high.power << low.speed << high.speed << low.itemUses
            << high.itemUses << StatusText(high.statusChance) << high.effect << low.price
            << high.price;
        out.End();
    }
}

std::string GrantedText(const ItemData& item) {
    std::string text;
    for (int32_t s : item.grantedSkills) {
        if (s == 0) continue;
        if (!text.empty()) text += ' ';
        text += std::to_string(s) + ":" + SkillById(s).name.ToUtf8();
    }
    return text;
}

void Equipment(Tsv& out) {
    out.Header({"id", "name", "kind", "bonuses0", "bonuses100", "skills50", "skills100", "price0",
                "price100"});
    for (int32_t id = GoodsRange::kWeaponFirst; id < GoodsRange::kMaterialFirst; ++id) {
        if (ItemName(id).Empty()) continue;
        const ItemData low = MakeItemData(id, 0), half = MakeItemData(id, 50),
                       high = MakeItemData(id, 100);
        out << id << ItemName(id) << WeaponKindLabels()[high.kind] << ParamText(low.params)
            << ParamText(high.params) << GrantedText(half) << GrantedText(high) << low.price
            << high.price;
        out.End();
    }
}

void Materials(Tsv& out) {
    out.Header({"id", "name", "grade", "price0", "price100"});
    for (int32_t id = GoodsRange::kMaterialFirst; id < kItemCapacity; ++id) {
        if (ItemName(id).Empty()) continue;
        out << id << ItemName(id) << MaterialGrade(id) << MakeMaterialLabel(id, 0).price
            << MakeMaterialLabel(id, 100).price;
        out.End();
    }
}

void Recipes(Tsv& out) {
    out.Header({"product", "name", "fee", "ingredients"});
    for (const RecipeData& r : RecipeTable()) {
        if (r.ingredients.empty()) continue;
        std::string ingredients;
        for (const WeightedId& in : r.ingredients) {
            if (!ingredients.empty()) ingredients += ' ';
            ingredients += FormatNarrow("%d:%S(%d)", in.id, ItemName(in.id), in.weight);
        }
        out << r.product << ItemName(r.product) << r.fee << ingredients;
        out.End();
    }
}

void Shop(Tsv& out) {
    out.Header({"row", "goods", "name", "base", "spread", "from", "to", "chance", "price"});
    int32_t row = 0;
    for (const ShopRow& r : ShopStockTable()) {
        out << row++ << r.goodsId << GoodsName(r.goodsId) << r.baseQuality << r.qualitySpread
            << r.minProgress << r.maxProgress << r.chance << r.price;
        out.End();
    }
}

void Unobtainable(Tsv& out) {
    out.Header({"id", "name"});
    for (int32_t id : UnobtainableIngredients()) {
        out << id << ItemName(id);
        out.End();
    }
}

// Content that can never matter in play; empty when the tables are sound.
void Audit(Tsv& out) {
    out.Header({"finding", "id", "name", "detail"});
    for (int32_t id : UnusedSkills()) {
        out << "unused skill" << id << SkillById(id).name << "";
        out.End();
    }
    for (int32_t id : MaterialsWithoutSource()) {
        out << "material without source" << id << ItemName(id) << "";
        out.End();
    }
    for (int32_t id : MaterialsWithoutUse()) {
        out << "material without use" << id << ItemName(id) << "";
        out.End();
    }
    for (const DeadAction& d : DeadEnemyActions()) {
        out << "dead enemy action" << d.enemyId << EnemyById(d.enemyId).name
            << FormatNarrow("%s(%d): %s", SkillById(d.skillId).name.ToUtf8().c_str(), d.skillId, d.why.c_str());
        out.End();
    }
    for (const NameClash& c : NameClashes()) {
        out << "name clash in " + c.table << c.second << c.secondName
            << FormatNarrow("reads as %s (%d)", c.firstName.c_str(), c.first);
        out.End();
    }
    for (const std::string& name : OffSpellings()) {
        out << "off spelling" << "" << name << "";
        out.End();
    }
}

void Problems(Tsv& out) {
    out.Header({"problem"});
    for (const std::string& p : ContentProblems()) {
        out << p;
        out.End();
    }
}

constexpr Dump kDumps[] = {
    {"abilities", "the ability catalogue", Abilities},
    {"labels", "the labels of every vocabulary", Labels},
    {"skills", "the skill table", Skills},
    {"effects", "the hit effect table", Effects},
    {"items", "every named item: kind, price at quality 0 and 100", Items},
    {"consumables", "what each consumable does at quality 0 and 100", Consumables},
    {"equipment", "weapon and accessory bonuses and skills", Equipment},
    {"materials", "material grades and prices", Materials},
    {"recipes", "the recipes with their fees and ingredients", Recipes},
    {"shop", "the shop stock rows in order", Shop},
    {"enemies", "the enemy table with abilities, actions, drops and counters", DumpEnemies},
    {"characters", "the hireable characters as a new game holds them", DumpCharacters},
    {"progression", "each character's rules by level", DumpProgression},
    {"areas", "the areas with music, budget and row counts", DumpAreas},
    {"encounters", "the encounter rows of every area", DumpEncounters},
    {"finds", "the find rows of every area", DumpFinds},
    {"quests", "the quests with enemies, rewards and reinforcements", DumpQuests},
    {"unobtainable", "recipe ingredients no table lets the player obtain", Unobtainable},
    {"problems", "faults found while building the tables", Problems},
    {"audit", "unused skills, materials without source or use, dead enemy actions, clashing names", Audit},
};

}  // namespace

std::span<const Dump> AllDumps() { return kDumps; }
