// Consumables: 41 effect templates and the blocks of ids that use them.
#include <array>

#include "content/ContentDatabase.h"
#include "content/ItemFormula.h"
#include "content/ItemDefinitions.h"
#include "content/Items.h"
#include "content/RowText.h"
#include "engine/text/Format.h"

namespace {

constexpr int32_t kOpen = -1;  // left for the id's block
constexpr Linear kOpenL{0, -1e300};  // a Linear field left for the block

bool IsOpen(const Linear& f) { return f.b == kOpenL.b; }

// Columns: type, subtype, target kind, hits, power, hit bonus, critical
// bonus, speed, uses, price, effect. Every template sets ranged 1.
struct Template {
    int32_t type;
    Linear subtype;
    int32_t targetKind;
    int32_t hits;
    Linear power, hitBonus, critBonus, speed, uses, price;
    int32_t effect;
};

constexpr Linear L(double a, double b = 0) { return {a, b}; }
constexpr Linear K(double b) { return {0, b}; }
const Linear O = kOpenL;

// Index 0 is unused so that template numbers read as in the design.
const Template kTemplates[42] = {
    {},
    // HP recovery, strengths 1-4.
    {5, K(0), kOpen, 1, L(1000, 100), K(80), K(0), L(20, 100), O, L(4900, 100), 160},
    {5, K(0), kOpen, 1, L(2000, 200), K(80), K(0), L(30, 100), O, L(9800, 200), 160},
    {5, K(0), kOpen, 1, L(4000, 400), K(80), K(0), L(40, 100), O, L(29800, 200), 160},
    {5, K(0), kOpen, 1, L(8000, 800), K(80), K(0), L(50, 100), O, L(39800, 200), 160},
    // EP recovery, strengths 1-4.
    {5, K(1), kOpen, 1, L(20, 20), K(80), K(0), L(20, 100), O, L(9800, 200), 160},
    {5, K(1), kOpen, 1, L(30, 30), K(80), K(0), L(30, 100), O, L(19800, 200), 160},
    {5, K(1), kOpen, 1, L(40, 40), K(80), K(0), L(40, 100), O, L(29800, 200), 160},
    {5, K(1), kOpen, 1, L(50, 50), K(80), K(0), L(50, 100), O, L(39800, 200), 160},
    // MP recovery, strengths 1-4.
    {5, K(2), kOpen, 1, L(20, 20), K(80), K(0), L(20, 100), O, L(9800, 200), 160},
    {5, K(2), kOpen, 1, L(30, 30), K(80), K(0), L(30, 100), O, L(19800, 200), 160},
    {5, K(2), kOpen, 1, L(40, 40), K(80), K(0), L(40, 100), O, L(29800, 200), 160},
    {5, K(2), kOpen, 1, L(50, 50), K(80), K(0), L(50, 100), O, L(39800, 200), 160},
    // 13: full recovery of HP, EP and MP.
    {5, K(4), kOpen, 1, L(100), K(80), K(0), L(20, 100), O, L(195000, 5000), 160},
    // 14-16: single cure, its bag, its all-targets form.
    {6, O, kOpen, 1, O, K(80), K(0), L(50, 100), K(1), L(3000, 200), 160},
    {6, O, kOpen, 1, O, K(80), K(0), L(50, 100), K(3), L(9400, 600), 160},
    {6, K(0), 3, 1, K(0), K(80), K(0), L(50, 80), K(1), L(9400, 600), 160},
    // 17-19: all-ailment cures.
    {6, L(3, 2), kOpen, 1, K(0), K(80), K(0), L(50, 100), O, O, 160},
    {6, L(4, 3), kOpen, 1, K(0), K(80), K(0), L(60, 100), O, O, 160},
    {6, L(5, 4), kOpen, 1, K(0), K(80), K(0), L(70, 100), O, O, 160},
    // 20-22: revival.
    {8, K(0), kOpen, 1, L(450, 50), K(80), K(0), L(20, 100), O, L(19800, 200), 160},
    {8, K(0), kOpen, 1, L(1400, 100), K(80), K(0), L(30, 100), O, L(29800, 200), 160},
    {8, K(0), kOpen, 1, L(3900, 100), K(80), K(0), L(40, 100), O, L(39800, 200), 160},
    // 23-26: support for one, support II, for all, for all II.
    {7, O, kOpen, 1, O, O, O, L(50, 100), L(2, 1), L(5000, 100), 180},
    {7, O, kOpen, 1, O, O, O, L(70, 110), L(2, 2), L(9800, 200), 180},
    {7, K(0), 3, 1, O, O, O, L(50, 100), L(2, 1), L(9800, 200), 180},
    {7, K(0), 3, 1, O, O, O, L(70, 110), L(2, 2), L(19600, 400), 180},
    // 27-35: books: one target, all targets (A), three random hits (R).
    {1, K(0), 0, 1, L(50, 100), L(5, 80), L(5), L(20, 100), L(2, 1), L(3000, 50), kOpen},
    {1, K(0), 0, 1, L(70, 100), L(5, 80), L(5), L(30, 100), L(2, 2), L(9800, 200), kOpen},
    {1, K(0), 0, 1, L(200, 100), L(5, 80), L(5), L(40, 100), L(2, 3), L(19600, 400), kOpen},
    {1, K(0), 3, 1, L(50, 100), L(5, 80), L(5), L(20, 100), L(2, 1), L(9800, 200), kOpen},
    {1, K(0), 3, 1, L(70, 100), L(5, 80), L(5), L(30, 100), L(2, 2), L(19600, 400), kOpen},
    {1, K(0), 3, 1, L(200, 100), L(5, 80), L(5), L(40, 100), L(2, 3), L(39200, 800), kOpen},
    {1, K(0), 1, 3, L(50, 100), L(5, 80), L(5), L(20, 100), L(2, 1), L(19600, 400), kOpen},
    {1, K(0), 1, 3, L(70, 100), L(5, 80), L(5), L(30, 100), L(2, 2), L(39200, 800), kOpen},
    {1, K(0), 1, 3, L(200, 100), L(5, 80), L(5), L(40, 100), L(2, 3), L(78400, 1600), kOpen},
    // 36-39: tags: one target, II, all targets, all II.
    {1, K(0), 0, 1, L(50, 50), L(20, 60), K(0), L(20, 100), L(2, 1), L(9600, 400), kOpen},
    {1, K(0), 0, 1, L(80, 70), L(20, 70), K(0), L(20, 100), L(2, 2), L(19200, 800), kOpen},
    {1, K(0), 3, 1, L(50, 50), L(20, 60), K(0), L(20, 100), L(2, 1), L(19200, 800), kOpen},
    {1, K(0), 3, 1, L(80, 70), L(20, 70), K(0), L(30, 100), L(2, 2), L(39200, 800), kOpen},
    // 40-41: extinction tags remove support effects.
    {4, L(3, 2), kOpen, 1, O, L(20, 60), K(0), L(20, 100), L(2, 1), L(19600, 400), kOpen},
    {4, L(5, 4), kOpen, 1, O, L(20, 70), K(0), L(30, 100), L(2, 2), L(39600, 400), kOpen},
};

// A run of `count` ids from `first`; id first + i uses template
// `templateFirst + i * templateStep`. The target kind and uses apply where
// the template leaves them open; price replaces an open template price.
struct Block {
    int32_t first, count, templateFirst, templateStep;
    int32_t targetKind, uses, priceTimes;
    Linear price;
    int32_t element, effect;
    const char* statuses;
};

constexpr Linear kTemplatePrice{0, 0};

// Columns: first id, count, template, step, target kind, uses, price
// multiplier, own price, element, effect, status chances.
constexpr Block kBlocks[] = {
    // HP herbs, bags (three uses), "A" (everyone), stones (everyone, three uses).
    {1, 4, 1, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, ""},
    {5, 4, 1, 1, 0, 3, 4, kTemplatePrice, 0, kOpen, ""},
    {9, 4, 1, 1, 3, 1, 4, kTemplatePrice, 0, kOpen, ""},
    {13, 3, 1, 1, 3, 3, 16, kTemplatePrice, 0, kOpen, ""},
    // EP, then MP, in the same layout.
    {16, 4, 5, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, ""},
    {20, 4, 5, 1, 0, 3, 4, kTemplatePrice, 0, kOpen, ""},
    {24, 4, 5, 1, 3, 1, 4, kTemplatePrice, 0, kOpen, ""},
    {28, 3, 5, 1, 3, 3, 16, kTemplatePrice, 0, kOpen, ""},
    {31, 4, 9, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, ""},
    {35, 4, 9, 1, 0, 3, 4, kTemplatePrice, 0, kOpen, ""},
    {39, 4, 9, 1, 3, 1, 4, kTemplatePrice, 0, kOpen, ""},
    {43, 3, 9, 1, 3, 3, 16, kTemplatePrice, 0, kOpen, ""},
    // Full recovery, for one and for everyone.
    {46, 1, 13, 0, 0, 1, 1, kTemplatePrice, 0, kOpen, ""},
    {47, 1, 13, 0, 3, 1, 4, kTemplatePrice, 0, kOpen, ""},
    // One cure per ailment: plain, bag, everyone.
    {48, 3, 14, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, "毒100"},
    {51, 3, 14, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, "睡眠100"},
    {54, 3, 14, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, "マヒ100"},
    {57, 3, 14, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, "混乱100"},
    {60, 3, 14, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, "臆病100"},
    {63, 3, 14, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, "封印100"},
    // All-ailment cures in three strengths: plain, bag, everyone.
    {66, 1, 17, 0, 0, 1, 1, {9400, 600}, 0, kOpen, ""},
    {67, 1, 17, 0, 0, 3, 4, {9400, 600}, 0, kOpen, ""},
    {68, 1, 17, 0, 3, 1, 4, {9400, 600}, 0, kOpen, ""},
    {69, 1, 18, 0, 0, 1, 1, {19600, 400}, 0, kOpen, ""},
    {70, 1, 18, 0, 0, 3, 4, {19600, 400}, 0, kOpen, ""},
    {71, 1, 18, 0, 3, 1, 4, {19600, 400}, 0, kOpen, ""},
    {72, 1, 19, 0, 0, 1, 1, {39200, 800}, 0, kOpen, ""},
    {73, 1, 19, 0, 0, 3, 4, {39200, 800}, 0, kOpen, ""},
    {74, 1, 19, 0, 3, 1, 4, {39200, 800}, 0, kOpen, ""},
    // Revival, for one and for everyone.
    {75, 3, 20, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, ""},
    {78, 3, 20, 1, 3, 1, 4, kTemplatePrice, 0, kOpen, ""},
    // Medicines: base, II, "A", "AII" raise one parameter.
    {81, 4, 23, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, "Atk100"},
    {85, 4, 23, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, "Mag100"},
    {89, 4, 23, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, "Hit100"},
    {93, 4, 23, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, "Cri100"},
    {97, 4, 23, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, "Avo100"},
    {101, 4, 23, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, "Luck100"},
    {105, 4, 23, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, "Sp100"},
    {109, 4, 23, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, "物防100"},
    // Shells guard against magic, breath or an element; barriers grant a state.
    {113, 4, 23, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, "魔防100"},
    {117, 4, 23, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, "ﾌﾞﾚｽ防100"},
    {121, 4, 23, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, "無100"},
    {125, 4, 23, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, "火100"},
    {129, 4, 23, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, "氷100"},
    {133, 4, 23, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, "雷100"},
    {137, 4, 23, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, "風100"},
    {141, 4, 23, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, "光100"},
    {145, 4, 23, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, "闇100"},
    {149, 4, 23, 1, 0, 1, 2, kTemplatePrice, 0, kOpen, "反射100"},
    {153, 4, 23, 1, 0, 1, 2, kTemplatePrice, 0, kOpen, "自動回復100"},
    {157, 4, 23, 1, 0, 1, 2, kTemplatePrice, 0, kOpen, "自動復活100"},
    {161, 3, 23, 1, 0, 1, 1, kTemplatePrice, 0, kOpen, "予防100"},
    // Curse tags: base, II, "A", "AII" inflict an ailment or lower a parameter.
    {300, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 250, "毒100"},
    {306, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 250, "睡眠100"},
    {312, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 250, "マヒ100"},
    {318, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 250, "混乱100"},
    {324, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 250, "臆病100"},
    {330, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 250, "封印100"},
    {336, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 241, "即死100"},
    {342, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 241, "宣告100"},
    {348, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 260, "Atk100"},
    {354, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 260, "Mag100"},
    {360, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 260, "Hit100"},
    {366, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 260, "Cri100"},
    {372, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 260, "Avo100"},
    {378, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 260, "Luck100"},
    {384, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 260, "Sp100"},
    {390, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 250, "毒～封印50"},
    // Extinction tags: one target, II, then both for everyone.
    {396, 2, 40, 1, 0, 1, 1, kTemplatePrice, 0, 181, ""},
    {398, 2, 40, 1, 3, 1, 2, kTemplatePrice, 0, 181, ""},
    // Melts lower a guard: physical, magic, breath, then each element.
    {400, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 260, "物防100"},
    {406, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 260, "魔防100"},
    {412, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 260, "ﾌﾞﾚｽ防100"},
    {418, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 260, "無100"},
    {424, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 260, "火100"},
    {430, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 260, "氷100"},
    {436, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 260, "雷100"},
    {442, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 260, "風100"},
    {448, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 260, "光100"},
    {454, 4, 36, 1, 0, 1, 1, kTemplatePrice, 0, 260, "闇100"},
};

// Books: nine per element (200 + 9 x element + variant) on templates
// 27-35; each variant's hit effect, in variant order base, II, III, A,
// AII, AIII, R, RII, RIII.
constexpr int32_t kBookEffects[Element::kCount][9] = {
    {242, 240, 243, 242, 242, 243, 242, 240, 243},
    {190, 192, 195, 191, 194, 196, 190, 192, 196},
    {200, 202, 203, 201, 204, 205, 200, 202, 205},
    {210, 214, 214, 211, 213, 213, 212, 212, 214},
    {220, 222, 223, 221, 221, 223, 220, 222, 223},
    {230, 232, 233, 231, 233, 233, 230, 232, 233},
    {240, 241, 243, 241, 241, 243, 240, 241, 243},
};

// The per-id form of the rows above, built once.
struct Definition {
    int32_t templateIndex = 0;  // 0: no definition
    int32_t targetKind = 0;
    int32_t uses = 1;
    int32_t priceTimes = 1;
    Linear price;
    bool ownPrice = false;
    int32_t element = 0;
    int32_t effect = kOpen;
    StatusChances statuses{};
};

std::array<Definition, GoodsRange::kWeaponFirst>& Definitions() {
    static std::array<Definition, GoodsRange::kWeaponFirst> definitions;
    return definitions;
}

}  // namespace

void BuildConsumableDefinitions() {
    auto& defs = Definitions();
    defs.fill(Definition{});
    for (const Block& b : kBlocks) {
        for (int32_t i = 0; i < b.count; ++i) {
            Definition& d = defs[b.first + i];
            d.templateIndex = b.templateFirst + i * b.templateStep;
            d.targetKind = b.targetKind;
            d.uses = b.uses;
            d.priceTimes = b.priceTimes;
            d.ownPrice = b.price.a != 0 || b.price.b != 0;
            d.price = b.price;
            d.element = b.element;
            d.effect = b.effect;
            std::string error;
            if (!ParseStatusChances(b.statuses, d.statuses, &error))
                ReportContentProblem(FormatNarrow("consumable %d: %s", b.first, error.c_str()));
        }
    }
    for (int32_t e = 0; e < Element::kCount; ++e) {
        for (int32_t v = 0; v < 9; ++v) {
            Definition& d = defs[200 + 9 * e + v];
            d = Definition{};
            d.templateIndex = 27 + v;
            d.element = e;
            d.effect = kBookEffects[e][v];
        }
    }
}

SkillData MakeConsumable(int32_t itemId, int32_t quality) {
    SkillData s;
    if (quality < 0) quality = 0;
    if (quality > 100) quality = 100;
    s.name.Format("%S[%d]", ItemName(itemId), quality);
    s.weaponKind = WeaponKind::kNone;
    if (itemId <= 0 || itemId >= GoodsRange::kWeaponFirst) return s;  // inert: no uses
    const Definition& d = Definitions()[itemId];
    if (d.templateIndex == 0) return s;

    const double q = QualityFactor(quality);
    const Template& t = kTemplates[d.templateIndex];
    s.itemUses = 1;
    s.ranged = 1;
    s.type = t.type;
    s.hits = t.hits;
    if (!IsOpen(t.subtype)) s.subtype = Eval(t.subtype, q);
    s.targetKind = t.targetKind == kOpen ? d.targetKind : t.targetKind;
    if (!IsOpen(t.power)) s.power = Eval(t.power, q);
    if (!IsOpen(t.hitBonus)) s.hitBonus = Eval(t.hitBonus, q);
    if (!IsOpen(t.critBonus)) s.critBonus = Eval(t.critBonus, q);
    s.speed = Eval(t.speed, q);
    s.itemUses = IsOpen(t.uses) ? d.uses : Eval(t.uses, q);
    const int32_t price = Eval(d.ownPrice || IsOpen(t.price) ? d.price : t.price, q);
    s.price = TruncToInt(static_cast<double>(price) * d.priceTimes);
    s.element = d.element;
    s.effect = t.effect == kOpen ? d.effect : t.effect;
    s.statusChance = d.statuses;
    return s;
}
