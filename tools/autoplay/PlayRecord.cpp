#include "tools/autoplay/PlayRecord.h"

#include <algorithm>
#include <ostream>

#include "tools/autoplay/ExpeditionPlan.h"

namespace {

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            out += ' ';
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Json(const Milestone& m) {
    if (!m.reached) return "null";
    return "{\"level\": " + std::to_string(m.level) + ", \"gold\": " + std::to_string(m.gold) +
           ", \"battles\": " + std::to_string(m.battles) + ", \"frames\": " +
           std::to_string(m.frames) + ", \"expedition\": " + std::to_string(m.expedition) + "}";
}

void Mark(PlayRecord& record, PackedItem item) {
    const int32_t id = PackedGoodsId(item);
    if (id > 0 && id < GoodsRange::kEnd && record.obtained[size_t(id)] == 0)
        record.obtained[size_t(id)] = record.expeditions + 1;
    if (id > 0 && id < kItemCapacity)
        record.bestQuality[size_t(id)] = std::max(record.bestQuality[size_t(id)], PackedQuality(item));
}

template <size_t N>
void MarkHoldings(PlayRecord& record, const std::array<int32_t, N>& flags, int32_t first) {
    for (size_t i = 0; i < N; ++i)
        if (flags[i] != Holding::kNone && record.obtained[size_t(first) + i] == 0)
            record.obtained[size_t(first) + i] = record.expeditions + 1;
}

}  // namespace

// The name of goods for the lists: item names, or the thing a record is of.
std::string GoodsName(int32_t id) {
    switch (ClassifyGoods(id)) {
        case GoodsKind::kRecipe: return "recipe " + ItemName(GoodsIndex(id)).ToUtf8();
        case GoodsKind::kMap: return "map " + AreaById(GoodsIndex(id)).name.ToUtf8();
        case GoodsKind::kCard: return "card " + CharacterById(GoodsIndex(id)).name.ToUtf8();
        case GoodsKind::kCertificate: return "notice " + QuestById(GoodsIndex(id)).title.ToUtf8();
        default: return ItemName(id).ToUtf8();
    }
}

// Goods that exist in the content: named items, recipes with ingredients,
// maps of named areas, cards of named characters, notices of named quests.
bool GoodsExist(int32_t id) {
    switch (ClassifyGoods(id)) {
        case GoodsKind::kConsumable:
        case GoodsKind::kWeapon:
        case GoodsKind::kAccessory:
        case GoodsKind::kMaterial: return !ItemName(id).Empty();
        case GoodsKind::kRecipe: return !RecipeTable()[size_t(GoodsIndex(id))].ingredients.empty();
        case GoodsKind::kMap: return !AreaById(GoodsIndex(id)).name.Empty();
        case GoodsKind::kCard: return !CharacterById(GoodsIndex(id)).name.Empty();
        case GoodsKind::kCertificate: return !QuestById(GoodsIndex(id)).title.Empty();
        default: return false;
    }
}

Milestone TakeMilestone(const PartyState& party, const PlayRecord& record) {
    Milestone m;
    m.reached = true;
    m.level = party.level;
    m.gold = party.gold;
    m.battles = record.battles;
    m.frames = record.frames;
    m.expedition = record.expeditions;
    return m;
}

Departure TakeDeparture(const PartyState& party, const PlayRecord& record, int32_t area) {
    Departure d;
    d.expedition = record.expeditions;
    d.area = area;
    d.level = party.level;
    d.battles = record.battles;
    for (int32_t character : party.members) {
        MemberSetup member;
        member.character = character;
        member.equip = true;
        member.equipment = CharacterById(character).equipment;
        d.members.push_back(member);
    }
    d.carried = party.carried;
    return d;
}

void NoteHoldings(PlayRecord& record, const PartyState& party) {
    for (PackedItem item : party.inventory) Mark(record, item);
    for (PackedItem item : party.storage) Mark(record, item);
    for (PackedItem item : party.carried) {
        Mark(record, item);
        const int32_t id = PackedGoodsId(item);
        if (id > 0 && id < kItemCapacity) record.itemsCarried[size_t(id)] = 1;
    }
    for (int32_t c = 0; c < kCharacterCapacity; ++c) {
        if (party.hired[size_t(c)] == 0) continue;
        for (PackedItem item : CharacterById(c).equipment) Mark(record, item);
        // A hired character counts as its card held: those a new game
        // starts with never had one.
        Mark(record, PackItem(GoodsRange::kCardFirst + c, 0));
    }
    MarkHoldings(record, party.recipes, GoodsRange::kRecipeFirst);
    MarkHoldings(record, party.maps, GoodsRange::kMapFirst);
    MarkHoldings(record, party.cards, GoodsRange::kCardFirst);
    MarkHoldings(record, party.notices, GoodsRange::kCertificateFirst);
    for (int32_t q = 0; q < kQuestCapacity; ++q)
        if (party.notices[size_t(q)] != Holding::kNone && record.quests[size_t(q)].noticeLevel == 0)
            record.quests[size_t(q)].noticeLevel = party.level;
}

void NoteEnemies(PlayRecord& record, const std::vector<int32_t>& enemyIds) {
    for (int32_t id : enemyIds)
        if (id >= 0 && id < kEnemyCapacity) record.enemiesMet[size_t(id)] = 1;
}

std::string PlayTime(int64_t frames, int32_t framePeriodMs) {
    const int64_t seconds = frames * framePeriodMs / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
    return text;
}

void WriteReport(std::ostream& out, const PlayRecord& record, const PartyState& party,
                 const ExpeditionState& expedition, int32_t framePeriodMs) {
    out << "{\n";
    out << "  \"seed\": " << record.seed << ",\n";
    out << "  \"frames\": " << record.frames << ",\n";
    out << "  \"framePeriodMs\": " << framePeriodMs << ",\n";
    out << "  \"playTime\": " << Quoted(PlayTime(record.frames, framePeriodMs)) << ",\n";
    out << "  \"level\": " << party.level << ",\n";
    out << "  \"gold\": " << party.gold << ",\n";
    out << "  \"expeditions\": " << record.expeditions << ",\n";
    out << "  \"battles\": " << record.battles << ", \"wins\": " << record.wins
        << ", \"losses\": " << record.losses << ",\n";
    out << "  \"saves\": " << record.saves << ", \"reloads\": " << record.reloads << ",\n";
    out << "  \"purchases\": " << record.purchases << ", \"sales\": " << record.sales
        << ", \"syntheses\": " << record.syntheses << ", \"hires\": " << record.hires
        << ", \"equips\": " << record.equips << ", \"carriedChanges\": " << record.carriedChanges << ",\n";
    out << "  \"questsDefeated\": " << expedition.questsDefeated << ",\n";
    out << "  \"complete\": " << (record.complete ? "true" : "false") << ",\n";
    out << "  \"stuck\": " << (record.stuck.empty() ? "null" : Quoted(record.stuck)) << ",\n";
    out << "  \"definitions\": {\n"
        << "    \"entered\": \"the first departure into the area\",\n"
        << "    \"survived\": \"the first return to town on foot (not by defeat) from an expedition "
           "in the area that reached depth 10 or deeper\",\n"
        << "    \"mastered\": \"the first moment depth 49 has been reached in the area and every "
           "rated quest of the area is cleared\",\n"
        << "    \"frames\": \"frames of play, battles included; play time at the normal frame period\",\n"
        << "    \"neverUsed\": \"skills offered in a member's command list but never chosen, and "
           "usable items carried but never used\"\n  },\n";

    out << "  \"areas\": [";
    bool first = true;
    for (int32_t a = 0; a < kAreaCapacity; ++a) {
        if (AreaById(a).name.Empty()) continue;
        const AreaRecord& r = record.areas[size_t(a)];
        const std::vector<int32_t> rated = RatedQuests(a);
        int32_t cleared = 0;
        for (int32_t q : rated) cleared += expedition.clearLevel[size_t(q)] != 0;
        out << (first ? "\n" : ",\n") << "    {\"area\": " << a << ", \"name\": "
            << Quoted(AreaById(a).name.ToUtf8()) << ", \"entered\": " << Json(r.entered)
            << ", \"survived\": " << Json(r.survived) << ", \"mastered\": " << Json(r.mastered)
            << ", \"deepest\": " << r.deepest << ", \"expeditions\": " << r.expeditions
            << ", \"battles\": " << r.battles << ", \"wins\": " << r.wins
            << ", \"losses\": " << r.losses << ", \"ratedQuests\": " << rated.size()
            << ", \"questsCleared\": " << cleared << "}";
        first = false;
    }
    out << "\n  ],\n";

    out << "  \"quests\": [";
    first = true;
    for (int32_t q = 0; q < kQuestCapacity; ++q) {
        const QuestData& row = QuestById(q);
        if (row.title.Empty()) continue;
        const QuestRecord& r = record.quests[size_t(q)];
        out << (first ? "\n" : ",\n") << "    {\"quest\": " << q << ", \"title\": "
            << Quoted(row.title.ToUtf8()) << ", \"area\": " << row.area
            << ", \"recommended\": " << row.recommendedLevel
            << ", \"rated\": " << (RatedQuest(q) ? "true" : "false")
            << ", \"noticeHeld\": " << (party.notices[size_t(q)] != Holding::kNone ? "true" : "false")
            << ", \"noticeLevel\": " << (r.noticeLevel > 0 ? std::to_string(r.noticeLevel) : "null")
            << ", \"huntLevel\": " << (r.huntLevel > 0 ? std::to_string(r.huntLevel) : "null")
            << ", \"met\": " << (r.met ? "true" : "false") << ", \"clearLevel\": "
            << (r.clearLevel > 0 ? std::to_string(r.clearLevel) : "null")
            << ", \"clearFrames\": " << (r.clearLevel > 0 ? std::to_string(r.clearFrames) : "null")
            << ", \"losses\": " << r.losses << "}";
        first = false;
    }
    out << "\n  ],\n";

    out << "  \"neverObtained\": [";
    first = true;
    for (int32_t id = 1; id < GoodsRange::kEnd; ++id) {
        if (!GoodsExist(id) || record.obtained[size_t(id)] != 0) continue;
        out << (first ? "\n" : ",\n") << "    {\"goods\": " << id << ", \"name\": " << Quoted(GoodsName(id)) << "}";
        first = false;
    }
    out << "\n  ],\n";

    out << "  \"neverUsed\": [";
    first = true;
    for (int32_t s = 1; s < kSkillCapacity; ++s) {
        if (record.offered[size_t(s)] == 0 || record.chosen[size_t(s)] != 0) continue;
        out << (first ? "\n" : ",\n") << "    {\"skill\": " << s << ", \"name\": "
            << Quoted(SkillById(s).name.ToUtf8()) << ", \"offered\": " << record.offered[size_t(s)] << "}";
        first = false;
    }
    for (int32_t id = 1; id < kItemCapacity; ++id) {
        if (record.itemsCarried[size_t(id)] == 0 || record.itemsUsed[size_t(id)] != 0) continue;
        out << (first ? "\n" : ",\n") << "    {\"item\": " << id << ", \"name\": " << Quoted(ItemName(id).ToUtf8()) << "}";
        first = false;
    }
    out << "\n  ],\n";

    out << "  \"neverMet\": [";
    first = true;
    for (int32_t e = 0; e < kEnemyCapacity; ++e) {
        if (EnemyById(e).name.Empty() || record.enemiesMet[size_t(e)] != 0) continue;
        out << (first ? "\n" : ",\n") << "    {\"enemy\": " << e << ", \"name\": " << Quoted(EnemyById(e).name.ToUtf8()) << "}";
        first = false;
    }
    out << "\n  ]\n}\n";
}
