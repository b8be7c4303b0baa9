#include "WorldDumps.h"

#include "Dumps.h"
#include "Tsv.h"
#include "content/ContentDatabase.h"
#include "content/GoodsNames.h"
#include "content/Labels.h"
#include "content/Progression.h"
#include "engine/text/Format.h"

namespace {

std::string Join(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& p : parts) text += (text.empty() ? "" : " ") + p;
    return text;
}

std::string SkillName(int32_t id) {
    const WString& name = SkillById(id).name;
    return name.Empty() ? "?" : name.ToUtf8();
}

// "name(id):weight" for actions and counters, so ids and names both show.
std::string SkillList(const std::vector<WeightedId>& list) {
    std::vector<std::string> parts;
    for (const WeightedId& w : list) parts.push_back(FormatNarrow("%s(%d):%d", SkillName(w.id).c_str(), w.id, w.weight));
    return Join(parts);
}

std::string AbilityText(const ParamBlock& params) {
    ParamBlock abilities = params;
    for (int32_t p = 0; p < BaseParam::kCount; ++p) abilities.Base(p) = 0;
    return ParamText(abilities);
}

std::string GoodsLabel(PackedItem goods) { return GoodsListLabel(goods).ToUtf8(); }

}  // namespace

void DumpEnemies(Tsv& out) {
    out.Header({"id", "name", "Hp", "Atk", "Mag", "Hit", "Cri", "Avo", "Luck", "Sp", "exp", "gold",
                "front", "picture", "hue", "scale", "abilities", "actions", "drops", "counters"});
    for (int32_t id = 0; id < kEnemyCapacity; ++id) {
        const EnemyData& e = EnemyTable()[id];
        if (e.name.Empty()) continue;
        out << id << e.name;
        for (int32_t p = 0; p < BaseParam::kCount; ++p) out << e.params.Base(p);
        std::vector<std::string> drops;
        for (const DropEntry& d : e.drops)
            drops.push_back(FormatNarrow("%s(%d)[%d+%d]@%d", ItemName(d.itemId).ToUtf8().c_str(), d.itemId,
                                         d.baseQuality, d.qualitySpread, d.chance));
        out << e.exp << e.gold << e.frontChance << e.picture << e.hue << FormatNarrow("%.1f", e.scale)
            << AbilityText(e.params) << SkillList(e.actions) << Join(drops) << SkillList(e.counters);
        out.End();
    }
}

void DumpCharacters(Tsv& out) {
    out.Header({"id", "name", "title", "face", "weapon kinds", "fee", "weapon", "attack", "ranged",
                "Hp", "Atk", "Mag", "Hit", "Cri", "Avo", "Luck", "Sp", "growth", "abilities"});
    for (int32_t id = 0; id < kCharacterCapacity; ++id) {
        const CharacterData& c = CharacterTable()[id];
        if (c.name.Empty()) continue;
        std::vector<std::string> kinds, growth;
        for (int32_t k : c.weaponKinds) kinds.push_back(WeaponKindLabels()[k].ToUtf8());
        for (int32_t g : c.growth) growth.push_back(std::to_string(g));
        out << id << c.name << c.title << c.faceNumber << Join(kinds) << c.hireFee
            << (c.equipment[0] ? GoodsLabel(c.equipment[0]) : std::string("-")) << SkillName(c.skills[0])
            << c.ranged;
        for (int32_t p = 0; p < BaseParam::kCount; ++p) out << c.params.Base(p);
        out << Join(growth) << AbilityText(c.params);
        out.End();
    }
}

void DumpProgression(Tsv& out) {
    out.Header({"character", "name", "level", "rule"});
    for (int32_t id = 0; id < kCharacterCapacity; ++id) {
        for (const ProgressionRule& r : CharacterRules(id)) {
            std::string rule;
            switch (r.kind) {
                case RuleKind::kAbility:
                    rule = FormatNarrow("%s+%d", AbilityCatalogue()[r.index].name.ToUtf8().c_str(), r.value);
                    break;
                case RuleKind::kSkillSlot:
                    rule = FormatNarrow("slot %d = %s(%d)", r.index, SkillName(r.value).c_str(), r.value);
                    break;
                case RuleKind::kTitle: rule = "title " + r.title.ToUtf8(); break;
            }
            out << id << CharacterTable()[id].name << r.level << rule;
            out.End();
        }
    }
}

void DumpAreas(Tsv& out) {
    out.Header({"id", "name", "background", "field music", "battle music", "budget base", "budget step",
                "encounters", "finds"});
    for (int32_t id = 0; id < kAreaCapacity; ++id) {
        const AreaData& a = AreaTable()[id];
        if (a.name.Empty()) continue;
        out << id << a.name << a.background << a.fieldMusic << a.battleMusic << a.budgetBase << a.budgetStep
            << static_cast<int32_t>(a.encounters.size()) << static_cast<int32_t>(a.finds.size());
        out.End();
    }
}

void DumpEncounters(Tsv& out) {
    out.Header({"area", "row", "enemy", "name", "cost", "from", "to", "chance"});
    for (int32_t id = 0; id < kAreaCapacity; ++id) {
        int32_t row = 0;
        for (const EncounterRow& e : AreaTable()[id].encounters) {
            out << id << row++ << e.enemyId << EnemyById(e.enemyId).name << e.cost << e.minLevel << e.maxLevel
                << e.chance;
            out.End();
        }
    }
}

void DumpFinds(Tsv& out) {
    out.Header({"area", "row", "goods", "name", "base", "spread", "from", "to", "chance"});
    for (int32_t id = 0; id < kAreaCapacity; ++id) {
        int32_t row = 0;
        for (const FindRow& f : AreaTable()[id].finds) {
            const std::string name =
                IsItem(f.goodsId) ? ItemName(f.goodsId).ToUtf8() : GoodsLabel(PackItem(f.goodsId, 0));
            out << id << row++ << f.goodsId << name << f.baseQuality << f.qualitySpread << f.minLevel
                << f.maxLevel << f.chance;
            out.End();
        }
    }
}

void DumpQuests(Tsv& out) {
    out.Header({"id", "title", "area", "from", "to", "chance", "music", "recommended", "gold", "enemies",
                "rewards", "reinforcements"});
    for (int32_t id = 0; id < kQuestCapacity; ++id) {
        const QuestData& q = QuestTable()[id];
        if (q.title.Empty()) continue;
        std::vector<std::string> enemies, rewards, reinforcements;
        for (size_t i = 0; i < q.enemies.size(); ++i)
            enemies.push_back(FormatNarrow("%s(%d)%s", EnemyById(q.enemies[i]).name.ToUtf8().c_str(), q.enemies[i],
                                           i < q.rows.size() && q.rows[i] ? "後" : "前"));
        for (PackedItem r : q.rewards) rewards.push_back(GoodsLabel(r));
        for (const WeightedId& r : q.reinforcements)
            reinforcements.push_back(
                FormatNarrow("%s(%d)/%d", EnemyById(r.id).name.ToUtf8().c_str(), r.id, r.weight));
        out << id << q.title << q.area << q.minLevel << q.maxLevel << q.chance << q.music << q.recommendedLevel
            << q.rewardGold << Join(enemies) << Join(rewards) << Join(reinforcements);
        out.End();
    }
}
