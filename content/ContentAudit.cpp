#include "content/ContentAudit.h"

#include <algorithm>
#include <map>

#include "content/ContentDatabase.h"
#include "content/Items.h"
#include "content/Labels.h"
#include "content/Obtainable.h"
#include "content/Progression.h"

namespace {

constexpr int32_t kTopLevel = 999;

bool Named(int32_t skillId) { return !SkillById(skillId).name.Empty(); }

bool Hireable(int32_t character, const std::vector<bool>& held) {
    if (CharacterById(character).name.Empty()) return false;
    return character <= 1 || held[GoodsRange::kCardFirst + character];  // 0 and 1 start hired
}

bool Wields(const CharacterData& c, int32_t kind) {
    return std::find(c.weaponKinds.begin(), c.weaponKinds.end(), kind) != c.weaponKinds.end();
}

// The command menu offers a skill whose weapon kind is that of the basic
// attack (the equipped weapon's, or the fist's without one) or none.
bool FitsCharacter(const CharacterData& c, int32_t skillId) {
    const int32_t kind = SkillById(skillId).weaponKind;
    return kind == WeaponKind::kNone || kind == WeaponKind::kFist || Wields(c, kind);
}

bool InflictsSomething(const SkillData& s) {
    const auto& categories = StatusCategories();
    for (int32_t k = 0; k < StatusKind::kCount; ++k)
        if (s.statusChance[k] > 0 && categories[k] != StatusCategory::kBeneficial) return true;
    return false;
}

bool AnyStatus(const SkillData& s) {
    return std::any_of(s.statusChance.begin(), s.statusChance.end(), [](int32_t c) { return c > 0; });
}

std::u16string_view WithoutBig(std::u16string_view name) {
    return name.size() > 1 && name[0] == u'大' ? name.substr(1) : name;
}

}  // namespace

std::vector<bool> MetEnemies() {
    const std::vector<bool> held = ObtainableGoods();
    std::vector<bool> met(kEnemyCapacity, false);
    auto meet = [&met](int32_t id) {
        if (id >= 0 && id < kEnemyCapacity) met[id] = true;
    };
    for (int32_t a = 0; a < kAreaCapacity; ++a) {
        if (!held[GoodsRange::kMapFirst + a]) continue;
        for (const EncounterRow& e : AreaById(a).encounters) meet(e.enemyId);
    }
    for (int32_t q = 0; q < kQuestCapacity; ++q) {
        const QuestData& quest = QuestById(q);
        if (quest.title.Empty() || !held[GoodsRange::kCertificateFirst + q] ||
            !held[GoodsRange::kMapFirst + quest.area])
            continue;
        for (int32_t enemy : quest.enemies) meet(enemy);
        for (const WeightedId& r : quest.reinforcements) meet(r.id);
    }
    return met;
}

std::vector<int32_t> UnusedSkills() {
    const std::vector<bool> held = ObtainableGoods();
    std::vector<bool> used(kSkillCapacity, false);
    auto use = [&used](int32_t id) {
        if (id > 0 && id < kSkillCapacity) used[id] = true;
    };

    use(1);  // the unarmed attack: anyone without a weapon
    for (int32_t id = 0; id < kCharacterCapacity; ++id) {
        if (!Hireable(id, held)) continue;
        const CharacterData& c = CharacterById(id);
        for (int32_t kind : c.weaponKinds) use(kind + 1);
        for (const ProgressionRule& r : CharacterRules(id))
            if (r.kind == RuleKind::kSkillSlot && r.level <= kTopLevel && FitsCharacter(c, r.value))
                use(r.value);
    }
    for (int32_t item = GoodsRange::kWeaponFirst; item < GoodsRange::kMaterialFirst; ++item) {
        if (ItemName(item).Empty() || !held[item]) continue;
        for (int32_t quality = 0; quality <= 100; ++quality) {
            const ItemData data = MakeItemData(item, quality);
            for (int32_t s : data.grantedSkills) {
                if (s == 0) continue;
                const int32_t kind = SkillById(s).weaponKind;
                const bool weapon = item < GoodsRange::kAccessoryFirst;
                if (!weapon || kind == WeaponKind::kNone || kind == data.kind) use(s);
            }
        }
    }
    const std::vector<bool> met = MetEnemies();
    for (int32_t id = 0; id < kEnemyCapacity; ++id) {
        if (!met[id]) continue;
        for (const WeightedId& a : EnemyById(id).actions) use(a.id);
        for (const WeightedId& c : EnemyById(id).counters) use(c.id);
    }

    std::vector<int32_t> unused;
    for (int32_t id = 1; id < kSkillCapacity; ++id)
        if (Named(id) && !used[id]) unused.push_back(id);
    return unused;
}

std::vector<int32_t> MaterialsWithoutSource() {
    const std::vector<bool> held = ObtainableGoods();
    std::vector<int32_t> ids;
    for (int32_t id = GoodsRange::kMaterialFirst; id < GoodsRange::kRecipeFirst; ++id)
        if (!ItemName(id).Empty() && !held[id]) ids.push_back(id);
    return ids;
}

std::vector<int32_t> MaterialsWithoutUse() {
    const std::vector<bool> held = ObtainableGoods();
    std::vector<bool> used(kItemCapacity, false);
    for (const RecipeData& r : RecipeTable()) {
        if (r.ingredients.empty() || ItemName(r.product).Empty() ||
            !held[GoodsRange::kRecipeFirst + r.product])
            continue;
        for (const WeightedId& in : r.ingredients)
            if (in.id >= 0 && in.id < kItemCapacity) used[in.id] = true;
    }
    std::vector<int32_t> ids;
    for (int32_t id = GoodsRange::kMaterialFirst; id < GoodsRange::kRecipeFirst; ++id)
        if (!ItemName(id).Empty() && !used[id]) ids.push_back(id);
    return ids;
}

std::string WhyActionIsDead(int32_t enemyId, int32_t skillId) {
    const EnemyData& e = EnemyById(enemyId);
    const SkillData& s = SkillById(skillId);
    const int32_t mag = e.params.Base(BaseParam::kMag);
    if (s.name.Empty() && skillId != 0) return "no such skill";
    if (s.epCost > 100 || s.mpCost > 100) return "costs more than a unit can hold";
    switch (s.type) {
        case SkillType::kMagic:
            if (mag <= 0) return "magic by Mag 0";
            break;
        case SkillType::kPhysical:
        case SkillType::kBreath:
        case SkillType::kFixed:
            if (s.power <= 0 && !InflictsSomething(s)) return "no power and no status";
            break;
        case SkillType::kRecovery:
            if (s.subtype == RecoveryPool::kHp && mag <= 0 && !AnyStatus(s)) return "heals by Mag 0";
            if (s.subtype == RecoveryPool::kHp && s.power < 100 && !AnyStatus(s)) return "heal power below 100";
            break;
        case SkillType::kRevive:
            if (mag <= 0) return "revives by Mag 0";
            break;
        case SkillType::kSupport:
            if (!AnyStatus(s)) return "supports with no status";
            break;
        default:
            break;
    }
    return {};
}

std::vector<DeadAction> DeadEnemyActions() {
    std::vector<DeadAction> dead;
    for (int32_t id = 0; id < kEnemyCapacity; ++id) {
        const EnemyData& e = EnemyById(id);
        if (e.name.Empty()) continue;
        auto check = [&](const std::vector<WeightedId>& list) {
            for (const WeightedId& w : list) {
                std::string why = WhyActionIsDead(id, w.id);
                if (!why.empty()) dead.push_back({id, w.id, std::move(why)});
            }
        };
        check(e.actions);
        check(e.counters);
    }
    return dead;
}

namespace {

// One word, two spellings: the game writes it the second way only.
constexpr std::pair<std::u16string_view, std::u16string_view> kSpellings[] = {
    {u"百足", u"ムカデ"},    {u"蝙蝠", u"コウモリ"},  {u"魔導士", u"魔道士"},
    {u"魔導師", u"魔道士"},  {u"魔道師", u"魔道士"},
};
// Different words for one thing, compared as one.
constexpr std::pair<std::u16string_view, std::u16string_view> kSynonyms[] = {
    {u"シーサーペント", u"海蛇"}, {u"ドラゴン", u"竜"}, {u"龍", u"竜"}, {u"炎", u"火"},
};

void ReplaceAll(std::u16string& text, std::u16string_view from, std::u16string_view to) {
    for (size_t at = text.find(from); at != std::u16string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

}  // namespace

std::u16string NameKey(std::u16string_view name) {
    std::u16string key(name);
    for (const auto& [from, to] : kSpellings) ReplaceAll(key, from, to);
    for (const auto& [from, to] : kSynonyms) ReplaceAll(key, from, to);
    key = std::u16string(WithoutBig(key));
    std::sort(key.begin(), key.end());
    return key;
}

std::vector<std::string> OffSpellings() {
    std::vector<std::string> found;
    auto check = [&found](const WString& name) {
        for (const auto& [from, to] : kSpellings)
            if (name.View().find(from) != std::u16string_view::npos) found.push_back(name.ToUtf8());
    };
    for (int32_t id = 0; id < kEnemyCapacity; ++id) check(EnemyById(id).name);
    for (int32_t id = 0; id < kItemCapacity; ++id) check(ItemName(id));
    for (int32_t id = 0; id < kSkillCapacity; ++id) check(SkillById(id).name);
    for (int32_t id = 0; id < kQuestCapacity; ++id) check(QuestById(id).title);
    for (int32_t id = 0; id < kAreaCapacity; ++id) check(AreaById(id).name);
    for (int32_t id = 0; id < kCharacterCapacity; ++id) {
        check(CharacterById(id).name);
        check(CharacterById(id).title);
        for (const ProgressionRule& r : CharacterRules(id))
            if (r.kind == RuleKind::kTitle) check(r.title);
    }
    return found;
}

std::vector<NameClash> NameClashes() {
    std::vector<NameClash> clashes;
    auto scan = [&clashes](const char* table, int32_t count, auto nameOf, std::u16string_view shared) {
        std::map<std::u16string, int32_t> seen;
        for (int32_t id = 0; id < count; ++id) {
            const WString& name = nameOf(id);
            if (name.Empty()) continue;
            const std::u16string key = NameKey(name.View());
            auto [it, fresh] = seen.emplace(key, id);
            if (fresh) continue;
            const WString& earlier = nameOf(it->second);
            if (name.View() == shared && earlier.View() == shared) continue;
            // "天狗" and "大天狗" are one series; "コウモリ" and "大蝙蝠" one
            // creature written two ways.
            if (earlier.View() != name.View() && WithoutBig(earlier.View()) == WithoutBig(name.View()))
                continue;
            clashes.push_back({table, it->second, id, earlier.ToUtf8(), name.ToUtf8()});
        }
    };
    scan("enemies", kEnemyCapacity, [](int32_t id) -> const WString& { return EnemyById(id).name; }, u"");
    scan("items", kItemCapacity, [](int32_t id) -> const WString& { return ItemName(id); }, u"");
    scan("characters", kCharacterCapacity,
         [](int32_t id) -> const WString& { return CharacterById(id).name; }, u"");
    scan("areas", kAreaCapacity, [](int32_t id) -> const WString& { return AreaById(id).name; }, u"");
    scan("quests", kQuestCapacity, [](int32_t id) -> const WString& { return QuestById(id).title; }, u"");
    // Every weapon kind and several monsters share the plain "攻撃".
    scan("skills", kSkillCapacity, [](int32_t id) -> const WString& { return SkillById(id).name; }, u"攻撃");
    return clashes;
}
